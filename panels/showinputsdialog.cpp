#include "panels/showinputsdialog.h"

#include "ui_showinputsdialog.h"

#include <QCheckBox>

#include <utility>

ShowInputsDialog::ShowInputsDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Fast, parent)
    , ui(new Ui::ShowInputsDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::PanelButton);
    applyStyleToAll<QCheckBox>(Style::InputsCheckBox, ui->groupBox);
}

ShowInputsDialog::~ShowInputsDialog()
{
    delete ui;
}

void ShowInputsDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);

    // Record order (offsets 9 to 26); the screen groups the same boxes by device.
    const std::pair<QCheckBox*, quint8> inputs[] = {
        {ui->power_checkBox, answer.power},
        {ui->dispenser_sugar_insrc_checkBox, answer.dispenser_sugar_insrc},
        {ui->water_level_checkBox, answer.water_level},
        {ui->water_selector_insrc_checkBox, answer.water_selector_insrc},
        {ui->water_selector_inrefpoint_checkBox, answer.water_selector_inrefpoint},
        {ui->water_sensor_counter_checkBox, answer.water_sensor_counter},
        {ui->dispenser_cup_found_checkBox, answer.dispenser_cup_found},
        {ui->dispenser_cup_insrc_checkBox, answer.dispenser_cup_insrc},
        {ui->cofee_metering_isfull_checkBox, answer.cofee_metering_isfull},
        {ui->cofee_group_insrc_checkBox, answer.cofee_group_insrc},
        {ui->cofee_group_inwork_checkBox, answer.cofee_group_inwork},
        {ui->garbage_container_checkBox, answer.garbage_container},
        {ui->dispenser_cup_outpos_checkBox, answer.dispenser_cup_outpos},
        {ui->diagnostic_checkBox, answer.diagnostic},
        {ui->trade_checkBox, answer.trade},
        {ui->master_checkBox, answer.master},
        {ui->operatorcheckBox, answer.operator_},
        {ui->washingcheckBox, answer.washing},
    };
    for (const auto& [box, flag] : inputs)
        box->setChecked(flag != 0);
}

void ShowInputsDialog::on_quitButton_clicked()
{
    close();
}
