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

    // One sheet for the whole form, parsed once: its labels and spin boxes share it.
    setStyleSheet(::styleSheet(Style::NarrowLabel) + QLatin1Char('\n')
                  + styleSheetFor(Style::Label, {ui->label_5->objectName(), ui->label_16->objectName()})
                  + QLatin1Char('\n') + ::styleSheet(Style::SpinBox));

    // Any change after a setter is the user's: from then on the widget's own value counts.
    const QList<QSpinBox*> spinBoxes = findChildren<QSpinBox*>();
    for (QSpinBox* box : spinBoxes)
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, [this, box] { forgetValue(box); });
    const QList<QComboBox*> comboBoxes = findChildren<QComboBox*>();
    for (QComboBox* box : comboBoxes)
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, box] { forgetValue(box); });
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

namespace {

// The mark of a widget that holds a value it cannot show.
const char storedValueMark[] = "%1, %1:editable, %1:!editable { border: 2px solid #C05000; background: #FFE6CC; }";

// A new style sheet makes a widget drop the font it takes from its parent (the bold of the
// group box titles): the font it shows is kept.
void restyle(QWidget* widget, const QString& sheet)
{
    const QFont font = widget->font();
    widget->setStyleSheet(sheet);
    widget->setFont(font);
}

} // namespace

void ReceptForm::storeValue(QWidget* widget, int value, bool shown)
{
    if (shown) {
        forgetValue(widget);
        return;
    }
    if (!storedValues.contains(widget)) {
        const char* type = qobject_cast<QSpinBox*>(widget) ? "QSpinBox" : "QComboBox";
        restyle(widget, widget->styleSheet() + QLatin1Char('\n') + QString::fromLatin1(storedValueMark).arg(type));
    }
    storedValues.insert(widget, value);
    widget->setToolTip(tr("Stored value: %1. It is saved unchanged unless you change this field.").arg(value));
}

void ReceptForm::forgetValue(QWidget* widget)
{
    if (!storedValues.remove(widget))
        return;
    restyle(widget, QString()); // the form's own sheet styles it again
    widget->setToolTip(QString());
}

void ReceptForm::setAmount(QSpinBox* box, int amount)
{
    box->setValue(amount); // a spin box keeps its value within its range
    storeValue(box, amount, box->value() == amount);
}

int ReceptForm::valueOf(const QSpinBox* box) const
{
    return box ? storedValues.value(box, box->value()) : 0;
}

int ReceptForm::storedValueCount() const
{
    return storedValues.size();
}

int ReceptForm::unshownValueCount(const Recept& recept)
{
    // The amount spin boxes' range in receptform.ui, and the entries of a component box.
    const auto unshownAmount = [](int amount) { return amount < 0 || amount > 200 ? 1 : 0; };
    const auto unshownComponent = [](int code) { return code < 0 || code > 5 ? 1 : 0; };
    int count = unshownAmount(recept.sugarRashod) + unshownAmount(recept.waterRashod);
    for (int k = 0; k < Recept::SlotCount; ++k) {
        const auto slot = static_cast<size_t>(k);
        count += unshownComponent(recept.component[slot]) + unshownAmount(recept.ingridientRashod[slot])
            + unshownAmount(recept.ingridientWater[slot]);
    }
    return count;
}

void ReceptForm::setComponent(int n, int code)
{
    if (QComboBox* box = componentBox(n)) {
        const bool shown = code >= 0 && code < box->count();
        box->setCurrentIndex(shown ? code : -1);
        storeValue(box, code, shown);
    }
}

void ReceptForm::setIngridientRashod(int n, int amount)
{
    if (QSpinBox* box = amountBox(n))
        setAmount(box, amount);
}

void ReceptForm::setIngridientWater(int n, int amount)
{
    if (QSpinBox* box = waterBox(n))
        setAmount(box, amount);
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
    setAmount(ui->waterRashod, amount);
}

void ReceptForm::setSugarRashod(int amount)
{
    setAmount(ui->sugarRashod, amount);
}

int ReceptForm::getComponent(int n) const
{
    const QComboBox* box = componentBox(n);
    return box ? storedValues.value(box, box->currentIndex()) : 0;
}

int ReceptForm::getIngridient(int n) const
{
    return valueOf(amountBox(n));
}

int ReceptForm::getIngridientWater(int n) const
{
    return valueOf(waterBox(n));
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
    return valueOf(ui->waterRashod);
}

int ReceptForm::getSugarRashod() const
{
    return valueOf(ui->sugarRashod);
}

int ReceptForm::getMilkRashod() const
{
    return getIngridient(0);
}

int ReceptForm::getMilkWaterRashod() const
{
    return getIngridientWater(0);
}

int ReceptForm::getChocolateRashod() const
{
    return getIngridient(1);
}

int ReceptForm::getChocolateWaterRashod() const
{
    return getIngridientWater(1);
}

int ReceptForm::getVanilaRashod() const
{
    return getIngridient(2);
}

int ReceptForm::getVanilaWaterRashod() const
{
    return getIngridientWater(2);
}

int ReceptForm::getTeaRashod() const
{
    return getIngridient(3);
}

int ReceptForm::getTeaWaterRashod() const
{
    return getIngridientWater(3);
}
