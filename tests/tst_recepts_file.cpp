#include "test_support.h"

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

// Other elements, attributes, comments, instructions and text come back where the writer puts
// them; what lies inside elements that are no recipe's (here "wrap", "Group") is not kept.
void TestReceptsFile::keepsWhatFormsCannotShow()
{
    std::vector<Recept> records;
    KeptContent kept;
    QVERIFY(parseReceptsFile(readFile(QFINDTESTDATA("data/recepts_handmade.xml")), records, nullptr, &kept));
    QCOMPARE(kept.count(), 12);
    const QByteArray written = receptsFileBytes(records, &kept);
    QCOMPARE(written, readFile(QFINDTESTDATA("data/recepts_handmade_written.xml")));
    std::vector<Recept> again;
    KeptContent keptAgain;
    QVERIFY(parseReceptsFile(written, again, nullptr, &keptAgain));
    QCOMPARE(describe(again), describe(records));
    QVERIFY(keptAgain == kept);
}

QUELLARO_TEST_MAIN(TestReceptsFile)
#include "tst_recepts_file.moc"
