#include "shell/link_trace_file.h"

#include "link/link_trace.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

// Live until the program ends: the handler may be called until then.
QFile* traceFile = nullptr;
QtMessageHandler previousHandler = nullptr;
QLoggingCategory::CategoryFilter previousFilter = nullptr;

void say(const QString& message)
{
    std::fputs(QStringLiteral("Quellaro: %1\n").arg(message).toLocal8Bit().constData(), stderr);
}

// A write that fails (a full disk) is said once, and the part of the line written is taken
// back; the lines after it are not tried, so the file ends with whole lines.
void writeTraceLine(const QString& message)
{
    if (!LinkTrace::writeFailure().isEmpty())
        return;
    const QByteArray line = message.toUtf8() + '\n';
    const qint64 wholeLines = traceFile->size();
    if (traceFile->write(line) == line.size())
        return;
    const QString why = qt_error_string(errno); // QFile's own text says "Unknown error"
    traceFile->resize(wholeLines); // no cut line at the end
    LinkTrace::setWriteFailure(why);
    say(QCoreApplication::translate("CommandLine", "the trace file %1 cannot be written, tracing stops: %2")
            .arg(traceFile->fileName(), why));
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (qstrcmp(context.category, "quellaro.link") != 0) {
        previousHandler(type, context, message);
        return;
    }
    writeTraceLine(message);
}

// The trace file records the link whatever the environment's logging rules say.
void keepLinkTraceOn(QLoggingCategory* category)
{
    if (previousFilter)
        previousFilter(category);
    if (qstrcmp(category->categoryName(), "quellaro.link") == 0)
        category->setEnabled(QtDebugMsg, true);
}

// A FIFO or a device would block before any window opens, or never keep the lines.
QString refusal(const QString& path)
{
    if (path.isEmpty())
        return QCoreApplication::translate("CommandLine", "--trace needs a file name");
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("CommandLine", "cannot write the trace file %1: it is not a regular file")
            .arg(path);
    return QString();
}

} // namespace

bool startLinkTraceFile(const QString& path)
{
    QString refused = refusal(path);
    auto file = std::make_unique<QFile>(path);
    if (refused.isEmpty() && !file->open(QIODevice::Append | QIODevice::Unbuffered))
        refused = QCoreApplication::translate("CommandLine", "cannot write the trace file %1: %2")
                      .arg(path, file->errorString());
    if (!refused.isEmpty()) {
        say(refused);
        return false;
    }
    if (traceFile) { // a second file replaces the first; the handler is in place already
        delete traceFile;
    } else {
        previousHandler = qInstallMessageHandler(handleMessage);
        previousFilter = QLoggingCategory::installFilter(keepLinkTraceOn);
    }
    traceFile = file.release();
    LinkTrace::setWriteFailure(QString());
    return true;
}
