#include "link/frame_assembler.h"

#include "link/frame_codec.h"

namespace {

void note(FrameAssembler::Report* report, FrameAssembler::Piece::Fate fate, QByteArray bytes, const char* reason)
{
    if (report && !bytes.isEmpty())
        report->append({fate, std::move(bytes), reason});
}

} // namespace

bool FrameAssembler::keptIsFresh(qint64 now) const
{
    return !kept.isEmpty() && now - keptSince <= MaxKeptMs;
}

int FrameAssembler::bytesNeeded(qint64 now) const
{
    return keptIsFresh(now) ? 1 : 2;
}

QByteArray FrameAssembler::take(const char* data, int size, qint64 now, Report* report)
{
    using Fate = Piece::Fate;
    if (!kept.isEmpty() && !keptIsFresh(now)) {
        note(report, Fate::Dropped, kept, "unfinished for more than 50 ms");
        kept.clear();
    }
    if (size <= 0)
        return QByteArray();
    if (qint64(kept.size()) + size > MaxKeptBytes) {
        note(report, Fate::Dropped, kept + QByteArray(data, size), "more than 10000 bytes at once");
        kept.clear();
        return QByteArray();
    }

    const bool continuesKept = !kept.isEmpty();
    QByteArray pending = kept;
    pending.append(data, size);
    kept.clear();

    QByteArray first;
    int at = 0;
    while (at < pending.size()) {
        const int length = FrameCodec::replyFrameLength(static_cast<unsigned char>(pending.at(at)));
        if (length == 0) {
            note(report, Fate::Dropped, pending.mid(at), "no reply type at a frame boundary");
            return first;
        }
        if (pending.size() - at < length)
            break;
        if (first.isEmpty()) {
            first = pending.mid(at, length);
            note(report, Fate::Delivered, first, "");
        } else {
            note(report, Fate::Dropped, pending.mid(at, length), "one frame per read");
        }
        at += length;
    }

    if (at < pending.size()) {
        kept = pending.mid(at);
        // A frame joined from several reads keeps the time of its first bytes.
        if (at > 0 || !continuesKept)
            keptSince = now;
        note(report, Fate::Kept, kept, "unfinished frame");
    }
    return first;
}
