#pragma once

#include "shell/closingdialog.h"

namespace Ui {
class TestCofeMashineDialog;
}

class QCloseEvent;
class TestBoilerDialog;
class TestSelectorWaterDialog;
class TestMixerDialog;
class TestCofeGroupDialog;
class TestDispensorDialog;
class TestDrinkDialog;
class ShowInputsDialog;
class ShowOutputsDialog;
class MachineCheckDialog;

// The test menu: opens the device test panels, the drink panel and the inputs and outputs
// panels on top of itself. It owns the eight panels, made once and kept for its lifetime, so
// every panel keeps its contents between openings. It does not talk to the machine.
class TestCofeMashineDialog : public ClosingDialog
{
    Q_OBJECT

public:
    explicit TestCofeMashineDialog(QWidget* parent = nullptr);
    ~TestCofeMashineDialog() override;

private slots:
    void on_boilerButton_clicked();
    void on_selectorWaterButton_clicked();
    void on_mixerButton_clicked();
    void on_cofegroupButton_clicked();
    void on_vidachaButton_clicked();
    void on_cofeButton_clicked();
    void on_napitok1Button_clicked();
    void on_napitok2Button_clicked();
    void on_napitok3Button_clicked();
    void on_napitok4Button_clicked();
    void on_napito5Button_clicked();
    void on_napitok6Button_clicked();
    void on_inputButton_clicked();
    void on_outputButton_clicked();
    void on_quitButton_clicked();
    void closeEvent(QCloseEvent* event) override;

private:
    void showDrinkPanel(int drink);
    void showMachineCheck();

    Ui::TestCofeMashineDialog* ui;
    TestBoilerDialog* boilerDialog;
    TestSelectorWaterDialog* selectorWaterDialog;
    TestMixerDialog* mixerDialog;
    TestCofeGroupDialog* cofeGroupDialog;
    TestDispensorDialog* dispensorDialog;
    TestDrinkDialog* drinkDialog;
    ShowInputsDialog* inputsDialog;
    ShowOutputsDialog* outputsDialog;
    MachineCheckDialog* machineCheckDialog = nullptr; // made when first asked for
};
