#pragma once

#include "shell/closingdialog.h"

#include <QPointer>

#include <functional>

namespace Ui {
class SettingsDialog;
}

class QCloseEvent;
class QLabel;
class QShowEvent;

// Edits the four stored settings: the machine's address and port, a boiler temperature and
// the recipes file path. Every showing loads the stored values (unsaved edits are dropped);
// Save writes those edited and closes, Cancel closes without writing. The main menu comes back
// on every close. Saved with no edit, the settings file is left as it was.
// Nothing changes without a word. The address and port fields take every keystroke and Save
// judges what was typed (an input mask moved a fourth digit into the next group: 1000.1.1.1
// was saved as 100.0.1.11). The address may be four decimal numbers, a host name or an IPv6
// address ("::1" or "[::1]"), typed or stored; a host typed with a port is refused with a
// message pointing to the port field. A stored host name is shown and kept as stored; a
// stored address or port that cannot be used is marked (a red frame and a line saying why)
// and Save refuses it, as it refuses a typed one, until it is edited. A stored temperature
// that is not a whole number from 0 to 99 is shown, marked and kept as stored unless
// edited. A refused value, or a store that cannot be written, is reported in a message and the
// dialog stays open with the values. Closing with edits asks first; a path other than the one
// in use gets a note ("pathNote") that the recipes dialog takes it at the next start.
class SettingsDialog : public ClosingDialog
{
    Q_OBJECT

public:
    // Asks the user for a file to open; returns its path, or an empty string when cancelled.
    using FilePicker =
        std::function<QString(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)>;

    explicit SettingsDialog(QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // Replaces the platform's file-open dialog (QFileDialog::getOpenFileName).
    void setFilePicker(FilePicker picker);

signals:
    // Save wrote this address and port into the stored keys.
    void addressSaved(const QString& host, const QString& port);

private slots:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void on_openpushButton_clicked();
    void on_saveButton_clicked();
    void on_cancelButton_clicked();

private:
    void LoadSettings();
    void loadTemperature();
    void addPathNote();
    // "Discard your changes to the settings?", empty without edits.
    QString discardQuestion() const;
    bool SaveSettings();
    QString addressProblem(const QString& address) const;
    QString portProblem(const QString& port) const;
    void mark(QWidget* field, const QString& problem);
    bool refuse(QWidget* field, const char* messageName, const QString& problem);
    void showMessage(const char* objectName, const QString& text);

    Ui::SettingsDialog* ui;
    FilePicker pickFile;
    // The texts as stored and as the fields showed them when loaded: an untouched field
    // writes back the stored text, never what the field made of it.
    QString storedHost, shownHost;
    QString storedPort, shownPort;
    QString storedTemperature;
    bool temperatureEdited = false;
    QString loadedPath;
    QString pathInUse; // the recipes path the program started with
    QLabel* pathNote = nullptr;
    QPointer<QMessageBox> shownMessage; // the one message on screen, if any
};
