#pragma once

#include <QDialog>

namespace Ui {
class Quellaro;
}

class ReceptsDialog;
class TestCofeMashineDialog;
class SwitchModeDialog;
class SettingsDialog;
class MachinesDialog;
class MachineStore;
class QKeyEvent;
class QLabel;

// The main menu: five big buttons. It owns the four top-level dialogs, creates them once at
// start-up and shows one at a time, hiding itself meanwhile; each dialog brings it back
// from its close handler. Only "Quit" and the window's close button end the program: Escape
// does nothing here, and a held key acts once (ClosingDialog::ignoreHeldKeys). Above the
// buttons stands the machine chosen ("currentMachineLabel"); "Machines…" opens the Machines
// window, where choosing another machine closes whatever panel is open and so its link.
class Quellaro : public QDialog
{
    Q_OBJECT

public:
    explicit Quellaro(QWidget* parent = nullptr);
    ~Quellaro() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void showMachines();
    void on_showReceptsButton_clicked();
    void on_showTestButton_clicked();
    void on_showModeButton_clicked();
    void on_showSettingsButton_clicked();

private:
    Ui::Quellaro* ui;
    ReceptsDialog* receptsDialog;
    TestCofeMashineDialog* testDialog;
    SwitchModeDialog* switchModeDialog;
    SettingsDialog* settingsDialog;
    MachineStore* machines;
    MachinesDialog* machinesDialog = nullptr;
    QLabel* machineLabel;

    void addMachines();
    void showCurrentMachine();
    void machineChanged();
};
