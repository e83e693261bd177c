#pragma once

#include "link/state_records.h"

#include <QByteArray>
#include <QString>

// Composing and taking apart the frames of the controller protocol, apart from any socket.
namespace FrameCodec {

// The request frame for `type` (1 to 5) with its arguments: type 2 sends the low 8 bits of
// arg1; type 3 the low 16 bits of arg1, arg2 and arg3; type 5 the low 8 bits of arg1 and
// arg2; types 1 and 4 have no payload. Empty for any other type.
QByteArray composeRequest(int type, int arg1, int arg2, int arg3);

// One received message, taken apart by its first byte.
struct Reply
{
    enum class Kind { Ignored, NumberText, CurentState, StateAnswer, XStateAnswer };

    Kind kind = Kind::Ignored;
    QString text;        // NumberText: the byte at offset 2 as decimal text
    int curentState = 0; // CurentState: unsigned 16-bit at offsets 3-4
    _tag_getstate_answer state{};
    _tag_getxstate_answer xstate{};
};

// Reads only the `size` bytes at `data`. A message of an unknown type, or one too short for
// what its type carries, is Ignored: no byte that was not received ever reaches a record.
Reply decodeReply(const char* data, int size);

// Length of the whole frame of a reply type (7, 5, 3 and 51 for types 1 to 4), or 0 for a
// byte that is no reply type.
int replyFrameLength(int type);

// Copies a record out of received bytes that may start at any address and converts its
// 16-bit fields from little-endian. False when fewer bytes than the record are given.
bool readRecord(const char* data, int size, _tag_getstate_answer* out);
bool readRecord(const char* data, int size, _tag_getxstate_answer* out);

// The controller's side: whole reply frames (byte 1 is 0).
QByteArray composeStateReply(const _tag_getstate_answer& answer);
QByteArray composeXStateReply(const _tag_getxstate_answer& answer);

// A request as the controller reads it.
struct Request
{
    int type = 0;
    int arg1 = 0; // mode code, command code or output number
    int arg2 = 0; // first parameter or output value
    int arg3 = 0; // second parameter
};

// Length of the whole frame of a request type, or 0 for an unknown type.
int requestFrameLength(int type);

// Takes the first request off the front of `data`. Returns the number of bytes it took:
// 0 when more bytes are needed, -1 when the bytes cannot start a request: the first byte is
// no request type, or the length byte is not the one its type fixes (the caller drops the
// first byte and tries again).
int parseRequest(const char* data, int size, Request* out);

} // namespace FrameCodec
