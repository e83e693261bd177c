#pragma once

#include "recipes/recept.h"
#include "recipes/receptsdocument.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The recipes file codec: bytes to records and back. No file access.

// What the program reads at most. Each recipe becomes a form of about 650 KB of widgets with
// their style sheets, so the number of recipes is bounded as well as the size of the file;
// anything larger is refused before it is read.
inline constexpr int MaxReceptsFileDepth = 64;
inline constexpr qint64 MaxReceptsFileBytes = qint64(4) * 1024 * 1024; // 4 MB
inline constexpr int MaxReceptsCount = 500;

// The bytes of a recipes file holding `records`. With `document` (the file they were read
// from), the file's own bytes with only the changed values replaced (ReceptsDocument). Without,
// a new file in UTF-8, one-space indentation: document type and element "Recepts", one element
// per record ("Recept_<i>" unless the record has the name it was read with), its "ID" the
// record's or <i>, then the fields in the order of receptFields().
QByteArray receptsFileBytes(const std::vector<Recept>& records, const ReceptsDocument* document = nullptr);

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
// recipes found, and `document` (when given) with the file as read. Each "ID" element makes a
// record, and the field elements after it among its siblings fill that record; the format has
// no namespaces (a prefix is part of a name). On refusal `records` and `document` are left
// empty and `error` (when given) says why.
bool parseReceptsFile(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error,
                      ReceptsDocument* document = nullptr);
