#include "check/check_command.h"
#include "check/check_results_sink.h"
#include "history/history_dialog.h"
#include "history/history_model.h"
#include "machines/machine_store.h"
#include "report/visit_report.h"
#include "shell/command_line.h"
#include "shell/high_dpi.h"
#include "shell/link_trace_file.h"
#include "shell/quellaro.h"
#include "shell/trace_history_file.h"
#include "shell/translation_loader.h"
#include "visits/visit_recorder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>

namespace {

// --history FILE: the History window of the trace, and no main menu.
int showTraceHistory(const QString& path)
{
    HistoryModel history;
    QString error;
    if (!readTraceHistoryFile(path, history, &error)) {
        std::fputs(QStringLiteral("Quellaro: %1\n").arg(error).toLocal8Bit().constData(), stderr);
        return 1;
    }
    HistoryDialog window(&history);
    window.show();
    return QApplication::exec();
}

// --report FOLDER --out FILE: the visit's report, and no window.
int writeReport(const CommandLine& commandLine)
{
    QString error;
    if (!VisitReport::write(commandLine.reportFolder, commandLine.reportOut, commandLine.withAddress, &error)) {
        std::fputs(QStringLiteral("Quellaro: %1\n").arg(error).toLocal8Bit().constData(), stderr);
        return 1;
    }
    return 0;
}

// --machine NAME chooses the machine; an unknown name is an error.
bool chooseMachine(MachineStore& machines, const QString& name)
{
    Machine machine;
    QString error;
    if (!machines.findByName(name, &machine)) {
        error = QCoreApplication::translate("CommandLine", "there is no machine named \"%1\"").arg(name);
    } else if (machines.choose(machine.id, &error)) {
        return true;
    }
    std::fputs(QStringLiteral("Quellaro: %1\n").arg(error).toLocal8Bit().constData(), stderr);
    return false;
}

// --check: the machine check with no display, against the chosen machine.
int runCheck(int argc, char* argv[], const CommandLine& commandLine)
{
    QCoreApplication app(argc, argv);
    QTranslator translator;
    prepareApplication(translator);
    if (commandLine.traceGiven && !startLinkTraceFile(commandLine.traceFile))
        return 2;
    MachineStore machines;
    machines.migrateStoredAddress();
    if (!commandLine.machineName.isEmpty() && !chooseMachine(machines, commandLine.machineName))
        return 2; // the check could not run
    VisitRecorder::install(&machines);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runCheckCommand({commandLine.checklistFile, commandLine.junitFile}, out, err);
    VisitRecorder::endVisit();
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    // The check box images are compiled into the static core library; make sure the
    // linker keeps them.
    Q_INIT_RESOURCE(images);

    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitNow)
        return commandLine.exitCode;
    // Every check's results go into the visit under way.
    CheckResultsSink::set([](const QJsonObject& results) {
        VisitRecorder::keepCheckResults(QJsonDocument(results).toJson());
    });

    if (commandLine.check)
        return runCheck(argc, argv, commandLine);

    // The report is drawn and printed without a display.
    if (!commandLine.reportFolder.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    enableHighDpi();
    QApplication app(argc, argv);
    QTranslator translator;
    prepareApplication(translator);
    if (!commandLine.reportFolder.isEmpty())
        return writeReport(commandLine);
    if (!commandLine.historyFile.isEmpty())
        return showTraceHistory(commandLine.historyFile);
    if (commandLine.traceGiven && !startLinkTraceFile(commandLine.traceFile))
        return 1;

    MachineStore machines;
    machines.migrateStoredAddress();
    if (!commandLine.machineName.isEmpty() && !chooseMachine(machines, commandLine.machineName))
        return 1;
    VisitRecorder::install(&machines);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] { VisitRecorder::endVisit(); });

    Quellaro menu(nullptr);
    menu.show();
    return app.exec();
}
