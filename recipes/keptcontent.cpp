#include "recipes/keptcontent.h"

bool KeptRecept::operator==(const KeptRecept& other) const
{
    return attributes == other.attributes && fieldAttributes == other.fieldAttributes && children == other.children;
}

int KeptContent::count() const
{
    int total = 0;
    for (const KeptRecept& recept : recepts) {
        total += recept.attributes.size() + recept.children.size();
        for (const XmlAttributes& attributes : recept.fieldAttributes)
            total += attributes.size();
    }
    for (const QStringList& nodes : between)
        total += nodes.size();
    return total;
}

bool KeptContent::operator==(const KeptContent& other) const
{
    return recepts == other.recepts && between == other.between;
}

QString fieldKey(const QString& tag, int slot)
{
    return slot < 0 ? tag : tag + QLatin1Char(' ') + QString::number(slot);
}
