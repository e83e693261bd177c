// The texts of the machine's mode, state and error codes, and their translation.

#include "test_support.h"

#include "link/cm_netmessge.h"

#include <QTranslator>

namespace {

enum Table { Mode, State, Error };

QString lookUp(CM_NetMessge& client, int table, int code)
{
    switch (table) {
    case Mode:
        return client.GetCMModeString(code);
    case State:
        return client.GetCMStateString(code);
    default:
        return client.GetCMErrorString(code);
    }
}

} // namespace

class TestStatusTexts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void texts_data();
    void texts();
    void noOtherCodesHaveTexts();
    void translatedInContextQObject_data();
    void translatedInContextQObject();
};

void TestStatusTexts::init()
{
    // A client connects on construction; nothing needs to answer for these tests.
    setControllerAddress(QStringLiteral("127.0.0.1"), 1);
}

void TestStatusTexts::texts_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    const auto row = [](int table, int code, const char* text) {
        static const char* const names[] = {"mode", "state", "error"};
        QTest::addRow("%s %d", names[table], code) << table << code << QString::fromLatin1(text);
    };

    row(Mode, 0, "Off");
    row(Mode, 1, "Initialization");
    row(Mode, 2, "Trade");
    row(Mode, 3, "Operator");
    row(Mode, 4, "Master");
    row(Mode, 5, "Washing");
    row(Mode, 6, "Diagnostic");
    row(Mode, 7, "");
    row(Mode, 99, "");
    row(Mode, -1, "");

    row(Error, 0, "All correct");
    row(Error, 1, "Timeout diagnosis");
    row(Error, 2, "The faulty temperature sensor");
    row(Error, 3, "");
    row(Error, 9, "");
    row(Error, 10, "Coffee group not ready at the beginning of the cooking cycle");
    row(Error, 11, "Water selector not ready at the beginning of the cooking cycle");
    row(Error, 12, "Sugar dispenser not ready at the beginning of the cooking cycle");
    row(Error, 13, "");
    row(Error, 14, "Cup dispenser not ready at the beginning of the cooking cycle");
    row(Error, 15, "Timeout devices go in initial state");
    row(Error, 16, "Boiler not ready at the beginning of the cooking cycle");
    row(Error, 17, "Timeout Cup waiting");
    row(Error, 18, "Mixer not ready");
    row(Error, 19, "Timeout heating");
    row(Error, 20, "");
    row(Error, 10000, "Error water system");
    row(Error, 10001, "Error boiler");
    row(Error, 10002, "Error sugar dispenser");
    row(Error, 10003, "Error cup dispenser");
    row(Error, 10004, "Error coffee group");
    row(Error, 10005, "Error garbage container");
    row(Error, 10006, "Error mixer 1");
    row(Error, 10007, "Error mixer 2");
    row(Error, 10008, "Error mixer 3");
    row(Error, 10009, "Error mixer 4");
    row(Error, 10010, "Error water selector");
    row(Error, 10011, "");
    row(Error, 65535, "");

    row(State, 0, "Start mode");
    row(State, 1, "Water systerm diagnostic");
    row(State, 2, "Boiler diagnostic");
    row(State, 3, "Sugar dispenser diagnostic");
    row(State, 4, "Cup dispenser diagnostic");
    row(State, 5, "Cofe group diagnostic");
    row(State, 6, "Garbage container diagnostic");
    row(State, 7, "Mixer 1 diagnostic");
    row(State, 8, "Mixer 2 diagnostic");
    row(State, 9, "Mixer 3 diagnostic");
    row(State, 10, "Mixer 4 diagnostic");
    row(State, 11, "Water selector diagnostic");
    row(State, 12, "");
    row(State, 100, "Start cooking cycle");
    row(State, 110, "Going in initial state at the beginning of the cooking cycle");
    row(State, 111, "Strait of water after inactivity");
    row(State, 112, "Strait of water in progress");
    row(State, 113, "");
    row(State, 114, "Cycle start issuing cup");
    row(State, 115, "Cycle issuing cup in progress");
    row(State, 116, "Cycle start issuing sugar");
    row(State, 117, "Cycle issuing sugar in progress");
    row(State, 118, "Issuance of sugar");
    row(State, 119, "");
    row(State, 120, "Start the cycle of ingredients prepare");
    row(State, 121, "Start pause before the next ingredient");
    row(State, 122, "Pause before the next ingredien");
    row(State, 123, "");
    row(State, 130, "Starting the cycle of coffee group");
    row(State, 131, "Waiting the cycle of cofefe group");
    row(State, 132, "Heating water for coffee group");
    row(State, 133, "Strait water in coffee group");
    row(State, 134, "Coffee group going in initial state");
    row(State, 140, "Start mixer");
    row(State, 141, "Wait mixer");
    row(State, 142, "Heating water for mixer");
    row(State, 1000, "Waiting");
    row(State, 1001, "Error");
    row(State, 1002, "");
    row(State, 65535, "");
}

void TestStatusTexts::texts()
{
    QFETCH(int, table);
    QFETCH(int, code);
    QFETCH(QString, text);

    CM_NetMessge client;
    QCOMPARE(lookUp(client, table, code), text);
}

void TestStatusTexts::noOtherCodesHaveTexts()
{
    // The tables hold 7 mode, 34 state (31 and the three mixer steps) and 23 error texts.
    CM_NetMessge client;
    int counts[3] = {0, 0, 0};
    for (int table : {Mode, State, Error}) {
        for (int code = -10; code <= 70000; ++code) {
            if (!lookUp(client, table, code).isEmpty())
                ++counts[table];
        }
    }
    QCOMPARE(counts[Mode], 7);
    QCOMPARE(counts[State], 34);
    QCOMPARE(counts[Error], 23);
}

void TestStatusTexts::translatedInContextQObject_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("mode in QObject") << int(Mode) << 2 << QString::fromUtf8("Торговля");
    QTest::newRow("state in QObject") << int(State) << 1000 << QString::fromUtf8("Ожидание");
    QTest::newRow("mixer state in QObject") << int(State) << 140 << QString::fromUtf8("Запуск миксера");
    QTest::newRow("error in QObject") << int(Error) << 10001 << QString::fromUtf8("Ошибка бойлера");
    QTest::newRow("mode only in CM_NetMessge") << int(Mode) << 4 << QStringLiteral("Master");
    QTest::newRow("error only in CM_NetMessge") << int(Error) << 0 << QStringLiteral("All correct");
    QTest::newRow("not in the file") << int(Mode) << 6 << QStringLiteral("Diagnostic");
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
