#include "settings/settingsdialog.h"

#include "settings/settings_store.h"
#include "shell/style_sheets.h"
#include "ui_settingsdialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QIntValidator>
#include <QShowEvent>

namespace {

// QIntValidator lets a number above its top through as "intermediate" while it has no more
// digits than the top (65536 to 99999 here), so the field would take a port that does not
// exist. Such numbers are refused while typing, as are letters.
class PortValidator : public QIntValidator
{
public:
    using QIntValidator::QIntValidator;

    State validate(QString& input, int& pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        if (state != Intermediate)
            return state;
        bool ok = false;
        const qlonglong number = locale().toLongLong(input, &ok);
        return ok && number > top() ? Invalid : Intermediate;
    }
};

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent)
    : ClosingDialog(parent)
    , ui(new Ui::SettingsDialog)
    , portValidator(new PortValidator(1, 65535, this))
    , pickFile([](QWidget* owner, const QString& caption, const QString& dir, const QString& filter) {
        return QFileDialog::getOpenFileName(owner, caption, dir, filter);
    })
{
    ui->setupUi(this);
    applyStyle(Style::Label, {ui->label, ui->label_2, ui->label_3});
    applyStyle(Style::PanelButton, {ui->saveButton, ui->cancelButton});
    applyStyle(Style::NarrowPanelButton, {ui->openpushButton});
    ui->portEdit->setValidator(portValidator);
}

SettingsDialog::~SettingsDialog()
{
    delete ui;
}

void SettingsDialog::setFilePicker(FilePicker picker)
{
    pickFile = std::move(picker);
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    LoadSettings();
    ClosingDialog::showEvent(event);
}

void SettingsDialog::closeEvent(QCloseEvent* event)
{
    showParentWidget();
    ClosingDialog::closeEvent(event);
}

void SettingsDialog::on_openpushButton_clicked()
{
    const QString path = pickFile(this, tr("Open Recepts file"), QDir::currentPath(), tr("Recepts files (*.xml);;"));
    if (!path.isEmpty())
        ui->receptsFilePathlineEdit->setText(path);
}

void SettingsDialog::on_saveButton_clicked()
{
    SaveSettings();
    close();
}

void SettingsDialog::on_cancelButton_clicked()
{
    close();
}

void SettingsDialog::LoadSettings()
{
    ui->ipAdressEdit->setText(SettingsStore::controllerHost());
    ui->portEdit->setText(SettingsStore::controllerPort());
    ui->temperatureSpinBox->setValue(SettingsStore::boilerTemperature()); // the spin box clamps to its 0..99
    ui->receptsFilePathlineEdit->setText(SettingsStore::receptsFilePath());
}

// All four keys, changed or not. The address mask and the port validator are the only checks.
void SettingsDialog::SaveSettings()
{
    SettingsStore::setControllerHost(ui->ipAdressEdit->text());
    SettingsStore::setControllerPort(ui->portEdit->text());
    SettingsStore::setBoilerTemperature(ui->temperatureSpinBox->value());
    SettingsStore::setReceptsFilePath(ui->receptsFilePathlineEdit->text());
}
