// The simulated controller on the wire: replies, request parsing, bad clients, faults.

#include "test_support.h"

#include "simulator/simulator_server.h"

#include <QElapsedTimer>
#include <QTcpSocket>

#include <list>

Q_DECLARE_METATYPE(FaultOptions)

namespace {

const QByteArray Reply1 = hexBytes("01 00 02 E8 03 00 00");

// Reply 4 of the idle machine, with the given outputs on.
QByteArray reply4(QList<int> outputs = {})
{
    QByteArray bits(22, '\0');
    for (int n : outputs)
        bits[n] = '\1';
    return hexBytes("04 00 02 E8 03 00 00 C8 00 00 00 01 01 01 01 00 00 00 01 00 01 00 00 00 00 00 00 00 00") + bits;
}

// Fault options with one field set, and a reply delay.
template <typename T>
FaultOptions fault(T FaultOptions::*field, T value, int delayMs = 0)
{
    FaultOptions f;
    f.*field = value;
    f.replyDelayMs += delayMs;
    return f;
}

// A plain client that keeps every byte it receives.
struct Client
{
    QTcpSocket socket;
    QByteArray data;

    bool open(const SimulatorServer& server)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { data += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, server.serverPort());
        return socket.waitForConnected(5000);
    }
    void send(const QByteArray& bytes) { socket.write(bytes); socket.flush(); }
    bool waitFor(const QByteArray& bytes)
    {
        return QTest::qWaitFor([&] { return data.size() >= bytes.size(); }, 5000) && data == bytes;
    }
};

} // namespace

class TestSimulatorServer : public QObject
{
    Q_OBJECT

private slots:
    void badClientsDoNotStopOthers();
    void replies_data();
    void replies();
    void outputCaps_data();
    void outputCaps();
    void gatewayPace_data();
    void gatewayPace();
};

void TestSimulatorServer::badClientsDoNotStopOthers()
{
    SimulatorServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    server.setReplyDelay(200);
    Client steady, garbage, hasty;
    QVERIFY(steady.open(server) && garbage.open(server) && hasty.open(server));

    garbage.send(QByteArray(300000, '\xEE'));
    // Asks, and goes halfway through another request before its answer is written.
    hasty.send(hexBytes("04 00 03 06 14"));
    QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(), 1, 5000);
    hasty.socket.abort();
    QTRY_COMPARE_WITH_TIMEOUT(server.connectionCount(), 2, 5000);
    steady.send(hexBytes("01 00"));
    garbage.send(hexBytes("01 00"));
    QVERIFY(steady.waitFor(Reply1));
    QVERIFY(garbage.waitFor(Reply1));
}

void TestSimulatorServer::replies_data()
{
    QTest::addColumn<FaultOptions>("faults");
    QTest::addColumn<QList<QByteArray>>("pieces"); // each read by the server on its own
    QTest::addColumn<int>("read"); // requests the server reads
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<bool>("closes");

    using Writes = QList<QByteArray>;
    using Pieces = QList<QByteArray>;
    const FaultOptions none;
    const QByteArray garbage = FaultOptions::garbageFrame();
    QByteArray flood;
    while (flood.size() < 1000)
        flood += reply4() + garbage;
    // Request 5: any value but 0 switches on, output 22 is none. Mode -1 is none either.
    QTest::newRow("requests 5, 3, 3 with code -1 and 2: no reply")
        << none << Pieces{hexBytes("05 02 15 01 05 02 0A FF 05 02 16 01 03 06 14 00 00 00 00 00 03 06 FF FF FF FF 00 00"
                                   "02 01 FF 04 00")} << 7 << Writes{reply4({1, 10, 21})} << 0 << false;
    QTest::newRow("split requests") << none << Pieces{hexBytes("03 06 08"), hexBytes("00 00 00"), hexBytes("00 00 04"),
                                                      hexBytes("00")} << 2 << Writes{reply4({14})} << 0 << false;
    QTest::newRow("garbage, then a request")
        << none << Pieces{hexBytes("00 06 07 FF 80"), hexBytes("03 7F 00 00"), hexBytes("04 06"), hexBytes("05 01 15"),
                          hexBytes("01 00")} << 1 << Writes{Reply1} << 0 << false;
    QTest::newRow("split replies") << fault(&FaultOptions::splitReplyMs, 600) << Pieces{hexBytes("04 00")} << 1
                                   << Writes{reply4().left(25), reply4().mid(25)} << 580 << false;
    QTest::newRow("merged replies, the last held") << fault(&FaultOptions::mergeReplies, true)
                                                   << Pieces{hexBytes("01 00 04 00 01 00")} << 3
                                                   << Writes{Reply1 + reply4()} << 0 << false;
    QTest::newRow("garbage every 2") << fault(&FaultOptions::garbageEvery, 2)
                                     << Pieces{hexBytes("01 00 01 00 05 02 06 00 01 00")} << 4
                                     << Writes{Reply1, Reply1, garbage, Reply1} << 0 << false;
    // Replies still owed are written, 100 ms late, before the close.
    QTest::newRow("close after 3, delayed") << fault(&FaultOptions::closeAfterRequests, 3, 100)
                                   << Pieces{hexBytes("01 00 05 02 06 01 01 00 01 00")} << 3 << Writes{Reply1, Reply1}
                                   << 90 << true;
    QTest::newRow("silent") << fault(&FaultOptions::silent, true) << Pieces{hexBytes("04 00 05 02 15 01 01 00")} << 3
                            << Writes() << 0 << false;
    QTest::newRow("flood, the first state request only") << fault(&FaultOptions::floodBytes, 1000)
                                                         << Pieces{hexBytes("04 00 01 00")} << 2
                                                         << Writes{flood.left(1000), Reply1} << 0 << false;
}

void TestSimulatorServer::replies()
{
    QFETCH(FaultOptions, faults);
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(int, read);
    QFETCH(QList<QByteArray>, writes);
    QFETCH(int, minMs);
    QFETCH(bool, closes);

    SimulatorServer server;
    server.setFaults(faults);
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    QList<QByteArray> sent;
    connect(&server, &SimulatorServer::bytesSent, this, [&sent](int, const QByteArray& bytes) { sent << bytes; });
    Client client;
    QVERIFY(client.open(server));
    QTRY_VERIFY_WITH_TIMEOUT(server.findChild<QTcpSocket*>(), 5000);

    QElapsedTimer timer;
    timer.start();
    for (const QByteArray& piece : pieces) { // the server reads in its own handler, before the spy's
        QSignalSpy readyRead(server.findChild<QTcpSocket*>(), &QTcpSocket::readyRead);
        client.send(piece);
        QVERIFY(readyRead.wait(5000));
    }
    QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(), read, 5000);
    QVERIFY(client.waitFor(QByteArrayList(writes).join()));
    QVERIFY2(timer.elapsed() >= minMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(sent, writes);
    QTRY_COMPARE_WITH_TIMEOUT(client.socket.state(), closes ? QAbstractSocket::UnconnectedState : QAbstractSocket::ConnectedState, 5000);
}

void TestSimulatorServer::outputCaps_data()
{
    QTest::addColumn<qint64>("perConnection");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("hogs");
    QTest::addColumn<int>("baud");
    // Each hog asks for 40 replies 4 (2040 bytes) at once, held back by the reply delay or a slow line.
    QTest::newRow("a connection's own cap") << qint64(1000) << (qint64(1) << 30) << 1 << 0;
    QTest::newRow("a share of the total: 750 bytes each") << (qint64(1) << 30) << qint64(3000) << 3 << 0;
    QTest::newRow("replies waiting on a 2400-baud line") << qint64(1000) << (qint64(1) << 30) << 1 << 2400;
}

void TestSimulatorServer::outputCaps()
{
    QFETCH(qint64, perConnection);
    QFETCH(qint64, total);
    QFETCH(int, hogs);
    QFETCH(int, baud);

    SimulatorServer server;
    server.setOutputCaps(perConnection, total);
    server.setFaults(baud ? fault(&FaultOptions::baud, baud) : fault(&FaultOptions::replyDelayMs, 300));
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    Client steady;
    QVERIFY(steady.open(server));
    std::list<Client> hogClients(static_cast<size_t>(hogs));
    for (Client& hog : hogClients)
        QVERIFY(hog.open(server));
    QTRY_COMPARE_WITH_TIMEOUT(server.connectionCount(), hogs + 1, 5000);

    QSignalSpy passed(&server, &SimulatorServer::outputLimitPassed);
    for (Client& hog : hogClients)
        hog.send(QByteArray::fromHex(QByteArray("0400").repeated(40)));
    QTRY_COMPARE_WITH_TIMEOUT(server.connectionCount(), 1, 5000);
    QCOMPARE(passed.count(), hogs);
    QByteArray replies;
    for (int n = 0; n < 3; ++n) { // the steady client goes on being served
        steady.send(hexBytes("04 00"));
        replies += reply4();
        QVERIFY(steady.waitFor(replies));
    }
    for (const Client& hog : hogClients) // closed before any delayed reply was written
        QVERIFY(hog.data.isEmpty());
}

void TestSimulatorServer::gatewayPace_data()
{
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("packet");
    QTest::addColumn<int>("minSpanMs"); // from the first read to the last
    QTest::addColumn<int>("minReads");
    // A reply 4 is 51 bytes: 53 ms on a 9600-baud line, 212 ms at 2400.
    QTest::newRow("9600 baud, byte by byte") << 9600 << 1 << 45 << 10;
    QTest::newRow("9600 baud, 8-byte packets") << 9600 << 8 << 38 << 3;
    QTest::newRow("2400 baud, 32-byte packets") << 2400 << 32 << 70 << 2;
}

void TestSimulatorServer::gatewayPace()
{
    QFETCH(int, baud);
    QFETCH(int, packet);
    QFETCH(int, minSpanMs);
    QFETCH(int, minReads);
    FaultOptions gateway = fault(&FaultOptions::baud, baud);
    gateway.gatewayPacketBytes = packet;
    SimulatorServer server;
    server.setFaults(gateway);
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    Client client;
    QVERIFY(client.open(server));
    QElapsedTimer clock;
    QList<qint64> times, ends; // of each read
    connect(&client.socket, &QTcpSocket::readyRead, this, [&] {
        times << clock.elapsed();
        ends << client.data.size();
    });
    clock.start();
    client.send(hexBytes("04 00"));
    QSignalSpy readyRead(&client.socket, &QTcpSocket::readyRead); // a real event loop: qWaitFor naps 10 ms
    while (client.data.size() < reply4().size() && readyRead.wait(5000)) {
    }
    QCOMPARE(client.data, reply4());
    QVERIFY2(times.last() - times.first() >= minSpanMs && ends.size() >= minReads,
             qPrintable(QStringLiteral("%1 reads over %2 ms").arg(times.size()).arg(times.last() - times.first())));
    for (int i = 0; i + 1 < ends.size(); ++i) // whole packets, and the reply's tail last
        QCOMPARE(ends.at(i) % packet, 0);
}

QUELLARO_TEST_MAIN(TestSimulatorServer)
#include "tst_simulator_server.moc"
