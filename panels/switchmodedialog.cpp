#include "panels/switchmodedialog.h"

#include "link/protocol.h"
#include "ui_switchmodedialog.h"

SwitchModeDialog::SwitchModeDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Slow, parent)
    , ui(new Ui::SwitchModeDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::ModeButton);
    setShowsParentOnClose(true);
}

SwitchModeDialog::~SwitchModeDialog()
{
    delete ui;
}

void SwitchModeDialog::SetStateAnswer(const _tag_getstate_answer& answer)
{
    showStatus(answer);
}

// The buttons stand in screen order, not in code order: "Diagnostic" on top is mode 6.
void SwitchModeDialog::on_diagnosticButton_clicked()
{
    switchMode(Protocol::ModeDiagnostic);
}

void SwitchModeDialog::on_tradeButton_clicked()
{
    switchMode(Protocol::ModeTrade);
}

void SwitchModeDialog::on_operatorButton_clicked()
{
    switchMode(Protocol::ModeOperator);
}

void SwitchModeDialog::on_masterButton_clicked()
{
    switchMode(Protocol::ModeMaster);
}

void SwitchModeDialog::on_washingButton_clicked()
{
    switchMode(Protocol::ModeWashing);
}

void SwitchModeDialog::on_quitButton_clicked()
{
    close();
}

// Fire and forget: whether the machine switched shows only in the next polled answers.
void SwitchModeDialog::switchMode(int mode)
{
    sendCommand(Protocol::RequestModeSwitch, mode);
}
