#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class TestBoilerDialog;
}

// The boiler test panel: runs the test commands of the boiler and its water paths and shows
// the boiler temperature with the related input and outputs.
class TestBoilerDialog : public PollingPanel<_tag_getxstate_answer>
{
    Q_OBJECT

public:
    explicit TestBoilerDialog(QWidget* parent = nullptr);
    ~TestBoilerDialog() override;

private slots:
    void SetStateAnswer(const _tag_getxstate_answer& answer) override;
    void on_WaterPompOnButton_clicked();
    void on_BoilerOnButton_clicked();
    void on_PompaOnButton_clicked();
    void on_Klapan_1_OnButton_clicked();
    void on_Klapan_2_OnButton_clicked();
    void on_CofeGruppaOnButton_clicked();
    void on_MixerOnButton_clicked();
    void on_quitButton_clicked();

private:
    Ui::TestBoilerDialog* ui;
};
