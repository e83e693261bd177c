#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

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
    // Answers each poll (a read of 01 00 or 04 00 alone) with `answer`; empty: none.
    void answerPolls(const QByteArray& answer) { pollAnswer = answer; }
    // Stops accepting new connections (existing ones stay).
    void stopListening()
    {
        listenedAt = port();
        server.close();
    }
    // Listens again at the port it stopped listening at.
    bool listenAgain() { return server.listen(QHostAddress::LocalHost, listenedAt); }

    // Writes `bytes` to the newest open connection as a serial gateway forwards them: in pieces
    // of `piece` bytes, piece k at k * `everyUs` microseconds from now, each its own segment.
    void sendPaced(const QByteArray& bytes, int piece, int everyUs);
    bool pacing() const { return pacer.isActive(); }

    // Makes connections to the port hang: the accept queue is filled by a connection that is
    // never accepted, and Linux drops the SYNs of further ones. release() accepts it, and a
    // client's retransmitted SYN (about 1 s after its first) gets through.
    bool hangConnections();
    void release() { server.resumeAccepting(); }

signals:
    void bytesReceived();

private:
    void onNewConnection();
    QList<QTcpSocket*> open() const;

    QTcpServer server;
    QList<QPointer<QTcpSocket>> sockets;
    QByteArray data;
    int accepted = 0;
    QTcpSocket blocker;
    QTimer pacer;
    QElapsedTimer paceClock;
    QByteArray paced;
    QByteArray pollAnswer;
    quint16 listenedAt = 0;
    int pacedSent = 0;
};
