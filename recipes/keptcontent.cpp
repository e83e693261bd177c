#include "recipes/keptcontent.h"

#include <QLatin1String>

bool KeptRecept::operator==(const KeptRecept& other) const
{
    return attributes == other.attributes && fieldAttributes == other.fieldAttributes && children == other.children;
}

int KeptContent::count() const
{
    int total = 0;
    for (const KeptRecept& recept : recepts) {
        total += int(recept.attributes.size() + recept.children.size());
        for (const XmlAttributes& attributes : recept.fieldAttributes) {
            for (const auto& attribute : attributes)
                total += attribute.first == QLatin1String("Value") ? 0 : 1;
        }
    }
    for (const QStringList& nodes : between)
        total += int(nodes.size());
    return total;
}

bool KeptContent::operator==(const KeptContent& other) const
{
    return recepts == other.recepts && between == other.between && declaration == other.declaration
        && encoding == other.encoding && dropped == other.dropped;
}
