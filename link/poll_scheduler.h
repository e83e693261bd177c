#pragma once

#include "link/link_timing.h"

#include <QVector>

// When the polls go, and whether a reply answers the poll on the line. The controller answers
// one request at a time and its replies carry no poll number, so one poll is on the line at a
// time: the next goes a period after the last, and only once the last one's reply has come or
// has been given up. A reply that missed its timeout is still waited for, so that it is never
// taken for a later poll's answer; it is given up when the bytes that came since its poll have
// stalled (a spoilt reply), or after LinkTiming::longestReplyMs (a lost one).
//
// The reply timeout follows the line: it starts at LinkTiming::replyTimeoutMs and is half as
// long again as the slowest of the latest round trips, up to longestReplyMs, so it grows on a
// slow line and shrinks back when the line gets faster.
//
// A reply given up may still come, and be taken for the next poll's answer: the reply taken
// after a give-up is followed by a reply timeout of quiet, in which the true answer, if it comes,
// is dropped, so that the polls and the replies are in step again.
//
// Apart from any socket and clock: the caller passes the time of each event in milliseconds.
class PollScheduler
{
public:
    enum class Step {
        None,    // nothing due before dueAt()
        Overdue, // the reply missed its timeout; it is still waited for
        GivenUp, // the reply is not waited for any longer
        Poll,    // the next poll is due: write it, then call written()
    };

    explicit PollScheduler(const LinkTiming& timing = LinkTiming());

    // Polls every `periodMs`, the first one period after `now`.
    void start(int periodMs, qint64 now);
    bool polling() const { return periodMs > 0; }
    // The connection was lost: no reply is awaited, and the next poll is due at once.
    void reset();

    // When step() has something to do next.
    qint64 dueAt() const;
    // What is due at `now`; call it again until it returns None or Poll.
    Step step(qint64 now);

    void written(qint64 now);
    void bytesArrived(qint64 now);
    // Bytes were dropped: the reply awaited may have been among them, so after it the line must
    // be quiet before the next poll.
    void dropped();
    // A reply of the polled kind came at `now`: true when it answers the poll on the line, false
    // when no poll awaits one (a repeat, or the reply of a poll given up).
    bool replyCame(qint64 now);

    bool awaitingReply() const { return wait != Wait::Nothing; }
    // When the poll on the line was written.
    qint64 sentAt() const { return sentTime; }
    int replyTimeoutMs() const;

private:
    enum class Wait { Nothing, Reply, LateReply };
    static constexpr int RoundTripsKept = 8;

    const LinkTiming timing;
    int periodMs = 0;
    Wait wait = Wait::Nothing;
    bool quietFirst = false;
    bool afterGiveUp = false; // the next reply taken may be the one given up
    qint64 drainUntil = 0;    // no poll before then: a reply given up may still come
    bool bytesSincePoll = false;
    qint64 slot = 0; // when the last poll was due
    qint64 sentTime = 0;
    qint64 lastBytesAt = 0;
    QVector<qint64> roundTrips; // the latest, oldest first
};
