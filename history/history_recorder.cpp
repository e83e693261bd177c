#include "history/history_recorder.h"

#include "history/history_model.h"
#include "history/history_texts.h"
#include "link/protocol.h"

#include <cstddef>

namespace {

bool isPoll(const QByteArray& frame)
{
    const int type = frame.isEmpty() ? 0 : quint8(frame.at(0));
    return type == Protocol::RequestState || type == Protocol::RequestXState;
}

// Byte n of the record's inputs or outputs.
const quint8* flags(const _tag_getxstate_answer& record, int firstOffset)
{
    return reinterpret_cast<const quint8*>(&record) + firstOffset;
}

} // namespace

HistoryRecorder::HistoryRecorder(HistoryModel& history)
    : model(history)
{
}

void HistoryRecorder::connected(int link, LinkTrace::Stamp at)
{
    LinkState& state = links[link];
    if (state.open) {
        answering(link, at);
        return;
    }
    state = LinkState();
    state.open = true;
    state.lastHeardMs = at.msSinceEpoch;
    add(link, at, HistoryEvent::Kind::Connected);
}

void HistoryRecorder::lost(int link, LinkTrace::Stamp at, const QString& reason)
{
    LinkState& state = links[link];
    if (state.lost)
        return;
    state.lost = true;
    state.open = false;
    add(link, at, HistoryEvent::Kind::Lost, 0, 0, reason);
}

void HistoryRecorder::notAnswering(int link, LinkTrace::Stamp at)
{
    LinkState& state = links[link];
    if (!state.open || state.silent)
        return;
    state.silent = true;
    add(link, at, HistoryEvent::Kind::NotAnswering);
}

void HistoryRecorder::answering(int link, LinkTrace::Stamp at)
{
    LinkState& state = links[link];
    if (!state.silent)
        return;
    state.silent = false;
    add(link, at, HistoryEvent::Kind::Answering);
}

void HistoryRecorder::request(int link, LinkTrace::Stamp at, const QByteArray& frame, bool sent,
                              const QString& notSentReason)
{
    const int type = frame.isEmpty() ? 0 : quint8(frame.at(0));
    if (isPoll(frame)) {
        if (infersSilence && sent && at.msSinceEpoch - links[link].lastHeardMs >= SilenceMs)
            notAnswering(link, at);
        return;
    }
    if (sent)
        add(link, at, HistoryEvent::Kind::Command, type, 0, HistoryTexts::commandText(frame), frame);
    else
        add(link, at, HistoryEvent::Kind::NotSent, type, 0, notSentReason, frame);
}

HistoryRecorder::LinkState& HistoryRecorder::heardFrom(int link, LinkTrace::Stamp at)
{
    answering(link, at);
    LinkState& state = links[link];
    state.lastHeardMs = at.msSinceEpoch;
    return state;
}

void HistoryRecorder::answer(int link, LinkTrace::Stamp at, const _tag_getstate_answer& record)
{
    LinkState& state = heardFrom(link, at);
    status(link, at, record, !state.heard);
    state.heard = true;
    state.last.mode = record.mode;
    state.last.state = record.state;
    state.last.error = record.error;
}

void HistoryRecorder::answer(int link, LinkTrace::Stamp at, const _tag_getxstate_answer& record)
{
    using Kind = HistoryEvent::Kind;
    LinkState& state = heardFrom(link, at);
    const bool all = !state.heard || !state.extended;
    status(link, at, _tag_getstate_answer{record.mode, record.state, record.error}, !state.heard);
    if (all || record.boiler_temperature != state.last.boiler_temperature)
        add(link, at, Kind::Temperature, 0, record.boiler_temperature);
    const int inputs = int(offsetof(_tag_getxstate_answer, power));
    const int outputs = int(offsetof(_tag_getxstate_answer, selector_water_run));
    for (int n = 0; n < Protocol::InputCount; ++n) {
        const bool on = flags(record, inputs)[n] != 0;
        if (all || on != (flags(state.last, inputs)[n] != 0))
            add(link, at, Kind::Input, n, on ? 1 : 0);
    }
    for (int n = 0; n < Protocol::OutputCount; ++n) {
        const bool on = flags(record, outputs)[n] != 0;
        if (all || on != (flags(state.last, outputs)[n] != 0))
            add(link, at, Kind::Output, n, on ? 1 : 0);
    }
    state.heard = true;
    state.extended = true;
    state.last = record;
}

void HistoryRecorder::status(int link, LinkTrace::Stamp at, const _tag_getstate_answer& record, bool all)
{
    const LinkState& state = links[link];
    if (all || record.mode != state.last.mode)
        add(link, at, HistoryEvent::Kind::Mode, record.mode);
    if (all || record.state != state.last.state)
        add(link, at, HistoryEvent::Kind::State, record.state);
    if (all || record.error != state.last.error)
        add(link, at, HistoryEvent::Kind::Error, record.error);
}

void HistoryRecorder::checkStep(int link, LinkTrace::Stamp at, const QString& title, HistoryEvent::CheckOutcome outcome,
                                const QString& seen)
{
    add(link, at, HistoryEvent::Kind::CheckStep, int(outcome), 0, title, seen.toUtf8());
}

void HistoryRecorder::add(int link, LinkTrace::Stamp at, HistoryEvent::Kind kind, int code, int value,
                          const QString& text, const QByteArray& bytes)
{
    HistoryEvent event;
    event.msSinceEpoch = at.msSinceEpoch;
    event.offsetSeconds = at.offsetSeconds;
    event.link = link;
    event.kind = kind;
    event.code = code;
    event.value = value;
    event.text = text;
    event.bytes = bytes;
    model.append(event);
}
