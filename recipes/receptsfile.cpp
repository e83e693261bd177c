#include "recipes/receptsfile.h"

#include <QDomNamedNodeMap>
#include <QDomNode>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QString IdTag = QStringLiteral("ID");
const QString NameTag = QStringLiteral("Name");
const QString FullNameTag = QStringLiteral("FullName");
const QString SugarTag = QStringLiteral("Sugar");
const QString WaterTag = QStringLiteral("Water");
const QString ComponentTag = QStringLiteral("Component");
const QString IngridientRashodTag = QStringLiteral("IngridientRashod");
const QString IngridientWaterTag = QStringLiteral("IngridientWater");
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

XmlAttributes attributesOf(const QDomElement& element, bool withValue)
{
    XmlAttributes attributes;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i) {
        const QDomAttr attribute = map.item(i).toAttr();
        if (withValue || attribute.name() != ValueAttribute)
            attributes.insert(attribute.name(), attribute.value());
    }
    return attributes;
}

// Parses `contents` into `doc`. The format has no namespaces: a prefix is just part of a name.
bool readDocument(const QByteArray& contents, QDomDocument& doc, ReceptsFileError* error)
{
    QXmlStreamReader reader(contents);
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

bool followsInstruction(const QDomNode& node)
{
    return node.nodeType() == QDomNode::TextNode && node.previousSibling().isProcessingInstruction();
}

// The serializer writes a line break after each processing instruction, which a text right
// after it takes in when read again: saved over and over, it would grow by a line each time.
// That line break is taken off such texts wherever kept content is read.
void dropBreakAfterInstruction(const QDomNode& node)
{
    QDomText text = node.toText();
    if (text.data().startsWith(QLatin1Char('\n')))
        text.setData(text.data().mid(1));
}

// In everything inside `node`, which is not itself looked at.
void dropBreaksAfterInstructions(const QDomNode& node)
{
    std::vector<QDomNode> open;
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
        open.push_back(child);
    while (!open.empty()) {
        const QDomNode next = open.back();
        open.pop_back();
        if (followsInstruction(next))
            dropBreakAfterInstruction(next);
        for (QDomNode child = next.firstChild(); !child.isNull(); child = child.nextSibling())
            open.push_back(child);
    }
}

// The node as XML markup, with neither line breaks nor indentation of its own: the writer
// indents it in place.
QString markupOf(const QDomNode& node)
{
    const QDomNode copy = node.cloneNode(true);
    dropBreaksAfterInstructions(copy);
    QString markup;
    QTextStream stream(&markup);
    copy.save(stream, -1);
    stream.flush();
    if ((node.isComment() || node.isProcessingInstruction()) && markup.endsWith(QLatin1Char('\n')))
        markup.chop(1); // written after them when no text follows, which a clone never has
    return markup;
}

// Whether the markup of a node reads back as itself. The reader takes in a few things that its
// serializer writes otherwise (such as control characters in an instruction's target): a
// node with them would change with every save, and is not kept.
bool readsBack(const QString& markup)
{
    QDomDocument holder;
    if (!readDocument("<kept>" + markup.toUtf8() + "</kept>", holder, nullptr))
        return false;
    QString again;
    for (QDomNode node = holder.documentElement().firstChild(); !node.isNull(); node = node.nextSibling())
        again += markupOf(node);
    return again == markup;
}

// Appends the markup of a kept node to `nodes`. Texts that end up side by side (a field stood
// between them) are one text when read again, and so are kept as one. A text that ends up
// right after an instruction loses the line break that the serializer puts back.
void keepNode(QStringList& nodes, const QDomNode& node)
{
    QString markup = markupOf(node);
    if (!readsBack(markup))
        return;
    const auto isText = [](const QString& kept) { return !kept.startsWith(QLatin1Char('<')); };
    if (!isText(markup) || nodes.isEmpty()) {
        nodes.append(markup);
    } else if (isText(nodes.last())) {
        nodes.last() += markup;
    } else {
        if (nodes.last().startsWith(QLatin1String("<?")) && markup.startsWith(QLatin1Char('\n')))
            markup.remove(0, 1);
        nodes.append(markup);
    }
}

KeptRecept& keptRecept(KeptContent& kept, int index)
{
    if (kept.recepts.size() <= static_cast<size_t>(index))
        kept.recepts.resize(static_cast<size_t>(index) + 1);
    return kept.recepts[static_cast<size_t>(index)];
}

// Applies one element to the records. `current` is the position of the record that the
// fields go to among the element's siblings. The attributes of a field other than "Value" go
// to `kept`, when given, with the record the field fills.
void applyElement(const QDomElement& element, std::vector<Recept>& records, int& current, KeptContent* kept)
{
    const QString tag = element.tagName();
    const QString value = element.attribute(ValueAttribute);
    const int number = value.toInt(nullptr, 10);
    const int count = static_cast<int>(records.size());

    if (tag == IdTag) {
        // The fields after an "ID" fill the record it has just made, whatever its value: going
        // by the value, a second "ID" 0 would fill the first record again and leave its own
        // empty, and a save would lose a recipe. The writer's files hold the position anyway.
        records.emplace_back();
        current = count;
    } else if (current < 0 || current >= count || !isField(element)) {
        return; // a field before any record, or no field: nothing to fill
    }
    Recept& recept = records[static_cast<size_t>(current)];
    const int slot = isSlotTag(tag) ? slotOf(element) : -1;

    if (tag == NameTag) {
        recept.shortName = value;
    } else if (tag == FullNameTag) {
        recept.fullName = value;
    } else if (tag == SugarTag) {
        recept.sugarRashod = number;
    } else if (tag == WaterTag) {
        recept.waterRashod = number;
    } else if (slot >= 0) {
        const int amount = element.text().toInt(nullptr, 10);
        const auto index = static_cast<size_t>(slot);
        if (tag == ComponentTag)
            recept.component[index] = amount;
        else if (tag == IngridientRashodTag)
            recept.ingridientRashod[index] = amount;
        else
            recept.ingridientWater[index] = amount;
    }
    if (!kept)
        return;
    const XmlAttributes others = attributesOf(element, false);
    if (!others.isEmpty())
        keptRecept(*kept, current).fieldAttributes[fieldKey(tag, slot)].insert(others);
}

// Checks well-formedness and nesting depth with the stream reader alone, before any
// document is built: a deep document would exhaust the stack in the DOM's recursive code
// and take minutes to build. Entity declarations are refused too: each reference of an
// entity just under the reader's expansion limit multiplies a small file into gigabytes.
// The "ID" elements are counted here as well, since each of them makes a record.
// The format has no namespaces: a prefix is just part of a name, declared or not.
bool checkStructure(const QByteArray& contents, ReceptsFileError* error)
{
    QXmlStreamReader reader(contents);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    int ids = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD && !reader.entityDeclarations().isEmpty()) {
            if (error)
                *error = {ReceptsFileError::Kind::Entities, QString(), reader.lineNumber(), reader.columnNumber()};
            return false;
        }
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > MaxReceptsFileDepth) {
                if (error)
                    *error = {ReceptsFileError::Kind::TooDeep, QString(), reader.lineNumber(), reader.columnNumber()};
                return false;
            }
            if (reader.qualifiedName() == IdTag && ++ids > MaxReceptsCount) {
                if (error)
                    *error = {ReceptsFileError::Kind::TooMany, QString(), reader.lineNumber(), reader.columnNumber()};
                return false;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
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
void appendMarkup(QDomDocument& doc, QDomNode parent, const QStringList& markup)
{
    QDomDocument holder;
    if (markup.isEmpty() || !readDocument("<kept>" + markup.join(QString()).toUtf8() + "</kept>", holder, nullptr))
        return; // it reads: it was written from a document
    // The nodes were serialized one by one: line breaks to drop are inside each, not between.
    for (QDomNode node = holder.documentElement().firstChild(); !node.isNull(); node = node.nextSibling()) {
        dropBreaksAfterInstructions(node);
        parent.appendChild(doc.importNode(node, true));
    }
}

void setAttributes(QDomElement& element, const XmlAttributes& attributes)
{
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
        element.setAttribute(it.key(), it.value());
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
    QDomDocument doc(QStringLiteral("Recepts"));
    QDomElement root = doc.createElement(QStringLiteral("Recepts"));
    doc.appendChild(root);
    const KeptContent nothing;
    const KeptContent& extra = kept ? *kept : nothing;
    const KeptRecept none;
    auto between = [&extra, &doc, &root](size_t i) {
        if (i < extra.between.size())
            appendMarkup(doc, root, extra.between[i]);
    };

    for (size_t i = 0; i < records.size(); ++i) {
        const Recept& recept = records[i];
        const KeptRecept& keptHere = i < extra.recepts.size() ? extra.recepts[i] : none;
        const QString number = QString::number(i);
        between(i);
        QDomElement element = doc.createElement(QStringLiteral("Recept_") + number);
        setAttributes(element, keptHere.attributes);
        root.appendChild(element);
        auto field = [&](const QString& tag, int slot, const QString& value, const QString& text) {
            QDomElement made = makeElement(doc, tag, value, text);
            setAttributes(made, keptHere.fieldAttributes.value(fieldKey(tag, slot)));
            element.appendChild(made);
        };

        field(IdTag, -1, number, QString());
        field(NameTag, -1, xmlSafe(recept.shortName), QString());
        field(FullNameTag, -1, xmlSafe(recept.fullName), QString());
        field(SugarTag, -1, QString::number(recept.sugarRashod), QString());
        field(WaterTag, -1, QString::number(recept.waterRashod), QString());
        for (int k = 0; k < Recept::SlotCount; ++k) {
            const QString slot = QString::number(k);
            const auto index = static_cast<size_t>(k);
            field(ComponentTag, k, slot, QString::number(recept.component[index]));
            field(IngridientRashodTag, k, slot, QString::number(recept.ingridientRashod[index]));
            field(IngridientWaterTag, k, slot, QString::number(recept.ingridientWater[index]));
        }
        appendMarkup(doc, element, keptHere.children);
    }
    between(records.size());
    return doc;
}

QByteArray receptsFileBytes(const std::vector<Recept>& records, const KeptContent* kept)
{
    return receptsDocument(records, kept).toString(1).toUtf8();
}

void traverseReceptNodes(const QDomNode& node, std::vector<Recept>& records, KeptContent* kept)
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
    };
    auto open = [kept](const QDomNode& parent, bool top) {
        Frame frame{parent.firstChild(), 0, top ? Role::Top : Role::Other, -1, {}};
        if (kept && hasIdChild(parent)) {
            frame.role = Role::Recipe;
            frame.pending.attributes = attributesOf(parent.toElement(), true);
        }
        return frame;
    };
    std::vector<Frame> frames;
    frames.push_back(open(node, true));
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.next.isNull()) {
            frames.pop_back();
            continue;
        }
        const QDomNode child = frame.next;
        frame.next = child.nextSibling();
        // The document element as a recipe's element: its children are written a level
        // deeper, in "Recept_0", and must stay within the nesting limit there.
        if (kept && frame.role != Role::Other && !holdsField(child)
            && (frames.size() > 1 || frame.role == Role::Top || elementLevels(child) + 2 <= MaxReceptsFileDepth)) {
            if (frame.role == Role::Top) {
                kept->between.resize(std::max(kept->between.size(), records.size() + 1));
                keepNode(kept->between[records.size()], child);
            } else if (frame.owner >= 0) {
                keepNode(keptRecept(*kept, frame.owner).children, child);
            } else {
                keepNode(frame.pending.children, child);
            }
            continue; // nothing inside it fills a record
        }
        if (child.isElement()) {
            applyElement(child.toElement(), records, frame.current, kept);
            if (frame.role == Role::Recipe && frame.owner < 0 && child.toElement().tagName() == IdTag) {
                frame.owner = frame.current;
                KeptRecept& owner = keptRecept(*kept, frame.owner);
                owner.attributes.insert(frame.pending.attributes);
                owner.children = frame.pending.children;
            }
        }
        if (child.hasChildNodes())
            frames.push_back(open(child, false)); // `frame` is not used past this point
    }
    if (kept) {
        kept->recepts.resize(records.size());
        kept->between.resize(records.size() + 1);
    }
}

bool parseReceptsFile(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error,
                      KeptContent* kept)
{
    records.clear();
    if (kept)
        *kept = KeptContent();
    if (!checkStructure(contents, error))
        return false;

    QDomDocument doc;
    if (!readDocument(contents, doc, error))
        return false;
    traverseReceptNodes(doc.documentElement(), records, kept);
    return true;
}
