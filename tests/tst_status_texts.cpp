// The texts of the machine's mode, state and error codes, and their translation.

#include "test_support.h"

#include "link/cm_netmessge.h"

#include <QTranslator>

enum Table { Mode, State, Error };

static QString lookUp(CM_NetMessge& client, int table, int code)
{
    return table == Mode ? client.GetCMModeString(code)
                         : table == State ? client.GetCMStateString(code) : client.GetCMErrorString(code);
}

class TestStatusTexts : public QObject
{
    Q_OBJECT

private slots:
    // A client connects on construction; nothing needs to answer for these tests.
    void init() { setControllerAddress(QStringLiteral("127.0.0.1"), 1); }
    void missingCodesHaveNoText();
    void translatedInContextQObject_data();
    void translatedInContextQObject();
};

void TestStatusTexts::missingCodesHaveNoText()
{
    // 7 mode texts, 34 state texts (31 and the three mixer steps), 23 error texts.
    CM_NetMessge client;
    QList<int> counts{0, 0, 0};
    for (int table : {Mode, State, Error}) {
        for (int code = -10; code <= 70000; ++code)
            counts[table] += lookUp(client, table, code).isEmpty() ? 0 : 1;
    }
    QCOMPARE(counts, (QList<int>{7, 34, 23}));
}

void TestStatusTexts::translatedInContextQObject_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("mode in QObject") << int(Mode) << 2 << QString::fromUtf8("Торговля");
    QTest::newRow("mixer state in QObject") << int(State) << 140 << QString::fromUtf8("Запуск миксера");
    QTest::newRow("error in QObject") << int(Error) << 10001 << QString::fromUtf8("Ошибка бойлера");
    QTest::newRow("only in CM_NetMessge: untranslated") << int(Mode) << 4 << QStringLiteral("Master");
}

void TestStatusTexts::translatedInContextQObject()
{
    QFETCH(int, table);
    QFETCH(int, code);
    QFETCH(QString, text);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("status_texts_ru"), QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&translator);
    // The tables are filled when a client is made: a translation loaded later would not show.
    CM_NetMessge client;
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(lookUp(client, table, code), text);
}

QUELLARO_TEST_MAIN(TestStatusTexts)
#include "tst_status_texts.moc"
