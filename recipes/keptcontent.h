#pragma once

#include "recipes/xmlencoding.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

// What the recipes file holds beyond the fields the recipe form shows: other elements,
// attributes, comments, instructions and text. It is kept from reading to saving so that a save
// writes it back as it was read; the program never looks into it. An element, comment or
// instruction is kept as its text in the file; other nodes (text, CDATA) as their XML markup.

// Attributes in the order of the file: name, value.
using XmlAttributes = QVector<QPair<QString, QString>>;

// What one recipe's element holds beyond the fields.
struct KeptRecept
{
    XmlAttributes attributes; // of the recipe's element
    // Of its field elements that have others than "Value", by fieldKey(): all of them, "Value"
    // among them for its place (its value here is not used).
    QMap<QString, XmlAttributes> fieldAttributes;
    QStringList children; // its other child nodes, in order

    bool operator==(const KeptRecept& other) const;
    bool operator!=(const KeptRecept& other) const { return !(*this == other); }
};

struct KeptContent
{
    std::vector<KeptRecept> recepts; // one per record
    // between[i]: the top-level nodes just before recipe i; the last entry, those after the
    // last recipe. One more entry than recipes.
    std::vector<QStringList> between;
    QString declaration;  // the XML declaration as read, "" when the file has none
    XmlEncoding encoding; // the file's, the one it is written back in
    // Nodes that would not read back as themselves, named ("a text", "CDATA"): not written.
    QStringList dropped;

    // How many things are kept: nodes and attributes.
    int count() const;
    bool operator==(const KeptContent& other) const;
    bool operator!=(const KeptContent& other) const { return !(*this == other); }
};
