#pragma once

#include <QByteArray>
#include <QString>

// The character encoding of an XML file: found from its byte order mark or declaration, used to
// read the file and to write it back the same way.
struct XmlEncoding
{
    QByteArray name = "UTF-8"; // a codec name: "UTF-8", "UTF-16LE", "windows-1251"...
    QByteArray byteOrderMark;  // as read, written back in front

    bool operator==(const XmlEncoding& other) const
    {
        return name == other.name && byteOrderMark == other.byteOrderMark;
    }
};

// The encoding of `contents`: a byte order mark, else the declaration's, else UTF-8.
XmlEncoding detectXmlEncoding(const QByteArray& contents);

// `contents` decoded, byte order mark left out. False when the encoding is unknown or the bytes
// are not valid in it.
bool decodeXml(const QByteArray& contents, const XmlEncoding& encoding, QString* text);

// `text` in `encoding`, behind its byte order mark. A character the encoding cannot hold is
// written as a character reference ("&#x4E2D;").
QByteArray encodeXml(const QString& text, const XmlEncoding& encoding);
