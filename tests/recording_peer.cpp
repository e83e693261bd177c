#include "recording_peer.h"

RecordingPeer::RecordingPeer(QObject* parent)
    : QObject(parent)
{
    connect(&server, &QTcpServer::newConnection, this, &RecordingPeer::onNewConnection);
    server.listen(QHostAddress::LocalHost, 0);
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
        ++accepted;
        sockets.append(socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            data += socket->readAll();
            emit bytesReceived();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}
