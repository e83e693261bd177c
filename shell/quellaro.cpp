#include "shell/quellaro.h"

#include "panels/switchmodedialog.h"
#include "panels/testcofemashinedialog.h"
#include "recipes/receptsdialog.h"
#include "settings/settingsdialog.h"
#include "shell/closingdialog.h"
#include "shell/style_sheets.h"
#include "machines/machine_store.h"
#include "machines/machines_dialog.h"
#include "visits/visit_recorder.h"
#include "ui_quellaro.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>

Quellaro::Quellaro(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::Quellaro)
{
    ui->setupUi(this);
    applyStyle(Style::MenuButton, {ui->showModeButton, ui->showSettingsButton, ui->showTestButton,
                                   ui->showReceptsButton, ui->quitButton});
    setWindowFlags(Qt::Window);
    ClosingDialog::ignoreHeldKeys();

    receptsDialog = new ReceptsDialog(this);
    testDialog = new TestCofeMashineDialog(this);
    switchModeDialog = new SwitchModeDialog(this);
    settingsDialog = new SettingsDialog(this);
    addMachines();
}

void Quellaro::addMachines()
{
    machines = new MachineStore;
    machineLabel = new QLabel(this);
    machineLabel->setObjectName(QStringLiteral("currentMachineLabel"));
    machineLabel->setAlignment(Qt::AlignCenter);
    auto* machinesButton = new QPushButton(tr("Machines…"), this);
    machinesButton->setObjectName(QStringLiteral("showMachinesButton"));
    machinesButton->setSizePolicy(ui->quitButton->sizePolicy());
    applyStyle(Style::MenuButton, {machinesButton});
    if (auto* box = qobject_cast<QBoxLayout*>(layout())) {
        box->insertWidget(0, machineLabel);
        box->insertWidget(box->indexOf(ui->quitButton), machinesButton);
    }
    connect(machinesButton, &QPushButton::clicked, this, &Quellaro::showMachines);
    connect(settingsDialog, &SettingsDialog::addressSaved, this, [this](const QString& host, const QString& port) {
        QString error;
        machines->takeStoredAddress(host, port, &error);
        showCurrentMachine();
    });
    connect(receptsDialog, &ReceptsDialog::aboutToSave, this,
            [](const QString& path) { VisitRecorder::keepRecipes(path, true); });
    connect(receptsDialog, &ReceptsDialog::saved, this,
            [](const QString& path) { VisitRecorder::keepRecipes(path, false); });
    showCurrentMachine();
}

void Quellaro::showCurrentMachine()
{
    Machine machine;
    machineLabel->setText(machines->current(&machine)
                              ? tr("Machine: %1 (%2:%3)").arg(machine.name, machine.address, machine.port)
                              : tr("No machine chosen"));
}

// The panels connect while they are shown: closing them closes their links to the machine left.
void Quellaro::machineChanged()
{
    for (QDialog* dialog : std::initializer_list<QDialog*>{receptsDialog, testDialog, switchModeDialog, settingsDialog}) {
        if (dialog->isVisible())
            dialog->close();
    }
    showCurrentMachine();
}

// Made at its first showing: the start-up reads nothing but the chosen machine's file.
void Quellaro::showMachines()
{
    if (!machinesDialog) {
        machinesDialog = new MachinesDialog(machines, this);
        connect(machinesDialog, &MachinesDialog::machineChosen, this, &Quellaro::machineChanged);
    }
    hide();
    machinesDialog->show();
}

Quellaro::~Quellaro()
{
    delete ui;
    delete receptsDialog;
    delete testDialog;
    delete switchModeDialog;
    delete settingsDialog;
    delete machinesDialog;
    delete machines;
}

void Quellaro::keyPressEvent(QKeyEvent* event)
{
    // A QDialog rejects itself on Escape, which here would end the program with a key that
    // closes every other window.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Quellaro::on_showReceptsButton_clicked()
{
    hide();
    receptsDialog->show();
}

void Quellaro::on_showTestButton_clicked()
{
    hide();
    testDialog->show();
}

void Quellaro::on_showModeButton_clicked()
{
    hide();
    switchModeDialog->show();
}

void Quellaro::on_showSettingsButton_clicked()
{
    hide();
    settingsDialog->show();
}
