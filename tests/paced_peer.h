#pragma once

#include "simulator/serial_line.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

// A controller behind a serial gateway: answers each request 1 or 4 it reads with reply(n),
// n counting the polls from 1, on a line of `baud`; the gateway forwards the line's bytes one
// by one, in order, unsent ones queued. A test bends each reply with `bend` (drop, double or
// add bytes) and may stall the line (hold) for a while after any byte.
class PacedPeer : public QObject
{
public:
    explicit PacedPeer(int baud);
    quint16 port() const { return server.serverPort(); }
    int polls() const { return count; }
    // The controller takes delay(n) ms over poll n, one poll at a time, before its reply goes on the line.
    std::function<int(int poll)> delay = [](int) { return 0; };
    int answered() const { return answeredCount; }
    // When poll n (from 1) was read, in ms of the peer's clock.
    qint64 readAtMs(int poll) const { return readAt.value(poll - 1, -1); }
    qint64 nowMs() const { return clock.elapsed(); }
    std::function<QByteArray(int poll)> reply;
    std::function<QByteArray(int poll, QByteArray frame)> bend = [](int, QByteArray frame) { return frame; };
    // Stops forwarding for `stallMs` once `afterBytes` of the next bytes put on the line have gone
    // (call it from `bend`).
    void stallAfter(int afterBytes, int stallMs);

private:
    void readRequests();
    void forward();
    qint64 nowNs() const { return clock.nsecsElapsed(); }

    QTcpServer server;
    QPointer<QTcpSocket> socket;
    SerialLine line;
    QElapsedTimer clock;
    QTimer pacer;
    QByteArray pending; // requests read, not yet whole
    int count = 0;
    int answeredCount = 0;
    qint64 busyUntilMs = 0;
    QVector<qint64> readAt;
    int stallIn = -1;
    int stallFor = 0;
    qint64 stalledUntilNs = 0;
};
