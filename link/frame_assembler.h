#pragma once

#include <QByteArray>
#include <QVector>

// Rebuilds reply frames from the pieces the socket hands out. A gateway or TCP may cut the
// controller's stream anywhere, so the bytes of an unfinished frame are kept until the rest
// arrives, and frames are cut by the length their type fixes, never by where a read ends.
// Each read still yields at most one frame, the first complete one; the panels poll, and a
// later frame of the same read would only repeat or overtake it.
//
// Apart from any socket and clock: the caller passes the time of each read in milliseconds.
class FrameAssembler
{
public:
    // The most bytes held at once, kept ones and a new read together; past it all are dropped.
    static constexpr int MaxKeptBytes = 10000;
    // How long an unfinished frame waits for its rest. A controller that cut a frame short
    // answers the next poll from a fresh first byte; only a gateway's or TCP's pieces, which
    // follow within milliseconds, are joined.
    static constexpr qint64 MaxKeptMs = 50;

    // What became of the bytes of one read, for the link trace.
    struct Piece
    {
        enum class Fate { Delivered, Dropped, Kept };
        Fate fate;
        QByteArray bytes;
        const char* reason; // why dropped or kept; empty for a delivered frame
    };
    using Report = QVector<Piece>;

    // Bytes a read must bring to be taken from the socket at `now`: 1 to continue a kept
    // frame that is still fresh, else 2 (a lone byte at a frame boundary waits in the socket).
    int bytesNeeded(qint64 now) const;

    // Takes the bytes of one read arriving at `now`. Returns the first frame completed by
    // them, exactly as long as its type fixes, or an empty array. Other complete frames are
    // dropped, and so is everything from a byte at a frame boundary that is no reply type;
    // an unfinished frame at the end is kept. When `report` is given, every byte taken or
    // dropped is listed there in order.
    QByteArray take(const char* data, int size, qint64 now, Report* report = nullptr);

    // Bytes of the unfinished frame kept for the next read.
    int keptSize() const { return kept.size(); }

private:
    bool keptIsFresh(qint64 now) const;

    QByteArray kept;
    qint64 keptSince = 0; // when the kept frame's first bytes arrived
};
