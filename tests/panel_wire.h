#pragma once

#include "link/frame_codec.h"
#include "link/state_records.h"

#include <QByteArray>

#include <cstring>

// What the panels' tests put on and take off the wire.
namespace PanelWire {

// The recorded request frames, in order, without those of type `pollType`: what a panel sent
// besides its polls. Bytes that are no request are kept, so that they show in a comparison.
inline QByteArray requestsExcept(const QByteArray& bytes, int pollType)
{
    QByteArray out;
    int pos = 0;
    while (pos < bytes.size()) {
        FrameCodec::Request request;
        const int taken = FrameCodec::parseRequest(bytes.constData() + pos, bytes.size() - pos, &request);
        if (taken == 0) {
            out += bytes.mid(pos);
            break;
        }
        if (taken < 0) {
            out += bytes.at(pos++);
            continue;
        }
        if (request.type != pollType)
            out += bytes.mid(pos, taken);
        pos += taken;
    }
    return out;
}

inline int countRequests(const QByteArray& bytes, int type)
{
    int count = 0;
    int pos = 0;
    FrameCodec::Request request;
    int taken;
    while ((taken = FrameCodec::parseRequest(bytes.constData() + pos, bytes.size() - pos, &request)) > 0) {
        count += request.type == type ? 1 : 0;
        pos += taken;
    }
    return count;
}

inline QByteArray stateReply(int mode, int state, int error)
{
    _tag_getstate_answer answer{};
    answer.mode = quint8(mode);
    answer.state = quint16(state);
    answer.error = quint16(error);
    return FrameCodec::composeStateReply(answer);
}

// An extended answer with the given header whose record byte `offset` (if any) is `value`
// and every other byte after the header 0.
inline QByteArray xstateReply(int mode, int state, int error, int offset = -1, quint8 value = 0)
{
    _tag_getxstate_answer answer{};
    if (offset >= 0 && offset < int(sizeof answer))
        reinterpret_cast<unsigned char*>(&answer)[offset] = value;
    answer.mode = quint8(mode);
    answer.state = quint16(state);
    answer.error = quint16(error);
    return FrameCodec::composeXStateReply(answer);
}

// An extended answer with the given header and the record bytes from `first` to `last` all `value`.
inline QByteArray xstateReplyFilled(int mode, int first, int last, quint8 value)
{
    _tag_getxstate_answer answer{};
    std::memset(reinterpret_cast<unsigned char*>(&answer) + first, value, size_t(last - first + 1));
    answer.mode = quint8(mode);
    answer.state = 0;
    answer.error = 0;
    return FrameCodec::composeXStateReply(answer);
}

} // namespace PanelWire
