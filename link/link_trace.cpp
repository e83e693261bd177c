#include "link/link_trace.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QIODevice>
#include <QLocale>

#include <algorithm>

// Off by default; QT_LOGGING_RULES="quellaro.link.debug=true" turns it on. qCDebug evaluates
// its arguments only when the category is on, so the trace costs nothing while it is off.
Q_LOGGING_CATEGORY(lcLink, "quellaro.link", QtWarningMsg)

namespace LinkTrace {

namespace {

// "2026-12-06T14:30:00.605+01:00": where the digits stand, and the marks between them.
constexpr int TimeLength = 29;
constexpr char TimePattern[] = "dddd-dd-ddTdd:dd:dd.ddd+dd:dd";
// "@4242.mih3k2x1" and room to spare.
constexpr int MaxRunLength = 40;

struct Words
{
    Event event;
    const char* start;
    bool peer;   // an address follows the words
    bool bytes;  // ": BYTES" ends the line
    bool reason; // ", REASON" follows the words or the address
    bool alone;  // nothing follows the words
};

// In the order of Event.
const Words EventWords[] = {
    {Event::Run, "run: ", false, false, false, false},
    {Event::Connecting, "connecting to ", true, false, false, false},
    {Event::Connected, "connected to ", true, false, false, false},
    {Event::AddressNotValid, "address or port not valid, nothing tried: ", false, false, false, false},
    {Event::Request, "request to ", true, true, false, false},
    {Event::NotSent, "request not sent", false, true, true, false},
    {Event::Read, "read", false, true, false, false},
    {Event::ReplyDelivered, "reply delivered", false, true, false, false},
    {Event::ReplyDropped, "reply dropped", false, true, true, false},
    {Event::ReplyKept, "reply kept", false, true, true, false},
    {Event::Error, "error with ", true, false, false, false},
    {Event::Disconnected, "disconnected from ", true, false, false, false},
    {Event::NoReply, "no reply within ", false, false, false, false},
    {Event::Attempt, "attempt ", false, false, false, false},
    {Event::Health, "health: ", false, false, false, false},
    {Event::Poll, "poll to ", true, true, false, false},
    {Event::NotAnswering, "not answering for ", false, false, false, false},
    {Event::Answering, "answering again", false, false, false, true},
};

// In the order of LinkFailure.
const char* const LostNames[] = {"",          "refused",           "host-not-found", "closed-by-controller",
                                 "timed-out", "network-unreachable", "other"};
static_assert(std::size(LostNames) == int(LinkFailure::Other) + 1, "a name for each failure");

qint64 digits(const QByteArray& line, int at, int count)
{
    qint64 value = 0;
    for (int i = at; i < at + count; ++i)
        value = value * 10 + (line.at(i) - '0');
    return value;
}

bool readTime(const QByteArray& line, Stamp* stamp)
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
    stamp->msSinceEpoch = seconds * 1000 + digits(line, 20, 3);
    stamp->offsetSeconds = int(offset);
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

bool fail(QString* error, const QString& what)
{
    *error = what;
    return false;
}

// "PEER, closed-by-controller: TEXT" or, as written before the names, "PEER: TEXT".
void readError(const QString& rest, Line* line)
{
    const int colon = rest.indexOf(QLatin1String(": "));
    const QString head = colon < 0 ? rest : rest.left(colon);
    line->text = colon < 0 ? QString() : rest.mid(colon + 2);
    const int comma = head.indexOf(QLatin1String(", "));
    line->peer = comma < 0 ? head : head.left(comma);
    const QString name = comma < 0 ? QString() : head.mid(comma + 2);
    for (int i = 1; i < int(std::size(LostNames)); ++i) {
        if (name == QLatin1String(LostNames[i]))
            line->lost = LinkFailure(i);
    }
    if (comma < 0 && line->text.endsWith(QLatin1String("closed the connection")))
        line->lost = LinkFailure::ClosedByController; // Qt's English text in older traces
}

// The words after the time and link: false for words of no event.
bool readEvent(const QByteArray& text, Line* line, QString* error)
{
    const Words* words = nullptr;
    for (const Words& candidate : EventWords) {
        const int length = int(qstrlen(candidate.start));
        if (text.startsWith(candidate.start) && (candidate.alone ? text.size() == length : text.size() > length))
            words = &candidate;
    }
    if (!words || (words->event == Event::Run) != (line->link == 0))
        return fail(error, QStringLiteral("unknown event \"%1\"").arg(QString::fromLatin1(text.left(40))));
    line->event = words->event;
    QByteArray rest = text.mid(int(qstrlen(words->start)));
    if (words->bytes) {
        const int colon = rest.lastIndexOf(": ");
        if (colon < 0 || !readHex(rest.mid(colon + 2), &line->bytes))
            return fail(error, QStringLiteral("the bytes are not hex such as \"04 00 e8\""));
        rest.truncate(colon);
    }
    if (words->reason) {
        if (!rest.isEmpty() && !rest.startsWith(", "))
            return fail(error, QStringLiteral("unknown event \"%1\"").arg(QString::fromLatin1(text.left(40))));
        line->text = QString::fromUtf8(rest.mid(2));
        return true;
    }
    if (!words->bytes && !words->peer && words->event != Event::Read)
        line->text = QString::fromUtf8(rest);
    else if (words->event == Event::Error)
        readError(QString::fromUtf8(rest), line);
    else if (words->peer)
        line->peer = QString::fromUtf8(rest);
    else if (!rest.isEmpty())
        return fail(error, QStringLiteral("unknown event \"%1\"").arg(QString::fromLatin1(text.left(40))));
    return true;
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

} // namespace

QString lostName(LinkFailure lost)
{
    return QLatin1String(LostNames[int(lost)]);
}

Stamp now()
{
    const QDateTime time = QDateTime::currentDateTime();
    return Stamp{time.toMSecsSinceEpoch(), time.offsetFromUtc()};
}

// "+00:00" rather than "Z", so that every line has the same form.
QString timeText(const Stamp& stamp)
{
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(stamp.msSinceEpoch, Qt::OffsetFromUTC, stamp.offsetSeconds);
    const int minutes = qAbs(stamp.offsetSeconds / 60);
    return QLocale::c().toString(time, QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"))
        + QLatin1Char(stamp.offsetSeconds < 0 ? '-' : '+')
        + QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString format(const Line& line)
{
    const Words& words = EventWords[int(line.event)];
    QString text = timeText(line.time) + QLatin1Char(' ');
    if (!line.run.isEmpty())
        text += QString::fromLatin1(line.run) + QLatin1Char(' ');
    if (line.event != Event::Run)
        text += QStringLiteral("#%1 ").arg(line.link);
    text += QLatin1String(words.start);
    if (line.event == Event::Error) {
        text += line.peer;
        if (line.lost != LinkFailure::None)
            text += QStringLiteral(", ") + lostName(line.lost);
        return text + QStringLiteral(": ") + line.text;
    }
    if (words.peer)
        text += line.peer;
    if (words.reason && !line.text.isEmpty())
        text += QStringLiteral(", ") + line.text;
    if (!words.peer && !words.bytes)
        text += line.text;
    if (words.bytes)
        text += QStringLiteral(": ") + hex(line.bytes);
    return text;
}

bool parse(const QByteArray& text, Line* line, QString* error)
{
    *line = Line();
    if (!readTime(text, &line->time) || text.size() < TimeLength + 2 || text.at(TimeLength) != ' ')
        return fail(error,
                    QStringLiteral("not a trace line (a time such as 2026-12-06T14:30:00.605+01:00, then #LINK)"));
    QByteArray afterTime = text.mid(TimeLength + 1);
    if (afterTime.startsWith('@')) {
        const int runEnd = afterTime.indexOf(' ');
        line->run = afterTime.left(runEnd);
        const bool plain = std::all_of(line->run.begin() + 1, line->run.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '.';
        });
        if (runEnd < 2 || runEnd > MaxRunLength || !plain)
            return fail(error, QStringLiteral("no run after the time (such as @4242.mih3k2x1)"));
        afterTime = afterTime.mid(runEnd + 1);
    }
    if (afterTime.startsWith("run: "))
        return readEvent(afterTime, line, error);
    if (!afterTime.startsWith('#'))
        return fail(error,
                    QStringLiteral("not a trace line (a time such as 2026-12-06T14:30:00.605+01:00, then #LINK)"));
    const int numberEnd = afterTime.indexOf(' ');
    const QByteArray number = afterTime.mid(1, numberEnd - 1);
    const bool plain = std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (numberEnd < 0 || number.isEmpty() || number.size() > 18 || !plain || number.startsWith('0'))
        return fail(error, QStringLiteral("no link number after the time"));
    line->link = number.toLongLong();
    return readEvent(afterTime.mid(numberEnd + 1), line, error);
}

namespace {
QString& failureOfWrite()
{
    static QString why;
    return why;
}
} // namespace

void setWriteFailure(const QString& why)
{
    failureOfWrite() = why;
}

QString writeFailure()
{
    return failureOfWrite();
}

namespace {
// "@4242.mih3k2x1": the process id and the time of the first line, in base 36.
QByteArray thisRun(Stamp time)
{
    static const QByteArray run =
        '@' + QByteArray::number(QCoreApplication::applicationPid()) + '.' + QByteArray::number(time.msSinceEpoch, 36);
    return run;
}
} // namespace

Line runLine(Stamp time)
{
    Line run;
    run.time = time;
    run.run = thisRun(time);
    run.text = QStringLiteral("Quellaro %1, pid %2")
                   .arg(QStringLiteral(QUELLARO_VERSION))
                   .arg(QCoreApplication::applicationPid());
    return run;
}

void writeLine(const Line& line)
{
    static bool runWritten = false;
    if (!runWritten) {
        runWritten = true;
        qCDebug(lcLink).noquote() << format(runLine(line.time));
    }
    Line marked = line;
    marked.run = thisRun(line.time);
    qCDebug(lcLink).noquote() << format(marked);
}

ReadResult readTrace(QIODevice& device, const std::function<QString(const Line&)>& take)
{
    ReadResult result;
    int number = 0;
    Line line;
    while (!device.atEnd()) {
        // Bounded, so that a file with no line break is not read whole.
        QByteArray text = device.readLine(MaxLineBytes);
        ++number;
        if (!text.endsWith('\n') && !device.atEnd()) {
            result.errorLine = number;
            result.error = QStringLiteral("%1 bytes or more without a line end, not a trace line").arg(MaxLineBytes);
            return result;
        }
        bool cut = !text.endsWith('\n') && device.atEnd();
        if (number == 1 && text.startsWith("\xEF\xBB\xBF"))
            text.remove(0, 3);
        while (text.endsWith('\n') || text.endsWith('\r'))
            text.chop(1);
        if (text.trimmed().isEmpty() || text.startsWith("# ") || text == "#")
            continue;
        QString error;
        if (parse(text, &line, &error)) {
            ++result.linesRead;
            error = take(line);
            if (error.isEmpty())
                continue;
            cut = false; // understood, and refused
        }
        if (cut) {
            result.warnings << QStringLiteral("line %1 is cut short and was skipped").arg(number);
            break;
        }
        result.errorLine = number;
        result.error = error;
        return result;
    }
    if (result.linesRead == 0) {
        result.errorLine = 1;
        result.error = QStringLiteral("not a trace: no line of the link trace in it");
    }
    return result;
}

} // namespace LinkTrace
