#include "panels/testboilerdialog.h"

#include "link/protocol.h"
#include "ui_testboilerdialog.h"

TestBoilerDialog::TestBoilerDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Fast, parent)
    , ui(new Ui::TestBoilerDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::PanelButton);
    applyStyle(Style::InputsCheckBox, {ui->watercheckBox});
    applyStyle(Style::OutputsCheckBox, {ui->boilerOncheckBox, ui->pumpOncheckBox, ui->clapan_1checkBox,
                                        ui->clapan_2checkBox, ui->waterRuncheckBox});
}

TestBoilerDialog::~TestBoilerDialog()
{
    delete ui;
}

void TestBoilerDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
    // The machine reports tenths of a degree; always one decimal, so the display never jumps
    // between "20" and "26.1".
    ui->lcdNumber->display(QString::number(answer.boiler_temperature / 10.0, 'f', 1));
    ui->watercheckBox->setChecked(answer.water_sensor_counter != 0);
    ui->boilerOncheckBox->setChecked(answer.boiler_heating != 0);
    ui->pumpOncheckBox->setChecked(answer.boiler_pump != 0);
    ui->clapan_1checkBox->setChecked(answer.boiler_valve_1 != 0);
    ui->clapan_2checkBox->setChecked(answer.boiler_valve_2 != 0);
    ui->waterRuncheckBox->setChecked(answer.water_pump != 0);
}

void TestBoilerDialog::on_WaterPompOnButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdWaterPump, 0, 0);
}

void TestBoilerDialog::on_BoilerOnButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdBoilerHeating, 0, 0);
}

void TestBoilerDialog::on_PompaOnButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdBoilerPump, 0, 0);
}

void TestBoilerDialog::on_Klapan_1_OnButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdValve1, 0, 0);
}

void TestBoilerDialog::on_Klapan_2_OnButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdValve2, 0, 0);
}

void TestBoilerDialog::on_CofeGruppaOnButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdWaterToCofeeGroup, 0, 0);
}

void TestBoilerDialog::on_MixerOnButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdWaterToMixer, 0, 0);
}

void TestBoilerDialog::on_quitButton_clicked()
{
    close();
}
