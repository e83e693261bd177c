#include "recipes/receptsfile.h"

#include <QDomNode>
#include <QXmlStreamReader>

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

// Applies one element to the records. `current` is the position of the record that the
// fields go to among the element's siblings.
void applyElement(const QDomElement& element, std::vector<Recept>& records, int& current)
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
        return;
    }
    if (current < 0 || current >= count)
        return; // a field before any record: nothing to fill
    Recept& recept = records[static_cast<size_t>(current)];

    if (tag == NameTag) {
        recept.shortName = value;
    } else if (tag == FullNameTag) {
        recept.fullName = value;
    } else if (tag == SugarTag) {
        recept.sugarRashod = number;
    } else if (tag == WaterTag) {
        recept.waterRashod = number;
    } else if (tag == ComponentTag || tag == IngridientRashodTag || tag == IngridientWaterTag) {
        if (number < 0 || number >= Recept::SlotCount)
            return;
        const int amount = element.text().toInt(nullptr, 10);
        const auto slot = static_cast<size_t>(number);
        if (tag == ComponentTag)
            recept.component[slot] = amount;
        else if (tag == IngridientRashodTag)
            recept.ingridientRashod[slot] = amount;
        else
            recept.ingridientWater[slot] = amount;
    }
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

QDomDocument receptsDocument(const std::vector<Recept>& records)
{
    QDomDocument doc(QStringLiteral("Recepts"));
    QDomElement root = doc.createElement(QStringLiteral("Recepts"));
    doc.appendChild(root);

    for (size_t i = 0; i < records.size(); ++i) {
        const Recept& recept = records[i];
        const QString number = QString::number(i);
        QDomElement element = doc.createElement(QStringLiteral("Recept_") + number);
        root.appendChild(element);

        element.appendChild(makeElement(doc, IdTag, number, QString()));
        element.appendChild(makeElement(doc, NameTag, xmlSafe(recept.shortName), QString()));
        element.appendChild(makeElement(doc, FullNameTag, xmlSafe(recept.fullName), QString()));
        element.appendChild(makeElement(doc, SugarTag, QString::number(recept.sugarRashod), QString()));
        element.appendChild(makeElement(doc, WaterTag, QString::number(recept.waterRashod), QString()));
        for (size_t k = 0; k < Recept::SlotCount; ++k) {
            const QString slot = QString::number(k);
            element.appendChild(makeElement(doc, ComponentTag, slot, QString::number(recept.component[k])));
            element.appendChild(
                makeElement(doc, IngridientRashodTag, slot, QString::number(recept.ingridientRashod[k])));
            element.appendChild(
                makeElement(doc, IngridientWaterTag, slot, QString::number(recept.ingridientWater[k])));
        }
    }
    return doc;
}

QByteArray receptsFileBytes(const std::vector<Recept>& records)
{
    return receptsDocument(records).toString(1).toUtf8();
}

void traverseReceptNodes(const QDomNode& node, std::vector<Recept>& records)
{
    // One frame per open parent: its next child to visit and its own current record, which
    // starts at 0 for every parent.
    struct Frame
    {
        QDomNode next;
        int current;
    };
    std::vector<Frame> frames;
    frames.push_back({node.firstChild(), 0});
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.next.isNull()) {
            frames.pop_back();
            continue;
        }
        const QDomNode child = frame.next;
        frame.next = child.nextSibling();
        if (child.isElement())
            applyElement(child.toElement(), records, frame.current);
        if (child.hasChildNodes())
            frames.push_back({child.firstChild(), 0}); // `frame` is not used past this point
    }
}

bool parseReceptsFile(const QByteArray& contents, std::vector<Recept>& records, ReceptsFileError* error)
{
    records.clear();
    if (!checkStructure(contents, error))
        return false;

    QXmlStreamReader reader(contents);
    reader.setNamespaceProcessing(false);
    QDomDocument doc;
    QString message;
    int line = 0;
    int column = 0;
    if (!doc.setContent(&reader, false, &message, &line, &column)) {
        if (error)
            *error = {ReceptsFileError::Kind::NotWellFormed, message, line, column};
        return false;
    }
    traverseReceptNodes(doc.documentElement(), records);
    return true;
}
