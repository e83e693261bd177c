#include "paced_peer.h"

#include "link/frame_codec.h"

#include <algorithm>
#include <limits>

PacedPeer::PacedPeer(int baud)
{
    line.setPace(baud, 1);
    clock.start();
    server.listen(QHostAddress::LocalHost, 0);
    connect(&server, &QTcpServer::newConnection, this, [this] {
        socket = server.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, this, &PacedPeer::readRequests);
    });
    pacer.setTimerType(Qt::PreciseTimer);
    pacer.setSingleShot(true);
    connect(&pacer, &QTimer::timeout, this, &PacedPeer::forward);
}

void PacedPeer::stallAfter(int afterBytes, int stallMs)
{
    stallIn = line.size() + afterBytes;
    stallFor = stallMs;
}

void PacedPeer::readRequests()
{
    pending += socket->readAll();
    FrameCodec::Request request;
    int taken = 0;
    while ((taken = FrameCodec::parseRequest(pending.constData(), pending.size(), &request)) > 0) {
        pending.remove(0, taken);
        if (request.type != 1 && request.type != 4)
            continue;
        const int poll = ++count;
        readAt.append(nowMs());
        const int delayMs = delay(poll);
        busyUntilMs = std::max(busyUntilMs, nowMs()) + delayMs;
        const auto answer = [this, poll] {
            ++answeredCount;
            line.put(bend(poll, reply(poll)), nowNs());
            forward();
        };
        if (delayMs > 0)
            QTimer::singleShot(int(busyUntilMs - nowMs()), Qt::PreciseTimer, this, answer);
        else
            answer();
    }
    forward();
}

void PacedPeer::forward()
{
    // While stalled the line holds its bytes; afterwards they go on from where they stopped.
    if (nowNs() < stalledUntilNs) {
        pacer.start(int((stalledUntilNs - nowNs()) / 1000000) + 1);
        return;
    }
    const QByteArrayList arrived = line.takeArrived(nowNs());
    for (const QByteArray& byte : arrived) {
        if (socket)
            socket->write(byte), socket->flush();
        if (stallIn > 0 && --stallIn == 0) {
            stalledUntilNs = nowNs() + qint64(stallFor) * 1000000;
            const QByteArray rest = [&] {
                QByteArray all;
                for (const QByteArray& b : line.takeArrived(std::numeric_limits<qint64>::max()))
                    all += b;
                return all;
            }();
            line.clear();
            line.put(rest, stalledUntilNs);
            break;
        }
    }
    if (line.size() > 0)
        pacer.start(int(std::max<qint64>(0, line.nextArrivalNs() - nowNs()) / 1000000));
}
