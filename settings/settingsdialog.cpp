#include "settings/settingsdialog.h"

#include <QCloseEvent>

SettingsDialog::SettingsDialog(QWidget* parent)
    : ClosingDialog(parent)
{
}

void SettingsDialog::closeEvent(QCloseEvent* event)
{
    showParentWidget();
    ClosingDialog::closeEvent(event);
}
