#include "panels/testdispensordialog.h"

#include "link/protocol.h"
#include "ui_testdispensordialog.h"

TestDispensorDialog::TestDispensorDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Slow, parent)
    , ui(new Ui::TestDispensorDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::PanelButton);
    applyStyle(Style::InputsCheckBox,
               {ui->cupFoundcheckBox, ui->dispInSrccheckBox, ui->cupOutPoscheckBox, ui->noseInSrccheckBox});
    applyStyle(Style::OutputsCheckBox, {ui->cupDispUnloadcheckBox, ui->cupDispRuncheckBox,
                                        ui->noseGoDowncheckBox, ui->shneckRuncheckBox});
}

TestDispensorDialog::~TestDispensorDialog()
{
    delete ui;
}

void TestDispensorDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
    ui->cupFoundcheckBox->setChecked(answer.dispenser_cup_found != 0);
    ui->dispInSrccheckBox->setChecked(answer.dispenser_cup_insrc != 0);
    ui->cupOutPoscheckBox->setChecked(answer.dispenser_cup_outpos != 0);
    ui->cupDispUnloadcheckBox->setChecked(answer.dispenser_cup_unload != 0);
    ui->cupDispRuncheckBox->setChecked(answer.dispenser_cup_rotation != 0);
    ui->noseInSrccheckBox->setChecked(answer.dispenser_sugar_insrc != 0);
    ui->noseGoDowncheckBox->setChecked(answer.dispenser_sugar_down != 0);
    ui->shneckRuncheckBox->setChecked(answer.dispenser_sugar_screw != 0);
}

void TestDispensorDialog::on_DispensorRunButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdCupRotation, 0, 0);
}

void TestDispensorDialog::on_dispensorUnloadButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdCupOut, 0, 0);
}

void TestDispensorDialog::on_dispensorWorkCicleButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdCupWorkCycle, 0, 0);
}

void TestDispensorDialog::on_sugarUpButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSugarDrive, 0, 0);
}

void TestDispensorDialog::on_sugarShnekButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSugarScrew, 0, 0);
}

void TestDispensorDialog::on_sugarWorkCicleButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSugarWorkCycle, 0, 0);
}

void TestDispensorDialog::on_pushButton_clicked()
{
    close();
}
