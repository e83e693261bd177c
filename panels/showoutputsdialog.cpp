#include "panels/showoutputsdialog.h"

#include "link/protocol.h"
#include "ui_showoutputsdialog.h"

#include <QCheckBox>

ShowOutputsDialog::ShowOutputsDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Fast, parent)
    , ui(new Ui::ShowOutputsDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::PanelButton);
    applyStyleToAll<QCheckBox>(Style::OutputsCheckBox, ui->groupBox);
}

ShowOutputsDialog::~ShowOutputsDialog()
{
    delete ui;
}

void ShowOutputsDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
}

void ShowOutputsDialog::on_quitButton_clicked()
{
    close();
}

// Closing sends nothing: an output switched on here stays on at the machine.
void ShowOutputsDialog::switchOutput(int output, bool on)
{
    sendCommand(Protocol::RequestOutput, output, on ? 1 : 0);
}

void ShowOutputsDialog::on_selector_water_run_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutSelectorWaterRun, checked);
}

void ShowOutputsDialog::on_boiler_heating_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutBoilerHeating, checked);
}

void ShowOutputsDialog::on_boiler_pump_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutBoilerPump, checked);
}

void ShowOutputsDialog::on_boiler_valve_1_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutBoilerValve1, checked);
}

void ShowOutputsDialog::on_boiler_valve_2_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutBoilerValve2, checked);
}

void ShowOutputsDialog::on_cofee_grinder_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutCofeeGrinder, checked);
}

void ShowOutputsDialog::on_cooler_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutCooler, checked);
}

void ShowOutputsDialog::on_coffee_metering_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutCoffeeMetering, checked);
}

void ShowOutputsDialog::on_coffee_group_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutCoffeeGroup, checked);
}

void ShowOutputsDialog::on_dispenser_cup_rotation_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutDispenserCupRotation, checked);
}

void ShowOutputsDialog::on_dispenser_cup_unload_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutDispenserCupUnload, checked);
}

void ShowOutputsDialog::on_dispenser_sugar_down_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutDispenserSugarDown, checked);
}

void ShowOutputsDialog::on_dispenser_sugar_screw_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutDispenserSugarScrew, checked);
}

void ShowOutputsDialog::on_mixer_1_drive_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutMixer1Drive, checked);
}

void ShowOutputsDialog::on_mixer_1_screw_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutMixer1Screw, checked);
}

void ShowOutputsDialog::on_mixer_2_drive_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutMixer2Drive, checked);
}

void ShowOutputsDialog::on_mixer_2_screw_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutMixer2Screw, checked);
}

void ShowOutputsDialog::on_mixer_3_drive_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutMixer3Drive, checked);
}

void ShowOutputsDialog::on_mixer_3_screw_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutMixer3Screw, checked);
}

void ShowOutputsDialog::on_mixer_4_drive_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutMixer4Drive, checked);
}

void ShowOutputsDialog::on_mixer_4_screw_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutMixer4Screw, checked);
}

void ShowOutputsDialog::on_water_pump_checkBox_toggled(bool checked)
{
    switchOutput(Protocol::OutWaterPump, checked);
}
