#include "panels/switchmodedialog.h"

#include <QCloseEvent>

SwitchModeDialog::SwitchModeDialog(QWidget* parent)
    : PollingDialog(Answer::Short, 500, parent)
{
    setShowsParentOnClose(true);
}

void SwitchModeDialog::SetStateAnswer(const _tag_getstate_answer& answer)
{
    showStatus(answer);
}
