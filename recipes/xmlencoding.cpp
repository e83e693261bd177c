#include "recipes/xmlencoding.h"

#include <QRegularExpression>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#include <QStringEncoder>
#else
#include <QTextCodec>
#endif

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
bool knownEncoding(const QByteArray& name)
{
    return QStringDecoder(name.constData()).isValid();
}

QString decoded(const QByteArray& bytes, const QByteArray& name)
{
    QStringDecoder decoder(name.constData());
    return decoder.decode(bytes);
}

QByteArray encoded(const QString& text, const QByteArray& name)
{
    QStringEncoder encoder(name.constData());
    return encoder.encode(text);
}
#else
bool knownEncoding(const QByteArray& name)
{
    return QTextCodec::codecForName(name) != nullptr;
}

QString decoded(const QByteArray& bytes, const QByteArray& name)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return QTextCodec::codecForName(name)->toUnicode(bytes.constData(), int(bytes.size()), &state);
}

QByteArray encoded(const QString& text, const QByteArray& name)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return QTextCodec::codecForName(name)->fromUnicode(text.constData(), int(text.size()), &state);
}
#endif

// Whether `text` comes back as itself through `name`: neither codec says so reliably.
bool roundTrips(const QString& text, const QByteArray& name, QByteArray* bytes)
{
    *bytes = encoded(text, name);
    return decoded(*bytes, name) == text;
}

struct Mark
{
    const char* bytes;
    int size;
    const char* encoding;
};

const Mark marks[] = {
    {"\xEF\xBB\xBF", 3, "UTF-8"},
    {"\xFF\xFE", 2, "UTF-16LE"},
    {"\xFE\xFF", 2, "UTF-16BE"},
};

} // namespace

XmlEncoding detectXmlEncoding(const QByteArray& contents)
{
    for (const Mark& mark : marks) {
        const QByteArray bytes(mark.bytes, mark.size);
        if (contents.startsWith(bytes))
            return {mark.encoding, bytes};
    }
    if (contents.startsWith(QByteArray("<\0?\0", 4)))
        return {"UTF-16LE", QByteArray()};
    if (contents.startsWith(QByteArray("\0<\0?", 4)))
        return {"UTF-16BE", QByteArray()};
    static const QRegularExpression declaration(
        QStringLiteral(R"(^<\?xml\s[^>]*encoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(contents.left(256)));
    if (match.hasMatch())
        return {match.captured(1).toLatin1(), QByteArray()};
    return {};
}

bool decodeXml(const QByteArray& contents, const XmlEncoding& encoding, QString* text)
{
    if (!knownEncoding(encoding.name))
        return false;
    const QByteArray body = contents.mid(encoding.byteOrderMark.size());
    *text = decoded(body, encoding.name);
    return encoded(*text, encoding.name) == body;
}

QByteArray encodeXml(const QString& text, const XmlEncoding& encoding)
{
    QByteArray bytes;
    if (roundTrips(text, encoding.name, &bytes))
        return encoding.byteOrderMark + bytes;
    QString escaped;
    escaped.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        QByteArray ignored;
        if (roundTrips(character, encoding.name, &ignored))
            escaped += character;
        else
            escaped += QLatin1String("&#x") + QString::number(character.toUcs4().value(0), 16).toUpper() + QLatin1Char(';');
    }
    return encoding.byteOrderMark + encoded(escaped, encoding.name);
}
