#include "panels/testmixerdialog.h"

#include "link/protocol.h"
#include "ui_testmixerdialog.h"

TestMixerDialog::TestMixerDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Slow, parent)
    , ui(new Ui::TestMixerDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::PanelButton);
    applyStyleToAll<QCheckBox>(Style::OutputsCheckBox, this);
}

TestMixerDialog::~TestMixerDialog()
{
    delete ui;
}

void TestMixerDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
    // The record has each mixer's screw byte before its drive byte; the form shows the drive first.
    ui->drive_1_checkBox->setChecked(answer.mixer_1_drive != 0);
    ui->drive_2_checkBox->setChecked(answer.mixer_2_drive != 0);
    ui->drive_3_checkBox->setChecked(answer.mixer_3_drive != 0);
    ui->drive_4_checkBox->setChecked(answer.mixer_4_drive != 0);
    ui->shnek_1_checkBox->setChecked(answer.mixer_1_screw != 0);
    ui->shnek_2_checkBox->setChecked(answer.mixer_2_screw != 0);
    ui->shnek_3_checkBox->setChecked(answer.mixer_3_screw != 0);
    ui->shnek_4_checkBox->setChecked(answer.mixer_4_screw != 0);
}

void TestMixerDialog::on_drive_1_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMixer1Drive, 0, 0);
}

void TestMixerDialog::on_drive_2_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMixer2Drive, 0, 0);
}

void TestMixerDialog::on_drive_3_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMixer3Drive, 0, 0);
}

void TestMixerDialog::on_drive_4_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMixer4Drive, 0, 0);
}

void TestMixerDialog::on_shnek_1_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMixer1Screw, 0, 0);
}

void TestMixerDialog::on_shnek_2_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMixer2Screw, 0, 0);
}

void TestMixerDialog::on_shnek_3_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMixer3Screw, 0, 0);
}

void TestMixerDialog::on_shnek_4_Button_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMixer4Screw, 0, 0);
}

void TestMixerDialog::on_quitButton_clicked()
{
    close();
}
