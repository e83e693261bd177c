#pragma once

#include <QVector>

// How often a panel polls: fast for what changes by the moment (outputs, the boiler), slow for
// the rest.
enum class PollPeriod { Fast, Slow };

// The intervals of the machine link client, in milliseconds. Tests shorten them.
struct LinkTiming
{
    int fastPollMs = 100;
    int slowPollMs = 500;
    int replyTimeoutMs = 500;    // the first reply timeout; it follows the round trips measured
    int longestReplyMs = 4000;   // the longest reply timeout, and the longest wait for a late reply
    int quietMs = 50;            // after a dropped or given up reply, the line's silence before the next poll
    int silenceMs = 2000;        // an open connection without a reply for so long does not answer
    // A connection attempt that takes longer is given up: a host that drops it would leave it
    // pending for minutes.
    int connectTimeoutMs = 2000;
    // The waits before the attempts after a loss; the last repeats. None: a lost link stays lost.
    QVector<int> retryDelaysMs{1000, 2000, 4000, 5000};
    int healthEveryMs = 60000; // the trace's health line

    int periodMs(PollPeriod period) const { return period == PollPeriod::Fast ? fastPollMs : slowPollMs; }
};
