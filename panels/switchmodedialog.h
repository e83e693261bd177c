#pragma once

#include "panels/pollingdialog.h"
#include "link/state_records.h"

// Placeholder until its form lands.
class SwitchModeDialog : public PollingDialog
{
    Q_OBJECT

public:
    explicit SwitchModeDialog(QWidget* parent = nullptr);


private slots:
    void SetStateAnswer(const _tag_getstate_answer& answer);
};
