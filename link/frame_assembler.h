#pragma once

#include <QByteArray>
#include <QVector>

// Rebuilds reply frames from the pieces the socket hands out. A gateway or TCP may cut the
// controller's stream anywhere, so the bytes of an unfinished frame are kept until the rest
// arrives, and frames are cut by the length their type fixes, never by where a read ends.
// Each read yields at most one frame, the newest complete one: the older ones of the same read
// are already out of date.
//
// Whenever an unfinished frame is dropped, at a poll or after a silence, as many bytes as it
// lacks are its rest: they are owed, and dropped when they come, so that they are never read
// as a frame of their own showing values the controller never sent. After a silence, after
// a byte that starts no reply, and after the owed bytes, everything is dropped until the next
// poll is written (pollWritten) or the line has been quiet for MaxSilenceMs too. If the owed
// bytes never come (a lost byte, or junk that began like a reply), they are cut from the next
// reply, which is dropped whole: values are lost, never made up.
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

    // Takes the bytes of one read arriving at `now`. Returns the last frame completed by
    // them, exactly as long as its type fixes, or an empty array. Older complete frames are
    // dropped, and so is everything from a byte at a frame boundary that is no reply type;
    // an unfinished frame at the end is kept. When `report` is given, every byte taken or
    // dropped is listed there in order.
    QByteArray take(const char* data, int size, qint64 now, Report* report = nullptr);

    // A poll has been written at `now`: whatever is still kept is no part of its reply (its
    // rest is owed), and the bytes that follow are read again.
    void pollWritten(qint64 now, Report* report = nullptr);

    // Bytes of the unfinished frame kept for the next read.
    int keptSize() const { return kept.size(); }
    // Whether bytes are being dropped as the rest of a dropped reply.
    bool droppingRemains() const { return remains; }
    // Bytes still to come of a dropped frame, dropped when they come.
    int owedSize() const { return owed; }

private:
    bool keptIsFresh(qint64 now) const;
    // Drops the kept frame; the bytes it lacks are owed.
    void dropKept(const char* reason, Report* report);
    int dropOwed(const char* data, int size, Report* report);

    QByteArray kept;
    bool remains = false;
    int owed = 0;           // bytes still to come of a dropped frame
    qint64 lastBytesAt = 0; // when the latest bytes arrived
};
