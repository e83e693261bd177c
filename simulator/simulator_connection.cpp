#include "simulator/simulator_connection.h"

#include "link/protocol.h"

#include <QTcpSocket>

#include <limits>

SimulatorConnection::SimulatorConnection(QTcpSocket* tcpSocket, RequestHandler requestHandler, FaultSource faultSource,
                                         OutputLimit outputLimit, QObject* parent)
    : QObject(parent)
    , socket(tcpSocket)
    , handler(std::move(requestHandler))
    , faults(std::move(faultSource))
    , limit(std::move(outputLimit))
{
    socket->setParent(this);
    // Every write leaves as it is written: the kernel must not join a gateway's packets or a
    // recording's reads.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    clock.start();
    for (QTimer* timer : {&sendTimer, &lineTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&sendTimer, &QTimer::timeout, this, &SimulatorConnection::sendDue);
    connect(&lineTimer, &QTimer::timeout, this, &SimulatorConnection::sendLine);
    connect(socket, &QTcpSocket::readyRead, this, &SimulatorConnection::readRequests);
    connect(socket, &QTcpSocket::disconnected, this, &SimulatorConnection::onDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, [this] {
        if (this->socket->state() == QAbstractSocket::UnconnectedState)
            onDisconnected();
    });
}

void SimulatorConnection::abort()
{
    socket->abort();
    onDisconnected();
}

qint64 SimulatorConnection::unsentBytes() const
{
    return gone ? 0 : outgoingBytes + heldReply.size() + line.size() + socket->bytesToWrite();
}

void SimulatorConnection::enforceOutputLimit()
{
    const qint64 unsent = unsentBytes();
    const qint64 allowed = limit();
    if (gone || unsent <= allowed)
        return;
    emit outputLimitPassed(unsent, allowed);
    abort();
}

void SimulatorConnection::onDisconnected()
{
    if (gone)
        return;
    gone = true;
    sendTimer.stop();
    lineTimer.stop();
    line.clear();
    recording.clear();
    outgoing.clear();
    outgoingBytes = 0;
    heldReply.clear();
    emit closed();
    deleteLater();
}

void SimulatorConnection::readRequests()
{
    while (!gone && socket->bytesAvailable() > 0) {
        const QByteArray chunk = socket->read(ReadChunk);
        if (chunk.isEmpty())
            break;
        if (closing)
            continue; // past the request limit: read and ignored
        input += chunk;
        parseInput();
    }
}

void SimulatorConnection::parseInput()
{
    int offset = 0;
    QByteArray dropped;
    while (offset < input.size() && !closing && !gone) {
        const char* data = input.constData() + offset;
        FrameCodec::Request request;
        const int used = FrameCodec::parseRequest(data, input.size() - offset, &request);
        if (used < 0) { // not the start of a request: drop one byte and look again
            dropped += data[0];
            ++offset;
            continue;
        }
        if (used == 0)
            break; // the rest of this request is still on its way
        const QByteArray frame(data, used);
        offset += used;

        if (!dropped.isEmpty()) {
            emit bytesDropped(dropped);
            dropped.clear();
        }
        emit requestReceived(frame);
        ++requests;
        const FaultOptions options = faults();
        const QByteArray answer = handler(request);
        if (!answer.isEmpty())
            reply(answer, options);
        if (options.closeAfterRequests > 0 && requests >= options.closeAfterRequests) {
            closing = true;
            if (!heldReply.isEmpty()) {
                enqueue(clock.elapsed() + options.replyDelayMs, heldReply);
                heldReply.clear();
            }
            enqueue(clock.elapsed(), QByteArray(), true);
        }
    }
    if (!dropped.isEmpty())
        emit bytesDropped(dropped);
    if (gone)
        return;
    input.remove(0, offset);
    if (closing)
        input.clear();
}

void SimulatorConnection::reply(const QByteArray& frame, const FaultOptions& options)
{
    if (options.silent)
        return;
    const qint64 due = clock.elapsed() + qMax(0, options.replyDelayMs);

    if (options.floodBytes > 0 && !flooded) {
        flooded = true;
        // Never more than the connection may still hold unsent, or the flood would close it.
        const int size = int(qBound(qint64(0), qint64(limit() - unsentBytes()), qint64(options.floodBytes)));
        const QByteArray garbage = FaultOptions::garbageFrame();
        QByteArray flood;
        flood.reserve(size + frame.size() + garbage.size());
        while (flood.size() < size)
            flood += frame + garbage;
        flood.truncate(size);
        enqueue(due, flood);
        return;
    }

    ++replies;
    QByteArray bytes = frame;
    if (options.mergeReplies) {
        if (heldReply.isEmpty()) {
            heldReply = bytes;
            bytes.clear();
        } else {
            bytes = heldReply + bytes;
            heldReply.clear();
        }
    } else if (!heldReply.isEmpty()) {
        // Merging was switched off while a reply was held: it leaves first.
        bytes = heldReply + bytes;
        heldReply.clear();
    }

    if (!bytes.isEmpty()) {
        if (options.splitReplyMs >= 0) {
            const int half = bytes.size() / 2;
            enqueue(due, bytes.left(half));
            enqueue(due + options.splitReplyMs, bytes.mid(half));
        } else {
            enqueue(due, bytes);
        }
    }
    if (options.garbageEvery > 0 && replies % options.garbageEvery == 0)
        enqueue(due, FaultOptions::garbageFrame());
}

void SimulatorConnection::enqueue(qint64 due, const QByteArray& bytes, bool close)
{
    if (gone)
        return;
    // Never ahead of what was queued before: the stream keeps its order.
    if (!outgoing.empty())
        due = qMax(due, outgoing.back().due);
    outgoing.push_back(Pending{due, bytes, close});
    outgoingBytes += bytes.size();
    enforceOutputLimit();
    sendDue();
}

void SimulatorConnection::play(const ReplaySession& session)
{
    recording = session;
    recordingNext = 0;
    sendDue();
}

// Queues the next event of the recording, one at a time: a long recording costs no more
// unsent bytes than its largest read.
bool SimulatorConnection::takeRecorded()
{
    if (recordingNext < 0 || !outgoing.empty())
        return false;
    if (recordingNext == recording.size()) {
        recordingNext = -1;
        emit recordingPlayed();
        return false;
    }
    const ReplayEvent& event = recording.at(recordingNext++);
    outgoing.push_back(Pending{event.atMs, event.bytes, event.closes});
    outgoingBytes += event.bytes.size();
    return true;
}

void SimulatorConnection::sendDue()
{
    const qint64 now = clock.elapsed();
    while (!gone && (!outgoing.empty() || takeRecorded()) && outgoing.front().due <= now) {
        // A close waits until the serial line has carried what was written before it.
        if (outgoing.front().close && line.size() > 0)
            return;
        Pending next = std::move(outgoing.front());
        outgoing.pop_front();
        outgoingBytes -= next.bytes.size();
        if (next.close) {
            outgoing.clear();
            outgoingBytes = 0;
            // Writes what is still buffered, then closes; disconnected() follows.
            socket->disconnectFromHost();
            return;
        }
        write(next.bytes);
    }
    if (!gone && !outgoing.empty())
        sendTimer.start(int(qMax<qint64>(0, outgoing.front().due - now)));
}

void SimulatorConnection::write(const QByteArray& bytes)
{
    if (bytes.isEmpty() || socket->state() != QAbstractSocket::ConnectedState)
        return;
    emit bytesSent(bytes);
    const FaultOptions options = faults();
    if (options.baud <= 0 && line.size() == 0) {
        send(bytes);
        return;
    }
    line.setPace(options.baud, options.gatewayPacketBytes);
    line.put(bytes, clock.nsecsElapsed());
    sendLine();
}

// Forwards what has crossed the serial line by now, a packet per write.
void SimulatorConnection::sendLine()
{
    // With pacing switched off meanwhile, what is left goes at once.
    const qint64 now = faults().baud > 0 ? clock.nsecsElapsed() : std::numeric_limits<qint64>::max();
    const QByteArrayList packets = line.takeArrived(now);
    for (const QByteArray& packet : packets) {
        if (gone || socket->state() != QAbstractSocket::ConnectedState)
            return;
        send(packet);
    }
    if (line.size() > 0) {
        constexpr qint64 NsPerMs = qint64(1000) * 1000;
        const qint64 waitMs = (line.nextArrivalNs() - now + NsPerMs - 1) / NsPerMs;
        lineTimer.start(int(qMin<qint64>(waitMs, std::numeric_limits<int>::max()))); // a huge packet at 1 baud
    } else if (!outgoing.empty() && outgoing.front().close) {
        sendDue();
    }
}

void SimulatorConnection::send(const QByteArray& bytes)
{
    socket->write(bytes);
    socket->flush();
}
