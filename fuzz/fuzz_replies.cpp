// Fuzz target: the machine link client's reply reading. The input is a byte stream cut into
// reads, each read written as a 2-byte little-endian length followed by that many bytes (fewer
// at the end of the input). Every read goes through both ways the client takes replies in:
//  - handleMessage(), handed an exactly sized heap copy of the read, so that AddressSanitizer
//    sees any access past the received bytes;
//  - readMessages(), from a device that receives the reads one after the other like a socket,
//    one notification per read.
// Each signal the client emits is checked against the bytes of the message it came from:
// no byte that was not received may reach a record, a number or a text.
#include "fuzz/fuzz_target.h"

#include "link/cm_netmessge.h"
#include "link/protocol.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// A sequential device that holds what the "controller" has sent and not yet been read, and
// remembers what it handed out last, which is the message the client is handling.
class ChunkDevice : public QIODevice
{
public:
    ChunkDevice() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    void receive(const char* data, int size) { pending.append(data, size); }
    const QByteArray& lastHandedOut() const { return handedOut; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return pending.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const int n = int(qMin<qint64>(maxSize, pending.size()));
        std::memcpy(data, pending.constData(), size_t(n));
        handedOut = pending.left(n);
        pending.remove(0, n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray pending;
    QByteArray handedOut;
};

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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ChunkDevice device;
    size_t at = 0;
    while (at + 2 <= size) {
        const size_t wanted = size_t(data[at]) | size_t(data[at + 1]) << 8;
        at += 2;
        const size_t n = qMin(wanted, size - at);
        const char* read = reinterpret_cast<const char*>(data + at);
        at += n;

        // A read as one message, in a buffer of exactly its size.
        std::unique_ptr<char[]> copy(new char[n]);
        std::memcpy(copy.get(), read, n);
        const QByteArray message(read, int(n));
        harness->oracle.expect(&message);
        harness->client.handleMessage(copy.get(), int(n));

        // The same read arriving at a socket that may still hold a byte of earlier reads.
        device.receive(read, int(n));
        harness->oracle.expect(&device.lastHandedOut());
        harness->client.readMessages(device);
        if (device.bytesAvailable() >= 2)
            fail("readMessages left a message unread");
    }
    return 0;
}
