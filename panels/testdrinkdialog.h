#pragma once

#include "panels/pollingdialog.h"
#include "link/state_records.h"

// Placeholder until its form lands.
class TestDrinkDialog : public PollingDialog
{
    Q_OBJECT

public:
    explicit TestDrinkDialog(QWidget* parent = nullptr);
    void SetNapitokNumber(int number);


private slots:
    void SetStateAnswer(const _tag_getstate_answer& answer);
};
