#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A stand-in controller for tests: listens on 127.0.0.1 at a free port, records every byte
// that its clients send and writes whatever the test tells it to.
class RecordingPeer : public QObject
{
    Q_OBJECT

public:
    explicit RecordingPeer(QObject* parent = nullptr);

    quint16 port() const { return server.serverPort(); }
    // Connections accepted so far, and those still open.
    int connectionCount() const { return accepted; }
    int openConnectionCount() const { return open().size(); }
    // All bytes received on all connections, in order of arrival.
    QByteArray received() const { return data; }
    void clearReceived() { data.clear(); }
    // Writes to the newest open connection and flushes. False when there is none.
    bool send(const QByteArray& bytes);
    void closeConnections();
    // Stops accepting new connections (existing ones stay).
    void stopListening() { server.close(); }

signals:
    void bytesReceived();

private:
    void onNewConnection();
    QList<QTcpSocket*> open() const;

    QTcpServer server;
    QList<QPointer<QTcpSocket>> sockets;
    QByteArray data;
    int accepted = 0;
};
