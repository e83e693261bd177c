#pragma once

#include "recipes/recept.h"
#include "recipes/xmlencoding.h"

#include <QByteArray>
#include <QChar>
#include <QMap>
#include <QString>

#include <vector>

// Where an element of the recipes file stands in its text, and where its value does.
struct ElementSpan
{
    int start = -1;       // its "<"
    int nameEnd = -1;     // after its tag name
    int startTagEnd = -1; // after the ">" of its start tag
    int end = -1;         // after its end tag, or after the "/>" of an empty-element tag
    bool selfClosing = false;
    int parent = -1;          // the start of its parent element
    int valueStart = -1;      // its value: the text inside the quotes of "Value", or its content;
    int valueEnd = -1;        // -1 when it has none (no "Value" attribute)
    QChar quote;              // of its "Value" attribute, else of its other attributes; null without any
    bool holdsMarkup = false; // a field whose content holds elements, comments or instructions
};

// The recipes file as read: its text, and where the fields of every recipe stand in it. A save
// writes this text with only the values that changed replaced, so that whatever the file holds
// beyond the recipes' values (layout, line ends, quotes, comments, other elements) stays as it
// was, byte for byte.
class ReceptsDocument
{
public:
    // The file's bytes with `records`, the recipes read from it as edited since, in place of
    // those read. A value that changed replaces the old one's text, escaped in the file's quote
    // style and encoding; one that the file lacks is added in the style of its neighbours.
    QByteArray bytesWith(const std::vector<Recept>& records) const;

    // How many things the file holds that the forms cannot show: attributes, other elements,
    // comments, instructions and text, around and inside the recipes.
    int keptCount() const { return kept; }

private:
    friend class ReceptsReader;

    struct Record
    {
        ElementSpan id;
        QMap<QString, ElementSpan> fields; // by fieldKey(): the element that gave the value
    };

    QString text; // the file's contents decoded; encoded again they give the file's bytes
    XmlEncoding encoding;
    std::vector<Recept> asRead;
    std::vector<Record> spans; // one per record
    QChar defaultQuote = QLatin1Char('"');
    int kept = 0;
};

// `value` as XML text, for an attribute quoted with `quote` or, with a null `quote`, for an
// element's content: markup characters escaped, line ends and tabs of an attribute as character
// references (so that they read back as themselves), characters XML cannot hold left out.
QString xmlEscaped(const QString& value, QChar quote);
