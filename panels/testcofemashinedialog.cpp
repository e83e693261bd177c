#include "panels/testcofemashinedialog.h"

#include "panels/machine_check_dialog.h"
#include "panels/showinputsdialog.h"
#include "panels/showoutputsdialog.h"
#include "panels/testboilerdialog.h"
#include "panels/testcofegroupdialog.h"
#include "panels/testdispensordialog.h"
#include "panels/testdrinkdialog.h"
#include "panels/testmixerdialog.h"
#include "panels/testselectorwaterdialog.h"
#include "shell/style_sheets.h"
#include "ui_testcofemashinedialog.h"

#include <QCloseEvent>
#include <QPushButton>

TestCofeMashineDialog::TestCofeMashineDialog(QWidget* parent)
    : ClosingDialog(parent)
    , ui(new Ui::TestCofeMashineDialog)
{
    ui->setupUi(this);
    applyStyle(Style::TestMenuButton,
               {ui->selectorWaterButton, ui->mixerButton, ui->vidachaButton, ui->boilerButton,
                ui->cofegroupButton, ui->cofeButton, ui->napitok1Button, ui->napitok2Button,
                ui->napitok3Button, ui->napitok4Button, ui->napito5Button, ui->napitok6Button});
    applyStyle(Style::TestMenuNarrowButton, {ui->outputButton, ui->inputButton, ui->quitButton});
    auto* machineCheckButton = new QPushButton(tr("Machine check"), ui->groupBox);
    machineCheckButton->setObjectName(QStringLiteral("machineCheckButton"));
    ui->devicesLayout->addWidget(machineCheckButton);
    applyStyle(Style::TestMenuButton, {machineCheckButton});
    connect(machineCheckButton, &QPushButton::clicked, this, &TestCofeMashineDialog::showMachineCheck);

    selectorWaterDialog = new TestSelectorWaterDialog(this);
    boilerDialog = new TestBoilerDialog(this);
    mixerDialog = new TestMixerDialog(this);
    cofeGroupDialog = new TestCofeGroupDialog(this);
    dispensorDialog = new TestDispensorDialog(this);
    drinkDialog = new TestDrinkDialog(this);
    inputsDialog = new ShowInputsDialog(this);
    outputsDialog = new ShowOutputsDialog(this);
}

TestCofeMashineDialog::~TestCofeMashineDialog()
{
    delete ui;
    delete boilerDialog;
    delete selectorWaterDialog;
    delete mixerDialog;
    delete cofeGroupDialog;
    delete dispensorDialog;
    delete drinkDialog;
    delete inputsDialog;
    delete outputsDialog;
    delete machineCheckDialog;
}

// The panels are window-modal: the menu stays visible beneath and takes no input until the
// panel closes, so the panels need not bring it back.
void TestCofeMashineDialog::on_boilerButton_clicked()
{
    boilerDialog->show();
}

void TestCofeMashineDialog::on_selectorWaterButton_clicked()
{
    selectorWaterDialog->show();
}

void TestCofeMashineDialog::on_mixerButton_clicked()
{
    mixerDialog->show();
}

void TestCofeMashineDialog::on_cofegroupButton_clicked()
{
    cofeGroupDialog->show();
}

void TestCofeMashineDialog::on_vidachaButton_clicked()
{
    dispensorDialog->show();
}

// "Test coffee" is drink 1; "Test drink k" is drink k + 1.
void TestCofeMashineDialog::on_cofeButton_clicked()
{
    showDrinkPanel(1);
}

void TestCofeMashineDialog::on_napitok1Button_clicked()
{
    showDrinkPanel(2);
}

void TestCofeMashineDialog::on_napitok2Button_clicked()
{
    showDrinkPanel(3);
}

void TestCofeMashineDialog::on_napitok3Button_clicked()
{
    showDrinkPanel(4);
}

void TestCofeMashineDialog::on_napitok4Button_clicked()
{
    showDrinkPanel(5);
}

void TestCofeMashineDialog::on_napito5Button_clicked()
{
    showDrinkPanel(6);
}

void TestCofeMashineDialog::on_napitok6Button_clicked()
{
    showDrinkPanel(7);
}

void TestCofeMashineDialog::on_inputButton_clicked()
{
    inputsDialog->show();
}

void TestCofeMashineDialog::on_outputButton_clicked()
{
    outputsDialog->show();
}

void TestCofeMashineDialog::on_quitButton_clicked()
{
    close();
}

// The main menu hid itself to show the test menu.
void TestCofeMashineDialog::closeEvent(QCloseEvent* event)
{
    showParentWidget();
    ClosingDialog::closeEvent(event);
}

void TestCofeMashineDialog::showDrinkPanel(int drink)
{
    drinkDialog->SetNapitokNumber(drink);
    drinkDialog->show();
}

void TestCofeMashineDialog::showMachineCheck()
{
    if (!machineCheckDialog)
        machineCheckDialog = new MachineCheckDialog(this);
    machineCheckDialog->show();
}
