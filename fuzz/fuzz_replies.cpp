// Fuzz target: reading replies. The input is a byte stream cut into reads, each read written as
// a 2-byte little-endian header followed by its bytes (fewer at the end of the input). The
// header's low 14 bits are the read's length; its top 2 bits the time since the previous read,
// in steps of 30 ms, so that unfinished frames are both joined and left to go stale.
// Every read goes through:
//  - the FrameAssembler, on a clock driven by the input. What it delivers must be a whole frame
//    of the received bytes, ending in this read, and every byte must be accounted for as
//    delivered, dropped or kept (the link trace relies on that);
//  - the client's handleMessage(), handed an exactly sized heap copy of the read and of the
//    delivered frame, so that AddressSanitizer sees any access past the received bytes.
// Each signal the client emits is checked against the bytes of the message it came from:
// no byte that was not received may reach a record, a number or a text.
#include "fuzz/fuzz_target.h"

#include "link/cm_netmessge.h"
#include "link/frame_assembler.h"
#include "link/protocol.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "reply reading: %s\n", what);
    std::abort();
}

// Checks every signal of the client against the message being handled.
class Oracle
{
public:
    explicit Oracle(CM_NetMessge& client)
    {
        QObject::connect(&client, &CM_NetMessge::SendStateAnswer, [this](const _tag_getstate_answer& a) {
            checkRecord(Protocol::ReplyState, &a, sizeof(a));
        });
        QObject::connect(&client, &CM_NetMessge::SendXStateAnswer, [this](const _tag_getxstate_answer& a) {
            checkRecord(Protocol::ReplyXState, &a, sizeof(a));
        });
        QObject::connect(&client, &CM_NetMessge::SendCurentState, [this](int state) {
            checkType(Protocol::ReplyCurentState);
            if (state != (byteAt(3) | byteAt(4) << 8))
                fail("state code differs from bytes 3-4");
        });
        QObject::connect(&client, &CM_NetMessge::SendString, [this](const QString& text) {
            checkType(Protocol::ReplyNumberText);
            if (message->size() < 3 || text != QString::number(byteAt(2)))
                fail("text differs from byte 2");
        });
    }

    // Where the message the client handles next will be.
    void expect(const QByteArray* bytes) { message = bytes; }

private:
    int byteAt(int i) const
    {
        return i < message->size() ? static_cast<unsigned char>(message->at(i)) : 0;
    }

    void checkType(int type) const
    {
        if (message->size() < 2 || byteAt(0) != type)
            fail("signal does not match the message type");
    }

    // The record is the received bytes from offset 2 on (the 16-bit fields are little-endian
    // on the wire and in memory here); a byte beyond the message may only read as 0.
    void checkRecord(int type, const void* record, size_t size) const
    {
        checkType(type);
        const auto* bytes = static_cast<const unsigned char*>(record);
        for (size_t i = 0; i < size; ++i) {
            if (bytes[i] != byteAt(int(i) + 2))
                fail("record byte differs from the received byte");
        }
    }

    const QByteArray* message = nullptr;
};

struct Harness
{
    CM_NetMessge client;
    Oracle oracle{client};
};

Harness* harness = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "fuzz_replies";
    static char* argv[] = {name, nullptr};
    // Settings from a place that holds none, so the client aims at 127.0.0.1:2050 without a
    // name lookup; the connection never gets anywhere because no event loop runs.
    qputenv("XDG_CONFIG_HOME", QDir::temp().filePath(QStringLiteral("quellaro-fuzz-no-config")).toLocal8Bit());
    new QCoreApplication(argc, argv);
    SettingsStore::setApplicationNames();
    harness = new Harness;
    return 0;
}

namespace {

// Hands `bytes` to the client as one message, in a heap block of exactly their size.
void handle(const QByteArray& bytes)
{
    std::unique_ptr<char[]> copy(new char[size_t(qMax(1, bytes.size()))]);
    std::memcpy(copy.get(), bytes.constData(), size_t(bytes.size()));
    harness->oracle.expect(&bytes);
    harness->client.handleMessage(copy.get(), bytes.size());
}

// The whole frame lengths of reply types 1 to 4.
int frameLength(unsigned char type)
{
    static const int lengths[5] = {0, 7, 5, 3, 51};
    return type <= 4 ? lengths[type] : 0;
}

// Checks one read's outcome: `before` holds the bytes received earlier that a frame may
// still be completing (more than the longest frame), `read` this read's bytes.
void checkTaken(const QByteArray& before, const QByteArray& read, const QByteArray& frame,
                const FrameAssembler::Report& report, int keptBefore, int keptAfter)
{
    qint64 accounted = keptAfter;
    int delivered = 0;
    for (const FrameAssembler::Piece& piece : report) {
        if (piece.fate == FrameAssembler::Piece::Fate::Delivered) {
            ++delivered;
            if (piece.bytes != frame)
                fail("the delivered piece is not the frame");
        }
        if (piece.fate != FrameAssembler::Piece::Fate::Kept)
            accounted += piece.bytes.size();
    }
    if (accounted != keptBefore + read.size())
        fail("bytes invented or lost without a trace");
    if (delivered != (frame.isEmpty() ? 0 : 1))
        fail("more than one frame delivered from a read");
    if (keptAfter >= 51)
        fail("a whole frame kept");
    if (frame.isEmpty())
        return;
    if (frame.size() != frameLength(static_cast<unsigned char>(frame.at(0))))
        fail("the frame's length is not its type's");
    const QByteArray window = before + read;
    for (int at = window.indexOf(frame); at >= 0; at = window.indexOf(frame, at + 1)) {
        if (at + frame.size() > before.size())
            return;
    }
    fail("the frame is not made of received bytes ending in this read");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FrameAssembler assembler;
    QByteArray before;
    qint64 now = 0;
    size_t at = 0;
    while (at + 2 <= size) {
        const size_t header = size_t(data[at]) | size_t(data[at + 1]) << 8;
        at += 2;
        const size_t n = qMin(header & 0x3FFF, size - at);
        now += qint64(header >> 14) * 30;
        const QByteArray read(reinterpret_cast<const char*>(data + at), int(n));
        at += n;

        handle(read);

        FrameAssembler::Report report;
        const int keptBefore = assembler.keptSize();
        const QByteArray frame = assembler.take(read.constData(), read.size(), now, &report);
        checkTaken(before, read, frame, report, keptBefore, assembler.keptSize());
        if (!frame.isEmpty())
            handle(frame);
        before = (before + read).right(64);
    }
    return 0;
}
