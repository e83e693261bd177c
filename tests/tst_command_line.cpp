// The program's command line: the program run as a child process, without a display.

#include "test_support.h"

#include <QProcess>

#include <sys/stat.h>

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
        const QString fifo = folder.filePath("fifo");
        QVERIFY(QFile::exists(fifo) || mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QTest::newRow("help") << QStringList{"--help"} << 0 << "  --trace <FILE>        Append the trace of the link";
        QTest::newRow("version after Qt's options")
            << QStringList{"-reverse", "-platform", "offscreen", "-v"} << 0 << "Quellaro 1.0.0\n";
        QTest::newRow("unknown option") << QStringList{"--trace", "x", "--color"} << 1
                                        << "Quellaro: Unknown option 'color'.\n";
        QTest::newRow("trace to an empty name") << QStringList{"-platform", "offscreen", "--trace", ""} << 1
                                                << "Quellaro: --trace needs a file name\n";
        QTest::newRow("trace to a FIFO, which would block")
            << QStringList{"-platform", "offscreen", "--trace", fifo} << 1
            << "Quellaro: cannot write the trace file " + fifo + ": it is not a regular file\n";
        QTest::newRow("history of a file that is no trace")
            << QStringList{"--history-csv", QStringLiteral(QUELLARO_SOURCE "/README.md")} << 1
            << "Quellaro: " QUELLARO_SOURCE "/README.md, line 3: not a trace line (a time such as "
               "2026-12-06T14:30:00.605+01:00, then #LINK)\n";
        QTest::newRow("history of a missing file") << QStringList{"--history-csv", missing} << 1
                                                   << "Quellaro: cannot read " + missing + ": No such file or directory\n";
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

    void language_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("output");
        const QString programDir = QFileInfo(QUELLARO_PROGRAM).absolutePath();
        QTest::newRow("de_DE: English") << "de_DE.UTF-8" << "--version"
                                        << "translation loaded: " + programDir + "/Quellaro_en.qm\n";
        QTest::newRow("C: English") << "C.UTF-8" << "--version" << "translation loaded: " + programDir + "/Quellaro_en.qm\n";
        QTest::newRow("ru_RU: Qt's texts too") << "ru_RU.UTF-8" << "--help" << QStringLiteral("\nПараметры:\n");
    }

    // The program's translation, or the English one for a locale without its own, and Qt's beside it.
    void language()
    {
        QFETCH(QString, locale);
        QFETCH(QString, option);
        QFETCH(QString, output);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", locale);
        environment.insert("QT_LOGGING_RULES", "quellaro.startup.debug=true");
        program.setProcessEnvironment(environment);
        program.start(QUELLARO_PROGRAM, {option});
        QVERIFY(program.waitForFinished(30000));
        const QString printed = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        QVERIFY2(printed.contains(output), qPrintable(printed));
    }
private:
    QTemporaryDir folder;
};

QUELLARO_TEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
