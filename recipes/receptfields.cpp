#include "recipes/receptfields.h"

namespace {

// The amount spin boxes show 0 to 200; the component combo boxes one entry per code, 0 to 5.
constexpr int MaxAmount = 200;
constexpr int MaxComponent = 5;

std::vector<ReceptField> makeFields()
{
    using Place = ReceptField::Place;
    std::vector<ReceptField> fields{
        {"Name", -1, Place::Attribute, &Recept::shortName, nullptr, nullptr, "Name", 0, 0},
        {"FullName", -1, Place::Attribute, &Recept::fullName, nullptr, nullptr, "fullName_lineEdit", 0, 0},
        {"Sugar", -1, Place::Attribute, nullptr, &Recept::sugarRashod, nullptr, "sugarRashod", 0, MaxAmount},
        {"Water", -1, Place::Attribute, nullptr, &Recept::waterRashod, nullptr, "waterRashod", 0, MaxAmount},
    };
    const char* const components[] = {"component_1", "component_2", "component_3", "component_4"};
    const char* const amounts[] = {"milkRashod", "chocolateRashod", "vanilaRashod", "teaRashod"};
    const char* const waters[] = {"milkwaterRashod", "chocolatewaterRashod", "vanilawaterRashod", "teawaterRashod"};
    for (int k = 0; k < Recept::SlotCount; ++k) {
        fields.push_back(
            {"Component", k, Place::Content, nullptr, nullptr, &Recept::component, components[k], 0, MaxComponent});
        fields.push_back({"IngridientRashod", k, Place::Content, nullptr, nullptr, &Recept::ingridientRashod,
                          amounts[k], 0, MaxAmount});
        fields.push_back({"IngridientWater", k, Place::Content, nullptr, nullptr, &Recept::ingridientWater, waters[k],
                          0, MaxAmount});
    }
    return fields;
}

} // namespace

const std::vector<ReceptField>& receptFields()
{
    static const std::vector<ReceptField> fields = makeFields();
    return fields;
}

int* ReceptField::numberIn(Recept& recept) const
{
    if (number)
        return &(recept.*number);
    if (slotArray)
        return &(recept.*slotArray)[static_cast<size_t>(slot)];
    return nullptr;
}

int ReceptField::numberOf(const Recept& recept) const
{
    if (number)
        return recept.*number;
    return slotArray ? (recept.*slotArray)[static_cast<size_t>(slot)] : 0;
}

QString ReceptField::valueIn(const Recept& recept) const
{
    if (text)
        return recept.*text;
    return recept.storedTexts.value(key(), QString::number(numberOf(recept)));
}

void ReceptField::setFrom(Recept& recept, const QString& value) const
{
    if (text) {
        recept.*text = value;
        return;
    }
    // Only a whole number written as the writer writes it is a number: "05", "5.0" and
    // " 90" are kept as they stand.
    bool ok = false;
    const int read = value.toInt(&ok, 10);
    if (ok && QString::number(read) == value) {
        recept.storedTexts.remove(key());
        *numberIn(recept) = read;
    } else {
        recept.storedTexts.insert(key(), value);
        *numberIn(recept) = 0;
    }
}

const ReceptField* receptFieldOf(const QString& tag, const QString& value)
{
    const int slot = value.toInt(nullptr, 10); // no number reads as slot 0
    for (const ReceptField& field : receptFields()) {
        if (tag == QLatin1String(field.tag) && (field.place == ReceptField::Place::Attribute || field.slot == slot))
            return &field;
    }
    return nullptr;
}
