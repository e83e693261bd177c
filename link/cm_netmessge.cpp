#include "link/cm_netmessge.h"

#include "link/frame_codec.h"
#include "link/status_texts.h"
#include "settings/settings_store.h"

#include <QDateTime>
#include <QHostAddress>
#include <QLocale>
#include <QLoggingCategory>
#include <QTcpSocket>

// Off by default; QT_LOGGING_RULES="quellaro.link.debug=true" turns it on. qCDebug evaluates
// its arguments only when the category is on, so the trace costs nothing while it is off.
Q_LOGGING_CATEGORY(lcLink, "quellaro.link", QtWarningMsg)

namespace {

// ISO 8601 local time to the millisecond with its UTC offset, "+00:00" rather than "Z", so a
// trace from another time zone reads right and every line has the same form.
QString traceTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    const int offsetMinutes = now.offsetFromUtc() / 60;
    const int minutes = qAbs(offsetMinutes);
    return QLocale::c().toString(now, QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"))
        + QLatin1Char(offsetMinutes < 0 ? '-' : '+')
        + QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// One trace line, "<time> #<link> <event>"; `event` is called only while the category is on.
template <typename Event>
void trace(int link, const Event& event)
{
    qCDebug(lcLink).noquote() << traceTime() + QStringLiteral(" #%1 ").arg(link) + event();
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

int nextLinkNumber()
{
    static int made = 0;
    return ++made;
}

CM_NetMessge::LinkFailure failureOf(QAbstractSocket::SocketError error, bool connecting)
{
    using Failure = CM_NetMessge::LinkFailure;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return Failure::Refused;
    case QAbstractSocket::HostNotFoundError:
        return Failure::HostNotFound;
    case QAbstractSocket::RemoteHostClosedError:
        return Failure::ClosedByController;
    case QAbstractSocket::SocketTimeoutError:
        return Failure::TimedOut;
    case QAbstractSocket::NetworkError:
        // While connecting Qt reports a missing route (network or host unreachable) so; on an
        // open connection the same code means anything, so its text says more.
        return connecting ? Failure::NetworkUnreachable : Failure::Other;
    default:
        return Failure::Other;
    }
}

} // namespace

CM_NetMessge::CM_NetMessge()
    : QObject(nullptr)
    , linkNumber(nextLinkNumber())
{
    qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
    socket = new QTcpSocket(this);
    connect(socket, &QTcpSocket::connected, this, &CM_NetMessge::slotConnected);
    connect(socket, &QTcpSocket::disconnected, this, &CM_NetMessge::slotDisconnected);
    connect(socket, &QTcpSocket::readyRead, this, &CM_NetMessge::slotReadyRead);
    connect(socket, &QTcpSocket::errorOccurred, this, &CM_NetMessge::slotError);
    connectTimer.setSingleShot(true);
    connectTimer.setInterval(ConnectTimeoutMs);
    connect(&connectTimer, &QTimer::timeout, this, &CM_NetMessge::connectTimedOut);
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

CM_NetMessge::LinkFailure CM_NetMessge::linkFailure() const
{
    return failure;
}

QString CM_NetMessge::failureText() const
{
    return failureString;
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
        // A request written while connecting would wait in the socket and reach the machine
        // in a burst, seconds late, when the connection comes up.
        if (socket->state() != QAbstractSocket::ConnectedState) {
            trace(linkNumber,
                  [&] { return QStringLiteral("request not sent, %1: %2").arg(notSentReason(), hex(frame)); });
            return -1;
        }
        const int written = int(socket->write(frame));
        trace(linkNumber, [&] { return QStringLiteral("request to %1: %2").arg(peerText(), hex(frame)); });
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
        trace(linkNumber, [] {
            return QStringLiteral("address or port not valid, nothing tried: \"%1\" \"%2\"")
                .arg(SettingsStore::controllerHost(), SettingsStore::controllerPort());
        });
        setLinkState(LinkState::InvalidAddress);
        return -1;
    }
    trace(linkNumber, [this] { return QStringLiteral("connecting to ") + address.text(); });
    setLinkState(LinkState::Connecting);
    connectTimer.start();
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
    const QByteArray bytes = device.read(device.bytesAvailable());
    if (bytes.isEmpty())
        return;
    trace(linkNumber, [&] { return QStringLiteral("read: ") + hex(bytes); });

    FrameAssembler::Report report;
    const bool tracing = lcLink().isDebugEnabled();
    const QByteArray frame = assembler.take(bytes.constData(), bytes.size(), now, tracing ? &report : nullptr);
    for (const FrameAssembler::Piece& piece : qAsConst(report))
        trace(linkNumber, [&] { return pieceText(piece); });
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

void CM_NetMessge::slotError(QAbstractSocket::SocketError err)
{
    trace(linkNumber, [this] { return QStringLiteral("error with %1: %2").arg(peerText(), socket->errorString()); });
    // Not retried: the owner makes a new client to try again.
    fail(failureOf(err, state == LinkState::Connecting), socket->errorString());
}

void CM_NetMessge::slotConnected()
{
    connectTimer.stop();
    trace(linkNumber, [this] { return QStringLiteral("connected to ") + peerText(); });
    setLinkState(LinkState::Connected);
}

void CM_NetMessge::slotDisconnected()
{
    trace(linkNumber, [this] { return QStringLiteral("disconnected from ") + peerText(); });
    fail(LinkFailure::ClosedByController);
}

void CM_NetMessge::connectTimedOut()
{
    if (state != LinkState::Connecting)
        return;
    trace(linkNumber, [this] {
        return QStringLiteral("error with %1: no connection within %2 ms").arg(address.text()).arg(ConnectTimeoutMs);
    });
    socket->abort();
    fail(LinkFailure::TimedOut);
}

// The first failure is the reason: the disconnect that follows an error says less.
void CM_NetMessge::fail(LinkFailure why, const QString& text)
{
    connectTimer.stop();
    if (state == LinkState::Lost)
        return;
    failure = why;
    failureString = text;
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

QString CM_NetMessge::notSentReason() const
{
    switch (state) {
    case LinkState::Connecting:
        return QStringLiteral("not connected yet");
    case LinkState::InvalidAddress:
        return QStringLiteral("no connection");
    default:
        return QStringLiteral("connection lost");
    }
}

void CM_NetMessge::setLinkState(LinkState newState)
{
    if (state == newState)
        return;
    state = newState;
    emit LinkStateChanged(state);
}
