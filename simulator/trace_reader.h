#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

// One thing the controller did on a recorded connection, at its time since the program's
// "connected to" line: a read of the program, whose bytes come exactly as they were read, or
// the end of the connection.
struct ReplayEvent
{
    qint64 atMs = 0;
    QByteArray bytes; // empty for the end of the connection
    bool closes = false;
};
using ReplaySession = QVector<ReplayEvent>;

// A session read back from the program's link trace (the `quellaro.link` lines, as
// `Quellaro --trace FILE` writes them): one list of events per connection that reached the
// controller, in the order they were made. Lines that say what the program did (requests,
// verdicts, errors) are checked and count only for their time.
struct TraceRecording
{
    QVector<ReplaySession> connections;
    // The first line that is not a trace line, counted from 1, and what is wrong with it;
    // 0 when every line was read.
    int errorLine = 0;
    QString error;
    QStringList warnings;  // lines skipped, such as a last line cut short
    int shortenedGaps = 0; // silences longer than MaxGapMs, played as MaxGapMs
};

namespace TraceReader {

// The longest silence played: a timer cannot wait 24.8 days, and nobody waits an hour.
constexpr qint64 MaxGapMs = qint64(3600) * 1000;

// Reads lines until the end of `device`, stopping at the first one it cannot read. Blank
// lines and lines starting with "# " are skipped. Lines of a file that several runs of the
// program appended to follow each other: each run line, and a link number that connects
// again, start new connections.
TraceRecording read(QIODevice& device);

} // namespace TraceReader
