#include "panels/testdispensordialog.h"

#include <QCloseEvent>

TestDispensorDialog::TestDispensorDialog(QWidget* parent)
    : PollingDialog(Answer::Extended, 500, parent)
{
}

void TestDispensorDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
}
