#pragma once

#include "recipes/keptcontent.h"
#include "recipes/recept.h"

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <vector>

// The recipes file codec: records to document and bytes, bytes to records. No file access.

// What the program reads at most. Each recipe becomes a form of about 650 KB of widgets with
// their style sheets, so the number of recipes is bounded as well as the size of the file;
// anything larger is refused before a document is built.
inline constexpr int MaxReceptsFileDepth = 64;
inline constexpr qint64 MaxReceptsFileBytes = qint64(4) * 1024 * 1024; // 4 MB
inline constexpr int MaxReceptsCount = 500;

// A new element `name` of `doc`, not yet attached: attribute "Value" = `value` and one text
// child `text`, each only when not empty.
QDomElement makeElement(QDomDocument& doc, const QString& name, const QString& value, const QString& text);

// The recipes document: document type "Recepts", element "Recepts", one element per record
// ("Recept_<i>" unless the record has the name it was read with), its "ID" the record's or <i>.
// With `kept`, each recipe's element gets its kept attributes, its fields theirs, and its kept
// child nodes after the fields; the kept top-level nodes go back between the recipes.
QDomDocument receptsDocument(const std::vector<Recept>& records, const KeptContent* kept = nullptr);

// The exact contents of a recipes file holding `records` (one-space indentation). With `kept`,
// in the encoding the file was read in, behind its declaration, and with kept elements, comments
// and instructions as they stood in the file and attributes in their order; else UTF-8.
QByteArray receptsFileBytes(const std::vector<Recept>& records, const KeptContent* kept = nullptr);

// Walks the descendants of `node` in document order without recursion: each "ID" element
// appends a record, the field elements after it among the same siblings fill that record.
// Fields before the first "ID" among their siblings go to the first record. With `kept`, it
// also collects what the file holds beyond the fields (see receptsDocument).
void traverseReceptNodes(const QDomNode& node, std::vector<Recept>& records, KeptContent* kept = nullptr);

// Why a file's contents were refused.
struct ReceptsFileError
{
    enum class Kind {
        NotWellFormed, // `message` is the XML parser's reason
        TooDeep,       // nested deeper than MaxReceptsFileDepth
        Entities,      // declares entities, which a recipes file never does
        TooMany,       // more than MaxReceptsCount recipes
    };
    Kind kind = Kind::NotWellFormed;
    QString message;
    qint64 line = 0;
    qint64 column = 0;
};

// The one read path of the recipes file: parses `contents` and replaces `records` with the
// recipes found, and `kept` (when given) with what the file holds beyond them. On refusal
// `records` and `kept` are left empty and `error` (when given) says why.
bool parseReceptsFile(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error,
                      KeptContent* kept = nullptr);
