#pragma once

#include "recipes/recept.h"

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <vector>

// The recipes file codec: records to document and bytes, bytes to records. No file access.

// Files nested deeper than this are refused before a document is built.
inline constexpr int MaxReceptsFileDepth = 64;

// A new element `name` of `doc`, not yet attached: attribute "Value" = `value` and one text
// child `text`, each only when not empty.
QDomElement makeElement(QDomDocument& doc, const QString& name, const QString& value, const QString& text);

// The recipes document: document type "Recepts", element "Recepts", one "Recept_<i>" per record.
QDomDocument receptsDocument(const std::vector<Recept>& records);

// The exact contents of a recipes file holding `records` (UTF-8, one-space indentation).
QByteArray receptsFileBytes(const std::vector<Recept>& records);

// Walks the descendants of `node` in document order without recursion: each "ID" element
// appends a record, the field elements after it among the same siblings fill that record.
void traverseReceptNodes(const QDomNode& node, std::vector<Recept>& records);

// Why a file's contents were refused.
struct ReceptsFileError
{
    enum class Kind {
        NotWellFormed, // `message` is the XML parser's reason
        TooDeep,       // nested deeper than MaxReceptsFileDepth
        Entities,      // declares entities, which a recipes file never does
    };
    Kind kind = Kind::NotWellFormed;
    QString message;
    qint64 line = 0;
    qint64 column = 0;
};

// The one read path of the recipes file: parses `contents` and replaces `records` with the
// recipes found. On refusal `records` is left empty and `error` (when given) says why.
bool parseReceptsFile(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error);
