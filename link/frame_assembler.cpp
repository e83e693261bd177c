#include "link/frame_assembler.h"

#include "link/frame_codec.h"

namespace {

// Lists bytes in the report; copies nothing when no report is asked for.
void note(FrameAssembler::Report* report, FrameAssembler::Piece::Fate fate, const QByteArray& from, int at, int size,
          const char* reason)
{
    if (report && size > 0)
        report->append({fate, from.mid(at, size), reason});
}

} // namespace

bool FrameAssembler::keptIsFresh(qint64 now) const
{
    return !kept.isEmpty() && now - lastBytesAt <= MaxSilenceMs;
}

void FrameAssembler::dropKept(const char* reason, Report* report)
{
    owed = FrameCodec::replyFrameLength(static_cast<unsigned char>(kept.at(0))) - kept.size();
    note(report, Piece::Fate::Dropped, kept, 0, kept.size(), reason);
    kept.clear();
}

void FrameAssembler::pollWritten(qint64 now, Report* report)
{
    remains = false;
    if (kept.isEmpty())
        return;
    // Fresh or stalled, the rest of the kept frame may still come, just before the next reply.
    dropKept(keptIsFresh(now) ? "no part of the next poll's reply" : "unfinished for more than 50 ms", report);
}

// The owed rest of a dropped frame at the head of a read; returns how many bytes it took.
int FrameAssembler::dropOwed(const char* data, int size, Report* report)
{
    const int rest = qMin(owed, size);
    if (report)
        note(report, Piece::Fate::Dropped, QByteArray(data, rest), 0, rest, "rest of a dropped reply");
    owed -= rest;
    return rest;
}

QByteArray FrameAssembler::take(const char* data, int size, qint64 now, Report* report)
{
    using Fate = Piece::Fate;
    // Dropping ends at a poll, or once the line has been quiet: whatever was being dropped
    // has ended then.
    if (remains && now - lastBytesAt > MaxSilenceMs)
        remains = false;
    if (!kept.isEmpty() && !keptIsFresh(now)) {
        dropKept("unfinished for more than 50 ms", report);
        remains = true;
    }
    if (size <= 0)
        return QByteArray();
    lastBytesAt = now;
    if (owed > 0) {
        const int rest = dropOwed(data, size, report);
        data += rest;
        size -= rest;
        // The dropped "frame" may have been junk that only began like one: then its owed rest
        // was cut from the next reply, and what follows it starts no frame.
        remains = remains || owed == 0;
        if (size == 0)
            return QByteArray();
    }
    if (remains) {
        if (report)
            note(report, Fate::Dropped, QByteArray(data, size), 0, size, "rest of a dropped reply");
        return QByteArray();
    }
    if (qint64(kept.size()) + size > MaxKeptBytes) {
        if (report) {
            const QByteArray all = kept + QByteArray(data, size);
            note(report, Fate::Dropped, all, 0, all.size(), "more than 10000 bytes at once");
        }
        kept.clear();
        return QByteArray();
    }

    QByteArray pending = kept;
    pending.append(data, size);
    kept.clear();

    // The complete frames, then what follows them: junk, an unfinished frame or nothing.
    QVector<int> starts;
    int at = 0;
    int length = 0;
    while (at < pending.size()) {
        length = FrameCodec::replyFrameLength(static_cast<unsigned char>(pending.at(at)));
        if (length == 0 || pending.size() - at < length)
            break;
        starts.append(at);
        at += length;
    }
    for (int i = 0; i + 1 < starts.size(); ++i)
        note(report, Fate::Dropped, pending, starts[i], starts[i + 1] - starts[i], "an older frame of the same read");
    QByteArray newest;
    if (!starts.isEmpty()) {
        newest = pending.mid(starts.last(), at - starts.last());
        note(report, Fate::Delivered, newest, 0, newest.size(), "");
    }
    if (at < pending.size() && length == 0) {
        note(report, Fate::Dropped, pending, at, pending.size() - at, "no reply type at a frame boundary");
        remains = true;
    } else if (at < pending.size()) {
        kept = pending.mid(at);
        note(report, Fate::Kept, kept, 0, kept.size(), "unfinished frame");
    }
    return newest;
}
