#include "panels/testdrinkdialog.h"

#include "link/protocol.h"
#include "ui_testdrinkdialog.h"

TestDrinkDialog::TestDrinkDialog(QWidget* parent)
    : PollingPanel(PollPeriod::Slow, parent)
    , ui(new Ui::TestDrinkDialog)
{
    ui->setupUi(this);
    applyPanelStyles(Style::PanelButton);
}

TestDrinkDialog::~TestDrinkDialog()
{
    delete ui;
}

void TestDrinkDialog::SetNapitokNumber(int number)
{
    ui->drinkNumberBox->setValue(number);
}

void TestDrinkDialog::SetStateAnswer(const _tag_getstate_answer& answer)
{
    showStatus(answer);
}

// One request per press; the drink's progress shows only in the polled state.
void TestDrinkDialog::on_makeDrinkButton_clicked()
{
    sendCommand(Protocol::RequestCommand, Protocol::CmdMakeDrink, ui->drinkNumberBox->value(),
                ui->sugarNumberBox->value());
}

void TestDrinkDialog::on_quitButton_clicked()
{
    close();
}
