#include "recipes/receptform.h"

#include "shell/style_sheets.h"
#include "ui_receptform.h"

#include <QComboBox>
#include <QSpinBox>

ReceptForm::ReceptForm(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ReceptForm)
{
    ui->setupUi(this);

    // The entry's position is the component code stored in the recipes file.
    const QStringList components = {tr("None"), tr("Coffee"), tr("Milk"), tr("Chocolate"), tr("Vanilla"), tr("Tea")};
    for (QComboBox* box : {ui->component_1, ui->component_2, ui->component_3, ui->component_4}) {
        box->clear();
        box->insertItems(0, components);
    }

    applyStyleToAll<QLabel>(Style::NarrowLabel, this);
    applyStyle(Style::Label, {ui->label_5, ui->label_16});
    applyStyleToAll<QSpinBox>(Style::SpinBox, this);
}

ReceptForm::~ReceptForm()
{
    delete ui;
}

QComboBox* ReceptForm::componentBox(int n) const
{
    switch (n) {
    case 0: return ui->component_1;
    case 1: return ui->component_2;
    case 2: return ui->component_3;
    case 3: return ui->component_4;
    default: return nullptr;
    }
}

QSpinBox* ReceptForm::amountBox(int n) const
{
    switch (n) {
    case 0: return ui->milkRashod;
    case 1: return ui->chocolateRashod;
    case 2: return ui->vanilaRashod;
    case 3: return ui->teaRashod;
    default: return nullptr;
    }
}

QSpinBox* ReceptForm::waterBox(int n) const
{
    switch (n) {
    case 0: return ui->milkwaterRashod;
    case 1: return ui->chocolatewaterRashod;
    case 2: return ui->vanilawaterRashod;
    case 3: return ui->teawaterRashod;
    default: return nullptr;
    }
}

void ReceptForm::setComponent(int n, int code)
{
    if (QComboBox* box = componentBox(n))
        box->setCurrentIndex(code >= 0 && code < box->count() ? code : -1);
}

void ReceptForm::setIngridientRashod(int n, int amount)
{
    if (QSpinBox* box = amountBox(n))
        box->setValue(amount);
}

void ReceptForm::setIngridientWater(int n, int amount)
{
    if (QSpinBox* box = waterBox(n))
        box->setValue(amount);
}

void ReceptForm::setShortName(QString name)
{
    ui->Name->setText(name);
}

void ReceptForm::setFullName(QString name)
{
    ui->fullName_lineEdit->setText(name);
}

void ReceptForm::setWaterRashod(int amount)
{
    ui->waterRashod->setValue(amount);
}

void ReceptForm::setSugarRashod(int amount)
{
    ui->sugarRashod->setValue(amount);
}

int ReceptForm::getComponent(int n) const
{
    const QComboBox* box = componentBox(n);
    return box ? box->currentIndex() : 0;
}

int ReceptForm::getIngridient(int n) const
{
    const QSpinBox* box = amountBox(n);
    return box ? box->value() : 0;
}

int ReceptForm::getIngridientWater(int n) const
{
    const QSpinBox* box = waterBox(n);
    return box ? box->value() : 0;
}

QString ReceptForm::getShortName() const
{
    return ui->Name->text();
}

QString ReceptForm::getFullName() const
{
    return ui->fullName_lineEdit->text();
}

int ReceptForm::getWaterRashod() const
{
    return ui->waterRashod->value();
}

int ReceptForm::getSugarRashod() const
{
    return ui->sugarRashod->value();
}

int ReceptForm::getMilkRashod() const
{
    return ui->milkRashod->value();
}

int ReceptForm::getMilkWaterRashod() const
{
    return ui->milkwaterRashod->value();
}

int ReceptForm::getChocolateRashod() const
{
    return ui->chocolateRashod->value();
}

int ReceptForm::getChocolateWaterRashod() const
{
    return ui->chocolatewaterRashod->value();
}

int ReceptForm::getVanilaRashod() const
{
    return ui->vanilaRashod->value();
}

int ReceptForm::getVanilaWaterRashod() const
{
    return ui->vanilawaterRashod->value();
}

int ReceptForm::getTeaRashod() const
{
    return ui->teaRashod->value();
}

int ReceptForm::getTeaWaterRashod() const
{
    return ui->teawaterRashod->value();
}
