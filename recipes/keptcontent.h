#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

// What the recipes file holds beyond the fields the recipe form shows: other elements,
// attributes, comments, instructions and text. It is kept from reading to saving, each node
// as its XML markup, so that a save writes it back; the program never looks into it.

// Attribute name -> value. Sorted by name: the DOM keeps no order of attributes.
using XmlAttributes = QMap<QString, QString>;

// What one recipe's element holds beyond the fields.
struct KeptRecept
{
    XmlAttributes attributes;                     // of the recipe's element
    QMap<QString, XmlAttributes> fieldAttributes; // of its field elements, other than "Value"; by fieldKey()
    QStringList children;                         // its other child nodes, in order

    bool operator==(const KeptRecept& other) const;
    bool operator!=(const KeptRecept& other) const { return !(*this == other); }
};

struct KeptContent
{
    std::vector<KeptRecept> recepts; // one per record
    // between[i]: the top-level nodes just before recipe i; the last entry, those after the
    // last recipe. One more entry than recipes.
    std::vector<QStringList> between;

    // How many things are kept: nodes and attributes.
    int count() const;
    bool operator==(const KeptContent& other) const;
    bool operator!=(const KeptContent& other) const { return !(*this == other); }
};

// The key of a field element in KeptRecept::fieldAttributes: its tag, and for the elements of an
// ingredient slot, a blank and the slot number ("Sugar", "Component 2").
QString fieldKey(const QString& tag, int slot = -1);
