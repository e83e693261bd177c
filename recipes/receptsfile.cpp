#include "recipes/receptsfile.h"

#include <QDomNamedNodeMap>
#include <QDomNode>
#include <QCoreApplication>
#include <QStringView>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QString IdTag = QStringLiteral("ID");
const QString NameTag = QStringLiteral("Name");
const QString FullNameTag = QStringLiteral("FullName");
const QString SugarTag = QString::fromLatin1(SugarTagName);
const QString WaterTag = QString::fromLatin1(WaterTagName);
const QString ComponentTag = QString::fromLatin1(ComponentTagName);
const QString IngridientRashodTag = QString::fromLatin1(IngridientRashodTagName);
const QString IngridientWaterTag = QString::fromLatin1(IngridientWaterTagName);
const QString ValueAttribute = QStringLiteral("Value");

bool isXmlChar(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// The serializer writes any character as it stands, and a name with a control character
// (pasted into a line edit) would give a file that no XML parser reads back: every recipe
// in it would be lost to the program. Such characters are left out instead.
QString xmlSafe(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            safe += c;
            safe += text.at(++i);
        } else if (!c.isSurrogate() && isXmlChar(c.unicode())) {
            safe += c;
        }
    }
    return safe;
}

bool isSlotTag(const QString& tag)
{
    return tag == ComponentTag || tag == IngridientRashodTag || tag == IngridientWaterTag;
}

// The slot number of a slot element, -1 when it is none of 0 to 3.
int slotOf(const QDomElement& element)
{
    const int number = element.attribute(ValueAttribute).toInt(nullptr, 10);
    return number >= 0 && number < Recept::SlotCount ? number : -1;
}

// Whether the walk fills a record from `element` (or makes one, for "ID").
bool isField(const QDomElement& element)
{
    const QString tag = element.tagName();
    if (tag == IdTag || tag == NameTag || tag == FullNameTag || tag == SugarTag || tag == WaterTag)
        return true;
    return isSlotTag(tag) && slotOf(element) >= 0;
}

// Whether `node` or anything inside it is a field. Such a node is never kept as markup: read
// again, it would fill the records a second time.
bool holdsField(const QDomNode& node)
{
    std::vector<QDomNode> open{node};
    while (!open.empty()) {
        const QDomNode next = open.back();
        open.pop_back();
        if (next.isElement() && isField(next.toElement()))
            return true;
        for (QDomNode child = next.firstChild(); !child.isNull(); child = child.nextSibling())
            open.push_back(child);
    }
    return false;
}

// How many levels of elements `node` holds, itself included.
int elementLevels(const QDomNode& node)
{
    int levels = 0;
    std::vector<std::pair<QDomNode, int>> open{{node, 1}};
    while (!open.empty()) {
        const auto [next, level] = open.back();
        open.pop_back();
        if (!next.isElement())
            continue;
        levels = std::max(levels, level);
        for (QDomNode child = next.firstChild(); !child.isNull(); child = child.nextSibling())
            open.emplace_back(child, level + 1);
    }
    return levels;
}

bool hasIdChild(const QDomNode& node)
{
    for (QDomElement child = node.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.tagName() == IdTag)
            return true;
    }
    return false;
}

// Parses `text` into `doc`. The format has no namespaces: a prefix is just part of a name.
bool readDocument(const QString& text, QDomDocument& doc, ReceptsFileError* error)
{
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    QString message;
    int line = 0;
    int column = 0;
    if (!doc.setContent(&reader, false, &message, &line, &column)) {
        if (error)
            *error = {ReceptsFileError::Kind::NotWellFormed, message, line, column};
        return false;
    }
    return true;
}

// The node as XML markup, with neither line breaks nor indentation of its own.
QString markupOf(const QDomNode& node)
{
    QString markup;
    QTextStream stream(&markup);
    node.save(stream, -1);
    stream.flush();
    return markup;
}

// Whether the markup of a node reads back as itself. The reader takes in a few things that its
// serializer writes otherwise: a node with them would change with every save.
bool readsBack(const QString& markup)
{
    QDomDocument holder;
    if (!readDocument(QStringLiteral("<kept>") + markup + QStringLiteral("</kept>"), holder, nullptr))
        return false;
    QString again;
    for (QDomNode node = holder.documentElement().firstChild(); !node.isNull(); node = node.nextSibling())
        again += markupOf(node);
    return again == markup;
}

// A kept node that goes back as its text in the file: an element, comment or instruction.
// Anything else is kept as markup (text, CDATA).
bool isSourceText(const QString& kept)
{
    return kept.startsWith(QLatin1Char('<')) && !kept.startsWith(QLatin1String("<![CDATA["));
}

bool isText(const QString& kept)
{
    return !kept.startsWith(QLatin1Char('<'));
}

// Where the nodes of a file stand in its text, found by the stream reader. Elements are
// numbered in document order from the document element; comments and instructions from the
// first inside it, the order in which the DOM holds them.
struct SourceMap
{
    struct Span
    {
        int start;
        int end;
    };
    QString text;
    std::vector<Span> elements;
    std::vector<XmlAttributes> attributes; // of each element, in the file's order
    std::vector<Span> comments;
    std::vector<Span> instructions;
    QString declaration;

    QString textOf(const Span& span) const { return text.mid(span.start, span.end - span.start); }
};

// The position of a node of each kind in a walk in document order.
struct Ordinals
{
    int elements = 1; // the document element is 0
    int comments = 0;
    int instructions = 0;

    // Counts `node` and returns its number among its kind (-1 for other kinds).
    int count(const QDomNode& node)
    {
        if (node.isElement())
            return elements++;
        if (node.isComment())
            return comments++;
        if (node.isProcessingInstruction())
            return instructions++;
        return -1;
    }

    // Counts everything inside `node`.
    void countInside(const QDomNode& node)
    {
        std::vector<QDomNode> open;
        for (QDomNode child = node.lastChild(); !child.isNull(); child = child.previousSibling())
            open.push_back(child);
        while (!open.empty()) {
            const QDomNode next = open.back();
            open.pop_back();
            count(next);
            for (QDomNode child = next.lastChild(); !child.isNull(); child = child.previousSibling())
                open.push_back(child);
        }
    }
};

// The node's text in the file when it has one there, else its markup.
QString sourceTextOf(const QDomNode& node, int ordinal, const SourceMap* source)
{
    if (!source || ordinal < 0)
        return markupOf(node);
    const auto at = static_cast<size_t>(ordinal);
    if (node.isElement() && at < source->elements.size())
        return source->textOf(source->elements[at]);
    if (node.isComment() && at < source->comments.size())
        return source->textOf(source->comments[at]);
    if (node.isProcessingInstruction() && at < source->instructions.size())
        return source->textOf(source->instructions[at]);
    return markupOf(node);
}

QString nodeKind(const QDomNode& node)
{
    if (node.isCDATASection())
        return QStringLiteral("CDATA");
    if (node.isText())
        return QStringLiteral("text \"%1\"").arg(node.nodeValue().trimmed().left(20));
    return node.nodeName();
}

// Appends a kept node to `nodes`. Texts that end up side by side (a field stood between
// them) are one text when read again, and so are kept as one. Markup that would not read back
// as itself is named in `dropped` instead.
void keepNode(QStringList& nodes, const QDomNode& node, int ordinal, const SourceMap* source, QStringList& dropped)
{
    const bool fromSource = source && ordinal >= 0;
    const QString markup = sourceTextOf(node, ordinal, source);
    if (!fromSource && !readsBack(markup)) {
        dropped.append(nodeKind(node));
        return;
    }
    if (isText(markup) && !nodes.isEmpty() && isText(nodes.last()))
        nodes.last() += markup;
    else
        nodes.append(markup);
}

KeptRecept& keptRecept(KeptContent& kept, int index)
{
    if (kept.recepts.size() <= static_cast<size_t>(index))
        kept.recepts.resize(static_cast<size_t>(index) + 1);
    return kept.recepts[static_cast<size_t>(index)];
}

XmlAttributes attributesOf(const QDomElement& element, int ordinal, const SourceMap* source)
{
    if (source && ordinal >= 0 && static_cast<size_t>(ordinal) < source->attributes.size())
        return source->attributes[static_cast<size_t>(ordinal)];
    XmlAttributes attributes;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i) {
        const QDomAttr attribute = map.item(i).toAttr();
        attributes.append({attribute.name(), attribute.value()});
    }
    return attributes;
}

bool hasOthersThanValue(const XmlAttributes& attributes)
{
    return std::any_of(attributes.cbegin(), attributes.cend(),
                       [](const auto& attribute) { return attribute.first != ValueAttribute; });
}

// `from` over `into`: a name already there takes the new value in its place.
void mergeAttributes(XmlAttributes& into, const XmlAttributes& from)
{
    for (const auto& attribute : from) {
        const auto same = std::find_if(into.begin(), into.end(),
                                       [&attribute](const auto& old) { return old.first == attribute.first; });
        if (same == into.end())
            into.append(attribute);
        else
            same->second = attribute.second;
    }
}

// A number field's value: the number when its text is a whole number written as the writer
// writes it, else 0 with the text kept in the record.
int numberOf(const QString& text, Recept& recept, const QString& key)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    if (ok && QString::number(number) == text) {
        recept.storedTexts.remove(key);
        return number;
    }
    recept.storedTexts.insert(key, text);
    return 0;
}

// Applies one element to the records. `current` is the position of the record that the
// fields go to among the element's siblings. `attributes` are the element's own.
void applyElement(const QDomElement& element, const XmlAttributes& attributes, std::vector<Recept>& records,
                  int& current, KeptContent* kept)
{
    const QString tag = element.tagName();
    const QString value = element.attribute(ValueAttribute);
    const int count = static_cast<int>(records.size());

    if (tag == IdTag) {
        // The fields after an "ID" fill the record it has just made, whatever its value: going
        // by the value, a second "ID" 0 would fill the first record again and leave its own
        // empty, and a save would lose a recipe.
        records.emplace_back();
        records.back().id = value;
        current = count;
    } else if (current < 0 || current >= count || !isField(element)) {
        return; // a field before any record, or no field: nothing to fill
    }
    Recept& recept = records[static_cast<size_t>(current)];
    const int slot = isSlotTag(tag) ? slotOf(element) : -1;
    const QString key = fieldKey(tag, slot);

    if (tag == NameTag) {
        recept.shortName = value;
    } else if (tag == FullNameTag) {
        recept.fullName = value;
    } else if (tag == SugarTag) {
        recept.sugarRashod = numberOf(value, recept, key);
    } else if (tag == WaterTag) {
        recept.waterRashod = numberOf(value, recept, key);
    } else if (slot >= 0) {
        const int amount = numberOf(element.text(), recept, key);
        const auto index = static_cast<size_t>(slot);
        if (tag == ComponentTag)
            recept.component[index] = amount;
        else if (tag == IngridientRashodTag)
            recept.ingridientRashod[index] = amount;
        else
            recept.ingridientWater[index] = amount;
    }
    if (kept && hasOthersThanValue(attributes)) {
        XmlAttributes withValue = attributes;
        if (!element.hasAttribute(ValueAttribute))
            withValue.prepend({ValueAttribute, QString()}); // in front, as it is written
        for (auto& attribute : withValue) {
            if (attribute.first == ValueAttribute)
                attribute.second.clear(); // the field's value is the record's
        }
        mergeAttributes(keptRecept(*kept, current).fieldAttributes[key], withValue);
    }
}

// Checks well-formedness and nesting depth with the stream reader alone, before any
// document is built: a deep document would exhaust the stack in the DOM's recursive code
// and take minutes to build. Entity declarations are refused too: each reference of an
// entity just under the reader's expansion limit multiplies a small file into gigabytes.
// The "ID" elements are counted here as well, since each of them makes a record.
// The format has no namespaces: a prefix is just part of a name, declared or not.
// With `source`, notes where the nodes stand in `text`.
bool checkStructure(const QString& text, ReceptsFileError* error, SourceMap* source)
{
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    int ids = 0;
    int end = 0; // of the token before
    std::vector<size_t> openElements;
    auto refuse = [&reader, error](ReceptsFileError::Kind kind) {
        if (error)
            *error = {kind, QString(), reader.lineNumber(), reader.columnNumber()};
        return false;
    };
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        const int start = end;
        end = int(reader.characterOffset());
        if (token == QXmlStreamReader::DTD && !reader.entityDeclarations().isEmpty())
            return refuse(ReceptsFileError::Kind::Entities);
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > MaxReceptsFileDepth)
                return refuse(ReceptsFileError::Kind::TooDeep);
            if (reader.qualifiedName() == IdTag && ++ids > MaxReceptsCount)
                return refuse(ReceptsFileError::Kind::TooMany);
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
        if (!source)
            continue;
        // A text takes in the "<" of the markup after it.
        if (token == QXmlStreamReader::StartDocument && !reader.documentVersion().isEmpty()) {
            source->declaration = text.left(end);
        } else if (token == QXmlStreamReader::StartElement) {
            openElements.push_back(source->elements.size());
            source->elements.push_back({int(text.lastIndexOf(QLatin1Char('<'), end - 1)), end});
            XmlAttributes attributes;
            const QXmlStreamAttributes inFile = reader.attributes();
            for (const QXmlStreamAttribute& attribute : inFile)
                attributes.append({attribute.qualifiedName().toString(), attribute.value().toString()});
            source->attributes.push_back(attributes);
        } else if (token == QXmlStreamReader::EndElement && !openElements.empty()) {
            source->elements[openElements.back()].end = end;
            openElements.pop_back();
        } else if (token == QXmlStreamReader::Comment && depth > 0) {
            source->comments.push_back({int(text.indexOf(QLatin1String("<!--"), std::max(start - 1, 0))), end});
        } else if (token == QXmlStreamReader::ProcessingInstruction && depth > 0) {
            source->instructions.push_back({int(text.indexOf(QLatin1String("<?"), std::max(start - 1, 0))), end});
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

// Appends the nodes of the kept markup to `parent`.
void appendMarkup(QDomDocument& doc, QDomNode parent, const QString& markup)
{
    QDomDocument holder;
    if (markup.isEmpty() || !readDocument(QStringLiteral("<kept>") + markup + QStringLiteral("</kept>"), holder, nullptr))
        return; // it reads: it was written from a document
    for (QDomNode node = holder.documentElement().firstChild(); !node.isNull(); node = node.nextSibling())
        parent.appendChild(doc.importNode(node, true));
}

// Placeholders for what goes back as its text in the file: the DOM would indent it anew, and
// writes attributes in an order of its own. They are replaced in the serialized document.
// The markup "<" only ever starts markup there: texts and values have theirs escaped.
const QString PiecePrefix = QStringLiteral("quellaro-piece ");
const QString PieceAttribute = QStringLiteral("quellaro-attributes");

// An attribute value escaped so that it reads back as itself.
QString escapedValue(const QString& value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '&': escaped += QLatin1String("&amp;"); break;
        case '<': escaped += QLatin1String("&lt;"); break;
        case '>': escaped += QLatin1String("&gt;"); break;
        case '"': escaped += QLatin1String("&quot;"); break;
        case '\t': escaped += QLatin1String("&#9;"); break;
        case '\n': escaped += QLatin1String("&#10;"); break;
        case '\r': escaped += QLatin1String("&#13;"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

// The attributes of a field or recipe element in their order; "Value" gets `value`, and is
// left out when that is empty.
QString attributeText(const XmlAttributes& attributes, const QString* value)
{
    QString text;
    for (const auto& [name, old] : attributes) {
        const bool isValue = value && name == ValueAttribute;
        if (isValue && value->isEmpty())
            continue;
        text += QLatin1Char(' ') + name + QStringLiteral("=\"") + escapedValue(isValue ? *value : old)
            + QLatin1Char('"');
    }
    return text;
}

// One field element of a recipe as the writer writes it.
struct WrittenField
{
    QString tag;
    QString key; // fieldKey()
    QString value; // of "Value", left out when empty
    QString text;
};

// The field elements of the record at `position`, in the order they are written.
std::vector<WrittenField> writtenFields(const Recept& recept, size_t position)
{
    std::vector<WrittenField> fields;
    auto field = [&fields](const QString& tag, int slot, const QString& value, const QString& text) {
        fields.push_back({tag, fieldKey(tag, slot), value, text});
    };
    auto number = [&recept](const QString& key, int value) {
        return recept.storedTexts.value(key, QString::number(value));
    };
    field(IdTag, -1, recept.id.value_or(QString::number(position)), QString());
    field(NameTag, -1, xmlSafe(recept.shortName), QString());
    field(FullNameTag, -1, xmlSafe(recept.fullName), QString());
    field(SugarTag, -1, number(SugarTag, recept.sugarRashod), QString());
    field(WaterTag, -1, number(WaterTag, recept.waterRashod), QString());
    for (int k = 0; k < Recept::SlotCount; ++k) {
        const QString slot = QString::number(k);
        const auto index = static_cast<size_t>(k);
        field(ComponentTag, k, slot, number(fieldKey(ComponentTag, k), recept.component[index]));
        field(IngridientRashodTag, k, slot, number(fieldKey(IngridientRashodTag, k), recept.ingridientRashod[index]));
        field(IngridientWaterTag, k, slot, number(fieldKey(IngridientWaterTag, k), recept.ingridientWater[index]));
    }
    return fields;
}

// A field left with no value is written without "Value", and read again its kept attributes
// get "Value" in front, where the reader puts one it did not find. They are put so now, so that
// what is kept does not change with a save.
void placeEmptyValues(const std::vector<Recept>& records, KeptContent& kept)
{
    for (size_t i = 0; i < records.size() && i < kept.recepts.size(); ++i) {
        QMap<QString, XmlAttributes>& attributes = kept.recepts[i].fieldAttributes;
        for (const WrittenField& field : writtenFields(records[i], i)) {
            const auto found = attributes.find(field.key);
            if (!field.value.isEmpty() || found == attributes.end())
                continue;
            XmlAttributes& list = *found;
            const auto value = std::find_if(list.begin(), list.end(),
                                            [](const auto& attribute) { return attribute.first == ValueAttribute; });
            if (value != list.end())
                std::rotate(list.begin(), value, value + 1);
        }
    }
}

// Builds the recipes document, with kept content as placeholders when `pieces` is given.
class DocumentBuilder
{
public:
    DocumentBuilder(const KeptContent* kept, QStringList* placeholders)
        : extra(kept ? *kept : nothing)
        , pieces(placeholders)
    {
    }

    QDomDocument build(const std::vector<Recept>& records)
    {
        QDomElement root = doc.createElement(QStringLiteral("Recepts"));
        doc.appendChild(root);
        for (size_t i = 0; i < records.size(); ++i) {
            appendKept(root, between(i));
            appendRecept(root, records[i], i);
        }
        appendKept(root, between(records.size()));
        return doc;
    }

private:
    const QStringList& between(size_t i) const { return i < extra.between.size() ? extra.between[i] : noNodes; }

    void appendKept(QDomNode parent, const QStringList& nodes)
    {
        for (const QString& node : nodes) {
            if (pieces && isSourceText(node)) {
                parent.appendChild(doc.createComment(PiecePrefix + QString::number(pieces->size())));
                pieces->append(node);
            } else {
                appendMarkup(doc, parent, node);
            }
        }
    }

    void setAttributes(QDomElement& element, const XmlAttributes& attributes, const QString* value)
    {
        if (attributes.isEmpty())
            return;
        if (pieces) {
            element.setAttribute(PieceAttribute, QString::number(pieces->size()));
            pieces->append(attributeText(attributes, value));
            return;
        }
        for (const auto& [name, old] : attributes) {
            if (!value || name != ValueAttribute)
                element.setAttribute(name, old);
            else if (!value->isEmpty())
                element.setAttribute(name, *value);
        }
    }

    void appendRecept(QDomElement& root, const Recept& recept, size_t i)
    {
        const KeptRecept& keptHere = i < extra.recepts.size() ? extra.recepts[i] : noRecept;
        QDomElement element = doc.createElement(recept.elementName.isEmpty() ? QStringLiteral("Recept_") + QString::number(i)
                                                                              : recept.elementName);
        setAttributes(element, keptHere.attributes, nullptr);
        root.appendChild(element);
        for (const WrittenField& field : writtenFields(recept, i)) {
            const auto attributes = keptHere.fieldAttributes.constFind(field.key);
            QDomElement made = attributes == keptHere.fieldAttributes.cend()
                ? makeElement(doc, field.tag, field.value, field.text)
                : makeElement(doc, field.tag, QString(), field.text);
            if (attributes != keptHere.fieldAttributes.cend())
                setAttributes(made, *attributes, &field.value);
            element.appendChild(made);
        }
        appendKept(element, keptHere.children);
    }

    QDomDocument doc{QStringLiteral("Recepts")};
    const KeptContent nothing;
    const KeptContent& extra;
    const KeptRecept noRecept;
    const QStringList noNodes;
    QStringList* pieces;
};

// The decimal number in `text` from `from` up to `to`.
int numberIn(const QString& text, int from, int to)
{
    int number = 0;
    for (int i = from; i < to; ++i)
        number = number * 10 + text.at(i).digitValue();
    return number;
}

// The serialized document with its placeholders replaced by their pieces.
QString withPieces(const QString& serialized, const QStringList& pieces)
{
    if (pieces.isEmpty())
        return serialized;
    const QString commentStart = QStringLiteral("<!--") + PiecePrefix;
    const QString attributeStart = QLatin1Char(' ') + PieceAttribute + QStringLiteral("=\"");
    QString result;
    result.reserve(serialized.size() + serialized.size() / 4);
    int from = 0;
    for (int at = int(serialized.indexOf(QLatin1Char('<'))); at >= 0; at = int(serialized.indexOf(QLatin1Char('<'), from))) {
        result += QStringView(serialized).mid(from, at - from);
        from = at;
        if (serialized.mid(at, 9) == QLatin1String("<![CDATA[")) {
            const int end = int(serialized.indexOf(QLatin1String("]]>"), at)) + 3;
            result += QStringView(serialized).mid(at, end - at);
            from = end;
        } else if (QStringView(serialized).mid(at).startsWith(commentStart)) {
            const int numberAt = at + int(commentStart.size());
            const int end = int(serialized.indexOf(QLatin1String("-->"), numberAt));
            result += pieces.value(numberIn(serialized, numberAt, end));
            from = end + 3;
        } else {
            int nameEnd = at + 1;
            while (nameEnd < serialized.size() && !serialized.at(nameEnd).isSpace() && serialized.at(nameEnd) != QLatin1Char('>')
                   && serialized.at(nameEnd) != QLatin1Char('/'))
                ++nameEnd;
            result += QStringView(serialized).mid(at, nameEnd - at);
            from = nameEnd;
            if (QStringView(serialized).mid(nameEnd).startsWith(attributeStart)) {
                const int numberAt = nameEnd + int(attributeStart.size());
                const int end = int(serialized.indexOf(QLatin1Char('"'), numberAt));
                result += pieces.value(numberIn(serialized, numberAt, end));
                from = end + 1;
            }
        }
    }
    result += QStringView(serialized).mid(from);
    return result;
}

void traverse(const QDomNode& node, std::vector<Recept>& records, KeptContent* kept, const SourceMap* source);

// Keeps the name of a recipe's element unless it is the one the writer gives it anyway, or a
// field's tag: written under the document element, that would read as a field.
void nameRecord(std::vector<Recept>& records, int index, const QString& name)
{
    const bool fieldTag = name == IdTag || name == NameTag || name == FullNameTag || name == SugarTag
        || name == WaterTag || isSlotTag(name);
    if (!fieldTag && name != QStringLiteral("Recept_") + QString::number(index))
        records[static_cast<size_t>(index)].elementName = name;
}

} // namespace

QDomElement makeElement(QDomDocument& doc, const QString& name, const QString& value, const QString& text)
{
    QDomElement element = doc.createElement(name);
    if (!value.isEmpty())
        element.setAttribute(ValueAttribute, value);
    if (!text.isEmpty())
        element.appendChild(doc.createTextNode(text));
    return element;
}

QDomDocument receptsDocument(const std::vector<Recept>& records, const KeptContent* kept)
{
    return DocumentBuilder(kept, nullptr).build(records);
}

QByteArray receptsFileBytes(const std::vector<Recept>& records, const KeptContent* kept)
{
    QStringList pieces;
    QString text = withPieces(DocumentBuilder(kept, &pieces).build(records).toString(1), pieces);
    if (kept && !kept->declaration.isEmpty())
        text.prepend(kept->declaration + QLatin1Char('\n'));
    return encodeXml(text, kept ? kept->encoding : XmlEncoding());
}

void traverseReceptNodes(const QDomNode& node, std::vector<Recept>& records, KeptContent* kept)
{
    traverse(node, records, kept, nullptr);
}

namespace {

void traverse(const QDomNode& node, std::vector<Recept>& records, KeptContent* kept, const SourceMap* source)
{
    // What is kept of a parent's children: in the document element, what stands between the
    // recipes; in a recipe's element (one with an "ID" child), what it holds beyond the fields,
    // for the record of its first "ID". Elsewhere nothing is kept: the file is not of the
    // writer's shape, and the fields inside are saved in that shape.
    enum class Role { Top, Recipe, Other };
    // One frame per open parent: its next child to visit and its own current record, which
    // starts at 0 for every parent.
    struct Frame
    {
        QDomNode next;
        int current;
        Role role;
        int owner;          // the record of a recipe's element, once its first "ID" made it
        KeptRecept pending; // kept of a recipe's element before that
        QString name;       // of a recipe's element that is a child of the document element
    };
    QStringList dropped;
    auto open = [kept, source](const QDomNode& parent, bool top, int ordinal, size_t level) {
        Frame frame{parent.firstChild(), 0, top ? Role::Top : Role::Other, -1, {}, QString()};
        if (kept && hasIdChild(parent)) {
            frame.role = Role::Recipe;
            frame.pending.attributes = attributesOf(parent.toElement(), ordinal, source);
        }
        if (hasIdChild(parent) && level == 1)
            frame.name = parent.toElement().tagName();
        return frame;
    };
    Ordinals ordinals;
    std::vector<Frame> frames;
    frames.push_back(open(node, true, 0, 0));
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.next.isNull()) {
            frames.pop_back();
            continue;
        }
        const QDomNode child = frame.next;
        frame.next = child.nextSibling();
        const int ordinal = ordinals.count(child);
        // The document element as a recipe's element: its children are written a level
        // deeper, in "Recept_0", and must stay within the nesting limit there.
        if (kept && frame.role != Role::Other && !holdsField(child)
            && (frames.size() > 1 || frame.role == Role::Top || elementLevels(child) + 2 <= MaxReceptsFileDepth)) {
            ordinals.countInside(child);
            if (frame.role == Role::Top) {
                kept->between.resize(std::max(kept->between.size(), records.size() + 1));
                keepNode(kept->between[records.size()], child, ordinal, source, dropped);
            } else if (frame.owner >= 0) {
                keepNode(keptRecept(*kept, frame.owner).children, child, ordinal, source, dropped);
            } else {
                keepNode(frame.pending.children, child, ordinal, source, dropped);
            }
            continue; // nothing inside it fills a record
        }
        if (child.isElement()) {
            const QDomElement element = child.toElement();
            applyElement(element, attributesOf(element, ordinal, source), records, frame.current, kept);
            if (element.tagName() == IdTag && frame.current >= 0)
                nameRecord(records, frame.current, frame.name);
            if (frame.role == Role::Recipe && frame.owner < 0 && element.tagName() == IdTag) {
                frame.owner = frame.current;
                KeptRecept& owner = keptRecept(*kept, frame.owner);
                mergeAttributes(owner.attributes, frame.pending.attributes);
                owner.children = frame.pending.children;
            }
        }
        if (child.hasChildNodes())
            frames.push_back(open(child, false, ordinal, frames.size())); // `frame` is not used past this point
    }
    if (kept) {
        kept->recepts.resize(records.size());
        kept->between.resize(records.size() + 1);
        kept->dropped = dropped;
        placeEmptyValues(records, *kept);
    }
}

} // namespace

bool parseReceptsFile(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error,
                      KeptContent* kept)
{
    records.clear();
    if (kept)
        *kept = KeptContent();
    SourceMap source;
    const XmlEncoding encoding = detectXmlEncoding(contents);
    if (!decodeXml(contents, encoding, &source.text)) {
        if (error)
            *error = {ReceptsFileError::Kind::NotWellFormed,
                      QCoreApplication::translate("ReceptsDialog", "The file is not valid %1 text.")
                          .arg(QString::fromLatin1(encoding.name)),
                      1, 1};
        return false;
    }
    if (!checkStructure(source.text, error, kept ? &source : nullptr))
        return false;

    QDomDocument doc;
    if (!readDocument(source.text, doc, error))
        return false;
    traverse(doc.documentElement(), records, kept, kept ? &source : nullptr);
    if (kept) {
        kept->declaration = source.declaration;
        kept->encoding = encoding;
    }
    return true;
}
