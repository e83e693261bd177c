#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class ShowInputsDialog;
}

// Shows the machine's 18 inputs live, one disabled check box each. Sends nothing but the poll.
class ShowInputsDialog : public PollingPanel<_tag_getxstate_answer>
{
    Q_OBJECT

public:
    explicit ShowInputsDialog(QWidget* parent = nullptr);
    ~ShowInputsDialog() override;

private slots:
    void SetStateAnswer(const _tag_getxstate_answer& answer) override;
    void on_quitButton_clicked();

private:
    Ui::ShowInputsDialog* ui;
};
