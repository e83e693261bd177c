#include "shell/closingdialog.h"

#include <QKeyEvent>

ClosingDialog::ClosingDialog(QWidget* parent)
    : QDialog(parent)
{
}

void ClosingDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ClosingDialog::showParentWidget()
{
    if (QWidget* parent = parentWidget())
        parent->show();
}
