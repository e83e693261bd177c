#include "simulator/trace_reader.h"

#include <QDate>
#include <QHash>
#include <QIODevice>

#include <algorithm>

namespace {

// "2026-12-06T14:30:00.605+01:00": where the digits stand, and the marks between them.
constexpr int TimeLength = 29;
constexpr char TimePattern[] = "dddd-dd-ddTdd:dd:dd.ddd+dd:dd";

// The number of `count` decimal digits at `at`.
qint64 digits(const QByteArray& line, int at, int count)
{
    qint64 value = 0;
    for (int i = at; i < at + count; ++i)
        value = value * 10 + (line.at(i) - '0');
    return value;
}

// The instant of the line's time in ms since 1970 UTC, or false when it has none.
bool readTime(const QByteArray& line, qint64* ms)
{
    if (line.size() < TimeLength)
        return false;
    for (int i = 0; i < TimeLength; ++i) {
        const char c = line.at(i);
        const char expected = TimePattern[i];
        const bool fits =
            expected == 'd' ? c >= '0' && c <= '9' : (expected == '+' ? c == '+' || c == '-' : c == expected);
        if (!fits)
            return false;
    }
    const QDate date(int(digits(line, 0, 4)), int(digits(line, 5, 2)), int(digits(line, 8, 2)));
    const qint64 hour = digits(line, 11, 2), minute = digits(line, 14, 2), second = digits(line, 17, 2);
    const qint64 offsetHours = digits(line, 24, 2), offsetMinutes = digits(line, 27, 2);
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59 || offsetHours > 18 || offsetMinutes > 59)
        return false;
    const qint64 offset = (line.at(23) == '-' ? -1 : 1) * (offsetHours * 60 + offsetMinutes) * 60;
    const qint64 seconds =
        (date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400 + hour * 3600 + minute * 60 + second - offset;
    *ms = seconds * 1000 + digits(line, 20, 3);
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "04 00 e8": two-digit hex bytes with single blanks between them; at least one byte.
bool readHex(const QByteArray& text, QByteArray* bytes)
{
    if (text.isEmpty() || (text.size() + 1) % 3 != 0)
        return false;
    bytes->resize((text.size() + 1) / 3);
    for (int i = 0; i < bytes->size(); ++i) {
        const int high = hexDigit(text.at(3 * i)), low = hexDigit(text.at(3 * i + 1));
        if (high < 0 || low < 0 || (3 * i + 2 < text.size() && text.at(3 * i + 2) != ' '))
            return false;
        (*bytes)[i] = char(high << 4 | low);
    }
    return true;
}

enum class Event { Connecting, Connected, Read, Closed, ErrorWith, Other };

// Every event a trace line may carry, by the words it starts with.
struct KnownEvent
{
    const char* start;
    Event event;
};
const KnownEvent KnownEvents[] = {
    {"connecting to ", Event::Connecting},
    {"connected to ", Event::Connected},
    {"read: ", Event::Read},
    {"disconnected from ", Event::Closed},
    {"error with ", Event::ErrorWith},
    {"address or port not valid, nothing tried: ", Event::Other},
    {"request to ", Event::Other},
    {"request not sent, ", Event::Other},
    {"reply delivered: ", Event::Other},
    {"reply dropped, ", Event::Other},
    {"reply kept, ", Event::Other},
    {"no reply within ", Event::Other},
    {"attempt ", Event::Other},
    {"health: ", Event::Other},
};

class Reader
{
public:
    // False, with the error set, for a line that is no trace line.
    bool take(const QByteArray& line);
    TraceRecording recording;

private:
    bool fail(const QString& what)
    {
        recording.error = what;
        return false;
    }
    void add(qint64 link, qint64 at, const QByteArray& bytes, bool closes);

    // The connection each link number has now (an index into the recording), -1 while it
    // connects; a closed connection is no longer listed.
    QHash<qint64, int> current;
    QVector<qint64> connectedAt;
};

bool Reader::take(const QByteArray& line)
{
    qint64 at = 0;
    if (!readTime(line, &at) || line.size() < TimeLength + 4 || line.at(TimeLength) != ' '
        || line.at(TimeLength + 1) != '#')
        return fail(QStringLiteral("not a trace line (a time such as 2026-12-06T14:30:00.605+01:00, then #LINK)"));
    const int numberStart = TimeLength + 2;
    const int numberEnd = line.indexOf(' ', numberStart);
    const QByteArray number = line.mid(numberStart, numberEnd - numberStart);
    const bool plain = std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (numberEnd < 0 || number.isEmpty() || number.size() > 18 || !plain || number.startsWith('0'))
        return fail(QStringLiteral("no link number after the time"));
    const qint64 link = number.toLongLong();
    const QByteArray text = line.mid(numberEnd + 1);

    const KnownEvent* known = nullptr;
    for (const KnownEvent& candidate : KnownEvents) {
        if (text.startsWith(candidate.start) && text.size() > int(qstrlen(candidate.start)))
            known = &candidate;
    }
    if (!known)
        return fail(QStringLiteral("unknown event \"%1\"").arg(QString::fromLatin1(text.left(40))));
    const QByteArray rest = text.mid(int(qstrlen(known->start)));

    switch (known->event) {
    case Event::Connecting:
        current.insert(link, -1);
        break;
    case Event::Connected:
        current.insert(link, recording.connections.size());
        recording.connections.append(ReplaySession());
        connectedAt.append(at);
        break;
    case Event::Read: {
        QByteArray bytes;
        if (!readHex(rest, &bytes))
            return fail(QStringLiteral("a read's bytes are not hex such as \"04 00 e8\""));
        if (current.value(link, -1) < 0)
            return fail(QStringLiteral("a read on link #%1, which has no connection here").arg(link));
        add(link, at, bytes, false);
        break;
    }
    case Event::ErrorWith:
        // "The remote host closed the connection": the controller hung up. Other errors
        // either never connected or are followed by "disconnected from".
        if (rest.endsWith("closed the connection"))
            add(link, at, QByteArray(), true);
        break;
    case Event::Closed:
        add(link, at, QByteArray(), true);
        break;
    case Event::Other:
        break;
    }
    return true;
}

void Reader::add(qint64 link, qint64 at, const QByteArray& bytes, bool closes)
{
    const int index = current.value(link, -1);
    if (index < 0)
        return; // a link that never connected (or already closed) has nothing to replay
    ReplaySession& session = recording.connections[index];
    // A clock set back while recording must not reorder the reads.
    qint64 since = qMax<qint64>(0, at - connectedAt.at(index));
    if (!session.isEmpty())
        since = qMax(since, session.last().atMs);
    session.append(ReplayEvent{since, bytes, closes});
    if (closes)
        current.remove(link);
}

} // namespace

namespace TraceReader {

TraceRecording read(QIODevice& device)
{
    Reader reader;
    int number = 0;
    while (!device.atEnd()) {
        QByteArray line = device.readLine();
        ++number;
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith("# ") || line == "#")
            continue;
        if (!reader.take(line)) {
            reader.recording.errorLine = number;
            reader.recording.connections.clear();
            break;
        }
    }
    return reader.recording;
}

} // namespace TraceReader
