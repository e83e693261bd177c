#pragma once

#include "link/frame_assembler.h"
#include "link/frame_codec.h"
#include "link/link_endpoint.h"
#include "link/link_failure.h"
#include "link/link_timing.h"
#include "link/link_trace.h"
#include "link/poll_scheduler.h"
#include "link/state_records.h"

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

class QIODevice;
class QTcpSocket;

// The machine link client. Each object owns one TCP connection to one controller, opened at
// construction, and everything about its health:
// - the poll discipline (PollScheduler): startPolling() hands it the poll request and its
//   period; one poll is on the line at a time, and a reply of the polled kind is emitted only
//   as the answer to the poll on the line, so that no reply is shown as a later poll's answer
//   or twice;
// - the link state: connecting, connected, not answering, lost (linkFailure() says why),
//   waiting to try again, address not valid; LinkStateChanged tells each change;
// - reconnection after a loss, at the delays of its LinkTiming;
// - a health line in the trace once a minute and when the link closes.
// Replies are rebuilt across reads (FrameAssembler); at most one, the newest, is emitted per read.
// The category "quellaro.link" traces requests, reads, replies and the connection, one line
// each in a stable format that tools read back (see README).
class CM_NetMessge : public QObject
{
    Q_OBJECT

public:
    enum class LinkState {
        Connecting,     // connection under way
        Connected,      // connection open, the controller answers (or has had no time to)
        Lost,           // never made or gone, not tried again: linkFailure() says why
        InvalidAddress, // no usable address or port: nothing was tried
        NotAnswering,   // connection open, no reply for LinkTiming::silenceMs
        WaitingToRetry, // lost (linkFailure() says why), tried again in secondsToRetry()
    };
    Q_ENUM(LinkState)

    explicit CM_NetMessge(const LinkEndpoint& controller, const LinkTiming& timing = LinkTiming());
    ~CM_NetMessge() override;

    LinkState linkState() const;
    LinkFailure linkFailure() const;
    // The socket's error text of the failure (for Other), empty before any.
    QString failureText() const;
    const LinkEndpoint& controllerAddress() const;
    const LinkTiming& linkTiming() const { return timing; }
    // While WaitingToRetry: the number of the next attempt (from 1) and the whole seconds until it.
    int retryAttempt() const;
    int secondsToRetry() const;
    // The number of this client in the program's run, as the trace writes it (#1, #2, ...).
    int number() const { return linkNumber; }
    // When the event being told happened (a signal, a request's result): the time its trace
    // lines carry, so that a history taken from the signals and one read from the trace agree.
    LinkTrace::Stamp eventTime() const { return stamp; }

    // Polls with request `type` (1 or 4) every `periodMs` under the poll discipline, from one
    // period from now; the replies come as SendStateAnswer or SendXStateAnswer.
    void startPolling(int type, int periodMs);
    void startPolling(int type, PollPeriod period) { startPolling(type, timing.periodMs(period)); }

    // Writes one request (see FrameCodec::composeRequest) at once on an open connection. Returns
    // the frame length when the socket took it, 0 for an unknown type, and -1 when no connection
    // is open: nothing is sent or queued then, so a command never reaches the machine late.
    int SendMessage(int type, int arg1, int arg2, int arg3);

    QString GetCMModeString(int code);
    QString GetCMStateString(int code);
    QString GetCMErrorString(int code);

    int ConnectToCM();
    int DisconnectFromCM();

    // Reads everything `device` holds as one read and emits the newest reply completed by it.
    void readMessages(QIODevice& device);

    // Handles one frame: reads exactly `size` bytes at `data` and emits what they carry.
    void handleMessage(const char* data, int size);

signals:
    void SendString(const QString& str);
    void SendCurentState(int);
    void SendStateAnswer(const _tag_getstate_answer& answer);
    void SendXStateAnswer(const _tag_getxstate_answer& answer);
    void LinkStateChanged(CM_NetMessge::LinkState state);
    // Once a second while WaitingToRetry.
    void RetryCountdown(int attempt, int seconds);

private slots:
    void slotReadyRead();
    void prepareTextMessages();
    void slotError(QAbstractSocket::SocketError err);
    void slotConnected();
    void slotDisconnected();

private:
    // What the health line sums up since the last one.
    struct Health
    {
        int requests = 0;
        int replies = 0;
        int timeouts = 0;
        int drops = 0;
        int droppedBytes = 0;
        QVector<qint64> roundTrips;
    };

    void setUpTimers();
    void connectTimedOut();
    void silenceTimedOut();
    void fail(LinkFailure why, const QString& text = QString());
    void setLinkState(LinkState state);
    bool isOpen() const;
    QString peerText() const;
    QString notSentReason() const;

    // The poll discipline.
    void schedulePoll();
    void pollDue();
    void writePoll(qint64 now);
    int writeRequest(int type, int arg1, int arg2, int arg3, bool poll);
    bool takesReply(const FrameCodec::Reply& reply, qint64 now);
    void handleReply(const FrameCodec::Reply& reply);
    void noteDrops(const FrameAssembler::Report& report);
    void resetPolling();

    // Reconnection.
    void scheduleRetry();
    void retryTick();
    qint64 msToRetry() const;

    // The trace, one function per kind of event.
    void traceConnecting();
    void traceConnected();
    void traceDisconnected();
    void traceError(const QString& reason, LinkFailure why);
    void traceInvalidAddress();
    void traceRequest(const QByteArray& frame, bool poll);
    void traceNotSent(const QByteArray& frame);
    void traceRead(const QByteArray& bytes);
    void tracePieces(const FrameAssembler::Report& report);
    void traceTimeout();
    void traceGivenUp(qint64 waitedMs);
    void traceNotAnswering();
    void traceAnswering();
    void traceAttempt(int delayMs);
    void traceHealth();

    LinkEndpoint address;
    const LinkTiming timing;
    LinkState state = LinkState::Connecting;
    LinkFailure failure = LinkFailure::None;
    QString failureString;
    // The number of this client in the program's run, from 1: tells connections apart in the trace.
    const int linkNumber;
    QTcpSocket* socket = nullptr;
    QMap<int, QString> stateTexts;
    QMap<int, QString> modeTexts;
    QMap<int, QString> errorTexts;
    FrameAssembler assembler;
    QElapsedTimer clock;    // the time of each read and write, in ms since construction
    LinkTrace::Stamp stamp; // the time of the event being handled, as its trace lines tell it
    QTimer connectTimer;

    int pollType = 0;
    PollScheduler scheduler;
    QTimer pollTimer;
    QTimer silenceTimer;

    int retries = 0; // attempts since the last answered connection
    qint64 retryAt = 0;
    QTimer retryTimer;

    Health health;
    QTimer healthTimer;
};
