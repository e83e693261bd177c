#include "recording_peer.h"

RecordingPeer::RecordingPeer(QObject* parent)
    : QObject(parent)
{
    connect(&server, &QTcpServer::newConnection, this, &RecordingPeer::onNewConnection);
    server.listen(QHostAddress::LocalHost, 0);
}

quint16 RecordingPeer::port() const
{
    return server.serverPort();
}

int RecordingPeer::connectionCount() const
{
    return accepted;
}

int RecordingPeer::openConnectionCount() const
{
    int open = 0;
    for (const auto& socket : sockets) {
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            ++open;
    }
    return open;
}

QByteArray RecordingPeer::received() const
{
    return data;
}

void RecordingPeer::clearReceived()
{
    data.clear();
}

bool RecordingPeer::send(const QByteArray& bytes)
{
    for (int i = sockets.size() - 1; i >= 0; --i) {
        QTcpSocket* socket = sockets.at(i);
        if (socket && socket->state() == QAbstractSocket::ConnectedState) {
            socket->write(bytes);
            socket->flush();
            return true;
        }
    }
    return false;
}

void RecordingPeer::closeConnections()
{
    for (const auto& socket : sockets) {
        if (socket)
            socket->close();
    }
}

void RecordingPeer::stopListening()
{
    server.close();
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
        emit connectionAccepted();
    }
}
