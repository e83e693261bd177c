#include "simulator/simulator_connection.h"

#include "link/protocol.h"

#include <QTcpSocket>

SimulatorConnection::SimulatorConnection(QTcpSocket* tcpSocket, RequestHandler requestHandler,
                                         FaultSource faultSource, OutputLimit outputLimit, QObject* parent)
    : QObject(parent)
    , socket(tcpSocket)
    , handler(std::move(requestHandler))
    , faults(std::move(faultSource))
    , limit(std::move(outputLimit))
{
    socket->setParent(this);
    clock.start();
    sendTimer.setSingleShot(true);
    connect(&sendTimer, &QTimer::timeout, this, &SimulatorConnection::sendDue);
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
    return gone ? 0 : outgoingBytes + heldReply.size() + socket->bytesToWrite();
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

void SimulatorConnection::sendDue()
{
    const qint64 now = clock.elapsed();
    while (!gone && !outgoing.empty() && outgoing.front().due <= now) {
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
    socket->write(bytes);
    emit bytesSent(bytes);
}
