#include "test_support.h"

#include "recipes/receptfields.h"
#include "recipes/receptsfile.h"

#include <climits>

// One line per record: "short|full|sugar|water|components|amounts|waters".
static QString describe(const std::vector<Recept>& records)
{
    auto join = [](const std::array<int, Recept::SlotCount>& a) {
        return QStringLiteral("%1,%2,%3,%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
    };
    QStringList lines;
    for (const Recept& r : records)
        lines << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                     .arg(r.shortName, r.fullName).arg(r.sugarRashod).arg(r.waterRashod)
                     .arg(join(r.component), join(r.ingridientRashod), join(r.ingridientWater));
    return lines.join(QLatin1Char('\n'));
}

Q_DECLARE_METATYPE(ReceptsFileError::Kind)

class TestReceptsFile : public QObject
{
    Q_OBJECT

private slots:
    void writesFixtureBytes();
    void roundTrip_data();
    void roundTrip();
    void readsHandMadeFiles_data();
    void readsHandMadeFiles();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void keepsWhatFormsCannotShow();
    void editsInPlace_data();
    void editsInPlace();
};

void TestReceptsFile::writesFixtureBytes()
{
    const Recept latte{"Latte", "Caffe latte", 5, 40, {1, 2, 0, 0}, {10, 20, 0, 0}, {30, 60, 0, 0}};
    const Recept tea{QString(), QStringLiteral("\"Tom & Jerry\" <Чай>  с молоком "), 0, 200, {5, -1, 0, 3},
                     {7, 0, 0, 200}, {150, 0, 0, 1}};

    QByteArray bytes = readFile(QFINDTESTDATA("data/recepts_two.xml"));
    QCOMPARE(receptsFileBytes({latte, tea}), bytes);
    std::vector<Recept> records; // and read back: quotes, markup, Cyrillic and blanks unchanged
    QVERIFY(parseReceptsFile(bytes, records, nullptr));
    QCOMPARE(describe(records), describe({latte, tea}));
    bytes = readFile(QFINDTESTDATA("../recipes/examples/recepts.xml")); // shipped: just what the writer writes
    QVERIFY(parseReceptsFile(bytes, records, nullptr) && records.size() >= 5);
    QCOMPARE(receptsFileBytes(records), bytes);
}

void TestReceptsFile::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("tab and newlines") << "a\tb\nc\r\nd" << "a\tb\nc\r\nd";
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F375 tea") << QStringLiteral("\U0001F375 tea");
    QTest::newRow("characters XML cannot hold")
        << QStringLiteral("Mo") + QChar(0x01) + "cha" + QChar(0xD800) + QChar(0xFFFF) + QChar(0x1F) << "Mocha";
}

void TestReceptsFile::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, readBack);
    // Every field different, so that a field lost or swapped on the way shows.
    const std::vector<Recept> written{
        {name, name.repeated(2), 8, 9, {1, 2, 3, 4}, {10, 11, 12, 13}, {20, 21, 22, 23}},
        {QString(), QString(), INT_MAX, INT_MIN, {-1, 0, 5, 6}, {200, 0, 1, 7}, {3, 0, 0, 150}}};
    std::vector<Recept> expected = written;
    expected[0].shortName = readBack;
    expected[0].fullName = readBack.repeated(2);

    std::vector<Recept> read;
    ReceptsFileError error;
    QVERIFY2(parseReceptsFile(receptsFileBytes(written), read, &error), qPrintable(error.message));
    QCOMPARE(describe(read), describe(expected));
}

void TestReceptsFile::readsHandMadeFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");
    const QByteArray fields("<ID Value=\"0\"/><Name Value=\"Latte\"/><FullName Value=\"Caffe latte\"/>"
                            "<Sugar Value=\"5\"/><Water Value=\"40\"/><Component Value=\"1\">2</Component>"
                            "<IngridientRashod Value=\"1\">20</IngridientRashod>"
                            "<IngridientWater Value=\"1\">60</IngridientWater>");
    const QString latte = QStringLiteral("Latte|Caffe latte|5|40|0,2,0,0|0,20,0,0|0,60,0,0");
    const QString zero = QStringLiteral("||0|0|0,0,0,0|0,0,0,0|0,0,0,0");

    QTest::newRow("no recipes") << QByteArray("<!DOCTYPE Recepts>\n<Recepts/>\n") << QString();
    QTest::newRow("no doctype, nested deeper") << "<Drinks><a><b><c>" + fields + "</c></b></a></Drinks>" << latte;
    QTest::newRow("comments, instructions, text")
        << "<Recepts><!-- c --><Recept_0>text<?pi x?>" + fields + "<!-- --></Recept_0>tail</Recepts>" << latte;
    // Fields go to the record their "ID" made, whatever its value: none is lost or merged.
    QTest::newRow("odd ID values") << QByteArray("<R><X><ID/><Name Value=\"a\"/></X>"
                                                 "<X><ID Value=\"5\"/><Name Value=\"b\"/></X>"
                                                 "<X><ID Value=\"-3\"/><Name Value=\"c\"/></X>"
                                                 "<X><ID Value=\"0\"/><Name Value=\"d\"/></X>"
                                                 "<X><ID Value=\"x\"/><Sugar Value=\"9\"/></X></R>")
                                   << "a" + zero + "\nb" + zero + "\nc" + zero + "\nd" + zero
            + "\n||9|0|0,0,0,0|0,0,0,0|0,0,0,0";
    QTest::newRow("namespace prefixes") << QByteArray("<R><X><ID/><my:Note Value=\"x\"/><my:Name Value=\"y\"/>"
                                                      "<Name Value=\"a\"/></X></R>")
                                        << "a" + zero;
    QTest::newRow("500 recipes") << "<R>" + QByteArray("<X><ID/></X>").repeated(500) + "</R>"
                                 << (zero + "\n").repeated(500).chopped(1);
    QTest::newRow("field before any ID") << QByteArray("<R><X><Name Value=\"lost\"/><ID Value=\"0\"/></X></R>") << zero;
    QTest::newRow("odd slot numbers and values")
        << QByteArray("<R><X><ID/><Component Value=\"4\">1</Component><Component Value=\"-1\">2</Component>"
                      "<IngridientRashod Value=\"99\">3</IngridientRashod>"
                      "<IngridientWater Value=\"3\">8</IngridientWater>"
                      "<Component>5</Component><Sugar Value=\"ten\"/><Water Value=\"99999999999\"/></X></R>")
        << "||0|0|5,0,0,0|0,0,0,0|0,0,0,8";
    QTest::newRow("letter case") << QByteArray("<R><X><ID/><id Value=\"1\"/><name Value=\"n\"/><NAME Value=\"n\"/>"
                                               "<Fullname Value=\"f\"/><sugar Value=\"1\"/><Name value=\"v\"/></X></R>")
                                 << zero;
    const QByteArray deep = QByteArray("<a>").repeated(62) + "<X><ID/></X>" + QByteArray("</a>").repeated(62);
    QTest::newRow("64 levels") << deep << zero;
}

void TestReceptsFile::readsHandMadeFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    std::vector<Recept> records(1);
    records[0].shortName = QStringLiteral("stale"); // replaced, not added to
    ReceptsFileError error;
    QVERIFY2(parseReceptsFile(contents, records, &error), qPrintable(error.message));
    QCOMPARE(describe(records), expected);
}

void TestReceptsFile::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<ReceptsFileError::Kind>("kind");
    QTest::addColumn<qint64>("line");
    using Kind = ReceptsFileError::Kind;

    QTest::newRow("65 levels") << "<a>\n" + QByteArray("<a>").repeated(64) + QByteArray("</a>").repeated(64)
                               << Kind::TooDeep << qint64(2);

    // 4000 characters per reference stay under the XML reader's own limit: 1 GB from 1 MB.
    QTest::newRow("quadratic blowup") << "<!DOCTYPE R [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]><R><X><ID/>"
            + QByteArray("<Component Value=\"0\">&e;</Component>").repeated(25000) + "</X></R>"
                                      << Kind::Entities << qint64(1);
}

void TestReceptsFile::refusesBadFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(ReceptsFileError::Kind, kind);
    QFETCH(qint64, line);
    std::vector<Recept> records{Recept()};
    ReceptsFileError error;
    QVERIFY(!parseReceptsFile(contents, records, &error));
    QVERIFY(records.empty());
    QCOMPARE(error.kind, kind);
    QCOMPARE(error.message.isEmpty(), kind != ReceptsFileError::Kind::NotWellFormed);
    QCOMPARE(error.line, line);
}

// Other elements, attributes, comments, instructions and text are counted and saved as read.
void TestReceptsFile::keepsWhatFormsCannotShow()
{
    std::vector<Recept> records;
    ReceptsDocument document;
    const QByteArray original = readFile(QFINDTESTDATA("data/recepts_handmade.xml"));
    QVERIFY(parseReceptsFile(original, records, nullptr, &document));
    QCOMPARE(document.keptCount(), 12);
    QCOMPARE(receptsFileBytes(records, &document), original);
    // Texts and elements side by side count one each; a recipe's element keeps its name only
    // under the document element.
    QVERIFY(parseReceptsFile("<R><X><ID/>a<E/>b<!--c--></X><G><Y><ID/></Y></G></R>", records, nullptr, &document));
    QCOMPARE(document.keptCount(), 4);
    QCOMPARE(records[0].elementName, "X");
    QCOMPARE(records[1].elementName, QString());
}

void TestReceptsFile::editsInPlace_data()
{
    QTest::addColumn<QString>("text");    // the file, before encoding
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QByteArray>("mark"); // byte order mark
    QTest::addColumn<QString>("field");   // fieldKey() of the first recipe's field edited
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("before"); // found once in the file, and what it becomes
    QTest::addColumn<QString>("after");
    const QString file = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                        "<!DOCTYPE Recepts>\n"
                                        "<Recepts>\n"
                                        " <Recept_0>\n"
                                        "  <ID Value=\"0\"/>\n"
                                        "  <Name Value=\"Latte\"/>\n"
                                        "  <FullName Value=\"Caffe latte\"/>\n"
                                        "  <Sugar Value=\"5\"/>\n"
                                        "  <Water Value=\"40\"/>\n"
                                        "  <Component Value=\"0\">1</Component>\n"
                                        "  <IngridientRashod Value=\"0\">10</IngridientRashod>\n"
                                        "  <IngridientWater Value=\"0\">30</IngridientWater>\n"
                                        " </Recept_0>\n"
                                        "</Recepts>\n");
    auto row = [&](const char* name, QString text, const char* field, const QString& value, const QString& before,
                   const QString& after, const QByteArray& encoding = "UTF-8", const QByteArray& mark = QByteArray()) {
        QTest::newRow(name) << text << encoding << mark << QString::fromLatin1(field) << value << before << after;
    };
    row("as written", file, "FullName", "Caffe latte!", "\"Caffe latte\"", "\"Caffe latte!\"");
    row("CRLF", QString(file).replace("\n", "\r\n"), "FullName", "Caffe latte!", "\"Caffe latte\"", "\"Caffe latte!\"");
    row("tabs", QString(file).replace("\n  ", "\n\t\t").replace("\n ", "\n\t"), "Sugar", "6", "\"5\"", "\"6\"");
    row("two spaces", QString(file).replace("\n ", "\n  "), "IngridientRashod 0", "11", ">10<", ">11<");
    row("single quotes", QString(file).replace('"', '\''), "Name", "Lat'te\"", "'Latte'", "'Lat&apos;te\"'");
    row("<X />", QString(file).replace("/>", " />"), "Water", "41", "\"40\"", "\"41\"");
    row("<X></X>", QString(file).replace("<Water Value=\"40\"/>", "<Water Value=\"40\"></Water>"), "Water", "41",
        "\"40\"", "\"41\"");
    row("empty content", QString(file).replace(">30<", "><"), "IngridientWater 0", "31", "\"0\"></", "\"0\">31</");
    row("empty-element slot", QString(file).replace("\"0\">30</IngridientWater>", "\"0\"/>"), "IngridientWater 0", "31",
        "<IngridientWater Value=\"0\"/>", "<IngridientWater Value=\"0\">31</IngridientWater>");
    row("Value = \"", QString(file).replace("Value=\"", "Value = \""), "Sugar", "6", "\"5\"", "\"6\"");
    row("blank lines", QString(file).replace("\n ", "\n\n "), "Sugar", "6", "\"5\"", "\"6\"");
    row("trailing blanks", QString(file).replace("\n", " \t\n"), "Sugar", "6", "\"5\"", "\"6\"");
    row("no final newline", file.chopped(1), "Sugar", "6", "\"5\"", "\"6\"");
    row("declaration and DOCTYPE on one line", QString(file).replace("?>\n<!", "?><!"), "Sugar", "6", "\"5\"", "\"6\"");
    row("no DOCTYPE", QString(file).remove("<!DOCTYPE Recepts>\n"), "Sugar", "6", "\"5\"", "\"6\"");
    row("&#10; kept", QString(file).replace("Caffe latte", "Caffe&#10;latte"), "FullName", "Caffe\nlatte\t",
        "\"Caffe&#10;latte\"", "\"Caffe&#10;latte&#9;\"");
    row("character references", QString(file).replace("Latte", "L&#xE4;tte &amp; &#228;"), "Sugar", "6", "\"5\"", "\"6\"");
    row("comments around the root", QString(file).replace("<!DOCTYPE", "<!-- a -->\n<?pi x?><!DOCTYPE") + "<!-- z -->",
        "Sugar", "6", "\"5\"", "\"6\"");
    row("root and recipe attributes",
        QString(file).replace("<Recepts>", "<Recepts Version=\"2\">").replace("<Recept_0>", "<Recept_0 Value=\"A\">"),
        "Sugar", "6", "\"5\"", "\"6\"");
    row("namespace", QString(file).replace("<Recepts>", "<Recepts xmlns=\"urn:r\" xmlns:q=\"urn:q\">"), "Sugar", "6",
        "\"5\"", "\"6\"");
    row("internal DTD subset", QString(file).replace("<!DOCTYPE Recepts>", "<!DOCTYPE Recepts [\n<!ELEMENT Recepts ANY>\n]>"),
        "Sugar", "6", "\"5\"", "\"6\"");
    row("BOM", file, "Sugar", "6", "\"5\"", "\"6\"", "UTF-8", "\xEF\xBB\xBF");
    row("windows-1251", QString(file).replace("UTF-8", "windows-1251").replace("Caffe latte", QStringLiteral("Чай")),
        "FullName", QStringLiteral("Чай \u4E2D"), QStringLiteral("\"Чай\""), QStringLiteral("\"Чай &#x4E2D;\""),
        "windows-1251");
    row("UTF-16", QString(file).replace("UTF-8", "UTF-16"), "Sugar", "6", "\"5\"", "\"6\"", "UTF-16LE", "\xFF\xFE");
    // A slot element holding a comment is kept whole; a new element after it gives the value.
    row("comment in a slot", QString(file).replace(">10<", ">10<!-- g --><"), "IngridientRashod 0", "11",
        "<!-- g --></IngridientRashod>",
        "<!-- g --></IngridientRashod>\n  <IngridientRashod Value=\"0\">11</IngridientRashod>");
    row("Value=\"\"", QString(file).replace("Caffe latte", ""), "Name", "L", "\"Latte\"", "\"L\"");
    row("Value=\"\" edited", QString(file).replace("Caffe latte", ""), "FullName", "F", "\"\"", "\"F\"");
    // A "Value" the file lacks goes first, where a new element has it.
    row("no Value", QString(file).replace("<FullName Value=\"Caffe latte\"/>", "<FullName Lang='en'/>"), "FullName",
        "F", "<FullName Lang", "<FullName Value='F' Lang");
    // A missing element comes after the field before it, indented as that one.
    row("no element", QString(file).replace("\n  <Water Value=\"40\"/>", "").replace("\n", "\r\n"), "Water", "41",
        "<Sugar Value=\"5\"/>", "<Sugar Value=\"5\"/>\r\n  <Water Value=\"41\"/>");
    row("no slot element", QString(file).replace("\n  <IngridientWater Value=\"0\">30</IngridientWater>", ""),
        "IngridientWater 3", "7", "10</IngridientRashod>",
        "10</IngridientRashod>\n  <IngridientWater Value=\"3\">7</IngridientWater>");
}

// Saved with no edit, a file is written as read; an edit changes that value's bytes alone.
void TestReceptsFile::editsInPlace()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoding);
    QFETCH(QByteArray, mark);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const XmlEncoding in{encoding, mark};
    const QByteArray original = encodeXml(text, in);
    std::vector<Recept> records;
    ReceptsDocument document;
    ReceptsFileError error;
    QVERIFY2(parseReceptsFile(original, records, &error, &document), qPrintable(error.message));
    QCOMPARE(records.size(), size_t(1));
    QCOMPARE(document.bytesWith(records), original);

    QCOMPARE(text.count(before), 1);
    const auto edited = std::find_if(receptFields().cbegin(), receptFields().cend(),
                                     [&field](const ReceptField& f) { return f.key() == field; });
    QVERIFY(edited != receptFields().cend());
    edited->setFrom(records[0], value);
    const QByteArray saved = document.bytesWith(records);
    QCOMPARE(saved, encodeXml(QString(text).replace(before, after), in));
    std::vector<Recept> again;
    QVERIFY(parseReceptsFile(saved, again, nullptr));
    QCOMPARE(edited->valueIn(again[0]), value);
}

QUELLARO_TEST_MAIN(TestReceptsFile)
#include "tst_recepts_file.moc"
