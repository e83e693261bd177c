#include "recipes/receptsdialog.h"

#include <QCloseEvent>

ReceptsDialog::ReceptsDialog(QWidget* parent)
    : ClosingDialog(parent)
{
}

void ReceptsDialog::closeEvent(QCloseEvent* event)
{
    showParentWidget();
    ClosingDialog::closeEvent(event);
}
