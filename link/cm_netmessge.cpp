#include "link/cm_netmessge.h"

#include "link/frame_codec.h"
#include "link/status_texts.h"
#include "settings/settings_store.h"

#include <QTcpSocket>

#include <array>

CM_NetMessge::CM_NetMessge()
    : QObject(nullptr)
{
    qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
    socket = new QTcpSocket(this);
    connect(socket, SIGNAL(connected()), this, SLOT(slotConnected()));
    connect(socket, SIGNAL(disconnected()), this, SLOT(slotDisconnected()));
    connect(socket, SIGNAL(readyRead()), this, SLOT(slotReadyRead()));
    connect(socket, SIGNAL(error(QAbstractSocket::SocketError)), this,
            SLOT(slotError(QAbstractSocket::SocketError)));
    prepareTextMessages();
    LoadSettings();
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
        if (!socket->isOpen())
            return -1;
        return int(socket->write(frame));
    } catch (...) {
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
        setLinkState(LinkState::InvalidAddress);
        return -1;
    }
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
    std::array<char, ReceiveBufferSize> buffer;
    while (device.bytesAvailable() >= 2) {
        const qint64 wanted = qMin<qint64>(device.bytesAvailable(), ReceiveBufferSize);
        const qint64 got = device.read(buffer.data(), wanted);
        if (got <= 0)
            return;
        handleMessage(buffer.data(), int(got));
    }
}

void CM_NetMessge::handleMessage(const char* data, int size)
{
    const FrameCodec::Reply reply = FrameCodec::decodeReply(data, size);
    switch (reply.kind) {
    case FrameCodec::Reply::Kind::String:
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
    // Not retried: the owner makes a new client to try again.
    setLinkState(LinkState::Lost);
}

void CM_NetMessge::slotConnected()
{
    setLinkState(LinkState::Connected);
}

void CM_NetMessge::slotDisconnected()
{
    setLinkState(LinkState::Lost);
}

void CM_NetMessge::setLinkState(LinkState newState)
{
    if (state == newState)
        return;
    state = newState;
    emit LinkStateChanged(state);
}
