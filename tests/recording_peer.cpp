#include "recording_peer.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

RecordingPeer::RecordingPeer(QObject* parent)
    : QObject(parent)
{
    connect(&server, &QTcpServer::newConnection, this, &RecordingPeer::onNewConnection);
    server.listen(QHostAddress::LocalHost, 0);
    pacer.setTimerType(Qt::PreciseTimer);
}

void RecordingPeer::sendPaced(const QByteArray& bytes, int piece, int everyUs)
{
    for (QTcpSocket* socket : open())
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    paced = bytes;
    pacedSent = 0;
    paceClock.start();
    pacer.disconnect();
    const auto sendDue = [this, piece, everyUs] {
        const int due = int(qMin((paceClock.nsecsElapsed() / 1000 / everyUs + 1) * piece, qint64(paced.size())));
        if (!send(paced.mid(pacedSent, due - pacedSent)) || due == paced.size())
            pacer.stop();
        pacedSent = due;
    };
    connect(&pacer, &QTimer::timeout, this, sendDue);
    pacer.setTimerType(Qt::PreciseTimer);
    pacer.start(qMax(1, everyUs / 1000));
    sendDue(); // the first piece at once
}

bool RecordingPeer::hangConnections()
{
    const quint16 at = port();
    server.close();
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(at);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 0) != 0
        || !server.setSocketDescriptor(fd)) {
        ::close(fd);
        return false;
    }
    server.pauseAccepting();
    blocker.connectToHost(QHostAddress::LocalHost, at);
    return blocker.waitForConnected(5000);
}

// Oldest first.
QList<QTcpSocket*> RecordingPeer::open() const
{
    QList<QTcpSocket*> list;
    for (QTcpSocket* socket : sockets) {
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            list << socket;
    }
    return list;
}

bool RecordingPeer::send(const QByteArray& bytes)
{
    const QList<QTcpSocket*> list = open();
    if (list.isEmpty())
        return false;
    list.last()->write(bytes);
    list.last()->flush();
    return true;
}

void RecordingPeer::closeConnections()
{
    for (QTcpSocket* socket : sockets) {
        if (socket)
            socket->close();
    }
}

void RecordingPeer::onNewConnection()
{
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        if (socket->peerPort() == blocker.localPort()) { // only filled the queue
            socket->deleteLater();
            continue;
        }
        ++accepted;
        sockets.append(socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray bytes = socket->readAll();
            data += bytes;
            // Polls are two bytes, 01 00 or 04 00, and come one at a time.
            if (!pollAnswer.isEmpty() && (bytes == QByteArray("\x01\x00", 2) || bytes == QByteArray("\x04\x00", 2)))
                socket->write(pollAnswer);
            emit bytesReceived();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}
