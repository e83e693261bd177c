#include "recipes/receptform.h"

#include "recipes/receptfields.h"
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
    for (const ReceptField& field : receptFields()) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(field.widget));
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            const ReceptField* row = &field; // a row of the static table
            connect(edit, &QLineEdit::textChanged, this, [this, row](const QString& text) {
                if (!showing)
                    record.*row->text = text;
            });
        } else if (auto* box = qobject_cast<QSpinBox*>(widget)) {
            box->setRange(field.minimum, field.maximum);
            connect(box, qOverload<int>(&QSpinBox::valueChanged), this, [this, box](int value) { setNumber(box, value, true); });
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                    [this, combo](int index) { setNumber(combo, index, true); });
        }
    }
}

ReceptForm::~ReceptForm()
{
    delete ui;
}

QWidget* ReceptForm::slotWidget(const char* tag, int n) const
{
    for (const ReceptField& field : receptFields()) {
        if (field.slot == n && qstrcmp(field.tag, tag) == 0)
            return findChild<QWidget*>(QLatin1String(field.widget));
    }
    return nullptr;
}

std::vector<ReceptForm::NumberField> ReceptForm::numberFields() const
{
    std::vector<NumberField> fields;
    for (const ReceptField& field : receptFields()) {
        if (field.isNumber())
            fields.push_back({&field, findChild<QWidget*>(QLatin1String(field.widget))});
    }
    return fields;
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
    return holdsKeptValue(*field.field, record);
}

bool ReceptForm::holdsKeptValue(const ReceptField& field, const Recept& recept)
{
    if (recept.storedTexts.contains(field.key()))
        return true;
    const int value = field.numberOf(recept);
    return value < field.minimum || value > field.maximum;
}

void ReceptForm::showNumber(const NumberField& field)
{
    const bool wasShowing = showing;
    showing = true;
    const int value = field.field->numberOf(record);
    if (auto* box = qobject_cast<QSpinBox*>(field.widget)) {
        box->setValue(value); // a spin box keeps its value within its range
    } else {
        auto* combo = qobject_cast<QComboBox*>(field.widget);
        combo->setCurrentIndex(value >= field.field->minimum && value <= field.field->maximum ? value : -1);
    }
    showing = wasShowing;
    if (!holdsKeptValue(field)) {
        mark(field.widget, QString());
        return;
    }
    const auto stored = record.storedTexts.constFind(field.field->key());
    mark(field.widget, stored == record.storedTexts.cend() ? QString::number(value)
                                                           : QLatin1Char('"') + *stored + QLatin1Char('"'));
}

void ReceptForm::setNumber(QWidget* widget, int value, bool edit)
{
    if (edit && showing)
        return;
    for (const NumberField& field : numberFields()) {
        if (field.widget != widget)
            continue;
        *field.field->numberIn(record) = value;
        record.storedTexts.remove(field.field->key());
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
            return field.field->numberOf(record);
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
    for (const ReceptField& field : receptFields()) {
        if (!field.isNumber())
            findChild<QLineEdit*>(QLatin1String(field.widget))->setText(record.*field.text);
    }
    showing = false;
}

Recept ReceptForm::recept() const
{
    return record;
}

int ReceptForm::unshownValueCount(const Recept& recept)
{
    int count = 0;
    for (const ReceptField& field : receptFields())
        count += field.isNumber() && holdsKeptValue(field, recept) ? 1 : 0;
    return count;
}

void ReceptForm::setComponent(int n, int code)
{
    if (QWidget* box = slotWidget("Component", n))
        setNumber(box, code, false);
}

void ReceptForm::setIngridientRashod(int n, int amount)
{
    if (QWidget* box = slotWidget("IngridientRashod", n))
        setNumber(box, amount, false);
}

void ReceptForm::setIngridientWater(int n, int amount)
{
    if (QWidget* box = slotWidget("IngridientWater", n))
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
    return numberOf(slotWidget("Component", n));
}

int ReceptForm::getIngridient(int n) const
{
    return numberOf(slotWidget("IngridientRashod", n));
}

int ReceptForm::getIngridientWater(int n) const
{
    return numberOf(slotWidget("IngridientWater", n));
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
