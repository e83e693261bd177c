#include "history/trace_history.h"

#include "history/history_recorder.h"
#include "history/history_texts.h"
#include "link/frame_assembler.h"
#include "link/frame_codec.h"

#include <QHash>
#include <QPair>
#include <QSet>

#include <algorithm>

namespace {

using LinkTrace::Event;

// Lines that name their run come from a client that records its own verdicts: the polls it
// wrote, the replies it delivered, when its controller went silent and came back. The history
// takes them as they stand. Older lines only hold the raw reads, so it decodes them as the
// client did then, and takes a poll after a long silence for the controller not answering.
class Replayer
{
public:
    explicit Replayer(HistoryRecorder& into)
        : recorder(into)
    {
    }
    void take(const LinkTrace::Line& line);

private:
    int linkOf(const LinkTrace::Line& line);
    void answer(int link, const LinkTrace::Line& line, const QByteArray& frame);
    void read(int link, const LinkTrace::Line& line);

    HistoryRecorder& recorder;
    int unnamedRuns = 0; // run lines that name no run, each the start of a run
    // Each link of each run gets a link of its own in the history: its number in the trace,
    // unless a link of another run has it already.
    QHash<QPair<QByteArray, qint64>, int> links;
    QSet<int> used;
    int highest = 0;
    QHash<int, FrameAssembler> assemblers;
};

int Replayer::linkOf(const LinkTrace::Line& line)
{
    const QByteArray run = line.run.isEmpty() ? QByteArray::number(unnamedRuns) : line.run;
    const QPair<QByteArray, qint64> key(run, line.link);
    const auto known = links.constFind(key);
    if (known != links.constEnd())
        return *known;
    const int number = used.contains(int(line.link)) ? highest + 1 : int(line.link);
    links.insert(key, number);
    used.insert(number);
    highest = std::max(highest, number);
    return number;
}

void Replayer::take(const LinkTrace::Line& line)
{
    if (line.event == Event::Run) {
        if (line.run.isEmpty())
            ++unnamedRuns;
        return;
    }
    const int link = linkOf(line);
    const bool told = !line.run.isEmpty();
    recorder.setInfersSilence(!told);
    switch (line.event) {
    case Event::Connected:
        assemblers.insert(link, FrameAssembler());
        recorder.connected(link, line.time);
        break;
    case Event::Request:
        recorder.request(link, line.time, line.bytes, true);
        break;
    case Event::NotSent:
        recorder.request(link, line.time, line.bytes, false, HistoryTexts::notSentText(line.text));
        break;
    case Event::Read:
        if (!told)
            read(link, line);
        break;
    case Event::ReplyDelivered:
        if (told)
            answer(link, line, line.bytes);
        break;
    case Event::NotAnswering:
        recorder.notAnswering(link, line.time);
        break;
    case Event::Answering:
        recorder.answering(link, line.time);
        break;
    case Event::Error:
        recorder.lost(link, line.time, HistoryTexts::lostText(line.lost, line.text));
        break;
    case Event::Disconnected:
        recorder.lost(link, line.time, HistoryTexts::lostText(LinkFailure::ClosedByController, QString()));
        break;
    default:
        break;
    }
}

void Replayer::answer(int link, const LinkTrace::Line& line, const QByteArray& frame)
{
    const FrameCodec::Reply reply = FrameCodec::decodeReply(frame.constData(), frame.size());
    if (reply.kind == FrameCodec::Reply::Kind::StateAnswer)
        recorder.answer(link, line.time, reply.state);
    else if (reply.kind == FrameCodec::Reply::Kind::XStateAnswer)
        recorder.answer(link, line.time, reply.xstate);
}

// As the client did: one frame at most from each read, by the same assembler.
void Replayer::read(int link, const LinkTrace::Line& line)
{
    const QByteArray frame = assemblers[link].take(line.bytes.constData(), line.bytes.size(), line.time.msSinceEpoch);
    if (!frame.isEmpty())
        answer(link, line, frame);
}

} // namespace

namespace TraceHistory {

LinkTrace::ReadResult read(QIODevice& device, HistoryRecorder& recorder)
{
    Replayer replayer(recorder);
    return LinkTrace::readTrace(device, [&replayer](const LinkTrace::Line& line) {
        replayer.take(line);
        return QString();
    });
}

} // namespace TraceHistory
