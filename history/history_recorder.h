#pragma once

#include "history/history_event.h"
#include "link/link_trace.h"
#include "link/state_records.h"

#include <QHash>

class HistoryModel;

// Turns what a link did into the events of the history: the first answer of a connection
// records every field, later answers only what changed. Fed alike by the live panels and by
// a trace read back; `link` is the trace's link number.
class HistoryRecorder
{
public:
    // How long an open connection may stay without an answer before it counts as not
    // answering: the panels' link line says so after as long.
    static constexpr qint64 SilenceMs = 2000;

    explicit HistoryRecorder(HistoryModel& model);

    // Whether a poll written after SilenceMs without an answer counts as not answering: for
    // traces written before the client recorded its own verdict. On by default.
    void setInfersSilence(bool infers) { infersSilence = infers; }

    // A connection made; on an open connection, the controller answering again.
    void connected(int link, LinkTrace::Stamp at);
    // The first loss of a connection counts; what follows it says less.
    void lost(int link, LinkTrace::Stamp at, const QString& reason);
    // The controller left an open connection unanswered for SilenceMs.
    void notAnswering(int link, LinkTrace::Stamp at);
    // The controller answers again after a silence.
    void answering(int link, LinkTrace::Stamp at);
    // A request written (`sent`) or not: a poll only tells whether the controller went silent,
    // anything else is a command.
    void request(int link, LinkTrace::Stamp at, const QByteArray& frame, bool sent, const QString& notSentReason = {});
    void answer(int link, LinkTrace::Stamp at, const _tag_getstate_answer& record);
    void answer(int link, LinkTrace::Stamp at, const _tag_getxstate_answer& record);
    // A step of the machine check ended, run over `link`; `seen` is what the machine showed.
    void checkStep(int link, LinkTrace::Stamp at, const QString& title, HistoryEvent::CheckOutcome outcome,
                   const QString& seen);

private:
    struct LinkState
    {
        bool open = false;
        bool lost = false;
        bool silent = false;
        bool heard = false;    // an answer came on this connection
        bool extended = false; // the last answer was a reply 4
        qint64 lastHeardMs = 0;
        _tag_getxstate_answer last{};
    };

    void add(int link, LinkTrace::Stamp at, HistoryEvent::Kind kind, int code = 0, int value = 0,
             const QString& text = {}, const QByteArray& bytes = {});
    LinkState& heardFrom(int link, LinkTrace::Stamp at);
    void status(int link, LinkTrace::Stamp at, const _tag_getstate_answer& record, bool all);

    HistoryModel& model;
    QHash<int, LinkState> links;
    bool infersSilence = true;
};
