#include "panels/testcofemashinedialog.h"

#include <QCloseEvent>

TestCofeMashineDialog::TestCofeMashineDialog(QWidget* parent)
    : ClosingDialog(parent)
{
}

void TestCofeMashineDialog::closeEvent(QCloseEvent* event)
{
    showParentWidget();
    ClosingDialog::closeEvent(event);
}
