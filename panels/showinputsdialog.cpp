#include "panels/showinputsdialog.h"

#include <QCloseEvent>

ShowInputsDialog::ShowInputsDialog(QWidget* parent)
    : PollingDialog(Answer::Extended, 100, parent)
{
}

void ShowInputsDialog::SetStateAnswer(const _tag_getxstate_answer& answer)
{
    showStatus(answer);
}
