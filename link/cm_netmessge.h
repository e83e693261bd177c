#pragma once

#include "link/frame_assembler.h"
#include "link/state_records.h"
#include "settings/controller_address.h"

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QString>

class QIODevice;
class QTcpSocket;

// The machine link client. Each object owns one TCP connection to the controller, opened at
// construction to the address and port of the settings. It writes requests, rebuilds reply
// frames across reads (FrameAssembler) and emits at most one reply per read as a signal.
// The category "quellaro.link" traces requests, replies and the connection (see README).
// Errors are not retried: a lost connection stays lost until the owner makes a new client.
// The owner learns of them through linkState() and LinkStateChanged.
class CM_NetMessge : public QObject
{
    Q_OBJECT

public:
    enum class LinkState {
        Connecting,     // connection under way
        Connected,      // connection open
        Lost,           // refused, lost, or the host could not be resolved
        InvalidAddress, // the settings hold no usable address or port: nothing was tried
    };
    Q_ENUM(LinkState)

    CM_NetMessge();
    ~CM_NetMessge() override;

    LinkState linkState() const;
    // The controller this client talks to, as read from the settings.
    const ControllerAddress& controllerAddress() const;

    // Writes one request (see FrameCodec::composeRequest). Returns the frame length when the
    // socket took it, -1 when it refused it (no connection), 0 for an unknown type.
    int SendMessage(int type, int arg1, int arg2, int arg3);

    QString GetCMModeString(int code);
    QString GetCMStateString(int code);
    QString GetCMErrorString(int code);

    int ConnectToCM();
    int DisconnectFromCM();
    void LoadSettings();

    // Reads everything `device` holds and emits the first reply completed by it. A single
    // pending byte is left in the device unless it continues a kept unfinished frame.
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
    void setLinkState(LinkState state);
    QString peerText() const;

    ControllerAddress address;
    LinkState state = LinkState::Connecting;
    QTcpSocket* socket = nullptr;
    QMap<int, QString> stateTexts;
    QMap<int, QString> modeTexts;
    QMap<int, QString> errorTexts;
    FrameAssembler assembler;
    QElapsedTimer clock; // the time of each read, for how long an unfinished frame is kept
};
