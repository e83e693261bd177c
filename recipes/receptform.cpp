#include "recipes/receptform.h"

#include "shell/style_sheets.h"
#include "ui_receptform.h"

#include <QComboBox>
#include <QSpinBox>

#include <utility>

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

    // Any change outside setRecept() and the setters is the user's: from then on the widget's
    // own value counts.
    const QList<QSpinBox*> spinBoxes = findChildren<QSpinBox*>();
    for (QSpinBox* box : spinBoxes)
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, [this, box](int value) { setNumber(box, value, true); });
    const QList<QComboBox*> comboBoxes = findChildren<QComboBox*>();
    for (QComboBox* box : comboBoxes) {
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this, box](int index) { setNumber(box, index, true); });
    }
    connect(ui->Name, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing)
            record.shortName = text;
    });
    connect(ui->fullName_lineEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing)
            record.fullName = text;
    });
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

std::vector<ReceptForm::NumberField> ReceptForm::numberFields()
{
    const QString sugar = QString::fromLatin1(SugarTagName);
    const QString water = QString::fromLatin1(WaterTagName);
    std::vector<NumberField> fields{{fieldKey(sugar), &record.sugarRashod, ui->sugarRashod},
                                    {fieldKey(water), &record.waterRashod, ui->waterRashod}};
    for (int k = 0; k < Recept::SlotCount; ++k) {
        const auto slot = static_cast<size_t>(k);
        fields.push_back({fieldKey(QString::fromLatin1(ComponentTagName), k), &record.component[slot], componentBox(k)});
        fields.push_back({fieldKey(QString::fromLatin1(IngridientRashodTagName), k), &record.ingridientRashod[slot],
                          amountBox(k)});
        fields.push_back({fieldKey(QString::fromLatin1(IngridientWaterTagName), k), &record.ingridientWater[slot],
                          waterBox(k)});
    }
    return fields;
}

std::vector<ReceptForm::NumberField> ReceptForm::numberFields() const
{
    return const_cast<ReceptForm*>(this)->numberFields(); // the pointers are only read
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

void mark(QWidget* widget, const QString& stored)
{
    // The mark goes on top of whatever sheet the widget has of its own (none, in the form: the
    // form's sheet styles it), and comes off leaving that sheet.
    const bool spinBox = qobject_cast<QSpinBox*>(widget) != nullptr;
    const QString markRule = QLatin1Char('\n') + QString::fromLatin1(storedValueMark).arg(spinBox ? "QSpinBox" : "QComboBox");
    QString sheet = widget->styleSheet();
    sheet.remove(markRule);
    if (!stored.isNull())
        sheet += markRule;
    if (widget->styleSheet() != sheet)
        restyle(widget, sheet);
    widget->setToolTip(stored.isNull() ? QString()
                                       : ReceptForm::tr("Stored value: %1. It is saved unchanged unless you change "
                                                        "this field.")
                                             .arg(stored));
}

} // namespace

bool ReceptForm::holdsKeptValue(const NumberField& field) const
{
    if (record.storedTexts.contains(field.key))
        return true;
    if (const auto* box = qobject_cast<const QSpinBox*>(field.widget))
        return *field.value < box->minimum() || *field.value > box->maximum();
    const auto* combo = qobject_cast<const QComboBox*>(field.widget);
    return *field.value < 0 || *field.value >= combo->count();
}

void ReceptForm::showNumber(const NumberField& field)
{
    const bool wasShowing = showing;
    showing = true;
    if (auto* box = qobject_cast<QSpinBox*>(field.widget)) {
        box->setValue(*field.value); // a spin box keeps its value within its range
    } else {
        auto* combo = qobject_cast<QComboBox*>(field.widget);
        combo->setCurrentIndex(*field.value >= 0 && *field.value < combo->count() ? *field.value : -1);
    }
    showing = wasShowing;
    if (!holdsKeptValue(field)) {
        mark(field.widget, QString());
        return;
    }
    const auto stored = record.storedTexts.constFind(field.key);
    mark(field.widget, stored == record.storedTexts.cend() ? QString::number(*field.value)
                                                           : QLatin1Char('"') + *stored + QLatin1Char('"'));
}

void ReceptForm::setNumber(QWidget* widget, int value, bool edit)
{
    if (edit && showing)
        return;
    for (const NumberField& field : numberFields()) {
        if (field.widget != widget)
            continue;
        *field.value = value;
        record.storedTexts.remove(field.key);
        if (!edit)
            showNumber(field);
        else
            mark(widget, QString());
    }
}

int ReceptForm::numberOf(const QWidget* widget) const
{
    for (const NumberField& field : numberFields()) {
        if (widget && field.widget == widget)
            return *field.value;
    }
    return 0;
}

int ReceptForm::storedValueCount() const
{
    int count = 0;
    for (const NumberField& field : numberFields())
        count += holdsKeptValue(field) ? 1 : 0;
    return count;
}

void ReceptForm::setRecept(const Recept& recept)
{
    record = recept;
    showNames();
    for (const NumberField& field : numberFields())
        showNumber(field);
}

void ReceptForm::showNames()
{
    // A name longer than a line edit holds is cut there, and kept whole in the record.
    showing = true;
    ui->Name->setText(record.shortName);
    ui->fullName_lineEdit->setText(record.fullName);
    showing = false;
}

Recept ReceptForm::recept() const
{
    return record;
}

int ReceptForm::unshownValueCount(const Recept& recept)
{
    // The amount spin boxes' range in receptform.ui, and the entries of a component box. A
    // field kept as a stored text holds 0, which every widget shows: it counts once, here.
    const auto unshownAmount = [](int amount) { return amount < 0 || amount > 200 ? 1 : 0; };
    const auto unshownComponent = [](int code) { return code < 0 || code > 5 ? 1 : 0; };
    int count = int(recept.storedTexts.size()) + unshownAmount(recept.sugarRashod) + unshownAmount(recept.waterRashod);
    for (int k = 0; k < Recept::SlotCount; ++k) {
        const auto slot = static_cast<size_t>(k);
        count += unshownComponent(recept.component[slot]) + unshownAmount(recept.ingridientRashod[slot])
            + unshownAmount(recept.ingridientWater[slot]);
    }
    return count;
}

void ReceptForm::setComponent(int n, int code)
{
    if (QComboBox* box = componentBox(n))
        setNumber(box, code, false);
}

void ReceptForm::setIngridientRashod(int n, int amount)
{
    if (QSpinBox* box = amountBox(n))
        setNumber(box, amount, false);
}

void ReceptForm::setIngridientWater(int n, int amount)
{
    if (QSpinBox* box = waterBox(n))
        setNumber(box, amount, false);
}

void ReceptForm::setShortName(QString name)
{
    record.shortName = std::move(name);
    showNames();
}

void ReceptForm::setFullName(QString name)
{
    record.fullName = std::move(name);
    showNames();
}

void ReceptForm::setWaterRashod(int amount)
{
    setNumber(ui->waterRashod, amount, false);
}

void ReceptForm::setSugarRashod(int amount)
{
    setNumber(ui->sugarRashod, amount, false);
}

int ReceptForm::getComponent(int n) const
{
    return numberOf(componentBox(n));
}

int ReceptForm::getIngridient(int n) const
{
    return numberOf(amountBox(n));
}

int ReceptForm::getIngridientWater(int n) const
{
    return numberOf(waterBox(n));
}

QString ReceptForm::getShortName() const
{
    return record.shortName;
}

QString ReceptForm::getFullName() const
{
    return record.fullName;
}

int ReceptForm::getWaterRashod() const
{
    return numberOf(ui->waterRashod);
}

int ReceptForm::getSugarRashod() const
{
    return numberOf(ui->sugarRashod);
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
