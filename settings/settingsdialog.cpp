#include "settings/settingsdialog.h"

#include "settings/controller_address.h"
#include "settings/settings_store.h"
#include "shell/style_sheets.h"
#include "ui_settingsdialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QShowEvent>
#include <QSignalBlocker>

namespace {

// The top of the temperature field; a stored value beyond it is shown and kept as it is.
constexpr int MaxTemperature = 99;

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent)
    : ClosingDialog(parent)
    , ui(new Ui::SettingsDialog)
    , pickFile([](QWidget* owner, const QString& caption, const QString& dir, const QString& filter) {
        return QFileDialog::getOpenFileName(owner, caption, dir, filter);
    })
{
    ui->setupUi(this);
    applyStyle(Style::Label, {ui->label, ui->label_2, ui->label_3});
    applyStyle(Style::PanelButton, {ui->saveButton, ui->cancelButton});
    applyStyle(Style::NarrowPanelButton, {ui->openpushButton});
    applyStyle(Style::InvalidValue, {ui->addressProblemLabel, ui->portProblemLabel, ui->temperatureProblemLabel});
    // An edited field is judged again on Save.
    connect(ui->ipAdressEdit, &QLineEdit::textEdited, this, [this] { mark(ui->ipAdressEdit, QString()); });
    connect(ui->portEdit, &QLineEdit::textEdited, this, [this] { mark(ui->portEdit, QString()); });
    connect(ui->temperatureSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] {
        // Any change leaves a stored value beyond the range: the field takes its own range back.
        temperatureEdited = true;
        ui->temperatureSpinBox->setSpecialValueText(QString());
        ui->temperatureSpinBox->setRange(0, MaxTemperature);
        mark(ui->temperatureSpinBox, QString());
    });
    addPathNote();
}

// Under the path: the recipes dialog reads its path once, at the program's start.
void SettingsDialog::addPathNote()
{
    pathInUse = SettingsStore::receptsFilePath();
    pathNote = new QLabel(tr("The recipes dialog uses a new path from the program's next start."), this);
    pathNote->setObjectName(QStringLiteral("pathNote"));
    pathNote->setWordWrap(true);
    pathNote->hide();
    if (auto* box = qobject_cast<QBoxLayout*>(layout()))
        box->insertWidget(box->indexOf(ui->groupBox_3) + 1, pathNote);
    connect(ui->receptsFilePathlineEdit, &QLineEdit::textChanged, this,
            [this](const QString& path) { pathNote->setVisible(path != pathInUse); });
}

QString SettingsDialog::discardQuestion() const
{
    const bool edited = ui->ipAdressEdit->text() != shownHost || ui->portEdit->text() != shownPort
        || temperatureEdited || ui->receptsFilePathlineEdit->text() != loadedPath;
    return edited ? tr("Discard your changes to the settings?") : QString();
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
    if (askToDiscard(discardQuestion())) {
        event->ignore();
        return;
    }
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
    if (!SaveSettings())
        return;
    setDiscardApproved(true);
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
    loadTemperature();
    loadedPath = SettingsStore::receptsFilePath();
    ui->receptsFilePathlineEdit->setText(loadedPath);
    setDiscardApproved(false);
}

// A stored temperature that is not a whole number from 0 to 99 is shown as stored, marked, and
// kept as stored until edited: a number beyond the range as the field's value, anything else
// ("abc", "85.5", "99999999999") as its text.
void SettingsDialog::loadTemperature()
{
    storedTemperature = SettingsStore::boilerTemperatureText();
    bool number = false;
    const int temperature = storedTemperature.toInt(&number, 10);
    number = number && QString::number(temperature) == storedTemperature;
    {
        const QSignalBlocker blocker(ui->temperatureSpinBox);
        if (number) {
            ui->temperatureSpinBox->setSpecialValueText(QString());
            ui->temperatureSpinBox->setRange(qMin(0, temperature), qMax(MaxTemperature, temperature));
            ui->temperatureSpinBox->setValue(temperature);
        } else {
            ui->temperatureSpinBox->setRange(-1, MaxTemperature);
            ui->temperatureSpinBox->setSpecialValueText(storedTemperature.isEmpty() ? QStringLiteral("\"\"")
                                                                                    : storedTemperature);
            ui->temperatureSpinBox->setValue(-1);
        }
    }
    temperatureEdited = false;
    QString problem;
    if (!number)
        problem = tr("The stored temperature %1 is not a whole number from 0 to %2: it is kept unless you change it.");
    else if (temperature < 0 || temperature > MaxTemperature)
        problem = tr("The stored temperature %1 is outside the range from 0 to %2: it is kept unless you change it.");
    mark(ui->temperatureSpinBox, problem.isEmpty() ? problem : problem.arg(storedTemperature).arg(MaxTemperature));

}

QString SettingsDialog::addressProblem(const QString& address) const
{
    return tr("The address %1 cannot be used: give four numbers from 0 to 255 separated by dots, a host name "
              "or an IPv6 address.")
        .arg(address);
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

// The keys whose fields were edited, and only those: a key that was absent stays absent, so
// the default (the recipes file in the current folder) stays in force, and a store saved with
// no edit is not written at all. An address or port the user typed must be one the machine can
// have; an untouched one must be usable as stored. False, with a message, when nothing or not
// everything was written.
bool SettingsDialog::SaveSettings()
{
    const QString typedHost = ui->ipAdressEdit->text();
    const bool hostEdited = typedHost != shownHost;
    QString host = storedHost;
    if (hostEdited) { // plain decimal groups: the resolver would read "010" as octal
        host = withoutBrackets(typedHost.trimmed());
        if (holdsPort(host))
            return refuse(ui->ipAdressEdit, "addressMessage", tr("The address %1 holds a port: give the address "
                                                                 "alone here and the port in the port field.")
                                                                  .arg(typedHost));
        if (isDottedAddress(host))
            host = normalizedDottedAddress(host);
    }
    if (!isUsableHost(host))
        return refuse(ui->ipAdressEdit, "addressMessage", addressProblem(typedHost));
    const QString typedPort = ui->portEdit->text();
    const bool portEdited = typedPort != shownPort;
    if (portFromText(portEdited ? typedPort : storedPort) == 0)
        return refuse(ui->portEdit, "portMessage", portProblem(typedPort));

    bool written = !hostEdited || SettingsStore::setControllerHost(host);
    written = (!portEdited || SettingsStore::setControllerPort(typedPort)) && written;
    written = (!temperatureEdited || SettingsStore::setBoilerTemperature(ui->temperatureSpinBox->value())) && written;
    const QString path = ui->receptsFilePathlineEdit->text();
    written = (path == loadedPath || SettingsStore::setReceptsFilePath(path)) && written;
    if (!written) {
        showMessage("saveFailedMessage",
                    tr("The settings were not saved: the settings file %1 could not be written.")
                        .arg(QDir::toNativeSeparators(QSettings().fileName())));
    } else if (hostEdited || portEdited) {
        emit addressSaved(host, portEdited ? typedPort : storedPort);
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
