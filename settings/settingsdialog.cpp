#include "settings/settingsdialog.h"

#include "settings/controller_address.h"
#include "settings/settings_store.h"
#include "shell/style_sheets.h"
#include "ui_settingsdialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QIntValidator>
#include <QSettings>
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
    addressMask = ui->ipAdressEdit->inputMask();
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
    if (SaveSettings())
        close();
}

void SettingsDialog::on_cancelButton_clicked()
{
    close();
}

void SettingsDialog::LoadSettings()
{
    storedHost = SettingsStore::controllerHost();
    // The mask would turn a host name or an IPv6 address into dots only.
    ui->ipAdressEdit->setInputMask(normalizedDottedAddress(storedHost).isEmpty() ? QString() : addressMask);
    ui->ipAdressEdit->setText(storedHost);
    shownHost = ui->ipAdressEdit->text();
    // setText() does not validate, so a port the validator would refuse shows as stored.
    storedPort = SettingsStore::controllerPort();
    ui->portEdit->setText(storedPort);
    shownPort = ui->portEdit->text();
    ui->temperatureSpinBox->setValue(SettingsStore::boilerTemperature()); // the spin box clamps to its 0..99
    ui->receptsFilePathlineEdit->setText(SettingsStore::receptsFilePath());
}

// All four keys, changed or not. An address or port the user typed must be one the machine
// can have; an untouched one is written back as it was stored. False, with a message, when
// nothing or not everything was written.
bool SettingsDialog::SaveSettings()
{
    QString host = storedHost;
    const QString typedHost = ui->ipAdressEdit->text();
    if (typedHost != shownHost) {
        // Plain decimal groups: the resolver would read "010" as octal.
        host = normalizedDottedAddress(typedHost.trimmed());
        if (host.isEmpty()) {
            showMessage("addressMessage",
                        tr("The address %1 cannot be used: give four numbers from 0 to 255 separated by dots.")
                            .arg(typedHost));
            return false;
        }
    }
    QString port = storedPort;
    const QString typedPort = ui->portEdit->text();
    if (typedPort != shownPort) {
        if (!typedPort.isEmpty() && portFromText(typedPort) == 0) {
            showMessage("portMessage", tr("The port %1 cannot be used: give a number from 1 to 65535.").arg(typedPort));
            return false;
        }
        port = typedPort;
    }

    bool written = SettingsStore::setControllerHost(host);
    written = SettingsStore::setControllerPort(port) && written;
    written = SettingsStore::setBoilerTemperature(ui->temperatureSpinBox->value()) && written;
    written = SettingsStore::setReceptsFilePath(ui->receptsFilePathlineEdit->text()) && written;
    if (!written) {
        showMessage("saveFailedMessage",
                    tr("The settings were not saved: the settings file %1 could not be written.")
                        .arg(QDir::toNativeSeparators(QSettings().fileName())));
    }
    return written;
}

// Non-blocking: the dialog stays open with its values behind the message.
void SettingsDialog::showMessage(const char* objectName, const QString& text)
{
    delete shownMessage;
    shownMessage = message(objectName, QMessageBox::Warning, text);
    shownMessage->open();
}
