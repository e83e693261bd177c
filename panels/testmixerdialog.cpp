#include "panels/testmixerdialog.h"

#include <QCloseEvent>

TestMixerDialog::TestMixerDialog(QWidget* parent)
    : PollingDialog(Answer::Extended, 500, parent)
{
}

void TestMixerDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
}
