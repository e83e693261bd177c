#pragma once

#include "link/state_records.h"
#include "panels/pollingdialog.h"

namespace Ui {
class TestDrinkDialog;
}

// Asks the machine to make one of its drinks, by number, with a chosen amount of sugar, and
// shows the machine's mode, state and error meanwhile. The test menu sets the drink number.
class TestDrinkDialog : public PollingPanel<_tag_getstate_answer>
{
    Q_OBJECT

public:
    explicit TestDrinkDialog(QWidget* parent = nullptr);
    ~TestDrinkDialog() override;

    // The drink to make: 1 is coffee, 2 to 7 the further drinks (clamped to 0..10).
    void SetNapitokNumber(int number);

private slots:
    void SetStateAnswer(const _tag_getstate_answer& answer) override;
    void on_makeDrinkButton_clicked();
    void on_quitButton_clicked();

private:
    // The client and the timer belong to the polling cycle of PollingDialog.
    Ui::TestDrinkDialog* ui;
};
