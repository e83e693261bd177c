#include "link/poll_scheduler.h"

#include <algorithm>

PollScheduler::PollScheduler(const LinkTiming& linkTiming)
    : timing(linkTiming)
{
}

void PollScheduler::start(int period, qint64 now)
{
    periodMs = period;
    slot = now;
    wait = Wait::Nothing;
}

void PollScheduler::reset()
{
    wait = Wait::Nothing;
    quietFirst = false;
    afterGiveUp = false;
    drainUntil = 0;
    slot = -periodMs;
}

int PollScheduler::replyTimeoutMs() const
{
    if (roundTrips.isEmpty())
        return timing.replyTimeoutMs;
    const qint64 slowest = *std::max_element(roundTrips.cbegin(), roundTrips.cend());
    return int(std::clamp<qint64>(slowest * 3 / 2, timing.replyTimeoutMs, timing.longestReplyMs));
}

qint64 PollScheduler::dueAt() const
{
    switch (wait) {
    case Wait::Reply:
        return sentTime + replyTimeoutMs();
    case Wait::LateReply: {
        const qint64 lost = sentTime + timing.longestReplyMs;
        return bytesSincePoll ? std::min(lost, lastBytesAt + timing.quietMs) : lost;
    }
    case Wait::Nothing:
        break;
    }
    const qint64 due = std::max(slot + periodMs, drainUntil);
    return quietFirst ? std::max(due, lastBytesAt + timing.quietMs) : due;
}

PollScheduler::Step PollScheduler::step(qint64 now)
{
    const qint64 due = dueAt();
    if (now < due || !polling())
        return Step::None;
    switch (wait) {
    case Wait::Reply:
        wait = Wait::LateReply;
        return Step::Overdue;
    case Wait::LateReply:
        wait = Wait::Nothing;
        quietFirst = true;
        afterGiveUp = true;
        return Step::GivenUp;
    case Wait::Nothing:
        break;
    }
    // Late by a period or more (a slow reply, a reconnection): a new slot from now. On time, the
    // polls keep to their slots as a repeating timer would, without drifting.
    slot = now - due < periodMs ? due : now;
    return Step::Poll;
}

void PollScheduler::written(qint64 now)
{
    wait = Wait::Reply;
    quietFirst = false;
    bytesSincePoll = false;
    sentTime = now;
}

void PollScheduler::bytesArrived(qint64 now)
{
    lastBytesAt = now;
    bytesSincePoll = true;
}

void PollScheduler::dropped()
{
    quietFirst = quietFirst || wait != Wait::Nothing;
}

bool PollScheduler::replyCame(qint64 now)
{
    if (wait == Wait::Nothing)
        return false;
    wait = Wait::Nothing;
    if (afterGiveUp) {
        afterGiveUp = false;
        drainUntil = now + replyTimeoutMs();
        return true;
    }
    roundTrips.append(now - sentTime);
    if (roundTrips.size() > RoundTripsKept)
        roundTrips.removeFirst();
    return true;
}
