#include "link/frame_assembler.h"

#include "link/frame_codec.h"

namespace {

// Lists bytes in the report; copies nothing when no report is asked for.
void note(FrameAssembler::Report* report, FrameAssembler::Piece::Fate fate, const QByteArray& from, int at,
          int size, const char* reason)
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
    note(report, Piece::Fate::Dropped, kept, 0, kept.size(), reason);
    kept.clear();
}

void FrameAssembler::pollWritten(qint64 now, Report* report)
{
    remains = false;
    if (kept.isEmpty())
        return;
    if (keptIsFresh(now)) {
        dropKept("no part of the next poll's reply", report);
        return;
    }
    // A reply stalled for longer than its poll waits: its rest may still come, just before the
    // next reply.
    owed = FrameCodec::replyFrameLength(static_cast<unsigned char>(kept.at(0))) - kept.size();
    dropKept("unfinished for more than 50 ms", report);
}

QByteArray FrameAssembler::take(const char* data, int size, qint64 now, Report* report)
{
    using Fate = Piece::Fate;
    if (!kept.isEmpty() && !keptIsFresh(now)) {
        dropKept("unfinished for more than 50 ms", report);
        remains = true;
    }
    if (size <= 0)
        return QByteArray();
    if (remains) {
        if (report)
            note(report, Fate::Dropped, QByteArray(data, size), 0, size, "rest of a dropped reply");
        return QByteArray();
    }
    if (owed > 0) {
        const int rest = qMin(owed, size);
        if (report)
            note(report, Fate::Dropped, QByteArray(data, rest), 0, rest, "rest of a dropped reply");
        owed -= rest;
        data += rest;
        size -= rest;
        if (size == 0)
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

    QByteArray first;
    int at = 0;
    while (at < pending.size()) {
        const int length = FrameCodec::replyFrameLength(static_cast<unsigned char>(pending.at(at)));
        if (length == 0) {
            note(report, Fate::Dropped, pending, at, pending.size() - at, "no reply type at a frame boundary");
            remains = true;
            return first;
        }
        if (pending.size() - at < length)
            break;
        if (first.isEmpty()) {
            first = pending.mid(at, length);
            note(report, Fate::Delivered, first, 0, length, "");
        } else {
            note(report, Fate::Dropped, pending, at, length, "one frame per read");
        }
        at += length;
    }

    if (at < pending.size()) {
        kept = pending.mid(at);
        lastBytesAt = now;
        note(report, Fate::Kept, kept, 0, kept.size(), "unfinished frame");
    }
    return first;
}
