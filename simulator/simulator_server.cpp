#include "simulator/simulator_server.h"

#include "link/frame_codec.h"
#include "link/protocol.h"
#include "simulator/simulator_connection.h"

#include <QTcpSocket>

SimulatorServer::SimulatorServer(QObject* parent)
    : QObject(parent)
{
    connect(&server, &QTcpServer::newConnection, this, &SimulatorServer::onNewConnection);
    clock.start();
    connect(&tick, &QTimer::timeout, this, &SimulatorServer::syncClock);
    tick.start(TickMs);
}

SimulatorServer::~SimulatorServer()
{
    close();
}

bool SimulatorServer::listen(const QHostAddress& address, quint16 port)
{
    return server.listen(address, port);
}

quint16 SimulatorServer::serverPort() const
{
    return server.serverPort();
}

QHostAddress SimulatorServer::serverAddress() const
{
    return server.serverAddress();
}

QString SimulatorServer::errorString() const
{
    return server.errorString();
}

void SimulatorServer::close()
{
    server.close();
    const auto connections = findChildren<SimulatorConnection*>(QString(), Qt::FindDirectChildrenOnly);
    for (SimulatorConnection* connection : connections)
        connection->abort();
}

void SimulatorServer::replay(const QVector<ReplaySession>& connections)
{
    replaying = true;
    recorded = connections;
    replayed = 0;
}

void SimulatorServer::setOutputCaps(qint64 perConnection, qint64 total)
{
    connectionCap = perConnection;
    totalCap = total;
}

qint64 SimulatorServer::outputLimit() const
{
    return qMin(connectionCap, totalCap / qMax(1, openConnections));
}

void SimulatorServer::onNewConnection()
{
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        const int id = ++accepted;
        ++openConnections;
        const QString peer = QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
        auto* connection = new SimulatorConnection(
            socket, [this](const FrameCodec::Request& request) { return handle(request); }, [this] { return options; },
            [this] { return outputLimit(); }, this);
        connect(connection, &SimulatorConnection::requestReceived, this,
                [this, id](const QByteArray& frame) { emit requestReceived(id, frame); });
        connect(connection, &SimulatorConnection::bytesSent, this,
                [this, id](const QByteArray& bytes) { emit bytesSent(id, bytes); });
        connect(connection, &SimulatorConnection::bytesDropped, this,
                [this, id](const QByteArray& bytes) { emit bytesDropped(id, bytes); });
        connect(connection, &SimulatorConnection::outputLimitPassed, this,
                [this, id](qint64 unsent, qint64 limit) { emit outputLimitPassed(id, unsent, limit); });
        connect(connection, &SimulatorConnection::closed, this, [this, id] {
            --openConnections;
            emit connectionClosed(id);
        });
        connect(connection, &SimulatorConnection::recordingPlayed, this, [this, id] { emit replayEnded(id); });
        emit connectionOpened(id, peer);
        if (replaying)
            connection->play(recorded.value(replayed++));
    }
    // Every share just got smaller: the connections already over theirs go now.
    const auto connections = findChildren<SimulatorConnection*>(QString(), Qt::FindDirectChildrenOnly);
    for (SimulatorConnection* connection : connections)
        connection->enforceOutputLimit();
}

QByteArray SimulatorServer::handle(const FrameCodec::Request& request)
{
    ++requests;
    if (replaying)
        return QByteArray();
    syncClock();
    switch (request.type) {
    case Protocol::RequestState:
        return FrameCodec::composeStateReply(machine.stateAnswer());
    case Protocol::RequestXState:
        return FrameCodec::composeXStateReply(machine.xstateAnswer());
    case Protocol::RequestModeSwitch:
        machine.switchMode(request.arg1);
        break;
    case Protocol::RequestCommand:
        machine.runCommand(request.arg1, request.arg2, request.arg3);
        break;
    case Protocol::RequestOutput:
        machine.switchOutput(request.arg1, request.arg2);
        break;
    default:
        break;
    }
    return QByteArray();
}

void SimulatorServer::syncClock()
{
    const qint64 now = clockMs ? clockMs() : clock.elapsed();
    machine.advance(int((now - synced) * speed));
    synced = now;
}
