#include "panels/testcofegroupdialog.h"

#include "link/protocol.h"
#include "ui_testcofegroupdialog.h"

TestCofeGroupDialog::TestCofeGroupDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Fast, parent)
    , ui(new Ui::TestCofeGroupDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::PanelButton);
    applyStyle(Style::InputsCheckBox,
               {ui->cofegroupInSrccheckBox, ui->cofegroupInWorkcheckBox, ui->dozatorcheckBox});
    applyStyle(Style::OutputsCheckBox,
               {ui->cofegrinderRuncheckBox, ui->dozatorOncheckBox, ui->cofegroupOncheckBox});
}

TestCofeGroupDialog::~TestCofeGroupDialog()
{
    delete ui;
}

void TestCofeGroupDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
    ui->cofegroupInSrccheckBox->setChecked(answer.cofee_group_insrc != 0);
    ui->cofegroupInWorkcheckBox->setChecked(answer.cofee_group_inwork != 0);
    ui->dozatorcheckBox->setChecked(answer.cofee_metering_isfull != 0);
    ui->cofegroupOncheckBox->setChecked(answer.coffee_group != 0);
    ui->cofegrinderRuncheckBox->setChecked(answer.cofee_grinder != 0);
    ui->dozatorOncheckBox->setChecked(answer.coffee_metering != 0);
}

void TestCofeGroupDialog::on_cofemolkaButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdCofeeGrinder, 0, 0);
}

void TestCofeGroupDialog::on_dozatorButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdCofeeMetering, 0, 0);
}

void TestCofeGroupDialog::on_pressButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdCofeeGroupPress, 0, 0);
}

void TestCofeGroupDialog::on_workcicklButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdCofeeGroupWorkCycle, 0, 0);
}

void TestCofeGroupDialog::on_quitButton_clicked()
{
    close();
}
