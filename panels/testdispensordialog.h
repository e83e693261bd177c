#pragma once

#include "panels/pollingdialog.h"
#include "link/state_records.h"

// Placeholder until its form lands.
class TestDispensorDialog : public PollingDialog
{
    Q_OBJECT

public:
    explicit TestDispensorDialog(QWidget* parent = nullptr);


private slots:
    void SetStateAnswer(const _tag_getxstate_answer& answer);
};
