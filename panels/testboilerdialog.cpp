#include "panels/testboilerdialog.h"

#include <QCloseEvent>

TestBoilerDialog::TestBoilerDialog(QWidget* parent)
    : PollingDialog(Answer::Extended, 100, parent)
{
}

void TestBoilerDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
}
