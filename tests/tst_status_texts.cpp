// The texts of the machine's mode, state and error codes, and their translation.

#include "test_support.h"

#include "connection/link_factory.h"
#include "link/cm_netmessge.h"

#include <QTranslator>

using Table = QString (CM_NetMessge::*)(int);
Q_DECLARE_METATYPE(Table)

class TestStatusTexts : public QObject
{
    Q_OBJECT

private slots:
    // A client connects on construction; nothing needs to answer for these tests.
    void init() { setControllerAddress(QStringLiteral("127.0.0.1"), 1); }
    void texts_data();
    void texts();
};

void TestStatusTexts::texts_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian"); // with a translation of a few texts loaded

    const QString same; // untranslated: the English text
    const Table mode = &CM_NetMessge::GetCMModeString, state = &CM_NetMessge::GetCMStateString;
    const Table error = &CM_NetMessge::GetCMErrorString;
    QTest::newRow("mode 2") << mode << 2 << "Trade" << QString::fromUtf8("Торговля");
    QTest::newRow("state 1, as the machine spells it") << state << 1 << "Water systerm diagnostic" << same;
    QTest::newRow("state 140, mixer") << state << 140 << "Start mixer" << QString::fromUtf8("Запуск миксера");
    QTest::newRow("error 13: none") << error << 13 << "" << same;
    QTest::newRow("error 10001") << error << 10001 << "Error boiler" << QString::fromUtf8("Ошибка бойлера");
}

void TestStatusTexts::texts()
{
    QFETCH(Table, table);
    QFETCH(int, code);
    QFETCH(QString, english);
    QFETCH(QString, russian);

    CM_NetMessge plain(LinkFactory::storedEndpoint());
    QCOMPARE((plain.*table)(code), english);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("status_texts_ru"), QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&translator);
    // The tables are filled when a client is made: a translation loaded later would not show.
    CM_NetMessge translated(LinkFactory::storedEndpoint());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE((translated.*table)(code), russian.isNull() ? english : russian);
    QCOMPARE((plain.*table)(code), english);
}

QUELLARO_TEST_MAIN(TestStatusTexts)
#include "tst_status_texts.moc"
