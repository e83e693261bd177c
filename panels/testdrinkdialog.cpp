#include "panels/testdrinkdialog.h"

#include <QCloseEvent>

TestDrinkDialog::TestDrinkDialog(QWidget* parent)
    : PollingDialog(Answer::Short, 500, parent)
{
}

void TestDrinkDialog::SetStateAnswer(const _tag_getstate_answer& answer)
{
    showStatus(answer);
}

void TestDrinkDialog::SetNapitokNumber(int)
{
}
