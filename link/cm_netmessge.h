#pragma once

#include "link/frame_assembler.h"
#include "link/state_records.h"
#include "settings/controller_address.h"

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

class QIODevice;
class QTcpSocket;

// The machine link client. Each object owns one TCP connection to the controller, opened at
// construction to the address and port of the settings. It writes requests, rebuilds reply
// frames across reads (FrameAssembler) and emits at most one reply per read as a signal.
// The category "quellaro.link" traces requests, reads, replies and the connection, one line
// each in a stable format that tools read back (see README).
// Errors are not retried: a lost connection stays lost until the owner makes a new client.
// The owner learns of them through linkState(), linkFailure() and LinkStateChanged.
class CM_NetMessge : public QObject
{
    Q_OBJECT

public:
    enum class LinkState {
        Connecting,     // connection under way
        Connected,      // connection open
        Lost,           // never made or gone: linkFailure() says why
        InvalidAddress, // the settings hold no usable address or port: nothing was tried
    };
    Q_ENUM(LinkState)

    // Why the link is Lost.
    enum class LinkFailure {
        None,
        Refused,            // nothing listens at the port
        HostNotFound,       // the host name does not resolve
        ClosedByController, // the controller ended an open connection
        TimedOut,           // no connection within ConnectTimeoutMs
        NetworkUnreachable, // no route to the controller
        Other,              // any other socket error: failureText() has Qt's text
    };
    Q_ENUM(LinkFailure)

    // How long a connection attempt may take. A host that drops the attempt would leave it
    // pending for minutes.
    static constexpr int ConnectTimeoutMs = 2000;

    CM_NetMessge();
    ~CM_NetMessge() override;

    LinkState linkState() const;
    LinkFailure linkFailure() const;
    // The socket's error text of the failure (for Other), empty before any.
    QString failureText() const;
    // The controller this client talks to, as read from the settings.
    const ControllerAddress& controllerAddress() const;
    // The number of this client in the program's run, as the trace writes it (#1, #2, ...).
    int number() const { return linkNumber; }

    // Writes one request (see FrameCodec::composeRequest) on an open connection. Returns the
    // frame length when the socket took it, 0 for an unknown type, and -1 when no connection
    // is open: nothing is sent or queued then, so a command never reaches the machine late.
    int SendMessage(int type, int arg1, int arg2, int arg3);

    QString GetCMModeString(int code);
    QString GetCMStateString(int code);
    QString GetCMErrorString(int code);

    int ConnectToCM();
    int DisconnectFromCM();
    void LoadSettings();

    // Reads everything `device` holds as one read and emits the first reply completed by it.
    void readMessages(QIODevice& device);

    // Handles one frame: reads exactly `size` bytes at `data` and emits what they carry.
    void handleMessage(const char* data, int size);

signals:
    void SendString(const QString& str);
    void SendCurentState(int);
    void SendStateAnswer(const _tag_getstate_answer& answer);
    void SendXStateAnswer(const _tag_getxstate_answer& answer);
    void LinkStateChanged(CM_NetMessge::LinkState state);

private slots:
    void slotReadyRead();
    void prepareTextMessages();
    void slotError(QAbstractSocket::SocketError err);
    void slotConnected();
    void slotDisconnected();

private:
    void connectTimedOut();
    void fail(LinkFailure why, const QString& text = QString());
    void setLinkState(LinkState state);
    QString peerText() const;
    QString notSentReason() const;

    ControllerAddress address;
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
    QElapsedTimer clock; // the time of each read, for how long an unfinished frame is kept
    QTimer connectTimer;
};
