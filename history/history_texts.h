#pragma once

#include "history/history_event.h"
#include "link/link_trace.h"

#include <QString>

// The words the history shows for its events, in the program's language.
namespace HistoryTexts {

// "state", "not-answering": the CSV's word for a kind.
QString kindName(HistoryEvent::Kind kind);
// "State", "Not answering": the table's word for a kind.
QString kindTitle(HistoryEvent::Kind kind);

// The text of an event: a status code's text ("Unknown state 555" for a
// code with none), an input's or output's check box caption, a reason, what a command does.
QString text(const HistoryEvent& event);
// The table's and the CSV's text: as text(), but an input or output by its name ("Boiler heating").
QString name(const HistoryEvent& event);
// The table's value: as value(), but "on" or "off" for an input or output.
QString shownValue(const HistoryEvent& event);
// The CSV's value: "92.5", "1", "03 06 14 00 00 00 00 00"; empty where there is none.
QString value(const HistoryEvent& event);
// The CSV's code: empty for kinds without one; "passed", "timed-out" for a check step.
QString code(const HistoryEvent& event);
// The table's code: as code(), but a check step's outcome in words ("timed out").
QString shownCode(const HistoryEvent& event);

// Why a link of a trace was lost, as the program's timing says it; `socketText` says it for a
// reason without words of its own.
QString lostText(LinkFailure lost, const QString& socketText);
// Why a request was not sent, from the trace's words ("not connected yet").
QString notSentText(const QString& traceReason);
// What a request does where the program knows ("Boiler On"), else empty.
QString commandText(const QByteArray& frame);

} // namespace HistoryTexts
