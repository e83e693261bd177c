#pragma once

#include "shell/closingdialog.h"

// Placeholder until its form lands.
class ReceptsDialog : public ClosingDialog
{
    Q_OBJECT

public:
    explicit ReceptsDialog(QWidget* parent = nullptr);


protected:
    void closeEvent(QCloseEvent* event) override;
};
