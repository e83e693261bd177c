#include "panels/testselectorwaterdialog.h"

#include "link/protocol.h"
#include "ui_testselectorwaterdialog.h"

TestSelectorWaterDialog::TestSelectorWaterDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Fast, parent)
    , ui(new Ui::TestSelectorWaterDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::PanelButton);
    applyStyle(Style::InputsCheckBox, {ui->selectorInSrccheckBox, ui->selectorInPoscheckBox, ui->watercheckBox});
    applyStyle(Style::OutputsCheckBox, {ui->selectorMovecheckBox});
}

TestSelectorWaterDialog::~TestSelectorWaterDialog()
{
    delete ui;
}

void TestSelectorWaterDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
    ui->selectorInPoscheckBox->setChecked(answer.water_selector_inrefpoint != 0);
    ui->selectorInSrccheckBox->setChecked(answer.water_selector_insrc != 0);
    ui->watercheckBox->setChecked(answer.water_sensor_counter != 0);
    ui->selectorMovecheckBox->setChecked(answer.selector_water_run != 0);
}

void TestSelectorWaterDialog::on_selector_1_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSelector1, 0, 0);
}

void TestSelectorWaterDialog::on_selector_2_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSelector2, 0, 0);
}

void TestSelectorWaterDialog::on_selector_3_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSelector3, 0, 0);
}

void TestSelectorWaterDialog::on_selector_4_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSelector4, 0, 0);
}

void TestSelectorWaterDialog::on_selector_cofe_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSelectorCofee, 0, 0);
}

void TestSelectorWaterDialog::on_driveOnButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSelectorDrive, 0, 0);
}

void TestSelectorWaterDialog::on_selectorInSrcButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdSelectorInitial, 0, 0);
}

void TestSelectorWaterDialog::on_pushButton_clicked()
{
    close();
}
