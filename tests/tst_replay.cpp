// Recorded sessions: the trace read back, played on the wire and shown by the real boiler panel.

#include "test_support.h"

#include "panels/testboilerdialog.h"
#include "simulator/simulator_server.h"
#include "simulator/trace_reader.h"

#include <QCheckBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QTcpSocket>

namespace {

using Events = QList<QPair<qint64, QByteArray>>; // a close is "closes"

TraceRecording parse(const QByteArray& text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return TraceReader::read(buffer);
}

// What the boiler panel shows: mode, temperature, heating, and whether its link line says more.
QString shown(const QWidget* panel)
{
    const QLabel* line = panel->findChild<QLabel*>(QStringLiteral("linkStateLabel"));
    const QString state = !line->isVisible()                      ? QString()
        : line->text().contains(QLatin1String("does not answer")) ? QStringLiteral("silent")
                                                                  : QStringLiteral("no link");
    return QStringList{panel->findChild<QLineEdit*>(QStringLiteral("curentModelineEdit"))->text(),
                       QString::number(panel->findChild<QLCDNumber*>(QStringLiteral("lcdNumber"))->value()),
                       panel->findChild<QCheckBox*>(QStringLiteral("boilerOncheckBox"))->isChecked() ? "on" : "off",
                       state}
        .join('|');
}

} // namespace

class TestReplay : public QObject
{
    Q_OBJECT

private slots:
    void readsTraces_data()
    {
        QTest::addColumn<QByteArray>("trace");
        QTest::addColumn<QList<Events>>("connections");
        QTest::addColumn<int>("errorLine");
        const QByteArray a = "2026-12-06T14:30:00.100+01:00 #1 ", a2 = "2026-12-06T14:30:00.100+01:00 #2 ";
        const QByteArray b = "2026-12-06T13:30:00.350Z #1 ";
        QTest::newRow("reads since connected, offsets, comments, the close")
            << "# hand-written\n\r\n2026-12-06T14:29:59.900+01:00 #1 connecting to h:1\n" + a + "connected to h:1\n" + a
                + "request to h:1: 04 00\n2026-12-06T13:30:00.350+00:00 #1 read: 04 00 E8\n"
                + "2026-12-06T08:30:00.400-05:00 #1 reply kept, unfinished frame: 04 00 e8\n"
                + "2026-12-06T14:30:01.000+01:00 #1 error with h:1: The remote host closed the connection\n"
                + "2026-12-06T14:30:01.001+01:00 #1 disconnected from h:1\n"
            << QList<Events>{{{250, hexBytes("04 00 e8")}, {900, "closes"}}} << 0;
        QTest::newRow("never connected: skipped; appended runs; a clock set back")
            << a + "connecting to h:1\n" + a + "error with h:1: Connection refused\n" + a2 + "connecting to h:1\n" + a2
                + "connected to h:1\n" + a2 + "read: 01\n" + a + "connecting to h:1\n" + a + "connected to h:1\n"
                + "2026-12-06T14:30:00.090+01:00 #1 read: 02\n"
            << QList<Events>{{{0, "\x01"}}, {{0, "\x02"}}} << 0;
        QTest::newRow("a byte-order mark; a cut last line skipped")
            << "\xEF\xBB\xBF" + a + "connected to h:1\n" + a + "read: 01\n" + a + "read: 0"
            << QList<Events>{{{0, "\x01"}}} << 0;
        QTest::newRow("a silence of 30 days played as an hour")
            << a + "connected to h:1\n2027-01-05T14:30:00.100+01:00 #1 read: 01\n"
                + "2027-01-05T14:30:00.300+01:00 #1 read: 02\n"
            << QList<Events>{{{3600000, "\x01"}, {3600200, "\x02"}}} << 0;
        QTest::newRow("named reasons: refused is no close, closed-by-controller is")
            << a + "connected to h:1\n" + a + "error with h:1, refused: x\n" + a
                + "error with h:1, closed-by-controller: y\n"
            << QList<Events>{{{0, "closes"}}} << 0;
        QTest::newRow("a run line: the links of the next run are new")
            << "2026-12-06T14:30:00.000+01:00 run: Quellaro 1.0.0, pid 7\n" + a + "connected to h:1\n"
                + "2026-12-06T14:30:00.000+01:00 run: Quellaro 1.0.0, pid 8\n" + a + "read: 01\n"
            << QList<Events>() << 4;
        QTest::newRow("two runs in one file at once: each link #1 its own connection")
            << QByteArray("2026-12-06T14:30:00.000+01:00 @7.a #1 connected to h:1\n"
                          "2026-12-06T14:30:00.000+01:00 @8.b run: Quellaro 1.0.0, pid 8\n"
                          "2026-12-06T14:30:00.000+01:00 @8.b #1 connected to h:1\n"
                          "2026-12-06T14:30:00.100+01:00 @7.a #1 read: 01\n"
                          "2026-12-06T14:30:00.200+01:00 @8.b #1 read: 02\n")
            << QList<Events>{{{100, "\x01"}}, {{200, "\x02"}}} << 0;
        QTest::newRow("no trace line at all") << QByteArray("# a comment\n\n") << QList<Events>() << 1;
        // Lines it cannot read: a "Z" offset, link 0, an unknown event, bad hex, 30 February, a read on a
        // link that is connecting.
        for (const QByteArray& line :
             QByteArrayList{b + "read: 01", "2026-12-06T14:30:00.100+01:00 #0 read: 01", a + "wrote: 01",
                            a + "read: 01  02", "2026-02-30T14:30:00.100+01:00 #1 read: 01", a2 + "read: 01"})
            QTest::newRow(line) << a + "connected to h:1\n" + a2 + "connecting to h:1\n" + line + "\n"
                                << QList<Events>() << 3;
    }

    void readsTraces()
    {
        QFETCH(QByteArray, trace);
        QFETCH(QList<Events>, connections);
        QFETCH(int, errorLine);
        const TraceRecording recording = parse(trace);
        QCOMPARE(recording.errorLine, errorLine);
        QCOMPARE(recording.error.isEmpty(), errorLine == 0);
        QList<Events> read;
        for (const ReplaySession& session : recording.connections) {
            read.append(Events());
            for (const ReplayEvent& event : session)
                read.last().append({event.atMs, event.closes ? QByteArray("closes") : event.bytes});
        }
        QCOMPARE(read, connections);
    }

    // Each recorded read in a write of its own at its time; the Nth connection plays the Nth.
    void playsOnTheWire()
    {
        SimulatorServer sim;
        QVERIFY(sim.listen(QHostAddress::LocalHost, 0));
        const QByteArray a = "2026-12-06T14:30:00.000+01:00 #", b = "2026-12-06T14:30:00.300+01:00 #";
        sim.replay(parse(a + "1 connected to h:1\n" + a + "2 connected to h:1\n" + b + "1 read: 04 00\n" + b
                         + "2 read: 01\n2026-12-06T14:30:00.400+01:00 #1 read: 03 00 07\n"
                         + "2026-12-06T14:30:00.500+01:00 #1 disconnected from h:1\n")
                       .connections);
        QTcpSocket first, second, third;
        QList<QByteArray> reads;
        QElapsedTimer clock;
        clock.start();
        connect(&first, &QTcpSocket::readyRead, this, [&] { reads << first.readAll(); });
        for (QTcpSocket* socket : {&first, &second, &third})
            socket->connectToHost(QHostAddress::LocalHost, sim.serverPort());
        QTRY_COMPARE_WITH_TIMEOUT(first.state(), QAbstractSocket::UnconnectedState, 5000);
        QVERIFY2(clock.elapsed() >= 480, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(reads, (QList<QByteArray>{hexBytes("04 00"), hexBytes("03 00 07")}));
        QTRY_COMPARE_WITH_TIMEOUT(second.bytesAvailable(), qint64(1), 5000);
        QCOMPARE(second.state(), QAbstractSocket::ConnectedState);
        QCOMPARE(third.bytesAvailable(), qint64(0));
    }

    // The shown values in the order of the session, and its faults; each value stays for at
    // least 200 ms, so the sampling cannot miss one.
    void boilerPanelShowsTheSession_data()
    {
        QTest::addColumn<QString>("recording");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("gateway at 9600 baud: 51 reads a reply, heating")
            << "gateway_9600_heating.trace" << QStringList{"Master|85|off|",  "Master|85|on|",   "Master|85.1|on|",
                                                           "Master|85.2|on|", "Master|85.3|on|", "Master|85.4|on|"};
        QTest::newRow("stops answering, comes back, hangs up")
            << "controller_stops_answering.trace"
            << QStringList{"Master|92.5|off|", "Master|92.5|off|silent", "Trade|91.8|off|", "Trade|91.8|off|no link"};
    }

    void boilerPanelShowsTheSession()
    {
        QFETCH(QString, recording);
        QFETCH(QStringList, expected);
        SimulatorServer sim;
        QVERIFY(sim.listen(QHostAddress::LocalHost, 0));
        sim.replay(parse(readFile(QStringLiteral(QUELLARO_RECORDINGS "/") + recording)).connections);
        setControllerAddress(QStringLiteral("127.0.0.1"), sim.serverPort());
        TestBoilerDialog panel;
        QStringList seen;
        QTimer sampler;
        QEventLoop loop; // not QTRY_*, whose naps of 10 ms would join the recorded reads
        connect(&sampler, &QTimer::timeout, this, [&] {
            const QString now = shown(&panel);
            if (!now.startsWith('|') && (seen.isEmpty() || seen.last() != now)) // nothing shown yet
                seen << now;
            if (now == expected.last())
                loop.quit();
        });
        sampler.start(5);
        QTimer::singleShot(15000, &loop, &QEventLoop::quit);
        panel.show();
        loop.exec();
        QCOMPARE(seen, expected);
    }

    void refusesWhatItCannotPlay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString script = QStringLiteral(QUELLARO_RECORDINGS "/../CMakeLists.txt");
        QTest::newRow("a fault option") << QStringList{"--replay", script, "--log", "--packet", "8", "--silent"} << 1
                                        << "cm-simulator: --replay answers as the recorded controller did; it does not "
                                           "go with --silent, --packet\n";
        QTest::newRow("a line it cannot read") << QStringList{"--replay", script, "--port", "0"} << 1
                                               << "cm-simulator: " + script
                + ", line 3: not a trace line (a time such as 2026-12-06T14:30:00.605+01:00, then #LINK)\n";
        QTest::newRow("an option it cannot read")
            << QStringList{"--colour"} << 2 << "cm-simulator: Unknown option 'colour'.\n";
    }

    void refusesWhatItCannotPlay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QProcess simulator;
        simulator.start(QStringLiteral(QUELLARO_SIMULATOR), arguments);
        QVERIFY(simulator.waitForFinished(10000));
        QCOMPARE(simulator.exitCode(), status);
        QCOMPARE(QString::fromLocal8Bit(simulator.readAllStandardError()), message);
    }
};

QUELLARO_TEST_MAIN(TestReplay)
#include "tst_replay.moc"
