#include "visits/visit_recorder.h"

#include "visits/visit_folder.h"

#include "history/history_csv.h"
#include "history/history_model.h"
#include "history/history_recorder.h"
#include "history/trace_history.h"
#include "link/link_trace.h"
#include "machines/machine_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QSettings>

#include <memory>

namespace VisitRecorder {

namespace {

const QString LimitKey = QStringLiteral("/Visits/LimitMB");

struct Recording
{
    MachineStore* store = nullptr;
    QString folder; // the visit under way
    VisitFolder::Info info;
    std::unique_ptr<QFile> trace;
    QString pendingNote;
    QtMessageHandler previousHandler = nullptr;
    QLoggingCategory::CategoryFilter previousFilter = nullptr;
    bool othersWantTrace = false; // the category was on before this recorder turned it on
};

Recording& recording()
{
    static Recording r;
    return r;
}

bool isLink(const char* category)
{
    return qstrcmp(category, "quellaro.link") == 0;
}

void keepWithinLimit()
{
    Recording& r = recording();
    VisitFolder::keepWithin(r.store->folder(), limitMb() * 1024 * 1024, r.folder);
}

// The folder of a visit beginning now: named by the time, a number added if taken.
QString newFolder(const QString& machineFolder, const QDateTime& now)
{
    const QString base = machineFolder + QLatin1Char('/') + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = QStringLiteral("%1-%2").arg(base).arg(n);
    return QDir().mkpath(folder) ? folder : QString();
}

// Begins a visit of the chosen machine; false when none is chosen or its folder cannot be made.
bool begin()
{
    Recording& r = recording();
    if (!r.folder.isEmpty())
        return true;
    Machine machine;
    if (!r.store || !r.store->current(&machine))
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    const QString folder = newFolder(r.store->machineFolder(machine.id), now);
    if (folder.isEmpty())
        return false;
    r.info = VisitFolder::Info{machine.name,
                               machine.site,
                               machine.serial,
                               machine.address,
                               machine.port,
                               now,
                               {},
                               QStringLiteral(QUELLARO_VERSION),
                               {}};
    VisitFolder::writeInfo(folder, r.info);
    if (!r.pendingNote.isEmpty())
        VisitFolder::setNote(folder, r.pendingNote);
    r.trace = std::make_unique<QFile>(folder + QLatin1Char('/') + VisitFolder::TraceFile);
    if (!r.trace->open(QIODevice::Append | QIODevice::Unbuffered))
        r.trace.reset();
    r.folder = folder;
    keepWithinLimit();
    return true;
}

void writeTraceLine(const QString& message)
{
    Recording& r = recording();
    if (r.folder.isEmpty()) {
        if (!begin())
            return;
        LinkTrace::Line first;
        QString error;
        // Each visit's trace starts with a run line, so that it reads back on its own.
        if (r.trace && (!LinkTrace::parse(message.toUtf8(), &first, &error) || first.event != LinkTrace::Event::Run)) {
            r.trace->write(LinkTrace::format(LinkTrace::runLine(LinkTrace::now())).toUtf8() + '\n');
        }
    }
    if (r.trace)
        r.trace->write(message.toUtf8() + '\n');
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    Recording& r = recording();
    if (isLink(context.category)) {
        writeTraceLine(message);
        if (!r.othersWantTrace)
            return;
    }
    r.previousHandler(type, context, message);
}

void keepLinkTraceOn(QLoggingCategory* category)
{
    Recording& r = recording();
    if (r.previousFilter)
        r.previousFilter(category);
    if (isLink(category->categoryName())) {
        r.othersWantTrace = category->isDebugEnabled();
        category->setEnabled(QtDebugMsg, true);
    }
}

// "errors" when the controller reported an error, "no-connection" when no connection was made.
QString outcomeOf(const HistoryModel& history)
{
    bool connected = false;
    for (int row = 0; row < history.count(); ++row) {
        const HistoryEvent& event = history.eventAt(row);
        if (event.kind == HistoryEvent::Kind::Error && event.code != 0)
            return QStringLiteral("errors");
        connected = connected || event.kind == HistoryEvent::Kind::Connected;
    }
    return connected ? QStringLiteral("ok") : QStringLiteral("no-connection");
}

} // namespace

qint64 limitMb()
{
    const qint64 stored = QSettings().value(LimitKey, DefaultLimitMb).toLongLong();
    return stored > 0 ? stored : DefaultLimitMb;
}

void setLimitMb(qint64 megabytes)
{
    QSettings().setValue(LimitKey, megabytes);
}

void install(MachineStore* store)
{
    Recording& r = recording();
    r.store = store;
    if (!r.previousHandler) {
        r.previousHandler = qInstallMessageHandler(handleMessage);
        r.previousFilter = QLoggingCategory::installFilter(keepLinkTraceOn);
    }
}

void endVisit()
{
    Recording& r = recording();
    if (r.folder.isEmpty())
        return;
    r.trace.reset();
    HistoryModel history;
    HistoryRecorder recorder(history);
    QFile trace(r.folder + QLatin1Char('/') + VisitFolder::TraceFile);
    if (trace.open(QIODevice::ReadOnly))
        TraceHistory::read(trace, recorder);
    QSaveFile csv(r.folder + QLatin1Char('/') + VisitFolder::HistoryFile);
    if (csv.open(QIODevice::WriteOnly) && HistoryCsv::write(history, csv))
        csv.commit();
    r.info.end = QDateTime::currentDateTime();
    r.info.outcome = outcomeOf(history);
    VisitFolder::writeInfo(r.folder, r.info);
    r.folder.clear();
    r.pendingNote.clear();
    keepWithinLimit();
}

QString currentFolder()
{
    return recording().folder;
}

void setNote(const QString& note)
{
    Recording& r = recording();
    r.pendingNote = note;
    if (!r.folder.isEmpty())
        VisitFolder::setNote(r.folder, note);
}

QString note()
{
    return recording().pendingNote;
}

void keepRecipes(const QString& path, bool before)
{
    Recording& r = recording();
    if (!begin())
        return;
    const QString copy = VisitFolder::nextRecipesFile(r.folder, before);
    QFile::remove(copy);
    QFile::copy(path, copy);
}

void keepCheckResults(const QByteArray& json)
{
    Recording& r = recording();
    if (!begin())
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QSaveFile file(r.folder + QStringLiteral("/check-%1.json").arg(stamp));
    if (file.open(QIODevice::WriteOnly) && file.write(json) == json.size())
        file.commit();
}

} // namespace VisitRecorder
