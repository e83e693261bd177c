#pragma once

#include "shell/closingdialog.h"

// Placeholder until its form lands.
class TestCofeMashineDialog : public ClosingDialog
{
    Q_OBJECT

public:
    explicit TestCofeMashineDialog(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
