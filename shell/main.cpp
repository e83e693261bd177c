#include "check/check_command.h"
#include "history/history_dialog.h"
#include "history/history_model.h"
#include "shell/command_line.h"
#include "shell/high_dpi.h"
#include "shell/link_trace_file.h"
#include "shell/quellaro.h"
#include "shell/trace_history_file.h"
#include "shell/translation_loader.h"

#include <QApplication>
#include <QCoreApplication>
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

// --check: the machine check with no display.
int runCheck(int argc, char* argv[], const CommandLine& commandLine)
{
    QCoreApplication app(argc, argv);
    QTranslator translator;
    prepareApplication(translator);
    if (commandLine.traceGiven && !startLinkTraceFile(commandLine.traceFile))
        return 2;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCheckCommand({commandLine.checklistFile, commandLine.junitFile}, out, err);
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

    if (commandLine.check)
        return runCheck(argc, argv, commandLine);

    enableHighDpi();
    QApplication app(argc, argv);
    QTranslator translator;
    prepareApplication(translator);
    if (!commandLine.historyFile.isEmpty())
        return showTraceHistory(commandLine.historyFile);
    if (commandLine.traceGiven && !startLinkTraceFile(commandLine.traceFile))
        return 1;

    Quellaro menu(nullptr);
    menu.show();
    return app.exec();
}
