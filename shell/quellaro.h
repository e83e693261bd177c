#pragma once

#include <QDialog>

namespace Ui {
class Quellaro;
}

class ReceptsDialog;
class TestCofeMashineDialog;
class SwitchModeDialog;
class SettingsDialog;

// The main menu: five big buttons. It owns the four top-level dialogs, creates them once at
// start-up and shows one at a time, hiding itself meanwhile; each dialog brings it back
// from its close handler.
class Quellaro : public QDialog
{
    Q_OBJECT

public:
    explicit Quellaro(QWidget* parent = nullptr);
    ~Quellaro() override;

private slots:
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
};
