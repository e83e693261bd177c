#include "shell/trace_history_file.h"

#include "history/history_model.h"
#include "history/history_recorder.h"
#include "history/trace_history.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

bool readTraceHistoryFile(const QString& path, HistoryModel& history, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("CommandLine", "cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    HistoryRecorder recorder(history);
    const LinkTrace::ReadResult result = TraceHistory::read(file, recorder);
    for (const QString& warning : result.warnings)
        std::fputs(QStringLiteral("Quellaro: %1: %2\n").arg(path, warning).toLocal8Bit().constData(), stderr);
    if (result.errorLine == 0)
        return true;
    *error = QCoreApplication::translate("CommandLine", "%1, line %2: %3").arg(path).arg(result.errorLine).arg(result.error);
    return false;
}
