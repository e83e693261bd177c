#include "shell/quellaro.h"

#include "panels/switchmodedialog.h"
#include "panels/testcofemashinedialog.h"
#include "recipes/receptsdialog.h"
#include "settings/settingsdialog.h"
#include "shell/closingdialog.h"
#include "shell/style_sheets.h"
#include "ui_quellaro.h"

#include <QKeyEvent>

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
}

Quellaro::~Quellaro()
{
    delete ui;
    delete receptsDialog;
    delete testDialog;
    delete switchModeDialog;
    delete settingsDialog;
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
