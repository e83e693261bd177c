#pragma once

#include "link/link_failure.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// The link trace, category "quellaro.link": one line per event of the link,
// "<time> <run> #<link> <event>", and at the start of each run of the program
// "<time> <run> run: Quellaro <version>, pid <pid>". The time is local, ISO 8601 to the
// millisecond with its UTC offset. The run ("@4242.mih3k2x1": the process id and the start time)
// tells apart runs writing one file at once; link numbers count the link clients of one run from 1.
// Lines written before the run was named have none.
//
// This is the one place that knows the lines: the client writes them through write(), the
// simulator's replay and the history read them back through readTrace().
Q_DECLARE_LOGGING_CATEGORY(lcLink)

namespace LinkTrace {

// Each event and its words; a new event is a new row here and in the table of link_trace.cpp.
enum class Event {
    Run,             // "run: Quellaro 1.0.0, pid 4242": text
    Connecting,      // "connecting to PEER"
    Connected,       // "connected to PEER"
    AddressNotValid, // "address or port not valid, nothing tried: TEXT"
    Request,         // "request to PEER: BYTES"
    NotSent,         // "request not sent, REASON: BYTES"
    Read,            // "read: BYTES"
    ReplyDelivered,  // "reply delivered: BYTES"
    ReplyDropped,    // "reply dropped, REASON: BYTES"
    ReplyKept,       // "reply kept, REASON: BYTES"
    Error,           // "error with PEER, LOST: TEXT"; before the reason was named, "error with PEER: TEXT"
    Disconnected,    // "disconnected from PEER"
    NoReply,         // "no reply within TEXT": a poll's reply timed out
    Attempt,         // "attempt TEXT": "attempt 3 after 4000 ms", a reconnection
    Health,          // "health: TEXT": the link's counts since the last such line
    Poll,            // "poll to PEER: BYTES": a poll of the poll discipline written
    NotAnswering,    // "not answering for TEXT": the client found the controller silent
    Answering,       // "answering again": a reply taken after a silence
};

// A failure by the name the trace writes it under ("closed-by-controller"); empty for None.
QString lostName(LinkFailure lost);

// An instant and the UTC offset of the clock that told it.
struct Stamp
{
    qint64 msSinceEpoch = 0;
    int offsetSeconds = 0;
};
Stamp now();
// "2026-12-06T14:30:00.605+01:00"
QString timeText(const Stamp& stamp);

struct Line
{
    Stamp time;
    QByteArray run;  // "@4242.mih3k2x1"; empty on lines written before runs were named
    qint64 link = 0; // 0 for Run
    Event event = Event::Run;
    QString peer;     // the address of Connecting, Connected, Request, Error, Disconnected
    QString text;     // the reason, the socket's text, the run's description
    QByteArray bytes; // Request, NotSent, Read and the replies
    LinkFailure lost = LinkFailure::None; // Error: why, None where the line does not say
};

QString format(const Line& line);
// Reads one line without its line end. False, with `error` set, for no trace line.
bool parse(const QByteArray& text, Line* line, QString* error);

// The line that starts this run's part of a trace, at `time`.
Line runLine(Stamp time);

// Writes `line`, marked with this run, to the category; the first line of a run is preceded by
// the run line.
void writeLine(const Line& line);

// Builds and writes a line only while the category is on: tracing off costs nothing.
template <typename MakeLine>
void write(const MakeLine& makeLine)
{
    if (lcLink().isDebugEnabled())
        writeLine(makeLine());
}

// A trace file that could not be written: why, empty while all is well. The file writer sets
// it; the panels show it on their link line.
void setWriteFailure(const QString& why);
QString writeFailure();

// What reading a whole trace found besides its lines.
struct ReadResult
{
    int errorLine = 0; // the first line not understood, from 1; 0 when none stopped the reading
    QString error;
    QStringList warnings; // what was skipped, e.g. a cut last line
    int linesRead = 0;    // trace lines understood
};

// A reader refuses a line this long or longer, its line end included: far above any line the
// client writes.
constexpr int MaxLineBytes = 4 * 1024 * 1024;

// Reads `device` to its end, handing each trace line to `take`, which returns why it cannot
// take it (stopping the reading there) or nothing. Skips blank lines, comments
// ("# ..."), a UTF-8 byte-order mark and a last line cut short (with a warning). Stops at the
// first other line it cannot read, and at a line of MaxLineBytes or more without reading the
// rest of it. A file without a single trace line is not a trace: an error.
ReadResult readTrace(QIODevice& device, const std::function<QString(const Line&)>& take);

} // namespace LinkTrace
