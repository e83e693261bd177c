#include "recipes/receptsfile.h"

#include "recipes/receptfields.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace {

const QString IdTag = QStringLiteral("ID");
const QString ValueAttribute = QStringLiteral("Value");

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The start tag at `at` in well-formed `text`, taken apart where the stream reader gives no
// positions: where its name ends, where it ends, and its "Value" attribute's text and quote.
ElementSpan startTagAt(const QString& text, int at)
{
    ElementSpan span;
    span.start = at;
    const int size = int(text.size());
    int i = at + 1;
    while (i < size && !isXmlSpace(text.at(i)) && text.at(i) != QLatin1Char('>') && text.at(i) != QLatin1Char('/'))
        ++i;
    span.nameEnd = i;
    while (i < size) {
        while (i < size && isXmlSpace(text.at(i)))
            ++i;
        if (i >= size || text.at(i) == QLatin1Char('>') || text.at(i) == QLatin1Char('/'))
            break;
        const int nameStart = i;
        while (i < size && !isXmlSpace(text.at(i)) && text.at(i) != QLatin1Char('='))
            ++i;
        const bool isValue = QStringView(text).mid(nameStart, i - nameStart) == ValueAttribute;
        while (i < size && text.at(i) != QLatin1Char('\'') && text.at(i) != QLatin1Char('"'))
            ++i;
        if (i >= size)
            break;
        const QChar quote = text.at(i);
        const int valueEnd = int(text.indexOf(quote, i + 1));
        if (valueEnd < 0)
            break;
        if (isValue || span.quote.isNull())
            span.quote = quote;
        if (isValue) {
            span.valueStart = i + 1;
            span.valueEnd = valueEnd;
        }
        i = valueEnd + 1;
    }
    span.selfClosing = i < size && text.at(i) == QLatin1Char('/');
    span.startTagEnd = std::min(size, i + (span.selfClosing ? 2 : 1));
    span.end = span.selfClosing ? span.startTagEnd : -1;
    return span;
}

// Whether a recipe's element with this name is written under it anyway: the writer's own name,
// or a field's tag, which written under the document element would read as a field.
bool keepsElementName(const QString& name, int index)
{
    return name != IdTag && !receptFieldOf(name, QString())
        && name != QStringLiteral("Recept_") + QString::number(index);
}

} // namespace

// Reads the file with the stream reader alone, in one pass: the records, where their values
// stand, and how much else the file holds. Depth and the number of recipes are checked as it
// goes, and entity declarations refused: each reference of an entity just under the reader's
// expansion limit multiplies a small file into gigabytes.
class ReceptsReader
{
public:
    ReceptsReader(ReceptsDocument& document, std::vector<Recept>& found)
        : doc(document)
        , records(found)
        , reader(document.text)
    {
        reader.setNamespaceProcessing(false);
    }

    static bool parse(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error,
                      ReceptsDocument* document);

    bool read(ReceptsFileError* error)
    {
        while (!reader.atEnd()) {
            const QXmlStreamReader::TokenType token = reader.readNext();
            if (token == QXmlStreamReader::DTD && !reader.entityDeclarations().isEmpty())
                return refuse(error, ReceptsFileError::Kind::Entities);
            if (token == QXmlStreamReader::StartElement && !startElement(error))
                return false;
            if (token == QXmlStreamReader::EndElement)
                endElement();
            if (token == QXmlStreamReader::Characters)
                characters();
            if ((token == QXmlStreamReader::Comment || token == QXmlStreamReader::ProcessingInstruction)
                && !frames.empty()) {
                frames.back().span.holdsMarkup = true;
                keepNode(false);
            }
        }
        if (reader.hasError()) {
            if (error)
                *error = {ReceptsFileError::Kind::NotWellFormed, reader.errorString(), reader.lineNumber(),
                          reader.columnNumber()};
            return false;
        }
        return true;
    }

private:
    // An open element.
    struct Frame
    {
        ElementSpan span;
        int current = 0; // the record its field children fill
        bool hasId = false;
        int attributes = 0;
        int others = 0; // children that hold no field
        bool holdsField = false;
        bool lastWasText = false;
        bool isId = false;
        bool holdsElements = false;
        const ReceptField* field = nullptr; // the field it gives, and the record it fills
        int record = -1;
        QString content;
    };

    bool refuse(ReceptsFileError* error, ReceptsFileError::Kind kind)
    {
        if (error)
            *error = {kind, QString(), reader.lineNumber(), reader.columnNumber()};
        return false;
    }

    // A node of the open element that the forms do not show. Texts side by side count once.
    void keepNode(bool text)
    {
        Frame& parent = frames.back();
        if (!text || !parent.lastWasText)
            ++parent.others;
        parent.lastWasText = text;
    }

    bool startElement(ReceptsFileError* error)
    {
        if (int(frames.size()) >= MaxReceptsFileDepth)
            return refuse(error, ReceptsFileError::Kind::TooDeep);
        const QString name = reader.qualifiedName().toString();
        if (name == IdTag && int(records.size()) >= MaxReceptsCount)
            return refuse(error, ReceptsFileError::Kind::TooMany);
        const int end = int(reader.characterOffset());
        Frame frame;
        frame.span = startTagAt(doc.text, int(doc.text.lastIndexOf(QLatin1Char('<'), end - 1)));
        const QXmlStreamAttributes attributes = reader.attributes();
        frame.attributes = int(attributes.size());
        if (!frames.empty()) {
            frames.back().holdsElements = true;
            frame.span.parent = frames.back().span.start;
            apply(frame, name, attributes);
        }
        frames.push_back(frame);
        return true;
    }

    void apply(Frame& frame, const QString& name, const QXmlStreamAttributes& attributes)
    {
        Frame& parent = frames.back();
        const QString value = attributes.value(ValueAttribute).toString();
        const int count = int(records.size());
        const ReceptField* field = name == IdTag ? nullptr : receptFieldOf(name, value);
        if (name == IdTag) {
            // The fields after an "ID" fill the record it has just made, whatever its value: going
            // by the value, a second "ID" 0 would fill the first record again and leave its own
            // empty, and a save would lose a recipe.
            records.emplace_back();
            records.back().id = value;
            doc.spans.emplace_back();
            doc.spans.back().id = frame.span;
            frame.isId = true;
            frame.record = count;
            parent.current = count;
            parent.hasId = true;
            if (frames.size() == 2) // the recipe's element is a child of the document element
                nameRecord(doc.text.mid(parent.span.start + 1, parent.span.nameEnd - parent.span.start - 1));
            if (count == 0)
                doc.defaultQuote = frame.span.quote.isNull() ? QChar(QLatin1Char('"')) : frame.span.quote;
        } else if (!field || parent.current >= count) {
            return; // no field, or a field before any record
        } else {
            frame.field = field;
            frame.record = parent.current;
            // An attribute's value counts as the element starts, so that fields inside it
            // come after it.
            if (field->place == ReceptField::Place::Attribute) {
                field->setFrom(records[size_t(parent.current)], value);
                doc.spans[size_t(parent.current)].fields.insert(field->key(), frame.span);
            }
        }
        frame.holdsField = true;
        doc.kept += int(attributes.size()) - (attributes.hasAttribute(ValueAttribute) ? 1 : 0);
    }

    void nameRecord(const QString& name)
    {
        const int index = int(records.size()) - 1;
        if (keepsElementName(name, index))
            records.back().elementName = name;
    }

    // Notes where a field element ends, unless a field of the same key inside it gave the value.
    void finishField(const Frame& frame, bool content)
    {
        if (frame.record < 0)
            return;
        ReceptsDocument::Record& spans = doc.spans[size_t(frame.record)];
        if (frame.isId) {
            spans.id = frame.span;
        } else if (content) {
            // A slot element holding elements is no field: its text would change with any
            // edit of what it holds.
            if (frame.holdsElements)
                return;
            frame.field->setFrom(records[size_t(frame.record)], frame.content);
            spans.fields.insert(frame.field->key(), frame.span);
        } else {
            const auto found = spans.fields.find(frame.field->key());
            if (found != spans.fields.end() && found->start == frame.span.start)
                *found = frame.span;
        }
    }

    void characters()
    {
        for (Frame& frame : frames) {
            if (frame.field && frame.field->place == ReceptField::Place::Content)
                frame.content += reader.text();
        }
        if (!reader.isWhitespace())
            keepNode(!reader.isCDATA());
    }

    void endElement()
    {
        Frame frame = std::move(frames.back());
        frames.pop_back();
        const bool content = frame.field && frame.field->place == ReceptField::Place::Content;
        if (frame.span.end < 0) {
            frame.span.end = int(reader.characterOffset());
            if (content && !frame.span.holdsMarkup) {
                frame.span.valueStart = frame.span.startTagEnd;
                frame.span.valueEnd = int(doc.text.lastIndexOf(QLatin1String("</"), frame.span.end - 1));
            }
        } else if (content) {
            frame.span.valueStart = frame.span.valueEnd = -1; // an empty-element tag: no content to replace
        }
        finishField(frame, content);
        if (frame.hasId || frames.empty())
            doc.kept += frame.others + (frame.hasId ? frame.attributes : 0);
        if (frames.empty())
            return;
        Frame& parent = frames.back();
        if (frame.holdsField)
            parent.holdsField = true;
        else
            keepNode(false);
        parent.lastWasText = false;
    }

    ReceptsDocument& doc;
    std::vector<Recept>& records;
    QXmlStreamReader reader;
    std::vector<Frame> frames;
};

bool parseReceptsFile(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error,
                      ReceptsDocument* document)
{
    return ReceptsReader::parse(contents, records, error, document);
}

bool ReceptsReader::parse(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error,
                          ReceptsDocument* document)
{
    records.clear();
    ReceptsDocument read;
    read.encoding = detectXmlEncoding(contents);
    if (!decodeXml(contents, read.encoding, &read.text)) {
        if (error)
            *error = {ReceptsFileError::Kind::NotWellFormed,
                      QCoreApplication::translate("ReceptsDialog", "The file is not valid %1 text.")
                          .arg(QString::fromLatin1(read.encoding.name)),
                      1, 1};
        if (document)
            *document = ReceptsDocument();
        return false;
    }
    if (!ReceptsReader(read, records).read(error)) {
        records.clear();
        if (document)
            *document = ReceptsDocument();
        return false;
    }
    if (document) {
        read.asRead = records;
        *document = std::move(read);
    }
    return true;
}

namespace {

// One field element of a new file, as "  <Tag .../>\n".
QString newFieldElement(const QString& tag, const QString& value, const QString& content, bool hasContent)
{
    const QChar quote = QLatin1Char('"');
    QString element = QStringLiteral("  <") + tag;
    if (!value.isEmpty())
        element += QStringLiteral(" Value=\"") + xmlEscaped(value, quote) + quote;
    if (!hasContent || content.isEmpty())
        return element + QStringLiteral("/>\n");
    return element + QLatin1Char('>') + xmlEscaped(content, QChar()) + QStringLiteral("</") + tag
        + QStringLiteral(">\n");
}

} // namespace

QByteArray receptsFileBytes(const std::vector<Recept>& records, const ReceptsDocument* document)
{
    if (document)
        return document->bytesWith(records);
    QString text = QStringLiteral("<!DOCTYPE Recepts>\n");
    text += records.empty() ? QStringLiteral("<Recepts/>\n") : QStringLiteral("<Recepts>\n");
    for (size_t i = 0; i < records.size(); ++i) {
        const Recept& recept = records[i];
        const QString name =
            recept.elementName.isEmpty() ? QStringLiteral("Recept_") + QString::number(i) : recept.elementName;
        text += QStringLiteral(" <") + name + QStringLiteral(">\n");
        text += newFieldElement(IdTag, recept.id.value_or(QString::number(i)), QString(), false);
        for (const ReceptField& field : receptFields()) {
            const QString tag = QString::fromLatin1(field.tag);
            if (field.place == ReceptField::Place::Attribute)
                text += newFieldElement(tag, field.valueIn(recept), QString(), false);
            else
                text += newFieldElement(tag, QString::number(field.slot), field.valueIn(recept), true);
        }
        text += QStringLiteral(" </") + name + QStringLiteral(">\n");
    }
    if (!records.empty())
        text += QStringLiteral("</Recepts>\n");
    return encodeXml(text, XmlEncoding());
}
