#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class TestMixerDialog;
}

// The mixer test panel: runs the drive and the screw of each of the four mixers and shows
// the eight mixer outputs.
class TestMixerDialog : public PollingPanel<_tag_getxstate_answer>
{
    Q_OBJECT

public:
    explicit TestMixerDialog(QWidget* parent = nullptr);
    ~TestMixerDialog() override;

private slots:
    void SetStateAnswer(const _tag_getxstate_answer& answer) override;
    void on_drive_1_Button_clicked();
    void on_drive_2_Button_clicked();
    void on_drive_3_Button_clicked();
    void on_drive_4_Button_clicked();
    void on_shnek_1_Button_clicked();
    void on_shnek_2_Button_clicked();
    void on_shnek_3_Button_clicked();
    void on_shnek_4_Button_clicked();
    void on_quitButton_clicked();

private:
    Ui::TestMixerDialog* ui;
};
