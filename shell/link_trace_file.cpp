#include "shell/link_trace_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

#include <cstdio>
#include <memory>

namespace {

// Lives until the program ends: the handler may be called until then.
QFile* traceFile = nullptr;
QtMessageHandler previousHandler = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (qstrcmp(context.category, "quellaro.link") != 0) {
        previousHandler(type, context, message);
        return;
    }
    traceFile->write(message.toUtf8() + '\n');
    traceFile->flush();
}

} // namespace

bool startLinkTraceFile(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::Append)) {
        const QString message = QCoreApplication::translate("CommandLine", "cannot write the trace file %1: %2")
                                    .arg(path, file->errorString());
        std::fputs(QStringLiteral("Quellaro: %1\n").arg(message).toLocal8Bit().constData(), stderr);
        return false;
    }
    if (traceFile) // a second file replaces the first; the handler is in place already
        delete traceFile;
    else
        previousHandler = qInstallMessageHandler(handleMessage);
    traceFile = file.release();
    QLoggingCategory::setFilterRules(QStringLiteral("quellaro.link.debug=true"));
    return true;
}
