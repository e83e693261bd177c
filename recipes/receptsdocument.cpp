#include "recipes/receptsdocument.h"

#include "recipes/receptfields.h"

#include <algorithm>

namespace {

bool isXmlChar(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// One change of the text: [start, end) replaced by `text`.
struct Edit
{
    int start;
    int end;
    QString text;
};

} // namespace

QString xmlEscaped(const QString& value, QChar quote)
{
    const bool attribute = !quote.isNull();
    QString escaped;
    escaped.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            escaped += c;
            escaped += value.at(++i);
            continue;
        }
        // A name with a control character (pasted into a line edit) would give a file that no
        // XML parser reads back, and every recipe in it would be lost: such characters go.
        if (c.isSurrogate() || !isXmlChar(c.unicode()))
            continue;
        switch (c.unicode()) {
        case '&':
            escaped += QLatin1String("&amp;");
            break;
        case '<':
            escaped += QLatin1String("&lt;");
            break;
        case '>':
            escaped += attribute ? QStringLiteral(">") : QStringLiteral("&gt;");
            break;
        case '"':
            escaped += quote == QLatin1Char('"') ? QStringLiteral("&quot;") : QStringLiteral("\"");
            break;
        case '\'':
            escaped += quote == QLatin1Char('\'') ? QStringLiteral("&apos;") : QStringLiteral("'");
            break;
        case '\t':
            escaped += attribute ? QStringLiteral("&#9;") : QStringLiteral("\t");
            break;
        case '\n':
            escaped += attribute ? QStringLiteral("&#10;") : QStringLiteral("\n");
            break;
        case '\r':
            escaped += QLatin1String("&#13;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

namespace {

class Editor
{
public:
    explicit Editor(const QString& source, QChar quote)
        : text(source)
        , defaultQuote(quote)
    {
    }

    // The value of `field` in the element at `span` becomes `value`.
    Edit change(const ElementSpan& span, const ReceptField& field, const QString& value) const
    {
        if (field.place == ReceptField::Place::Attribute) {
            if (span.valueStart >= 0)
                return {span.valueStart, span.valueEnd, xmlEscaped(value, span.quote)};
            // "Value" comes first, where a new element has it.
            const QChar quote = quoteOf(span);
            return {span.nameEnd, span.nameEnd, QStringLiteral(" Value=") + quote + xmlEscaped(value, quote) + quote};
        }
        if (span.holdsMarkup) // kept whole: a new element after it gives the value
            return insertAfter(span, field, value);
        if (span.valueStart >= 0)
            return {span.valueStart, span.valueEnd, xmlEscaped(value, QChar())};
        const int slash = int(text.lastIndexOf(QLatin1Char('/'), span.end - 1));
        return {slash, span.end,
                QLatin1Char('>') + xmlEscaped(value, QChar()) + QStringLiteral("</") + nameOf(span) + QLatin1Char('>')};
    }

    // A new element for `field` with `value` after the element at `anchor`, in its style: the
    // blanks and line end before it, its quote, its empty-element tag.
    Edit insertAfter(const ElementSpan& anchor, const ReceptField& field, const QString& value) const
    {
        int blanks = anchor.start;
        while (blanks > 0 && isXmlSpace(text.at(blanks - 1)))
            --blanks;
        const QChar quote = quoteOf(anchor);
        const bool spaced = anchor.selfClosing && anchor.end >= 3 && isXmlSpace(text.at(anchor.end - 3));
        const QString tag = QString::fromLatin1(field.tag);
        QString element = QLatin1Char('<') + tag + QStringLiteral(" Value=") + quote;
        if (field.place == ReceptField::Place::Attribute) {
            element += xmlEscaped(value, quote) + quote + (spaced ? QStringLiteral(" />") : QStringLiteral("/>"));
        } else {
            element += QString::number(field.slot) + quote + QLatin1Char('>') + xmlEscaped(value, QChar())
                + QStringLiteral("</") + tag + QLatin1Char('>');
        }
        return {anchor.end, anchor.end, text.mid(blanks, anchor.start - blanks) + element};
    }

private:
    QChar quoteOf(const ElementSpan& span) const { return span.quote.isNull() ? defaultQuote : span.quote; }
    QString nameOf(const ElementSpan& span) const { return text.mid(span.start + 1, span.nameEnd - span.start - 1); }

    const QString& text;
    QChar defaultQuote;
};

} // namespace

QByteArray ReceptsDocument::bytesWith(const std::vector<Recept>& records) const
{
    const Editor editor(text, defaultQuote);
    std::vector<Edit> edits;
    const std::vector<ReceptField>& fields = receptFields();
    for (size_t i = 0; i < records.size() && i < asRead.size(); ++i) {
        const Record& record = spans[i];
        const ElementSpan* anchor = &record.id; // the last field before the one at hand
        for (const ReceptField& field : fields) {
            const auto found = record.fields.constFind(field.key());
            const bool present = found != record.fields.cend();
            const QString value = field.valueIn(records[i]);
            if (value != field.valueIn(asRead[i]))
                edits.push_back(present ? editor.change(*found, field, value)
                                        : editor.insertAfter(*anchor, field, value));
            // Only a sibling of the "ID" fills the record when read again.
            if (present && found->parent == record.id.parent && found->end > anchor->end)
                anchor = &*found;
        }
    }
    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.start < b.start; });
    QString edited;
    edited.reserve(text.size() + text.size() / 64);
    int from = 0;
    for (const Edit& edit : edits) {
        if (edit.start < from)
            continue; // inside an element that another edit replaced
        edited += QStringView(text).mid(from, edit.start - from);
        edited += edit.text;
        from = edit.end;
    }
    edited += QStringView(text).mid(from);
    return encodeXml(edited, encoding);
}
