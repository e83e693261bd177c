// The simulated controller on the wire: its replies byte for byte, how it takes requests
// apart, how it copes with bad clients, and each way it can be told to misbehave.

#include "test_support.h"

#include "link/cm_netmessge.h"
#include "link/protocol.h"
#include "simulator/simulator_server.h"

#include <QElapsedTimer>
#include <QTcpSocket>

#include <memory>
#include <vector>

namespace {

const QByteArray IdleReply1 = hexBytes("01 00 02 E8 03 00 00");

QByteArray idleReply4(int output = -1)
{
    QByteArray outputs(22, '\0');
    if (output >= 0)
        outputs[output] = '\1';
    return hexBytes("04 00 02 E8 03 00 00 C8 00 00 00 01 01 01 01 00 00 00 01 00 01 00 00 00 00 00 00 00 00")
        + outputs;
}

// A plain client that keeps every byte it receives.
struct Client
{
    QTcpSocket socket;
    QByteArray data;
    int reads = 0;

    bool open(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            data += socket.readAll();
            ++reads;
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(5000);
    }
    void send(const QByteArray& bytes)
    {
        socket.write(bytes);
        socket.flush();
    }
    bool waitFor(int size, int ms = 5000)
    {
        return QTest::qWaitFor([&] { return data.size() >= size; }, ms);
    }
};

struct Simulator
{
    SimulatorServer server;

    bool start() { return server.listen(QHostAddress::LocalHost, 0); }
    // Waits until the server has read `count` requests in all.
    bool waitForRequests(int count)
    {
        return QTest::qWaitFor([&] { return server.requestCount() >= count; }, 5000);
    }
};

} // namespace

class TestSimulatorServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void replies_data();
    void replies();
    void requestsActOnTheMachine();
    void splitRequests();
    void mergedRequests();
    void badInput_data();
    void badInput();
    void vanishingClientsDoNotDisturbOthers();
    void manyConnections();
    void replyDelay();
    void splitReplies();
    void mergeReplies();
    void garbageEvery();
    void closeAfterRequests();
    void silent();
    void flood();
    void clientSurvivesAFlood();
    void listenFailsOnATakenPort();
};

void TestSimulatorServer::init()
{
    clearSettings();
}

void TestSimulatorServer::replies_data()
{
    QTest::addColumn<QByteArray>("requests");
    QTest::addColumn<QByteArray>("replies");

    // A request without a reply is followed by a state request, whose reply shows what the
    // first one did.
    QTest::newRow("request 1") << hexBytes("01 00") << IdleReply1;
    QTest::newRow("request 4") << hexBytes("04 00") << idleReply4();
    QTest::newRow("request 2: no reply, mode only later") << hexBytes("02 01 06 01 00") << IdleReply1;
    QTest::newRow("request 5: no reply, output on") << hexBytes("05 02 15 01 04 00") << idleReply4(21);
    QTest::newRow("request 5: output off") << hexBytes("05 02 15 01 05 02 15 00 04 00") << idleReply4();
    QTest::newRow("request 3 boiler on: no reply, output on") << hexBytes("03 06 14 00 00 00 00 00 04 00")
                                                              << idleReply4(1);
    QTest::newRow("request 3 code 33: nothing changes") << hexBytes("03 06 21 00 00 00 00 00 04 00")
                                                        << idleReply4();
    QTest::newRow("request 3 code -1: nothing changes") << hexBytes("03 06 FF FF FF FF 00 00 04 00")
                                                        << idleReply4();
}

void TestSimulatorServer::replies()
{
    QFETCH(QByteArray, requests);
    QFETCH(QByteArray, replies);

    Simulator sim;
    QVERIFY(sim.start());
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));
    client.send(requests);
    QVERIFY(client.waitFor(replies.size()));
    QCOMPARE(client.data.toHex(' '), replies.toHex(' '));
}

void TestSimulatorServer::requestsActOnTheMachine()
{
    Simulator sim;
    QVERIFY(sim.start());
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));

    client.send(hexBytes("02 01 03"));
    QTRY_COMPARE_WITH_TIMEOUT(sim.server.model().mode(), 3, 5000);
    client.send(hexBytes("03 06 22 00 01 00 02 00")); // make drink 1 with sugar 2
    QTRY_VERIFY_WITH_TIMEOUT(sim.server.model().busy(), 5000);
    QVERIFY(sim.server.model().state() >= 100 && sim.server.model().state() < 1000);
    client.send(hexBytes("05 02 06 01"));
    QTRY_VERIFY_WITH_TIMEOUT(sim.server.model().output(Protocol::OutCooler), 5000);

    // The machine shows in the replies: mode 3, cooler on.
    client.send(hexBytes("04 00"));
    QVERIFY(client.waitFor(51));
    QCOMPARE(int(client.data[2]), 3);
    QCOMPARE(int(client.data[2 + 27 + Protocol::OutCooler]), 1);
}

void TestSimulatorServer::splitRequests()
{
    Simulator sim;
    QVERIFY(sim.start());
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));

    client.send(hexBytes("03 06 08"));
    client.send(hexBytes("00 00 00"));
    client.send(hexBytes("00"));
    QTest::qWait(50); // let the pieces arrive apart
    client.send(hexBytes("00 04"));
    QTest::qWait(50);
    client.send(hexBytes("00"));
    QVERIFY(client.waitFor(51));
    QCOMPARE(client.data.toHex(' '), idleReply4(Protocol::OutMixer1Drive).toHex(' '));
    QCOMPARE(sim.server.requestCount(), 2);
}

void TestSimulatorServer::mergedRequests()
{
    Simulator sim;
    QVERIFY(sim.start());
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));

    client.send(hexBytes("04 00 01 00 05 02 00 01 04 00 01 00"));
    const QByteArray expected = idleReply4() + IdleReply1 + idleReply4(0) + IdleReply1;
    QVERIFY(client.waitFor(expected.size()));
    QCOMPARE(client.data.toHex(' '), expected.toHex(' '));
}

void TestSimulatorServer::badInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("dropped");

    QTest::newRow("unknown types") << hexBytes("00 06 07 FF 80") << 5;
    QTest::newRow("length byte too large") << hexBytes("03 7F 00 00") << 4;
    QTest::newRow("length byte of another type") << hexBytes("04 06") << 2;
    QTest::newRow("request 5 claiming 1 byte") << hexBytes("05 01 15") << 3;
    QTest::newRow("a long run of garbage") << QByteArray(300000, '\xEE') << 300000;
    QTest::newRow("a long run of type bytes") << QByteArray(100000, '\x03') << 100000;
}

void TestSimulatorServer::badInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, dropped);

    Simulator sim;
    QVERIFY(sim.start());
    int droppedBytes = 0;
    connect(&sim.server, &SimulatorServer::bytesDropped, this,
            [&droppedBytes](int, const QByteArray& b) { droppedBytes += b.size(); });
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));
    client.send(bytes);
    client.send(hexBytes("01 00"));
    QVERIFY(client.waitFor(IdleReply1.size()));
    QCOMPARE(client.data.toHex(' '), IdleReply1.toHex(' '));
    QCOMPARE(droppedBytes, dropped);
    QCOMPARE(sim.server.requestCount(), 1);
}

void TestSimulatorServer::vanishingClientsDoNotDisturbOthers()
{
    Simulator sim;
    QVERIFY(sim.start());
    sim.server.setReplyDelay(200);
    Client steady;
    QVERIFY(steady.open(sim.server.serverPort()));

    {
        // Asks and goes before the answer; another goes halfway through a request.
        Client hasty;
        QVERIFY(hasty.open(sim.server.serverPort()));
        hasty.send(hexBytes("04 00 03 06 14"));
        QVERIFY(sim.waitForRequests(1));
        hasty.socket.abort();
    }
    QTRY_COMPARE_WITH_TIMEOUT(sim.server.connectionCount(), 1, 5000);
    QTest::qWait(300); // past the delayed reply of the gone client

    steady.send(hexBytes("01 00"));
    QVERIFY(steady.waitFor(IdleReply1.size()));
    QCOMPARE(steady.data, IdleReply1);
    QCOMPARE(sim.server.acceptedCount(), 2);
}

void TestSimulatorServer::manyConnections()
{
    Simulator sim;
    QVERIFY(sim.start());
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < 8; ++i) {
        clients.emplace_back(new Client);
        QVERIFY(clients.back()->open(sim.server.serverPort()));
    }
    for (auto& client : clients)
        client->send(hexBytes("01 00 04 00"));
    for (auto& client : clients) {
        QVERIFY(client->waitFor(IdleReply1.size() + 51));
        QCOMPARE(client->data, IdleReply1 + idleReply4());
    }
    QTRY_COMPARE_WITH_TIMEOUT(sim.server.connectionCount(), 8, 5000);
}

void TestSimulatorServer::replyDelay()
{
    Simulator sim;
    QVERIFY(sim.start());
    sim.server.setReplyDelay(400);
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));
    QElapsedTimer timer;
    timer.start();
    client.send(hexBytes("01 00"));
    QVERIFY(client.waitFor(IdleReply1.size()));
    QVERIFY2(timer.elapsed() >= 380, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(client.data, IdleReply1);
}

void TestSimulatorServer::splitReplies()
{
    Simulator sim;
    QVERIFY(sim.start());
    sim.server.setSplitReplies(600);
    QList<QByteArray> writes;
    connect(&sim.server, &SimulatorServer::bytesSent, this,
            [&writes](int, const QByteArray& bytes) { writes << bytes; });
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));

    QElapsedTimer timer;
    client.send(hexBytes("04 00"));
    QVERIFY(client.waitFor(1));
    timer.start();
    QCOMPARE(client.data.size(), 25); // the first half, alone
    QVERIFY(client.waitFor(51));
    QVERIFY2(timer.elapsed() >= 450, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(client.data, idleReply4());
    QCOMPARE(writes, (QList<QByteArray>{idleReply4().left(25), idleReply4().mid(25)}));
}

void TestSimulatorServer::mergeReplies()
{
    Simulator sim;
    QVERIFY(sim.start());
    sim.server.setMergeReplies(true);
    QList<QByteArray> writes;
    connect(&sim.server, &SimulatorServer::bytesSent, this,
            [&writes](int, const QByteArray& bytes) { writes << bytes; });
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));

    client.send(hexBytes("01 00"));
    QVERIFY(sim.waitForRequests(1));
    QVERIFY(writes.isEmpty()); // held for the next one
    client.send(hexBytes("04 00"));
    QVERIFY(client.waitFor(IdleReply1.size() + 51));
    QCOMPARE(client.data, IdleReply1 + idleReply4());
    QCOMPARE(writes, QList<QByteArray>{IdleReply1 + idleReply4()});
}

void TestSimulatorServer::garbageEvery()
{
    Simulator sim;
    QVERIFY(sim.start());
    sim.server.setGarbageEvery(2);
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));

    client.send(hexBytes("01 00 01 00 05 02 06 00 01 00 01 00 01 00"));
    const QByteArray garbage = FaultOptions::garbageFrame();
    const QByteArray expected = IdleReply1 + IdleReply1 + garbage + IdleReply1 + IdleReply1 + garbage + IdleReply1;
    QVERIFY(client.waitFor(expected.size()));
    QCOMPARE(client.data.toHex(' '), expected.toHex(' '));
    const int type = quint8(garbage[0]);
    QVERIFY(type < 1 || type > 4); // no reply type
}

void TestSimulatorServer::closeAfterRequests()
{
    Simulator sim;
    QVERIFY(sim.start());
    FaultOptions faults;
    faults.closeAfterRequests = 3;
    faults.replyDelayMs = 100; // replies still owed are written before the close
    sim.server.setFaults(faults);
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));
    QSignalSpy closed(&client.socket, &QTcpSocket::disconnected);

    client.send(hexBytes("01 00 05 02 06 01 01 00 01 00 05 02 15 01"));
    QVERIFY(closed.wait(5000));
    QCOMPARE(client.data, IdleReply1 + IdleReply1);
    QVERIFY(sim.server.model().output(Protocol::OutCooler));
    QVERIFY(!sim.server.model().output(Protocol::OutWaterPump)); // after the limit: not read
    QTRY_COMPARE_WITH_TIMEOUT(sim.server.connectionCount(), 0, 5000);

    // New connections are served as before.
    Client again;
    QVERIFY(again.open(sim.server.serverPort()));
    again.send(hexBytes("01 00"));
    QVERIFY(again.waitFor(IdleReply1.size()));
}

void TestSimulatorServer::silent()
{
    Simulator sim;
    QVERIFY(sim.start());
    sim.server.setSilent(true);
    int writes = 0;
    connect(&sim.server, &SimulatorServer::bytesSent, this, [&writes] { ++writes; });
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));

    client.send(hexBytes("04 00 01 00 05 02 15 01 04 00"));
    QVERIFY(sim.waitForRequests(4));
    QVERIFY(sim.server.model().output(Protocol::OutWaterPump)); // requests still act
    QCOMPARE(writes, 0);
    QTest::qWait(200);
    QCOMPARE(client.data.size(), 0);
    QCOMPARE(client.socket.state(), QAbstractSocket::ConnectedState);
}

void TestSimulatorServer::flood()
{
    Simulator sim;
    QVERIFY(sim.start());
    sim.server.setFloodBytes(1 << 20);
    Client client;
    QVERIFY(client.open(sim.server.serverPort()));

    client.send(hexBytes("05 02 15 00 04 00"));
    QVERIFY(client.waitFor(1 << 20, 20000));
    const QByteArray garbage = FaultOptions::garbageFrame();
    QCOMPARE(client.data.left(51), idleReply4());
    QCOMPARE(client.data.mid(51, garbage.size()), garbage);
    QCOMPARE(client.data.mid(51 + garbage.size(), 51), idleReply4());
    QCOMPARE(client.data.size(), 1 << 20);

    // Only the first state request floods.
    client.data.clear();
    client.send(hexBytes("01 00"));
    QVERIFY(client.waitFor(IdleReply1.size()));
    QCOMPARE(client.data, IdleReply1);
}

void TestSimulatorServer::clientSurvivesAFlood()
{
    Simulator sim;
    QVERIFY(sim.start());
    sim.server.setFloodBytes(1 << 20);
    setControllerAddress(QStringLiteral("127.0.0.1"), sim.server.serverPort());
    CM_NetMessge client;
    int answers = 0;
    int lastMode = -1;
    connect(&client, &CM_NetMessge::SendStateAnswer, this, [&](const _tag_getstate_answer& answer) {
        ++answers;
        lastMode = answer.mode;
    });
    // Polled like a panel: the flood passes, and plain answers get through again.
    QTRY_VERIFY_WITH_TIMEOUT((client.SendMessage(1, 0, 0, 0), sim.server.requestCount() > 5), 20000);
    answers = 0;
    lastMode = -1;
    QTRY_COMPARE_WITH_TIMEOUT((client.SendMessage(1, 0, 0, 0), lastMode), 2, 20000);
    QVERIFY(answers > 0);
}

void TestSimulatorServer::listenFailsOnATakenPort()
{
    Simulator first;
    QVERIFY(first.start());
    SimulatorServer second;
    QVERIFY(!second.listen(QHostAddress::LocalHost, first.server.serverPort()));
    QVERIFY(!second.errorString().isEmpty());
}

QUELLARO_TEST_MAIN(TestSimulatorServer)
#include "tst_simulator_server.moc"
