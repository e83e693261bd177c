// The machine link client: the frames it writes, the replies it rebuilds from reads, its trace (in the
// file --trace writes), its address.

#include "test_support.h"

#include "connection/link_factory.h"
#include "link/cm_netmessge.h"
#include "link/link_trace.h"
#include "recording_peer.h"
#include "shell/link_trace_file.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QTcpSocket>

#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

// A client connected to a recording peer; `log` has a line a signal (records live only while emitted).
struct Link
{
    RecordingPeer peer;
    std::unique_ptr<CM_NetMessge> client;
    QStringList log;
    QTcpSocket* socket = nullptr;

    bool open()
    {
        setControllerAddress(QStringLiteral("127.0.0.1"), peer.port());
        client.reset(LinkFactory::newClient());
        CM_NetMessge* c = client.get();
        QObject::connect(c, &CM_NetMessge::SendString, [this](const QString& s) { log << "text " + s; });
        QObject::connect(c, &CM_NetMessge::SendCurentState, [this](int s) { log << QString("curent %1").arg(s); });
        QObject::connect(c, &CM_NetMessge::SendStateAnswer, [this](const _tag_getstate_answer& a) {
            log << QString("state %1 %2 %3").arg(a.mode).arg(a.state).arg(a.error);
        });
        QObject::connect(c, &CM_NetMessge::SendXStateAnswer, [this](const _tag_getxstate_answer& a) {
            log << QString("xstate %1 %2 %3 %4 %5")
                       .arg(a.mode).arg(a.state).arg(a.error).arg(a.boiler_temperature).arg(a.water_pump);
        });
        socket = c->findChild<QTcpSocket*>();
        return socket && QTest::qWaitFor([this] {
                   return socket->state() == QAbstractSocket::ConnectedState && peer.openConnectionCount() == 1;
               }, 5000);
    }
    // Sends as the controller; the client's own handler runs before the spy's.
    bool deliver(const QByteArray& bytes)
    {
        QSignalSpy ready(socket, &QTcpSocket::readyRead);
        return peer.send(bytes) && ready.wait(5000);
    }
};

} // namespace

class TestNetMessge : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearSettings(); }
    void requestsOnTheWire_data();
    void requestsOnTheWire();
    void replies_data();
    void replies();
    void trace();
    void traceOnFullDisk();
    void addresses_data();
    void addresses();
    void programTiming();
    void triesAgainAtItsDelays();
    void healthLine();
};

void TestNetMessge::requestsOnTheWire_data()
{
    QTest::addColumn<QList<int>>("call"); // type and three arguments
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("4 ignores its arguments") << QList<int>{4, -5, 300, 70000} << hexBytes("04 00");
    QTest::newRow("2 with 300: low 8 bits") << QList<int>{2, 300, 9, 9} << hexBytes("02 01 2C");
    QTest::newRow("3 low 16 bits") << QList<int>{3, 0x12345, 65536, -65535} << hexBytes("03 06 45 23 00 00 01 00");
    QTest::newRow("5 low 8 bits, arg3 ignored") << QList<int>{5, 0x10E, 0x101, 7} << hexBytes("05 02 0E 01");
    QTest::newRow("type 0") << QList<int>{0, 1, 1, 1} << QByteArray();
    QTest::newRow("type 6") << QList<int>{6, 1, 1, 1} << QByteArray();
}

void TestNetMessge::requestsOnTheWire()
{
    QFETCH(QList<int>, call);
    QFETCH(QByteArray, frame);

    Link link;
    QVERIFY(link.open());
    QCOMPARE(link.client->SendMessage(call[0], call[1], call[2], call[3]), frame.size());
    // Once the marker after it is there, everything before it is too.
    const QByteArray marker = hexBytes("05 02 15 00");
    QCOMPARE(link.client->SendMessage(5, 21, 0, 0), marker.size());
    QTRY_VERIFY_WITH_TIMEOUT(link.peer.received().endsWith(marker), 5000);
    QCOMPARE(link.peer.received().toHex(' '), (frame + marker).toHex(' '));
}

void TestNetMessge::replies_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<int>("pauseMs"); // between reads
    QTest::addColumn<QStringList>("emitted");

    using Reads = QList<QByteArray>;
    const QByteArray reply1 = hexBytes("01 00 02 E8 03 FF FF");
    const QByteArray reply4 = hexBytes("04 00 03 E9 03 1A 27 9D 03") + QByteArray(41, '\0') + hexBytes("01");
    QTest::newRow("reply 1, reply 4") << Reads{reply1, reply4} << 0
                                      << QStringList{"state 2 1000 65535", "xstate 3 1001 10010 925 1"};
    QTest::newRow("two reply 4 merged: the newest") << Reads{reply4 + hexBytes("04 00 02") + reply4.mid(3)} << 0
                                                    << QStringList{"xstate 2 1001 10010 925 1"};
    // A cut-short frame is dropped once stale, and what follows it too until the next poll: it
    // may be the frame's rest.
    QTest::newRow("reply 4 cut short, 100 ms later reply 1") << Reads{reply4.left(30), reply1} << 100
                                                             << QStringList();
    QTest::newRow("reply 2: 266, 65535") << Reads{hexBytes("02 00 00 0A 01"), hexBytes("02 00 00 FF FF")} << 0
                                         << QStringList{"curent 266", "curent 65535"};
    QTest::newRow("types 0 and 5") << Reads{hexBytes("00 00 02 E8 03 00 00"), hexBytes("05 00 02 E8 03 00 00")} << 0
                                   << QStringList();
}

void TestNetMessge::replies()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(int, pauseMs);
    QFETCH(QStringList, emitted);

    Link link;
    QVERIFY(link.open());
    for (const QByteArray& bytes : reads) {
        QVERIFY(link.deliver(bytes));
        QTest::qWait(pauseMs);
    }
    QCOMPARE(link.log, emitted);
}

// As --trace writes it: appended to the file, each line as it comes, the link's lines only,
// whatever the logging rules say; every line read back by the trace reader as it was written.
void TestNetMessge::trace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("session.trace");
    QVERIFY(writeFile(path, "# earlier\n"));
    QVERIFY(startLinkTraceFile(path)); // for the rest of this program
    qWarning("not a line of the link");

    for (const char* rules : {"quellaro.link.debug=true", "*.debug=false"}) {
        QLoggingCategory::setFilterRules(QString::fromLatin1(rules));
        const qint64 before = readFile(path).size();
        Link link;
        QVERIFY(link.open());
        QCOMPARE(link.client->SendMessage(4, 0, 0, 0), 2);
        QVERIFY(link.deliver(hexBytes("03 00 07 03 00 08 03")));
        link.peer.closeConnections();
        QTRY_COMPARE_WITH_TIMEOUT(link.client->linkState(), CM_NetMessge::LinkState::WaitingToRetry, 5000);
        QCOMPARE(link.client->SendMessage(4, 0, 0, 0), -1);
        CM_NetMessge next(LinkFactory::storedEndpoint()); // connecting
        QCOMPARE(next.SendMessage(1, 0, 0, 0), -1);
        QBuffer written;
        written.setData(readFile(path).mid(before));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QStringList events;
        const LinkTrace::ReadResult result = LinkTrace::readTrace(written, [&](const LinkTrace::Line& line) {
            // Every line names this run: the process id and the start time.
            if (!line.run.startsWith('@' + QByteArray::number(QCoreApplication::applicationPid()) + '.'))
                return QStringLiteral("not this run: ") + QString::fromLatin1(line.run);
            const QString text = LinkTrace::format(line).mid(30).section(' ', 1); // after the time and run
            events << (line.event == LinkTrace::Event::Run
                           ? text
                           : QStringLiteral("%1 %2").arg(line.link - link.client->number()).arg(text.section(' ', 1)));
            return QString();
        });
        QCOMPARE(result.errorLine, 0);
        const QString at = QStringLiteral("127.0.0.1:%1").arg(link.peer.port());
        QStringList expected{"0 connecting to " + at, "0 connected to " + at, "0 request to " + at + ": 04 00",
                             "0 read: 03 00 07 03 00 08 03", "0 reply dropped, an older frame of the same read: 03 00 07",
                             "0 reply delivered: 03 00 08", "0 reply kept, unfinished frame: 03",
                             "0 error with " + at + ", closed-by-controller: The remote host closed the connection",
                             "0 health: 1 requests, 1 replies, no round trip, 0 timeouts, 1 dropped (3 bytes)",
                             "0 disconnected from " + at, "0 request not sent, connection lost: 04 00",
                             "1 connecting to " + at, "1 request not sent, not connected yet: 01 00"};
        if (events.first().startsWith("run: ")) // the first line of the run
            expected.prepend(QStringLiteral("run: Quellaro 1.0.0, pid %1").arg(QCoreApplication::applicationPid()));
        QCOMPARE(events, expected);
        // The disconnect that follows the error says less: the error's reason and text stay.
        QCOMPARE(link.client->linkFailure(), LinkFailure::ClosedByController);
        QCOMPARE(link.client->failureText(), QStringLiteral("The remote host closed the connection"));
        // Each line is read back to the very line written.
        QStringList lines = QString::fromUtf8(written.data()).split('\n');
        QCOMPARE(lines.takeLast(), QString());
        for (const QString& line : qAsConst(lines)) {
            LinkTrace::Line read;
            QString error;
            QVERIFY2(LinkTrace::parse(line.toUtf8(), &read, &error), qPrintable(error));
            QCOMPARE(LinkTrace::format(read), line);
        }
    }
    QVERIFY(readFile(path).startsWith("# earlier\n"));
    QVERIFY(readFile(path).contains(" run: Quellaro 1.0.0, pid "));
}

// A write that fails is said once (the panels show it); the file ends with whole lines.
void TestNetMessge::traceOnFullDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("full.trace");
    QVERIFY(startLinkTraceFile(path));
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    limit.rlim_cur = 300;
    std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    Link link;
    QVERIFY(link.open());
    for (int i = 0; i < 8; ++i)
        link.client->SendMessage(4, 0, 0, 0);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);
    QCOMPARE(LinkTrace::writeFailure(), QStringLiteral("File too large"));
    const QByteArray written = readFile(path);
    QVERIFY2(written.size() <= 300 && written.size() > 100 && written.endsWith('\n'), written.constData());
    QBuffer buffer;
    buffer.setData(written);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const LinkTrace::ReadResult result = LinkTrace::readTrace(buffer, [](const LinkTrace::Line&) { return QString(); });
    QCOMPARE(result.errorLine, 0);
    QCOMPARE(result.warnings, QStringList());
}

void TestNetMessge::addresses_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port"); // empty: the peer's
    QTest::addColumn<QString>("tried"); // the host connected to; empty: not valid, none tried
    QTest::newRow("host name") << "localhost" << "" << "localhost";
    QTest::newRow("groups are decimal, not octal") << "127.000.000.010" << "" << "127.0.0.10";
    QTest::newRow("blanks around") << " 127.0.0.1 " << "" << "127.0.0.1";
    QTest::newRow("group above 255") << "127.0.0.256" << "" << "";
    QTest::newRow("empty groups from the mask") << "..." << "" << "";
    QTest::newRow("three groups") << "127.0.1" << "" << "";
    QTest::newRow("no host") << "" << "" << "";
    QTest::newRow("port 0") << "127.0.0.1" << "0" << "";
    QTest::newRow("port not a number") << "127.0.0.1" << "abc" << "";
}

void TestNetMessge::addresses()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, tried);

    RecordingPeer peer;
    SettingsStore::setControllerHost(host);
    SettingsStore::setControllerPort(port.isEmpty() ? QString::number(peer.port()) : port);
    CM_NetMessge client(LinkFactory::storedEndpoint());
    if (tried.isEmpty()) {
        QCOMPARE(client.linkState(), CM_NetMessge::LinkState::InvalidAddress);
        QCOMPARE(client.findChild<QTcpSocket*>()->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(client.SendMessage(4, 0, 0, 0), -1);
        return;
    }
    QCOMPARE(client.controllerAddress().host, tried);
    if (tried == "127.0.0.10") // the peer listens on 127.0.0.1 only
        return;
    QTRY_COMPARE_WITH_TIMEOUT(client.linkState(), CM_NetMessge::LinkState::Connected, 5000);
    QCOMPARE(client.SendMessage(4, 0, 0, 0), 2);
    QTRY_COMPARE_WITH_TIMEOUT(peer.received(), hexBytes("04 00"), 5000);
}

// The figures the panels' clients run on: a technician reads them in the link line and the trace.
void TestNetMessge::programTiming()
{
    const LinkTiming timing = LinkFactory::timing();
    QCOMPARE(timing.retryDelaysMs, (QVector<int>{1000, 2000, 4000, 5000}));
    QCOMPARE((QList<int>{timing.replyTimeoutMs, timing.longestReplyMs, timing.quietMs, timing.silenceMs,
                         timing.connectTimeoutMs, timing.periodMs(PollPeriod::Fast), timing.periodMs(PollPeriod::Slow)}),
             (QList<int>{500, 4000, 50, 2000, 2000, 100, 500}));
}

// Intervals a tenth of the program's: attempts 20, 40, 80, then every 100 ms after each loss.
void TestNetMessge::triesAgainAtItsDelays()
{
    RecordingPeer peer;
    const QString port = QString::number(peer.port());
    peer.stopListening();
    LinkTiming timing;
    timing.retryDelaysMs = {20, 40, 80, 100};
    CM_NetMessge client(LinkFactory::endpointOf("127.0.0.1", port), timing);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> attempts;
    QList<int> countdown;
    connect(&client, &CM_NetMessge::LinkStateChanged, this, [&](CM_NetMessge::LinkState state) {
        if (state == CM_NetMessge::LinkState::Connecting)
            attempts << clock.restart();
    });
    connect(&client, &CM_NetMessge::RetryCountdown, this, [&](int attempt, int seconds) { countdown << attempt << seconds; });
    QTRY_COMPARE_WITH_TIMEOUT(attempts.size(), 5, 5000);
    const QList<qint64> least{20, 40, 80, 100, 100};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(attempts[i] >= least[i] && attempts[i] < least[i] + 1000, qPrintable(QString::number(attempts[i])));
    QCOMPARE(countdown.mid(0, 6), (QList<int>{1, 1, 2, 1, 3, 1}));
    // Back: polls at once, and the next loss starts again from the first delay.
    peer.answerPolls(hexBytes("01 00 02 E8 03 00 00"));
    QVERIFY(peer.listenAgain());
    client.startPolling(1, 50);
    QTRY_COMPARE_WITH_TIMEOUT(client.linkState(), CM_NetMessge::LinkState::Connected, 5000);
    QTRY_VERIFY(peer.received().startsWith(hexBytes("01 00 01 00")));
    peer.stopListening();
    peer.closeConnections();
    QTRY_COMPARE(client.linkState(), CM_NetMessge::LinkState::WaitingToRetry);
    QCOMPARE(client.retryAttempt(), 1);
}

// Once per interval and when the link closes: what the polls met since the last such line.
void TestNetMessge::healthLine()
{
    static QStringList lines;
    static int rests;
    lines.clear();
    rests = 0;
    QLoggingCategory::setFilterRules("quellaro.link.debug=true");
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (text.contains(" health: "))
            lines << text.section(" health: ", 1);
        rests += text.contains(" reply dropped, rest of a dropped reply: ") ? 1 : 0;
    });
    {
        RecordingPeer peer;
        peer.answerPolls(hexBytes("01 00 02 E8 03 00 00"));
        LinkTiming timing;
        timing.healthEveryMs = 1000;
        CM_NetMessge client(LinkFactory::endpointOf("127.0.0.1", QString::number(peer.port())), timing);
        client.startPolling(1, 100);
        QTRY_COMPARE_WITH_TIMEOUT(lines.size(), 1, 5000);
        // A poll answered short is given up after 500 ms; the next poll drops the stale piece, and
        // the three bytes of its own answer as the piece's rest.
        peer.answerPolls(hexBytes("01 00 02"));
        const int polls = peer.received().size() / 2;
        QTRY_COMPARE_WITH_TIMEOUT(peer.received().size() / 2, polls + 2, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(rests, 1, 5000);
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules("quellaro.link.debug=false");
    QCOMPARE(lines.size(), 2);
    const QRegularExpression first(R"(^(9|10) requests, \1 replies, round trip median \d+ ms, largest \d+ ms, 0 timeouts, 0 dropped \(0 bytes\)$)");
    QVERIFY2(first.match(lines[0]).hasMatch(), qPrintable(lines[0]));
    const QRegularExpression last(R"(^\d requests, \d replies, (no round trip|round trip median \d+ ms, largest \d+ ms), 1 timeouts, 2 dropped \(6 bytes\)$)");
    QVERIFY2(last.match(lines[1]).hasMatch(), qPrintable(lines[1]));
}

QUELLARO_TEST_MAIN(TestNetMessge)
#include "tst_netmessge.moc"
