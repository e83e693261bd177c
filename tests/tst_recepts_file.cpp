#include "test_support.h"

#include "recipes/fileaccess.h"
#include "recipes/receptsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <climits>

// A recipe with every field set, so that a field lost or swapped on the way shows.
static Recept makeRecept(const QString& shortName, const QString& fullName, int seed)
{
    Recept r;
    r.shortName = shortName;
    r.fullName = fullName;
    r.sugarRashod = seed + 1;
    r.waterRashod = seed + 2;
    for (size_t k = 0; k < Recept::SlotCount; ++k) {
        r.component[k] = static_cast<int>((static_cast<size_t>(seed) + k) % 6);
        r.ingridientRashod[k] = seed + 10 + static_cast<int>(k);
        r.ingridientWater[k] = seed + 20 + static_cast<int>(k);
    }
    return r;
}

// One line per record: "short|full|sugar|water|components|amounts|waters".
static QString describe(const std::vector<Recept>& records)
{
    QStringList lines;
    for (const Recept& r : records) {
        auto join = [](const std::array<int, Recept::SlotCount>& a) {
            return QStringLiteral("%1,%2,%3,%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
        };
        lines << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                     .arg(r.shortName, r.fullName)
                     .arg(r.sugarRashod)
                     .arg(r.waterRashod)
                     .arg(join(r.component), join(r.ingridientRashod), join(r.ingridientWater));
    }
    return lines.join(QLatin1Char('\n'));
}

static QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

static QByteArray nested(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

// The fields of one slot-complete recipe element, for hand-made files.
static const char* const latteFields = "<ID Value=\"0\"/><Name Value=\"Latte\"/><FullName Value=\"Caffe latte\"/>"
                                       "<Sugar Value=\"5\"/><Water Value=\"40\"/>"
                                       "<Component Value=\"0\">1</Component>"
                                       "<IngridientRashod Value=\"0\">10</IngridientRashod>"
                                       "<IngridientWater Value=\"0\">30</IngridientWater>"
                                       "<Component Value=\"1\">2</Component>"
                                       "<IngridientRashod Value=\"1\">20</IngridientRashod>"
                                       "<IngridientWater Value=\"1\">60</IngridientWater>";
static const char* const latte = "Latte|Caffe latte|5|40|1,2,0,0|10,20,0,0|30,60,0,0";

Q_DECLARE_METATYPE(ReceptsFileError::Kind)

class TestReceptsFile : public QObject
{
    Q_OBJECT

private slots:
    void writesFixtureBytes();
    void writesEmptyCollection();
    void makeElementAddsOnlyWhatIsGiven_data();
    void makeElementAddsOnlyWhatIsGiven();
    void roundTrip_data();
    void roundTrip();
    void dropsCharactersXmlCannotHold();
    void readsHandMadeFiles_data();
    void readsHandMadeFiles();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void reportsWhereTheFileIsBroken();
    void exampleFileIsWhatTheWriterWrites();
    void savesOverAnExistingFile();
    void saveFailureLeavesOldFile_data();
    void saveFailureLeavesOldFile();
};

void TestReceptsFile::writesFixtureBytes()
{
    Recept latteRecept;
    latteRecept.shortName = QStringLiteral("Latte");
    latteRecept.fullName = QStringLiteral("Caffe latte");
    latteRecept.sugarRashod = 5;
    latteRecept.waterRashod = 40;
    latteRecept.component = {1, 2, 0, 0};
    latteRecept.ingridientRashod = {10, 20, 0, 0};
    latteRecept.ingridientWater = {30, 60, 0, 0};
    Recept tea;
    tea.fullName = QStringLiteral("\"Tom & Jerry\" <Чай>  с молоком ");
    tea.waterRashod = 200;
    tea.component = {5, -1, 0, 3};
    tea.ingridientRashod = {7, 0, 0, 200};
    tea.ingridientWater = {150, 0, 0, 1};

    const QString fixture = QFINDTESTDATA("data/recepts_two.xml");
    QVERIFY(!fixture.isEmpty());
    QCOMPARE(receptsFileBytes({latteRecept, tea}), readFile(fixture));
}

void TestReceptsFile::writesEmptyCollection()
{
    QCOMPARE(receptsFileBytes({}), QByteArray("<!DOCTYPE Recepts>\n<Recepts/>\n"));
    std::vector<Recept> records{Recept()};
    QVERIFY(parseReceptsFile(receptsFileBytes({}), records, nullptr));
    QVERIFY(records.empty());
}

void TestReceptsFile::makeElementAddsOnlyWhatIsGiven_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("neither") << QString() << QString() << "<X/>\n";
    QTest::newRow("value") << "3" << QString() << "<X Value=\"3\"/>\n";
    QTest::newRow("text") << QString() << "-7" << "<X>-7</X>\n";
    QTest::newRow("both") << "0" << "a<b" << "<X Value=\"0\">a&lt;b</X>\n";
}

void TestReceptsFile::makeElementAddsOnlyWhatIsGiven()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QDomDocument doc;
    const QDomElement element = makeElement(doc, QStringLiteral("X"), value, text);
    QVERIFY(element.parentNode().isNull());
    doc.appendChild(element);
    QCOMPARE(doc.toString(1), expected);
}

void TestReceptsFile::roundTrip_data()
{
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QString>("fullName");
    QTest::newRow("plain") << "Latte" << "Caffe latte";
    QTest::newRow("markup") << "\"a\" & 'b'" << "<Recepts> </Recept_0> &amp; ]]>";
    QTest::newRow("cyrillic") << "Капучино" << "Горячий шоколад с ванилью";
    QTest::newRow("blanks") << "  two  spaces " << " ";
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("tab and newlines") << "a\tb" << "line\nnext\r\nlast";
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F375 tea") << "x";
}

void TestReceptsFile::roundTrip()
{
    QFETCH(QString, shortName);
    QFETCH(QString, fullName);
    std::vector<Recept> written;
    for (int i = 0; i < 12; ++i)
        written.push_back(makeRecept(shortName + QString::number(i % 2 ? i : 0).left(i % 2), fullName, i * 7));
    written[3].sugarRashod = INT_MAX;
    written[4].waterRashod = INT_MIN;
    written[5].component = {-1, 0, 5, 6};
    written.push_back(makeRecept(QString(), QString(), 3)); // a differently empty neighbour

    std::vector<Recept> read;
    ReceptsFileError error;
    QVERIFY2(parseReceptsFile(receptsFileBytes(written), read, &error), qPrintable(error.message));
    QCOMPARE(describe(read), describe(written));
    QCOMPARE(read.size(), written.size());
}

void TestReceptsFile::dropsCharactersXmlCannotHold()
{
    Recept r;
    r.shortName = QStringLiteral("Mo") + QChar(0x01) + QStringLiteral("cha") + QChar(0xD800);
    r.fullName = QStringLiteral("Mocha") + QChar(0xFFFF) + QChar(0x1F);
    std::vector<Recept> read;
    QVERIFY(parseReceptsFile(receptsFileBytes({r}), read, nullptr));
    QCOMPARE(read.size(), size_t(1));
    QCOMPARE(read[0].shortName, QStringLiteral("Mocha"));
    QCOMPARE(read[0].fullName, QStringLiteral("Mocha"));
}

void TestReceptsFile::readsHandMadeFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");

    const QByteArray fields(latteFields);
    const QString one = QString::fromLatin1(latte);
    const QString zero = QStringLiteral("||0|0|0,0,0,0|0,0,0,0|0,0,0,0");

    QTest::newRow("written layout") << "<!DOCTYPE Recepts>\n<Recepts>\n <Recept_0>" + fields + "</Recept_0>\n</Recepts>\n"
                                    << one;
    QTest::newRow("xml declaration") << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Recepts><Recept_0>" + fields
            + "</Recept_0></Recepts>"
                                     << one;
    QTest::newRow("internal subset without entities")
        << "<!DOCTYPE Recepts [<!ELEMENT Recepts ANY>]><Recepts><Recept_0>" + fields + "</Recept_0></Recepts>" << one;
    QTest::newRow("other root, no doctype") << "<Drinks><Recept_0>" + fields + "</Recept_0></Drinks>" << one;
    QTest::newRow("other recipe name") << "<Recepts><Drink>" + fields + "</Drink></Recepts>" << one;
    QTest::newRow("nested deeper") << "<Recepts><a><b><c>" + fields + "</c></b></a></Recepts>" << one;
    QTest::newRow("comments, instructions, text")
        << "<Recepts><!-- c --><Recept_0>text<?pi x?>" + fields + "<!-- --></Recept_0>tail</Recepts>" << one;
    QTest::newRow("empty root") << QByteArray("<!DOCTYPE Recepts>\n<Recepts/>\n") << QString();
    QTest::newRow("no fields") << QByteArray("<Recepts><R><ID Value=\"0\"/></R></Recepts>") << zero;
    QTest::newRow("two IDs") << QByteArray("<R><X><ID Value=\"0\"/><Name Value=\"a\"/><ID Value=\"1\"/><Name Value=\"b\"/>"
                                           "</X></R>")
                             << "a||0|0|0,0,0,0|0,0,0,0|0,0,0,0\nb||0|0|0,0,0,0|0,0,0,0|0,0,0,0";
    QTest::newRow("ID naming an earlier record") << QByteArray("<R><X><ID/><Name Value=\"a\"/></X>"
                                                               "<X><ID Value=\"0\"/><Sugar Value=\"9\"/></X></R>")
                                                 << "a||9|0|0,0,0,0|0,0,0,0|0,0,0,0\n" + zero;
    QTest::newRow("ID beyond the records") << QByteArray("<R><X><ID Value=\"5\"/><Name Value=\"a\"/></X>"
                                                         "<X><ID Value=\"-3\"/><Name Value=\"b\"/></X>"
                                                         "<X><ID Value=\"x\"/><Name Value=\"c\"/></X></R>")
                                           << "c||0|0|0,0,0,0|0,0,0,0|0,0,0,0\nb||0|0|0,0,0,0|0,0,0,0|0,0,0,0\n" + zero;
    QTest::newRow("field before any ID") << QByteArray("<R><X><Name Value=\"lost\"/><ID Value=\"0\"/></X></R>") << zero;
    QTest::newRow("field before ID goes to record 0")
        << QByteArray("<R><X><ID Value=\"0\"/></X><X><ID Value=\"1\"/></X><X><Water Value=\"4\"/><ID Value=\"2\"/></X></R>")
        << "||0|4|0,0,0,0|0,0,0,0|0,0,0,0\n" + zero + "\n" + zero;
    QTest::newRow("slot numbers outside 0..3")
        << QByteArray("<R><X><ID/><Component Value=\"4\">1</Component><Component Value=\"-1\">2</Component>"
                      "<IngridientRashod Value=\"99\">3</IngridientRashod><IngridientWater Value=\"3\">8</IngridientWater>"
                      "<Component>5</Component></X></R>")
        << "||0|0|5,0,0,0|0,0,0,0|0,0,0,8";
    QTest::newRow("numbers that are no numbers")
        << QByteArray("<R><X><ID/><Sugar Value=\"ten\"/><Water Value=\"99999999999\"/><Component Value=\"1\">x</Component>"
                      "<IngridientRashod Value=\"0\"><b>1</b>2</IngridientRashod></X></R>")
        << "||0|0|0,0,0,0|12,0,0,0|0,0,0,0";
    QTest::newRow("letter case") << QByteArray("<R><X><ID/><id Value=\"1\"/><name Value=\"n\"/><NAME Value=\"n\"/>"
                                               "<Fullname Value=\"f\"/><sugar Value=\"1\"/><Name value=\"v\"/></X></R>")
                                 << zero;
    QTest::newRow("cdata and entities") << QByteArray("<R><X><ID/><Name Value=\"a&amp;&#1095;\"/>"
                                                      "<Component Value=\"0\"><![CDATA[3]]></Component></X></R>")
                                        << QString::fromUtf8("a&ч||0|0|3,0,0,0|0,0,0,0|0,0,0,0");
    QTest::newRow("64 levels") << nested(62).insert(62 * 3, "<X><ID/></X>") << zero;
}

void TestReceptsFile::readsHandMadeFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    std::vector<Recept> records{makeRecept(QStringLiteral("stale"), QString(), 1)};
    ReceptsFileError error;
    QVERIFY2(parseReceptsFile(contents, records, &error), qPrintable(error.message));
    QCOMPARE(describe(records), expected);
}

void TestReceptsFile::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<ReceptsFileError::Kind>("kind");
    const auto malformed = ReceptsFileError::Kind::NotWellFormed;
    const auto tooDeep = ReceptsFileError::Kind::TooDeep;
    const auto entities = ReceptsFileError::Kind::Entities;

    QTest::newRow("empty") << QByteArray() << malformed;
    QTest::newRow("not xml") << QByteArray("Latte;5;40") << malformed;
    QTest::newRow("unclosed") << QByteArray("<Recepts><Recept_0><ID Value=\"0\"/>") << malformed;
    QTest::newRow("two roots") << QByteArray("<a/><b/>") << malformed;
    QTest::newRow("undeclared entity") << QByteArray("<R><X><ID/><Name Value=\"&nope;\"/></X></R>") << malformed;
    QTest::newRow("invalid character") << QByteArray("<R><X><ID/><Name Value=\"\x01\"/></X></R>") << malformed;
    QTest::newRow("65 levels") << nested(65) << tooDeep;
    QTest::newRow("100000 levels") << nested(100000) << tooDeep;
    QTest::newRow("100000 unclosed levels") << QByteArray("<a>").repeated(100000) << tooDeep;

    QByteArray laughs("<?xml version=\"1.0\"?>\n<!DOCTYPE R [\n<!ENTITY l0 \"lol\">\n");
    for (int i = 1; i <= 9; ++i)
        laughs += QStringLiteral("<!ENTITY l%1 \"&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;\">\n")
                      .arg(i)
                      .arg(i - 1)
                      .toLatin1();
    QTest::newRow("billion laughs in text") << laughs + "]>\n<R><X><ID/><Component Value=\"0\">&l9;</Component></X></R>"
                                            << entities;
    QTest::newRow("billion laughs in attribute") << laughs + "]>\n<R><X><ID/><Name Value=\"&l9;\"/></X></R>"
                                                 << entities;
    // 4000 characters per reference stay under the reader's own limit: 1 GB from 1 MB.
    QTest::newRow("quadratic blowup") << "<!DOCTYPE R [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]><R><X><ID/>"
            + QByteArray("<Component Value=\"0\">&e;</Component>").repeated(25000) + "</X></R>"
                                      << entities;
}

void TestReceptsFile::refusesBadFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(ReceptsFileError::Kind, kind);
    std::vector<Recept> records{Recept()};
    ReceptsFileError error;
    QVERIFY(!parseReceptsFile(contents, records, &error));
    QVERIFY(records.empty());
    QCOMPARE(error.kind, kind);
    QCOMPARE(error.message.isEmpty(), kind != ReceptsFileError::Kind::NotWellFormed);
    QVERIFY(error.line > 0);
}

void TestReceptsFile::reportsWhereTheFileIsBroken()
{
    ReceptsFileError error;
    std::vector<Recept> records;
    QVERIFY(!parseReceptsFile("<Recepts>\n <Recept_0>\n  <ID Value=0/>\n", records, &error));
    QCOMPARE(error.kind, ReceptsFileError::Kind::NotWellFormed);
    QCOMPARE(error.line, qint64(3));
    QVERIFY2(error.column >= 12 && error.column <= 14, qPrintable(QString::number(error.column)));

    QVERIFY(!parseReceptsFile("<a>\n" + nested(64) + "\n</a>", records, &error));
    QCOMPARE(error.kind, ReceptsFileError::Kind::TooDeep);
    QCOMPARE(error.line, qint64(2));
}

void TestReceptsFile::exampleFileIsWhatTheWriterWrites()
{
    const QString example = QFINDTESTDATA("../recipes/examples/recepts.xml");
    QVERIFY(!example.isEmpty());
    const QByteArray bytes = readFile(example);
    std::vector<Recept> records;
    QVERIFY(parseReceptsFile(bytes, records, nullptr));
    QVERIFY(records.size() >= 5);
    for (const Recept& r : records) {
        QVERIFY(!r.shortName.isEmpty());
        for (size_t k = 0; k < Recept::SlotCount; ++k) {
            QVERIFY(r.component[k] >= 0 && r.component[k] <= 5);
            QVERIFY(r.ingridientRashod[k] >= 0 && r.ingridientRashod[k] <= 200);
        }
    }
    QCOMPARE(receptsFileBytes(records), bytes);
}

void TestReceptsFile::savesOverAnExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("recepts.xml"));
    QString reason;
    QVERIFY(saveFileAtomically(path, "old contents that are longer", &reason));
    QVERIFY(saveFileAtomically(path, "new", &reason));
    QCOMPARE(readFile(path), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("recepts.xml")});
    QByteArray contents;
    QVERIFY(readWholeFile(path, &contents, &reason));
    QCOMPARE(contents, QByteArray("new"));
}

void TestReceptsFile::saveFailureLeavesOldFile_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("folder missing") << "missing/recepts.xml";
    QTest::newRow("path is a folder") << "folder";
}

void TestReceptsFile::saveFailureLeavesOldFile()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(relativePath);
    QString reason;
    QVERIFY(!saveFileAtomically(path, receptsFileBytes({makeRecept("a", "b", 1)}), &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(!QFileInfo(dir.filePath(QStringLiteral("missing"))).exists());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("folder")});
    QByteArray contents;
    QVERIFY(!readWholeFile(path, &contents, &reason));
}

QUELLARO_TEST_MAIN(TestReceptsFile)
#include "tst_recepts_file.moc"
