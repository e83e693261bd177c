#pragma once

#include "shell/closingdialog.h"

// Placeholder until its form lands.
class SettingsDialog : public ClosingDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget* parent = nullptr);


protected:
    void closeEvent(QCloseEvent* event) override;
};
