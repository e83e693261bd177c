#pragma once

#include <QByteArray>
#include <QVector>

// Rebuilds reply frames from the pieces the socket hands out. A gateway or TCP may cut the
// controller's stream anywhere, so the bytes of an unfinished frame are kept until the rest
// arrives, and frames are cut by the length their type fixes, never by where a read ends.
// Each read still yields at most one frame, the first complete one; the panels poll, and a
// later frame of the same read would only repeat or overtake it.
//
// Once an unfinished frame or a byte that starts no reply has been dropped, the bytes that
// follow are the rest of that reply: read as a frame of their own they would show values the
// controller never sent. They are dropped too, until the next poll is written (pollWritten).
// A frame still unfinished when the next poll is written stalled for longer than the poll
// waited: as many bytes as it lacks are its rest, dropped when they come. If they never come
// (a lost byte), the next reply loses its head and is dropped whole: values are lost, never
// made up.
//
// Apart from any socket and clock: the caller passes the time of each read in milliseconds.
class FrameAssembler
{
public:
    // The most bytes held at once, kept ones and a new read together; past it all are dropped.
    static constexpr int MaxKeptBytes = 10000;
    // The silence after which an unfinished frame is given up. A serial gateway forwards a
    // frame in pieces that keep coming (a byte every 1 ms at 9600 baud, a 51-byte reply takes
    // over 50 ms), so the limit counts from the last bytes, not the first. A controller that
    // cut a frame short answers the next poll after a longer pause, from a fresh first byte.
    static constexpr qint64 MaxSilenceMs = 50;

    // What became of the bytes of one read, for the link trace.
    struct Piece
    {
        enum class Fate { Delivered, Dropped, Kept };
        Fate fate;
        QByteArray bytes;
        const char* reason; // why dropped or kept; empty for a delivered frame
    };
    using Report = QVector<Piece>;

    // Takes the bytes of one read arriving at `now`. Returns the first frame completed by
    // them, exactly as long as its type fixes, or an empty array. Other complete frames are
    // dropped, and so is everything from a byte at a frame boundary that is no reply type;
    // an unfinished frame at the end is kept. When `report` is given, every byte taken or
    // dropped is listed there in order.
    QByteArray take(const char* data, int size, qint64 now, Report* report = nullptr);

    // A poll has been written at `now`: whatever is still kept is no part of its reply, and the
    // bytes that follow are read again.
    void pollWritten(qint64 now, Report* report = nullptr);

    // Bytes of the unfinished frame kept for the next read.
    int keptSize() const { return kept.size(); }
    // Whether bytes are being dropped as the rest of a dropped reply.
    bool droppingRemains() const { return remains; }

private:
    bool keptIsFresh(qint64 now) const;
    void dropKept(const char* reason, Report* report);

    QByteArray kept;
    bool remains = false;
    int owed = 0;           // bytes still to come of a frame given up when a poll was written
    qint64 lastBytesAt = 0; // when the kept frame's latest bytes arrived
};
