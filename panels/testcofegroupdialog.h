#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class TestCofeGroupDialog;
}

// The coffee group test panel: runs the grinder, the metering unit, the press and a whole
// working cycle of the coffee group and shows the section's three inputs and three outputs.
class TestCofeGroupDialog : public PollingPanel<_tag_getxstate_answer>
{
    Q_OBJECT

public:
    explicit TestCofeGroupDialog(QWidget* parent = nullptr);
    ~TestCofeGroupDialog() override;

private slots:
    void SetStateAnswer(const _tag_getxstate_answer& answer) override;
    void on_cofemolkaButton_clicked();
    void on_dozatorButton_clicked();
    void on_pressButton_clicked();
    void on_workcicklButton_clicked();
    void on_quitButton_clicked();

private:
    Ui::TestCofeGroupDialog* ui;
};
