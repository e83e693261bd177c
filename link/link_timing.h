#pragma once

#include <QVector>

// The intervals of the machine link client, in milliseconds. Tests shorten them.
struct LinkTiming
{
    int replyTimeoutMs = 500;    // a poll without its reply by then is given up
    int quietMs = 50;            // after a dropped or lost reply, the line's silence before the next poll
    int silenceMs = 2000;        // an open connection without a reply for so long does not answer
    int connectTimeoutMs = 2000; // a connection attempt that takes longer is given up
    // The waits before the attempts after a loss; the last repeats. None: a lost link stays lost.
    QVector<int> retryDelaysMs{1000, 2000, 4000, 5000};
    int healthEveryMs = 60000; // the trace's health line
};
