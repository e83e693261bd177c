#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class SwitchModeDialog;
}

// Switches the machine's operating mode and shows the mode, state and error it reports.
// Opened by the main menu, which hides itself meanwhile: closing brings the menu back.
class SwitchModeDialog : public PollingPanel<_tag_getstate_answer>
{
    Q_OBJECT

public:
    explicit SwitchModeDialog(QWidget* parent = nullptr);
    ~SwitchModeDialog() override;

private slots:
    void SetStateAnswer(const _tag_getstate_answer& answer) override;
    void on_diagnosticButton_clicked();
    void on_tradeButton_clicked();
    void on_operatorButton_clicked();
    void on_masterButton_clicked();
    void on_washingButton_clicked();
    void on_quitButton_clicked();

private:
    void switchMode(int mode);

    Ui::SwitchModeDialog* ui;
};
