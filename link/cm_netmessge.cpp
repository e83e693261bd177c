#include "link/cm_netmessge.h"

#include "link/frame_codec.h"
#include "link/link_trace.h"
#include "link/status_texts.h"
#include "settings/settings_store.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace {

using LinkTrace::Event;

// One trace line of link `link`; `fill` sets its event and is called only while the trace is on.
template <typename Fill>
void trace(int link, const Fill& fill)
{
    LinkTrace::write([&] {
        LinkTrace::Line line;
        line.time = LinkTrace::now();
        line.link = link;
        fill(line);
        return line;
    });
}

// "reply delivered: 03 00 07", "reply dropped, one frame per read: 03 00 08".
void tracePiece(int link, const FrameAssembler::Piece& piece)
{
    static const Event fates[] = {Event::ReplyDelivered, Event::ReplyDropped, Event::ReplyKept};
    trace(link, [&](LinkTrace::Line& line) {
        line.event = fates[int(piece.fate)];
        line.text = QLatin1String(piece.reason);
        line.bytes = piece.bytes;
    });
}

LinkTrace::Lost lostOf(CM_NetMessge::LinkFailure failure)
{
    using Failure = CM_NetMessge::LinkFailure;
    using Lost = LinkTrace::Lost;
    switch (failure) {
    case Failure::Refused:
        return Lost::Refused;
    case Failure::HostNotFound:
        return Lost::HostNotFound;
    case Failure::ClosedByController:
        return Lost::ClosedByController;
    case Failure::TimedOut:
        return Lost::TimedOut;
    case Failure::NetworkUnreachable:
        return Lost::NetworkUnreachable;
    case Failure::None:
    case Failure::Other:
        break;
    }
    return Lost::Other;
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
            trace(linkNumber, [&](LinkTrace::Line& line) {
                line.event = Event::NotSent;
                line.text = notSentReason();
                line.bytes = frame;
            });
            return -1;
        }
        const int written = int(socket->write(frame));
        trace(linkNumber, [&](LinkTrace::Line& line) {
            line.event = Event::Request;
            line.peer = peerText();
            line.bytes = frame;
        });
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
        trace(linkNumber, [](LinkTrace::Line& line) {
            line.event = Event::AddressNotValid;
            line.text = QStringLiteral("\"%1\" \"%2\"").arg(SettingsStore::controllerHost(), SettingsStore::controllerPort());
        });
        setLinkState(LinkState::InvalidAddress);
        return -1;
    }
    trace(linkNumber, [this](LinkTrace::Line& line) {
        line.event = Event::Connecting;
        line.peer = address.text();
    });
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
    trace(linkNumber, [&](LinkTrace::Line& line) {
        line.event = Event::Read;
        line.bytes = bytes;
    });

    FrameAssembler::Report report;
    const bool tracing = lcLink().isDebugEnabled();
    const QByteArray frame = assembler.take(bytes.constData(), bytes.size(), now, tracing ? &report : nullptr);
    for (const FrameAssembler::Piece& piece : qAsConst(report))
        tracePiece(linkNumber, piece);
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
    const LinkFailure why = failureOf(err, state == LinkState::Connecting);
    trace(linkNumber, [&](LinkTrace::Line& line) {
        line.event = Event::Error;
        line.peer = peerText();
        line.lost = lostOf(why);
        line.text = socket->errorString();
    });
    // Not retried: the owner makes a new client to try again.
    fail(why, socket->errorString());
}

void CM_NetMessge::slotConnected()
{
    connectTimer.stop();
    trace(linkNumber, [this](LinkTrace::Line& line) {
        line.event = Event::Connected;
        line.peer = peerText();
    });
    setLinkState(LinkState::Connected);
}

void CM_NetMessge::slotDisconnected()
{
    trace(linkNumber, [this](LinkTrace::Line& line) {
        line.event = Event::Disconnected;
        line.peer = peerText();
    });
    fail(LinkFailure::ClosedByController);
}

void CM_NetMessge::connectTimedOut()
{
    if (state != LinkState::Connecting)
        return;
    trace(linkNumber, [this](LinkTrace::Line& line) {
        line.event = Event::Error;
        line.peer = address.text();
        line.lost = LinkTrace::Lost::TimedOut;
        line.text = QStringLiteral("no connection within %1 ms").arg(ConnectTimeoutMs);
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
