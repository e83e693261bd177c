#include "simulator/trace_reader.h"

#include "link/link_trace.h"

#include <QHash>
#include <QPair>

namespace {

using LinkTrace::Event;

class Reader
{
public:
    // Why the line cannot be taken, or nothing.
    QString take(const LinkTrace::Line& line);
    TraceRecording recording;

private:
    // A link of a run: two programs tracing into one file at once each have their link #1.
    using Link = QPair<QByteArray, qint64>;
    void add(const Link& link, qint64 at, const QByteArray& bytes, bool closes);

    // The connection each link of each run has now (an index into the recording), -1 while it
    // connects; a closed connection is no longer listed.
    QHash<Link, int> current;
    QVector<qint64> lastAt; // the recorded time of each connection's latest event
};

QString Reader::take(const LinkTrace::Line& line)
{
    const qint64 at = line.time.msSinceEpoch;
    const Link link(line.run, line.link);
    switch (line.event) {
    case Event::Run:
        // Lines that name no run belong to the latest run line.
        if (line.run.isEmpty())
            current.clear();
        break;
    case Event::Connecting:
        current.insert(link, -1);
        break;
    case Event::Connected:
        current.insert(link, recording.connections.size());
        recording.connections.append(ReplaySession());
        lastAt.append(at);
        break;
    case Event::Read:
        if (current.value(link, -1) < 0)
            return QStringLiteral("a read on link #%1, which has no connection here").arg(line.link);
        add(link, at, line.bytes, false);
        break;
    case Event::Error:
        // The controller hung up. Other errors either never connected or are followed by
        // "disconnected from".
        if (line.lost == LinkFailure::ClosedByController)
            add(link, at, QByteArray(), true);
        break;
    case Event::Disconnected:
        add(link, at, QByteArray(), true);
        break;
    default:
        break;
    }
    return QString();
}

void Reader::add(const Link& link, qint64 at, const QByteArray& bytes, bool closes)
{
    const int index = current.value(link, -1);
    if (index < 0)
        return; // a link that never connected (or already closed) has nothing to replay
    ReplaySession& session = recording.connections[index];
    const qint64 previous = session.isEmpty() ? 0 : session.last().atMs;
    // A clock set back while recording must not reorder the reads.
    qint64 gap = qMax<qint64>(0, at - lastAt.at(index));
    lastAt[index] = at;
    if (gap > TraceReader::MaxGapMs) {
        gap = TraceReader::MaxGapMs;
        ++recording.shortenedGaps;
    }
    session.append(ReplayEvent{previous + gap, bytes, closes});
    if (closes)
        current.remove(link);
}

} // namespace

namespace TraceReader {

TraceRecording read(QIODevice& device)
{
    Reader reader;
    const LinkTrace::ReadResult result =
        LinkTrace::readTrace(device, [&reader](const LinkTrace::Line& line) { return reader.take(line); });
    TraceRecording recording = reader.recording;
    recording.warnings = result.warnings;
    if (result.errorLine > 0) {
        recording.errorLine = result.errorLine;
        recording.error = result.error;
        recording.connections.clear();
    }
    return recording;
}

} // namespace TraceReader
