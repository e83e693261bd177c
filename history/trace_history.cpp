#include "history/trace_history.h"

#include "history/history_recorder.h"
#include "history/history_texts.h"
#include "link/frame_assembler.h"
#include "link/frame_codec.h"

#include <QHash>

namespace {

using LinkTrace::Event;

class Replayer
{
public:
    explicit Replayer(HistoryRecorder& into)
        : recorder(into)
    {
    }
    void take(const LinkTrace::Line& line);

private:
    void read(int link, const LinkTrace::Line& line);

    HistoryRecorder& recorder;
    QHash<int, FrameAssembler> assemblers;
};

void Replayer::take(const LinkTrace::Line& line)
{
    const int link = int(line.link);
    switch (line.event) {
    case Event::Run:
        recorder.newRun();
        assemblers.clear();
        break;
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
        read(link, line);
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

// As the client does: one frame at most from each read, by the same assembler.
void Replayer::read(int link, const LinkTrace::Line& line)
{
    FrameAssembler& assembler = assemblers[link];
    const QByteArray frame = assembler.take(line.bytes.constData(), line.bytes.size(), line.time.msSinceEpoch);
    if (frame.isEmpty())
        return;
    const FrameCodec::Reply reply = FrameCodec::decodeReply(frame.constData(), frame.size());
    if (reply.kind == FrameCodec::Reply::Kind::StateAnswer)
        recorder.answer(link, line.time, reply.state);
    else if (reply.kind == FrameCodec::Reply::Kind::XStateAnswer)
        recorder.answer(link, line.time, reply.xstate);
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
