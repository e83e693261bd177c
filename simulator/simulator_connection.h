#pragma once

#include "link/frame_codec.h"
#include "simulator/fault_options.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

class QTcpSocket;

// One client of the simulator: reassembles requests from the byte stream, asks the server
// for the answer of each and writes the replies, bent by the fault options. Deletes itself
// when the client goes away.
class SimulatorConnection : public QObject
{
    Q_OBJECT

public:
    // What the server does with one request: acts on the machine and returns the reply
    // frame, or nothing for requests without a reply.
    using RequestHandler = std::function<QByteArray(const FrameCodec::Request&)>;
    using FaultSource = std::function<FaultOptions()>;

    // Input is read in pieces of at most this size; what waits between reads is at most one
    // unfinished request, so the input buffer stays small whatever the client sends.
    static constexpr int ReadChunk = 64 * 1024;
    // Replies are skipped while this much is still waiting to be written to a client that
    // does not read.
    static constexpr qint64 MaxPendingOutput = qint64(64) * 1024 * 1024;
    // A flood larger than this is cut to it.
    static constexpr int MaxFloodBytes = 256 * 1024 * 1024;

    SimulatorConnection(QTcpSocket* socket, RequestHandler handler, FaultSource faults,
                        QObject* parent);

    // Closes the connection at once.
    void abort();

signals:
    void requestReceived(const QByteArray& frame);
    void bytesDropped(const QByteArray& bytes);
    void bytesSent(const QByteArray& bytes);
    void closed();

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
    void write(const QByteArray& bytes);
    void onDisconnected();

    QTcpSocket* socket;
    RequestHandler handler;
    FaultSource faults;
    QByteArray input;
    std::deque<Pending> outgoing;
    QTimer sendTimer;
    QElapsedTimer clock;
    QByteArray heldReply;
    int requests = 0;
    int replies = 0;
    bool flooded = false;
    bool closing = false;
    bool gone = false;
};
