#pragma once

#include <QByteArray>

// Ways to make the simulated controller misbehave, for tests of how the program copes with
// a faulty peer and for training technicians. Everything is off by default. A server reads
// the options as each request comes in, so changing them takes effect at the next request.
//
// In a test:
//     SimulatorServer sim;
//     sim.listen(QHostAddress::LocalHost, 0);
//     sim.setSplitReplies(300);   // or sim.setFaults(options) for several at once
//     setControllerAddress("127.0.0.1", sim.serverPort());
//
// Only replies (to requests 1 and 4) are affected; requests 2, 3 and 5 always act on the
// machine, whatever the options say. Writes on one connection always leave in the order
// their replies were asked for, delays included.
struct FaultOptions
{
    // Each reply is written this many ms after the request that asked for it. 0: at once.
    int replyDelayMs = 0;

    // 0 or more: each reply goes out in two writes, its first half (rounded down) at once and
    // the rest this many ms later. Negative: whole.
    int splitReplyMs = -1;

    // Replies leave two at a time: the first is held until the next one is asked for, and
    // both go out in one write. (A reply whose successor never comes is never written.)
    bool mergeReplies = false;

    // More than 0: after every Nth reply of a connection a garbage frame (garbageFrame())
    // is written in a write of its own.
    int garbageEvery = 0;

    // More than 0: once N requests (of any type) have been read on a connection, later bytes
    // are ignored, the replies still owed are written and the connection is closed.
    int closeAfterRequests = 0;

    // Connections are accepted and requests act on the machine, but nothing is ever written.
    bool silent = false;

    // More than 0: the first state request of each connection is answered with this many
    // bytes in one write: copies of the reply it asked for alternating with garbage frames,
    // the last piece cut short, and cut to what the connection may still hold unsent (see
    // SimulatorServer). Later requests are answered normally.
    int floodBytes = 0;

    // More than 0: replies cross a serial line of this many baud to a gateway before they
    // reach the network (see SerialLine): one byte every 10/baud seconds, forwarded
    // `gatewayPacketBytes` at a time. 0: written at once, as a controller on the network would.
    int baud = 0;
    int gatewayPacketBytes = 1;

    // The frame written as garbage: its first byte is no reply type, so a sound client
    // drops it.
    static QByteArray garbageFrame() { return QByteArray::fromHex("ee06deadbeef55aa"); }
};
