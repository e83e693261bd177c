// The program's command line: the program run as a child process, without a display.

#include "test_support.h"

#include <QProcess>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // in stdout, or at the end of stderr
        const QString missing = QDir::temp().filePath("quellaro-no-such-folder/x.trace");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "  --trace <FILE>        Append the trace of the link";
        QTest::newRow("version after Qt's options")
            << QStringList{"-reverse", "-platform", "offscreen", "-v"} << 0 << "Quellaro 1.0.0\n";
        QTest::newRow("unknown option") << QStringList{"--trace", "x", "--color"} << 1
                                        << "Quellaro: Unknown option 'color'.\n";
        QTest::newRow("trace file cannot be opened")
            << QStringList{"-platform", "offscreen", "--trace", missing} << 1
            << "Quellaro: cannot write the trace file " + missing + ": No such file or directory\n";
    }

    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(QUELLARO_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString printed = exitCode ? program.readAllStandardError() : program.readAllStandardOutput();
        QVERIFY2(exitCode ? printed.endsWith(output) : printed.contains(output), qPrintable(printed));
    }
};

QUELLARO_TEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
