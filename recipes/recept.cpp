#include "recipes/recept.h"

#include <utility>

std::vector<Recept> recepts;

Recept::Recept(QString name, QString longName, int sugar, int water, std::array<int, SlotCount> components,
               std::array<int, SlotCount> amounts, std::array<int, SlotCount> waters)
    : shortName(std::move(name))
    , fullName(std::move(longName))
    , sugarRashod(sugar)
    , waterRashod(water)
    , component(components)
    , ingridientRashod(amounts)
    , ingridientWater(waters)
{
}

QString fieldKey(const QString& tag, int slot)
{
    return slot < 0 ? tag : tag + QLatin1Char(' ') + QString::number(slot);
}

bool Recept::operator==(const Recept& other) const
{
    return shortName == other.shortName && fullName == other.fullName && sugarRashod == other.sugarRashod
        && waterRashod == other.waterRashod && component == other.component
        && ingridientRashod == other.ingridientRashod && ingridientWater == other.ingridientWater && id == other.id
        && elementName == other.elementName && storedTexts == other.storedTexts;
}
