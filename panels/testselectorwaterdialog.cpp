#include "panels/testselectorwaterdialog.h"

#include <QCloseEvent>

TestSelectorWaterDialog::TestSelectorWaterDialog(QWidget* parent)
    : PollingDialog(Answer::Extended, 100, parent)
{
}

void TestSelectorWaterDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
}
