#include "machines/machine_form.h"

#include "machines/machine_store.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

MachineForm::MachineForm(MachineStore* machines, const Machine& machine, QWidget* parent)
    : QDialog(parent)
    , store(machines)
    , edited(machine)
{
    setWindowTitle(machine.id.isEmpty() ? tr("New machine") : tr("Machine %1").arg(machine.name));
    auto* form = new QFormLayout;
    nameEdit = addField(form, "nameEdit", tr("Name"), machine.name);
    siteEdit = addField(form, "siteEdit", tr("Site"), machine.site);
    serialEdit = addField(form, "serialEdit", tr("Serial number"), machine.serial);
    addressEdit = addField(form, "addressEdit", tr("Controller address"), machine.address);
    portEdit = addField(form, "portEdit", tr("Port"), machine.port);
    notesEdit = new QPlainTextEdit(machine.notes, this);
    notesEdit->setObjectName(QStringLiteral("notesEdit"));
    form->addRow(tr("Notes"), notesEdit);
    problemLabel = new QLabel(this);
    problemLabel->setObjectName(QStringLiteral("problemLabel"));
    problemLabel->setWordWrap(true);
    problemLabel->hide();
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* saveButton = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setAutoDefault(false);
    QPushButton* cancelButton = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    connect(saveButton, &QPushButton::clicked, this, &MachineForm::save);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problemLabel);
    layout->addWidget(buttons);
}

QLineEdit* MachineForm::addField(QFormLayout* form, const char* name, const QString& label, const QString& text)
{
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(label, edit);
    return edit;
}

void MachineForm::save()
{
    Machine machine = edited;
    machine.name = nameEdit->text().trimmed();
    machine.site = siteEdit->text();
    machine.serial = serialEdit->text();
    machine.address = addressEdit->text().trimmed();
    machine.port = portEdit->text().trimmed();
    machine.notes = notesEdit->toPlainText();
    QString error;
    const bool kept = machine.id.isEmpty() ? store->add(machine, &error) : store->save(machine, &error);
    if (!kept) {
        problemLabel->setText(tr("The machine was not saved: %1.").arg(error));
        problemLabel->show();
        return;
    }
    edited = machine;
    accept();
}
