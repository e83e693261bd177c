#include "settings/settingsdialog.h"

#include "settings/controller_address.h"
#include "settings/settings_store.h"
#include "shell/style_sheets.h"
#include "ui_settingsdialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QIntValidator>
#include <QLabel>
#include <QSettings>
#include <QShowEvent>
#include <QSignalBlocker>

namespace {

// The top of the temperature field; a stored value beyond it is shown and kept as it is.
constexpr int MaxTemperature = 99;

// Takes every keystroke: a digit the field refused without a word would have a port saved cut
// short (70000 as 7000). A port that cannot be used is refused on Save, with a message.
class PortValidator : public QIntValidator
{
public:
    using QIntValidator::QIntValidator;

    State validate(QString& input, int& pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        return state == Invalid ? Intermediate : state;
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
    applyStyle(Style::InvalidValue, {ui->addressProblemLabel, ui->portProblemLabel, ui->temperatureProblemLabel});
    // An edited field is judged again on Save.
    connect(ui->ipAdressEdit, &QLineEdit::textEdited, this, [this] { mark(ui->ipAdressEdit, QString()); });
    connect(ui->portEdit, &QLineEdit::textEdited, this, [this] { mark(ui->portEdit, QString()); });
    connect(ui->temperatureSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] {
        // Any change leaves a stored value beyond the range: the field takes its own range back.
        ui->temperatureSpinBox->setRange(0, MaxTemperature);
        mark(ui->temperatureSpinBox, QString());
    });
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
    ui->ipAdressEdit->setText(storedHost);
    shownHost = ui->ipAdressEdit->text();
    mark(ui->ipAdressEdit, isUsableHost(storedHost) ? QString() : addressProblem(storedHost));
    // setText() does not validate, so a port the field would refuse shows as stored.
    storedPort = SettingsStore::controllerPort();
    ui->portEdit->setText(storedPort);
    shownPort = ui->portEdit->text();
    mark(ui->portEdit, portFromText(storedPort) != 0 ? QString() : portProblem(storedPort));
    // A stored temperature beyond the field's range is shown and kept as stored until edited.
    const int temperature = SettingsStore::boilerTemperature();
    {
        const QSignalBlocker blocker(ui->temperatureSpinBox);
        ui->temperatureSpinBox->setRange(qMin(0, temperature), qMax(MaxTemperature, temperature));
        ui->temperatureSpinBox->setValue(temperature);
    }
    const bool inRange = temperature >= 0 && temperature <= MaxTemperature;
    mark(ui->temperatureSpinBox,
         inRange ? QString()
                 : tr("The stored temperature %1 is outside the range from 0 to %2: it is kept unless you change it.")
                       .arg(temperature)
                       .arg(MaxTemperature));
    ui->receptsFilePathlineEdit->setText(SettingsStore::receptsFilePath());
}

QString SettingsDialog::addressProblem(const QString& address) const
{
    return tr("The address %1 cannot be used: give four numbers from 0 to 255 separated by dots.").arg(address);
}

QString SettingsDialog::portProblem(const QString& port) const
{
    return tr("The port %1 cannot be used: give a number from 1 to 65535.").arg(port);
}

// Marks `field` with a red frame and the line under it saying `problem`; an empty problem
// clears the mark.
void SettingsDialog::mark(QWidget* field, const QString& problem)
{
    QLabel* line = field == ui->ipAdressEdit ? ui->addressProblemLabel
        : field == ui->portEdit              ? ui->portProblemLabel
                                             : ui->temperatureProblemLabel;
    field->setStyleSheet(problem.isEmpty() ? QString() : ::styleSheet(Style::InvalidValue));
    field->setToolTip(problem);
    line->setText(problem);
    line->setVisible(!problem.isEmpty());
}

// All four keys, changed or not. An address or port the user typed must be one the machine
// can have; an untouched one is written back as it was stored. False, with a message, when
// nothing or not everything was written.
bool SettingsDialog::SaveSettings()
{
    // An untouched address or port is written back as stored, but only one that can be used.
    QString host = storedHost;
    const QString typedHost = ui->ipAdressEdit->text();
    if (typedHost != shownHost) // plain decimal groups: the resolver would read "010" as octal
        host = normalizedDottedAddress(typedHost.trimmed());
    if (!isUsableHost(host))
        return refuse(ui->ipAdressEdit, "addressMessage", addressProblem(typedHost));
    const QString typedPort = ui->portEdit->text();
    const QString port = typedPort != shownPort ? typedPort : storedPort;
    if (portFromText(port) == 0)
        return refuse(ui->portEdit, "portMessage", portProblem(typedPort));

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

// Marks the field and says why in a message; the dialog stays open with its values.
bool SettingsDialog::refuse(QWidget* field, const char* messageName, const QString& problem)
{
    mark(field, problem);
    showMessage(messageName, problem);
    return false;
}

// Non-blocking: the dialog stays open with its values behind the message.
void SettingsDialog::showMessage(const char* objectName, const QString& text)
{
    delete shownMessage;
    shownMessage = message(objectName, QMessageBox::Warning, text);
    shownMessage->open();
}
