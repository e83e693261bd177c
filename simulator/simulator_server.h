#pragma once

#include "simulator/fault_options.h"
#include "simulator/machine_model.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

namespace FrameCodec {
struct Request;
}

// The simulated controller on the network: listens for the service tool, serves any number
// of connections at once and answers them from one MachineModel, whose clock it runs in real
// time. Request 1 is answered with reply 1, request 4 with reply 4; requests 2, 3 and 5 act
// on the machine and get no reply. Bytes that are not a request are dropped one by one
// until a request starts; nothing a client sends or fails to send stops the others.
class SimulatorServer : public QObject
{
    Q_OBJECT

public:
    explicit SimulatorServer(QObject* parent = nullptr);
    ~SimulatorServer() override;

    // Port 0 picks a free port (see serverPort()). False when the address cannot be used.
    bool listen(const QHostAddress& address = QHostAddress::Any, quint16 port = 0);
    quint16 serverPort() const;
    QHostAddress serverAddress() const;
    QString errorString() const;
    // Stops listening and drops every connection.
    void close();

    // The simulated machine. Changes show in the next reply.
    MachineModel& model() { return machine; }

    // Misbehaviour (see FaultOptions), all at once or one by one.
    FaultOptions faults() const { return options; }
    void setFaults(const FaultOptions& faults) { options = faults; }
    void setReplyDelay(int ms) { options.replyDelayMs = ms; }
    void setSplitReplies(int gapMs) { options.splitReplyMs = gapMs; }
    void setMergeReplies(bool merge) { options.mergeReplies = merge; }
    void setGarbageEvery(int replies) { options.garbageEvery = replies; }
    void setCloseAfterRequests(int requests) { options.closeAfterRequests = requests; }
    void setSilent(bool silent) { options.silent = silent; }
    void setFloodBytes(int bytes) { options.floodBytes = bytes; }

    // Connections open now, and accepted since the start.
    int connectionCount() const { return openConnections; }
    int acceptedCount() const { return accepted; }
    // Requests read on all connections since the start.
    int requestCount() const { return requests; }

signals:
    // Every connection gets a number, counted from 1. For logs and tests.
    void connectionOpened(int connection, const QString& peer);
    void connectionClosed(int connection);
    void requestReceived(int connection, const QByteArray& frame);
    void bytesSent(int connection, const QByteArray& bytes);
    void bytesDropped(int connection, const QByteArray& bytes);

private:
    void onNewConnection();
    QByteArray handle(const FrameCodec::Request& request);
    void syncClock();

    // How often the machine's clock is moved on between requests.
    static constexpr int TickMs = 50;

    QTcpServer server;
    MachineModel machine;
    FaultOptions options;
    QTimer tick;
    QElapsedTimer clock;
    qint64 synced = 0;
    int openConnections = 0;
    int accepted = 0;
    int requests = 0;
};
