#pragma once

#include "simulator/fault_options.h"
#include "simulator/machine_model.h"
#include "simulator/trace_reader.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <functional>

namespace FrameCodec {
struct Request;
}

// The simulated controller on the network: listens for the service tool, serves any number
// of connections at once and answers them from one MachineModel, whose clock it runs in real
// time. Request 1 is answered with reply 1, request 4 with reply 4; requests 2, 3 and 5 act
// on the machine and get no reply. Bytes that are not a request are dropped one by one
// until a request starts; nothing a client sends or fails to send stops the others.
//
// Memory stays bounded whatever the clients do: a connection whose unsent bytes (replies
// queued for later and what its socket still has to write) pass its output limit is closed,
// and the others go on being served. The limit is the smaller of a cap per connection and an
// equal share of a cap across all open connections.
class SimulatorServer : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 ConnectionOutputCap = qint64(64) * 1024 * 1024;
    static constexpr qint64 TotalOutputCap = qint64(256) * 1024 * 1024;

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
    void setCloseAfterRequests(int count) { options.closeAfterRequests = count; }
    void setSilent(bool silent) { options.silent = silent; }
    void setFloodBytes(int bytes) { options.floodBytes = bytes; }

    // Plays a recorded session instead of the machine: the Nth connection accepted from now on
    // gets the Nth recorded connection (see SimulatorConnection::play); connections past the
    // recording's get nothing. Requests then act on nothing and are answered by nothing.
    void replay(const QVector<ReplaySession>& connections);

    // The machine's clock in ms, in place of the real time since the start: a test moves the
    // machine on by what it counts (such as requests) rather than by the time it took.
    void setClock(std::function<qint64()> elapsedMs) { clockMs = std::move(elapsedMs); }
    // The machine's time runs `factor` (1 or more) times faster than its clock, so that heating
    // and device cycles take a fraction of their real time.
    void setSpeed(int factor) { speed = qMax(1, factor); }
    int speedFactor() const { return speed; }
    // Smaller caps than the defaults above, for tests.
    void setOutputCaps(qint64 perConnection, qint64 total);
    // The most bytes one connection may have unsent now.
    qint64 outputLimit() const;

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
    // A replayed connection has nothing more to play: it stays open and silent.
    void replayEnded(int connection);
    // The connection is being closed: it had more bytes unsent than its limit.
    void outputLimitPassed(int connection, qint64 unsent, qint64 limit);

private:
    void onNewConnection();
    QByteArray handle(const FrameCodec::Request& request);
    void syncClock();
    std::function<qint64()> clockMs;

    // How often the machine's clock is moved on between requests.
    static constexpr int TickMs = 50;

    QTcpServer server;
    MachineModel machine;
    FaultOptions options;
    qint64 connectionCap = ConnectionOutputCap;
    qint64 totalCap = TotalOutputCap;
    QTimer tick;
    QElapsedTimer clock;
    qint64 synced = 0;
    int speed = 1;
    int openConnections = 0;
    int accepted = 0;
    int requests = 0;
    bool replaying = false;
    QVector<ReplaySession> recorded;
    int replayed = 0; // connections accepted since the replay started
};
