// The texts of the machine's mode, state and error codes and of a link's failures, and their
// translation.

#include "test_support.h"

#include "connection/link_factory.h"
#include "link/cm_netmessge.h"
#include "link/failure_texts.h"
#include "shell/translation_loader.h"

#include <QTranslator>

using Table = QString (CM_NetMessge::*)(int);
Q_DECLARE_METATYPE(Table)
Q_DECLARE_METATYPE(LinkFailure)

class TestStatusTexts : public QObject
{
    Q_OBJECT

private slots:
    // A client connects on construction; nothing needs to answer for these tests.
    void init() { setControllerAddress(QStringLiteral("127.0.0.1"), 1); }
    void texts_data();
    void texts();
    void failureWords_data();
    void failureWords();
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

void TestStatusTexts::failureWords_data()
{
    QTest::addColumn<LinkFailure>("failure");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<QStringList>("english"); // the sentence, the fragment
    QTest::addColumn<QStringList>("russian");

    const QString socket = QStringLiteral("Network operation timed out");
    QTest::newRow("refused") << LinkFailure::Refused << 2000
                             << QStringList{"The connection was refused: nothing listens at that port.",
                                            "refused: nothing listens at that port"}
                             << QStringList{QString::fromUtf8(
                                                "В соединении отказано: на этом порту никто не принимает подключения."),
                                            QString::fromUtf8("отказано: на этом порту никто не слушает")};
    QTest::newRow("closed") << LinkFailure::ClosedByController << 2000
                            << QStringList{"The controller closed the connection.",
                                           "the controller closed the connection"}
                            << QStringList{QString::fromUtf8("Контроллер закрыл соединение."),
                                           QString::fromUtf8("контроллер закрыл соединение")};
    QTest::newRow("timed out, 2 s") << LinkFailure::TimedOut << 2000
                                    << QStringList{"No connection within 2 s (timed out).", "no connection within 2 s"}
                                    << QStringList{QString::fromUtf8(
                                                       "Соединение не установлено за 2 с (время ожидания истекло)."),
                                                   QString::fromUtf8("нет соединения за 2 с")};
    QTest::newRow("timed out, 1.5 s")
        << LinkFailure::TimedOut << 1500
        << QStringList{"No connection within 1.5 s (timed out).", "no connection within 1.5 s"}
        << QStringList{QString::fromUtf8("Соединение не установлено за 1,5 с (время ожидания истекло)."),
                       QString::fromUtf8("нет соединения за 1,5 с")};
    QTest::newRow("other: the socket's words")
        << LinkFailure::Other << 2000 << QStringList{socket, socket} << QStringList{socket, socket};
    QTest::newRow("none: the socket's words")
        << LinkFailure::None << 2000 << QStringList{socket, socket} << QStringList{socket, socket};
}

// Every text that says why a link was lost comes from one place, with the seconds of the timing.
void TestStatusTexts::failureWords()
{
    QFETCH(LinkFailure, failure);
    QFETCH(int, timeoutMs);
    QFETCH(QStringList, english);
    QFETCH(QStringList, russian);
    const QString socket = QStringLiteral("Network operation timed out");
    QCOMPARE((QStringList{FailureTexts::sentence(failure, socket, timeoutMs),
                          FailureTexts::fragment(failure, socket, timeoutMs)}),
             english);

    QTranslator translator;
    QVERIFY(loadTranslation(translator, {QUELLARO_QM_DIR}, QStringLiteral("ru_RU")));
    QCoreApplication::installTranslator(&translator);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QStringList translated{FailureTexts::sentence(failure, socket, timeoutMs),
                                 FailureTexts::fragment(failure, socket, timeoutMs)};
    QLocale::setDefault(QLocale::c());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, russian);
}

QUELLARO_TEST_MAIN(TestStatusTexts)
#include "tst_status_texts.moc"
