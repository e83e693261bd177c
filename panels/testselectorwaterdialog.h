#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class TestSelectorWaterDialog;
}

// The water selector test panel: moves the selector to its positions and shows its position
// inputs, the water sensor and the selector drive output.
class TestSelectorWaterDialog : public PollingPanel<_tag_getxstate_answer>
{
    Q_OBJECT

public:
    explicit TestSelectorWaterDialog(QWidget* parent = nullptr);
    ~TestSelectorWaterDialog() override;

private slots:
    void SetStateAnswer(const _tag_getxstate_answer& answer) override;
    void on_selector_1_Button_clicked();
    void on_selector_2_Button_clicked();
    void on_selector_3_Button_clicked();
    void on_selector_4_Button_clicked();
    void on_selector_cofe_Button_clicked();
    void on_driveOnButton_clicked();
    void on_selectorInSrcButton_clicked();
    void on_pushButton_clicked();

private:
    Ui::TestSelectorWaterDialog* ui;
};
