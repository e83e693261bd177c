// Fuzz target: reading replies. The input is cut into reads, each a 2-byte little-endian header
// (low 14 bits: the read's length; top 2: the time since the previous read, in steps of 30 ms,
// so unfinished frames are both joined and left to go stale) and its bytes. Each read, and
// each frame the FrameAssembler rebuilds from it, goes to the client's handleMessage() in an
// exactly sized heap copy, so that AddressSanitizer sees any access past the received bytes.
// The input is also read as a link trace, as cm-simulator --replay reads it, its reads checked likewise,
// and as the history reads it, written out as CSV.
#include "connection/link_factory.h"
#include "fuzz/fuzz_target.h"

#include "history/history_csv.h"
#include "history/history_model.h"
#include "history/history_recorder.h"
#include "history/trace_history.h"
#include "link/cm_netmessge.h"
#include "link/frame_assembler.h"
#include "settings/settings_store.h"
#include "simulator/trace_reader.h"

#include <QBuffer>
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

CM_NetMessge* client = nullptr;

// Hands `bytes` to the client as one message, in a heap block of exactly their size.
void handle(const QByteArray& bytes)
{
    std::unique_ptr<char[]> copy(new char[size_t(qMax(1, bytes.size()))]);
    std::memcpy(copy.get(), bytes.constData(), size_t(bytes.size()));
    client->handleMessage(copy.get(), bytes.size());
}

// The whole frame lengths of reply types 1 to 4.
int frameLength(char type)
{
    static const int lengths[5] = {0, 7, 5, 3, 51};
    return type >= 0 && type <= 4 ? lengths[int(type)] : 0;
}

// The report must list the bytes kept before the read and the read's own, in order, with the
// frame returned as its one delivered piece; `kept` follows the assembler's unfinished frame.
void checkTaken(QByteArray& kept, const QByteArray& read, const QByteArray& frame,
                const FrameAssembler::Report& report, int keptSize)
{
    using Fate = FrameAssembler::Piece::Fate;
    QByteArray listed;
    int delivered = 0;
    for (const FrameAssembler::Piece& piece : report) {
        listed += piece.bytes;
        // The delivered frame must end in this read's bytes, after those kept before it.
        if (piece.fate == Fate::Delivered && (++delivered > 1 || piece.bytes != frame || listed.size() <= kept.size()))
            fail("a second frame from a read, or one not returned or not ending in the read");
        if (piece.fate == Fate::Kept && &piece != &report.last())
            fail("bytes kept before the end of the read");
    }
    const QByteArray taken = kept + read;
    if (report.isEmpty()) // an empty read leaves a fresh unfinished frame as it is
        listed = kept;
    else
        kept = report.last().fate == Fate::Kept ? report.last().bytes : QByteArray();
    if (listed != taken)
        fail("bytes invented, lost or moved without a trace");
    if (kept.size() != keptSize)
        fail("the kept bytes are not the ones reported");
    if (delivered != (frame.isEmpty() ? 0 : 1))
        fail("a frame returned but not reported");
    if (!frame.isEmpty() && frame.size() != frameLength(frame.at(0)))
        fail("the frame's length is not its type's");
    if (!kept.isEmpty() && kept.size() >= frameLength(kept.at(0)))
        fail("a whole frame kept, or bytes that start none");
}

// One read through the client and the assembler, checked.
void takeRead(FrameAssembler& assembler, QByteArray& kept, const QByteArray& read, qint64 now)
{
    handle(read);
    FrameAssembler::Report report;
    const QByteArray frame = assembler.take(read.constData(), read.size(), now, &report);
    checkTaken(kept, read, frame, report, assembler.keptSize());
    if (!frame.isEmpty())
        handle(frame);
}

void replayTrace(const uint8_t* data, size_t size)
{
    QByteArray text = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    const TraceRecording recording = TraceReader::read(buffer);
    if (recording.error.isEmpty() != (recording.errorLine == 0)
        || (recording.errorLine > 0 && !recording.connections.isEmpty()))
        fail("a trace error without its line, or connections from a trace that does not read");
    for (const ReplaySession& session : recording.connections) {
        FrameAssembler assembler;
        QByteArray kept;
        qint64 last = 0;
        for (const ReplayEvent& event : session) {
            if (event.atMs < last || event.closes == !event.bytes.isEmpty()
                || (event.closes && &event != &session.last()))
                fail("recorded events out of order, an empty read, or an event after the close");
            last = event.atMs;
            if (!event.closes)
                takeRead(assembler, kept, event.bytes, event.atMs);
        }
    }
}

// The history of the trace: a refusal names its line; each event's numbers are in range; the
// CSV has a line for each event.
void readHistory(const uint8_t* data, size_t size)
{
    QByteArray text = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    HistoryModel history;
    HistoryRecorder recorder(history);
    const LinkTrace::ReadResult result = TraceHistory::read(buffer, recorder);
    if (result.error.isEmpty() != (result.errorLine == 0))
        fail("a history refused without its line");
    for (int i = 0; i < history.count(); ++i) {
        const HistoryEvent& event = history.eventAt(i);
        const bool input = event.kind == HistoryEvent::Kind::Input, output = event.kind == HistoryEvent::Kind::Output;
        if ((input && (event.code < 0 || event.code > 17)) || (output && (event.code < 0 || event.code > 21))
            || ((input || output) && event.value != 0 && event.value != 1))
            fail("an input or output out of range in the history");
    }
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    if (!HistoryCsv::write(history, csv) || csv.data().count("\r\n") < history.count() + 1)
        fail("a CSV without a line for each event");
}

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
    client = LinkFactory::newClient();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FrameAssembler assembler;
    QByteArray kept;
    qint64 now = 0;
    size_t at = 0;
    while (at + 2 <= size) {
        const size_t header = size_t(data[at]) | size_t(data[at + 1]) << 8;
        at += 2;
        const size_t n = qMin(header & 0x3FFF, size - at);
        now += qint64(header >> 14) * 30;
        takeRead(assembler, kept, QByteArray(reinterpret_cast<const char*>(data + at), int(n)), now);
        at += n;
    }
    replayTrace(data, size);
    readHistory(data, size);
    return 0;
}
