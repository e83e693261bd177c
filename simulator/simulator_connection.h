#pragma once

#include "link/frame_codec.h"
#include "simulator/fault_options.h"
#include "simulator/serial_line.h"
#include "simulator/trace_reader.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

class QTcpSocket;

// One client of the simulator: reassembles requests from the byte stream, asks the server
// for the answer of each and writes the replies, bent by the fault options and paced by the
// serial line of a gateway when there is one; or plays a recorded connection. Deletes itself
// when the client goes away.
class SimulatorConnection : public QObject
{
    Q_OBJECT

public:
    // What the server does with one request: acts on the machine and returns the reply
    // frame, or nothing for requests without a reply.
    using RequestHandler = std::function<QByteArray(const FrameCodec::Request&)>;
    using FaultSource = std::function<FaultOptions()>;
    // The most bytes this connection may have unsent at the moment (see SimulatorServer).
    using OutputLimit = std::function<qint64()>;

    // Input is read in pieces of at most this size; what waits between reads is at most one
    // unfinished request, so the input buffer stays small whatever the client sends.
    static constexpr int ReadChunk = 64 * 1024;
    SimulatorConnection(QTcpSocket* tcpSocket, RequestHandler requestHandler, FaultSource faultSource,
                        OutputLimit outputLimit, QObject* parent);

    // Plays a recorded connection instead of answering: each read's bytes in a write of their
    // own at its time since this connection was made, then the close if the recording has
    // one. Requests are still read and reported, and get no reply.
    void play(const ReplaySession& session);

    // Closes the connection at once.
    void abort();
    // Bytes owed to the client and not yet taken by it: replies queued for later (delayed,
    // held or split) and what the socket still has to write.
    qint64 unsentBytes() const;
    // Aborts the connection, dropping everything unsent, when its unsent bytes pass its
    // limit. A client that asks faster than it reads can then never make the simulator grow.
    void enforceOutputLimit();

signals:
    void requestReceived(const QByteArray& frame);
    void bytesDropped(const QByteArray& bytes);
    void bytesSent(const QByteArray& bytes);
    void closed();
    // The last write of a played recording is out: the connection stays silent from now on.
    void recordingPlayed();
    void outputLimitPassed(qint64 unsent, qint64 limit);

private:
    struct Pending
    {
        qint64 due;
        QByteArray bytes;
        bool close; // closes the connection instead of writing
    };

    void readRequests();
    void parseInput();
    void reply(const QByteArray& frame, const FaultOptions& faults);
    void enqueue(qint64 due, const QByteArray& bytes, bool close = false);
    void sendDue();
    bool takeRecorded();
    void write(const QByteArray& bytes);
    void sendLine();
    void send(const QByteArray& bytes);
    void onDisconnected();

    QTcpSocket* socket;
    RequestHandler handler;
    FaultSource faults;
    OutputLimit limit;
    QByteArray input;
    std::deque<Pending> outgoing;
    qint64 outgoingBytes = 0;
    QTimer sendTimer;
    SerialLine line;
    QTimer lineTimer;
    ReplaySession recording;
    int recordingNext = -1; // -1: not playing
    QElapsedTimer clock;
    QByteArray heldReply;
    int requests = 0;
    int replies = 0;
    bool flooded = false;
    bool closing = false;
    bool gone = false;
};
