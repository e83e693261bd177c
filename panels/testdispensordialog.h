#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class TestDispensorDialog;
}

// The dispenser test panel: runs the paper cup and the sugar dispenser and shows their end
// switches and drive outputs.
class TestDispensorDialog : public PollingPanel<_tag_getxstate_answer>
{
    Q_OBJECT

public:
    explicit TestDispensorDialog(QWidget* parent = nullptr);
    ~TestDispensorDialog() override;

private slots:
    void SetStateAnswer(const _tag_getxstate_answer& answer) override;
    void on_DispensorRunButton_clicked();
    void on_dispensorUnloadButton_clicked();
    void on_dispensorWorkCicleButton_clicked();
    void on_sugarUpButton_clicked();
    void on_sugarShnekButton_clicked();
    void on_sugarWorkCicleButton_clicked();
    void on_pushButton_clicked();

private:
    Ui::TestDispensorDialog* ui;
};
