#include "panels/showoutputsdialog.h"

#include <QCloseEvent>

ShowOutputsDialog::ShowOutputsDialog(QWidget* parent)
    : PollingDialog(Answer::Extended, 100, parent)
{
}

void ShowOutputsDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
}
