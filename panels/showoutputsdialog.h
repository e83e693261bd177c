#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class ShowOutputsDialog;
}

// Switches each of the machine's 22 outputs by hand, one check box each. The boxes show what
// the technician last chose here, not what the machine reports: polling feeds only the three
// status fields, so no answer ever changes a box or sends a request.
class ShowOutputsDialog : public PollingPanel<_tag_getxstate_answer>
{
    Q_OBJECT

public:
    explicit ShowOutputsDialog(QWidget* parent = nullptr);
    ~ShowOutputsDialog() override;

private slots:
    void SetStateAnswer(const _tag_getxstate_answer& answer) override;
    void on_quitButton_clicked();
    void on_selector_water_run_checkBox_toggled(bool checked);
    void on_boiler_heating_checkBox_toggled(bool checked);
    void on_boiler_pump_checkBox_toggled(bool checked);
    void on_boiler_valve_1_checkBox_toggled(bool checked);
    void on_boiler_valve_2_checkBox_toggled(bool checked);
    void on_cofee_grinder_checkBox_toggled(bool checked);
    void on_cooler_checkBox_toggled(bool checked);
    void on_coffee_metering_checkBox_toggled(bool checked);
    void on_coffee_group_checkBox_toggled(bool checked);
    void on_dispenser_cup_rotation_checkBox_toggled(bool checked);
    void on_dispenser_cup_unload_checkBox_toggled(bool checked);
    void on_dispenser_sugar_down_checkBox_toggled(bool checked);
    void on_dispenser_sugar_screw_checkBox_toggled(bool checked);
    void on_mixer_1_drive_checkBox_toggled(bool checked);
    void on_mixer_1_screw_checkBox_toggled(bool checked);
    void on_mixer_2_drive_checkBox_toggled(bool checked);
    void on_mixer_2_screw_checkBox_toggled(bool checked);
    void on_mixer_3_drive_checkBox_toggled(bool checked);
    void on_mixer_3_screw_checkBox_toggled(bool checked);
    void on_mixer_4_drive_checkBox_toggled(bool checked);
    void on_mixer_4_screw_checkBox_toggled(bool checked);
    void on_water_pump_checkBox_toggled(bool checked);

private:
    void switchOutput(int output, bool on);

    Ui::ShowOutputsDialog* ui;
};
