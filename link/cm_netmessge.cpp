#include "link/cm_netmessge.h"

#include "link/frame_codec.h"
#include "link/status_texts.h"
#include "settings/settings_store.h"

#include <QDateTime>
#include <QHostAddress>
#include <QLoggingCategory>
#include <QTcpSocket>

// Off by default; QT_LOGGING_RULES="quellaro.link.debug=true" turns it on. qCDebug evaluates
// its arguments only when the category is on, so the trace costs nothing while it is off.
Q_LOGGING_CATEGORY(lcLink, "quellaro.link", QtWarningMsg)

namespace {

// Every trace line starts with the local time to the millisecond, whatever the message
// pattern of the environment says.
QString traceTime()
{
    return QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

// "reply delivered: 03 00 07", "reply dropped, one frame per read: 03 00 08".
QString pieceText(const FrameAssembler::Piece& piece)
{
    static const char* const fates[] = {"delivered", "dropped", "kept"};
    QString text = QStringLiteral("reply ") + QLatin1String(fates[int(piece.fate)]);
    if (*piece.reason)
        text += QStringLiteral(", ") + QLatin1String(piece.reason);
    return text + QStringLiteral(": ") + hex(piece.bytes);
}

} // namespace

CM_NetMessge::CM_NetMessge()
    : QObject(nullptr)
{
    qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
    socket = new QTcpSocket(this);
    connect(socket, &QTcpSocket::connected, this, &CM_NetMessge::slotConnected);
    connect(socket, &QTcpSocket::disconnected, this, &CM_NetMessge::slotDisconnected);
    connect(socket, &QTcpSocket::readyRead, this, &CM_NetMessge::slotReadyRead);
    connect(socket, &QTcpSocket::errorOccurred, this, &CM_NetMessge::slotError);
    prepareTextMessages();
    LoadSettings();
    clock.start();
    ConnectToCM();
}

CM_NetMessge::~CM_NetMessge() = default;

CM_NetMessge::LinkState CM_NetMessge::linkState() const
{
    return state;
}

const ControllerAddress& CM_NetMessge::controllerAddress() const
{
    return address;
}

int CM_NetMessge::SendMessage(int type, int arg1, int arg2, int arg3)
{
    try {
        const QByteArray frame = FrameCodec::composeRequest(type, arg1, arg2, arg3);
        if (frame.isEmpty())
            return 0;
        // A socket whose connection failed is closed; writing to it would only print a
        // warning on every poll, so the refusal is answered here.
        const int written = socket->isOpen() ? int(socket->write(frame)) : -1;
        if (written < 0)
            qCDebug(lcLink).noquote() << traceTime() << "request not written, no connection to"
                                      << QStringLiteral("%1: %2").arg(peerText(), hex(frame));
        else
            qCDebug(lcLink).noquote() << traceTime() << QStringLiteral("request to %1: %2").arg(peerText(), hex(frame));
        return written;
    } catch (...) {
        // Deliberate: callers are button and timer slots, and an exception (an allocation that
        // failed) must not unwind through Qt's event loop, which does not allow it. The result's
        // contract already has 0 for "no frame written", and no caller looks at it.
        return 0;
    }
}

QString CM_NetMessge::GetCMModeString(int code)
{
    return modeTexts.value(code);
}

QString CM_NetMessge::GetCMStateString(int code)
{
    return stateTexts.value(code);
}

QString CM_NetMessge::GetCMErrorString(int code)
{
    return errorTexts.value(code);
}

int CM_NetMessge::ConnectToCM()
{
    if (!address.valid) {
        qCDebug(lcLink).noquote() << traceTime()
                                  << QStringLiteral("address or port not valid, nothing tried: \"%1\" \"%2\"")
                                         .arg(SettingsStore::controllerHost(), SettingsStore::controllerPort());
        setLinkState(LinkState::InvalidAddress);
        return -1;
    }
    qCDebug(lcLink).noquote() << traceTime() << "connecting to" << address.text();
    setLinkState(LinkState::Connecting);
    socket->connectToHost(address.host, address.port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    return 0;
}

int CM_NetMessge::DisconnectFromCM()
{
    // The connection ends only when the client is destroyed.
    return 0;
}

void CM_NetMessge::LoadSettings()
{
    address = ControllerAddress::fromSettings(SettingsStore::controllerHost(), SettingsStore::controllerPort());
}

void CM_NetMessge::readMessages(QIODevice& device)
{
    const qint64 now = clock.elapsed();
    const qint64 available = device.bytesAvailable();
    if (available < assembler.bytesNeeded(now))
        return;
    const QByteArray bytes = device.read(available);

    FrameAssembler::Report report;
    const bool tracing = lcLink().isDebugEnabled();
    const QByteArray frame = assembler.take(bytes.constData(), bytes.size(), now, tracing ? &report : nullptr);
    for (const FrameAssembler::Piece& piece : qAsConst(report))
        qCDebug(lcLink).noquote() << traceTime() << pieceText(piece);
    if (!frame.isEmpty())
        handleMessage(frame.constData(), frame.size());
}

void CM_NetMessge::handleMessage(const char* data, int size)
{
    const FrameCodec::Reply reply = FrameCodec::decodeReply(data, size);
    switch (reply.kind) {
    case FrameCodec::Reply::Kind::NumberText:
        emit SendString(reply.text);
        break;
    case FrameCodec::Reply::Kind::CurentState:
        emit SendCurentState(reply.curentState);
        break;
    case FrameCodec::Reply::Kind::StateAnswer:
        emit SendStateAnswer(reply.state);
        break;
    case FrameCodec::Reply::Kind::XStateAnswer:
        emit SendXStateAnswer(reply.xstate);
        break;
    case FrameCodec::Reply::Kind::Ignored:
        break;
    }
}

void CM_NetMessge::slotReadyRead()
{
    readMessages(*socket);
}

void CM_NetMessge::prepareTextMessages()
{
    StatusTexts::fillStateTexts(stateTexts);
    StatusTexts::fillModeTexts(modeTexts);
    StatusTexts::fillErrorTexts(errorTexts);
}

void CM_NetMessge::slotError(QAbstractSocket::SocketError)
{
    qCDebug(lcLink).noquote() << traceTime() << "error with"
                              << QStringLiteral("%1: %2").arg(peerText(), socket->errorString());
    // Not retried: the owner makes a new client to try again.
    setLinkState(LinkState::Lost);
}

void CM_NetMessge::slotConnected()
{
    qCDebug(lcLink).noquote() << traceTime() << "connected to" << peerText();
    setLinkState(LinkState::Connected);
}

void CM_NetMessge::slotDisconnected()
{
    qCDebug(lcLink).noquote() << traceTime() << "disconnected from" << peerText();
    setLinkState(LinkState::Lost);
}

// The address the connection reached, else the one from the settings.
QString CM_NetMessge::peerText() const
{
    const QHostAddress peer = socket->peerAddress();
    if (peer.isNull())
        return address.text();
    return QStringLiteral("%1:%2").arg(peer.toString()).arg(socket->peerPort());
}

void CM_NetMessge::setLinkState(LinkState newState)
{
    if (state == newState)
        return;
    state = newState;
    emit LinkStateChanged(state);
}
