#include "link/frame_codec.h"

#include "link/protocol.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace FrameCodec {

QByteArray composeRequest(int type, int arg1, int arg2, int arg3)
{
    QByteArray frame;
    if (type < Protocol::RequestState || type > Protocol::RequestOutput)
        return frame;

    QDataStream out(&frame, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_5);
    out.setByteOrder(QDataStream::LittleEndian);
    out << static_cast<qint8>(type) << static_cast<qint8>(Protocol::PayloadLength[type]);
    switch (type) {
    case Protocol::RequestModeSwitch:
        out << static_cast<qint8>(arg1);
        break;
    case Protocol::RequestCommand:
        out << static_cast<qint16>(arg1) << static_cast<qint16>(arg2) << static_cast<qint16>(arg3);
        break;
    case Protocol::RequestOutput:
        out << static_cast<qint8>(arg1) << static_cast<qint8>(arg2);
        break;
    default:
        break;
    }
    return frame;
}

bool readRecord(const char* data, int size, _tag_getstate_answer* out)
{
    if (size < int(sizeof(*out)))
        return false;
    std::memcpy(out, data, sizeof(*out));
    out->state = qFromLittleEndian<quint16>(out->state);
    out->error = qFromLittleEndian<quint16>(out->error);
    return true;
}

bool readRecord(const char* data, int size, _tag_getxstate_answer* out)
{
    if (size < int(sizeof(*out)))
        return false;
    std::memcpy(out, data, sizeof(*out));
    out->state = qFromLittleEndian<quint16>(out->state);
    out->error = qFromLittleEndian<quint16>(out->error);
    out->boiler_temperature = qFromLittleEndian<quint16>(out->boiler_temperature);
    return true;
}

int replyFrameLength(int type)
{
    switch (type) {
    case Protocol::ReplyState:
        return Protocol::ReplyHeaderSize + int(sizeof(_tag_getstate_answer));
    case Protocol::ReplyCurentState:
        return 5;
    case Protocol::ReplyNumberText:
        return 3;
    case Protocol::ReplyXState:
        return Protocol::ReplyHeaderSize + int(sizeof(_tag_getxstate_answer));
    default:
        return 0;
    }
}

// The controller's numbers are unsigned: the type byte, the state code of a reply 2 and the
// byte of a reply 3 are read as such (0xFF is 255, never -1).
Reply decodeReply(const char* data, int size)
{
    Reply reply;
    if (size < Protocol::ReplyHeaderSize)
        return reply;
    const char* payload = data + Protocol::ReplyHeaderSize;
    const int payloadSize = size - Protocol::ReplyHeaderSize;

    switch (static_cast<unsigned char>(data[0])) {
    case Protocol::ReplyState:
        if (readRecord(payload, payloadSize, &reply.state))
            reply.kind = Reply::Kind::StateAnswer;
        break;
    case Protocol::ReplyCurentState:
        // The code stands where `state` stands in a reply 1; byte 2 is not read.
        if (size >= 5) {
            reply.curentState = qFromLittleEndian<quint16>(data + 3);
            reply.kind = Reply::Kind::CurentState;
        }
        break;
    case Protocol::ReplyNumberText:
        if (size >= 3) {
            reply.text = QStringLiteral("%1").arg(uint(static_cast<unsigned char>(data[2])), 0, 10,
                                                  QLatin1Char(' '));
            reply.kind = Reply::Kind::NumberText;
        }
        break;
    case Protocol::ReplyXState:
        if (readRecord(payload, payloadSize, &reply.xstate))
            reply.kind = Reply::Kind::XStateAnswer;
        break;
    default:
        break;
    }
    return reply;
}

namespace {

template <typename Record>
QByteArray composeRecordReply(int type, Record record)
{
    record.state = qToLittleEndian<quint16>(record.state);
    record.error = qToLittleEndian<quint16>(record.error);
    QByteArray frame;
    frame.reserve(Protocol::ReplyHeaderSize + int(sizeof(Record)));
    frame.append(char(type)).append('\0');
    frame.append(reinterpret_cast<const char*>(&record), int(sizeof(Record)));
    return frame;
}

} // namespace

QByteArray composeStateReply(const _tag_getstate_answer& answer)
{
    return composeRecordReply(Protocol::ReplyState, answer);
}

QByteArray composeXStateReply(const _tag_getxstate_answer& answer)
{
    _tag_getxstate_answer record = answer;
    record.boiler_temperature = qToLittleEndian<quint16>(record.boiler_temperature);
    return composeRecordReply(Protocol::ReplyXState, record);
}

int requestFrameLength(int type)
{
    if (type < Protocol::RequestState || type > Protocol::RequestOutput)
        return 0;
    return 2 + Protocol::PayloadLength[type];
}

// A request's payload fields are signed 8- and 16-bit numbers, as SendMessage writes them, so
// they are read signed: a mode code 0xFF reads back as -1 and a parameter FF FF as -1, and the
// simulator sees the very value the tool passed. Read unsigned, every negative argument would
// become a large positive one. (The type byte is only compared with 1 to 5.)
int parseRequest(const char* data, int size, Request* out)
{
    if (size < 1)
        return 0;
    const int type = static_cast<unsigned char>(data[0]);
    const int length = requestFrameLength(type);
    if (length == 0 || (size >= 2 && static_cast<unsigned char>(data[1]) != length - 2))
        return -1;
    if (size < length)
        return 0;

    Request request;
    request.type = type;
    switch (type) {
    case Protocol::RequestModeSwitch:
        request.arg1 = static_cast<qint8>(data[2]);
        break;
    case Protocol::RequestCommand:
        request.arg1 = qFromLittleEndian<qint16>(data + 2);
        request.arg2 = qFromLittleEndian<qint16>(data + 4);
        request.arg3 = qFromLittleEndian<qint16>(data + 6);
        break;
    case Protocol::RequestOutput:
        request.arg1 = static_cast<qint8>(data[2]);
        request.arg2 = static_cast<qint8>(data[3]);
        break;
    default:
        break;
    }
    *out = request;
    return length;
}

} // namespace FrameCodec
