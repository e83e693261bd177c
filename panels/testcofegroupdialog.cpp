#include "panels/testcofegroupdialog.h"

#include <QCloseEvent>

TestCofeGroupDialog::TestCofeGroupDialog(QWidget* parent)
    : PollingDialog(Answer::Extended, 100, parent)
{
}

void TestCofeGroupDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
}
