// The program's command line, run as a child process, and the trace file it asks for.

#include "test_support.h"

#include "link/cm_netmessge.h"
#include "recording_peer.h"
#include "shell/link_trace_file.h"

#include <QProcess>
#include <QRegularExpression>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void options_data();
    void options();
    void traceFile();
};

void TestCommandLine::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display"); // else neither a display nor a platform is set
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // what stdout, or else stderr, holds

    QTest::newRow("help") << QStringList{"--help"} << false << 0 << "  --trace <FILE>  Append the trace of the link";
    QTest::newRow("version after Qt's own option")
        << QStringList{"-reverse", "-platform", "offscreen", "-v"} << false << 0 << "Quellaro 1.0.0\n";
    QTest::newRow("unknown option") << QStringList{"--trace", "x", "--color"} << false << 1
                                    << "Quellaro: Unknown option 'color'.\n";
    const QString missing = QDir::temp().filePath("quellaro-no-such-folder/x.trace");
    QTest::newRow("trace file cannot be opened")
        << QStringList{"-style", "fusion", "--trace", missing} << true << 1
        << "Quellaro: cannot write the trace file " + missing + ": No such file or directory\n";
}

void TestCommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    if (display)
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(QUELLARO_PROGRAM, arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString printed =
        QString::fromLocal8Bit(exitCode == 0 ? program.readAllStandardOutput() : program.readAllStandardError());
    QVERIFY2(exitCode == 0 ? printed.contains(output) : printed.endsWith(output), qPrintable(printed));
}

// Appended to what the file held, each line as it comes, only the link's lines.
void TestCommandLine::traceFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("session.trace");
    QVERIFY(writeFile(path, "# an earlier session\n"));
    QVERIFY(startLinkTraceFile(path));
    qWarning("not a line of the link");

    RecordingPeer peer;
    setControllerAddress(QStringLiteral("127.0.0.1"), peer.port());
    CM_NetMessge client;
    QTRY_COMPARE_WITH_TIMEOUT(client.linkState(), CM_NetMessge::LinkState::Connected, 5000);
    QVERIFY(peer.send(hexBytes("03 00 2A")));
    QTRY_VERIFY_WITH_TIMEOUT(readFile(path).endsWith("reply delivered: 03 00 2a\n"), 5000);

    QStringList lines = QString::fromUtf8(readFile(path)).split('\n');
    QCOMPARE(lines.takeFirst(), QStringLiteral("# an earlier session"));
    QCOMPARE(lines.takeLast(), QString());
    const QString time = QStringLiteral(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}[+-]\d\d:\d\d #\d+ )");
    const QString at = QStringLiteral("127.0.0.1:%1").arg(peer.port());
    const QStringList events{"connecting to " + at, "connected to " + at, "read: 03 00 2a",
                             "reply delivered: 03 00 2a"};
    QCOMPARE(lines.size(), events.size());
    for (int i = 0; i < events.size(); ++i)
        QVERIFY2(
            QRegularExpression('^' + time + QRegularExpression::escape(events[i]) + '$').match(lines[i]).hasMatch(),
            qPrintable(lines[i]));
}

QUELLARO_TEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
