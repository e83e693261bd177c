#pragma once

#include <QByteArray>
#include <QString>

// One change in the history of a run. Small on purpose: a million of them are kept.
struct HistoryEvent
{
    // In the order of the CSV's kinds; a new kind goes at the end.
    enum class Kind : quint8 {
        Connected,
        Lost,
        NotAnswering,
        Answering,
        Mode,
        State,
        Error,
        Temperature,
        Input,
        Output,
        Command,
        NotSent,
        CheckStep,
    };

    // How a check step ended: its code.
    enum class CheckOutcome : quint8 { Passed, Failed, TimedOut, Skipped, NotFinished };

    qint64 msSinceEpoch = 0;
    qint32 offsetSeconds = 0; // the UTC offset of the clock at the time
    qint32 link = 0;          // the link number of the trace (#1, #2, ...)
    Kind kind = Kind::Connected;
    qint32 code = 0;   // mode, state, error, input or output number, request type, CheckOutcome
    qint32 value = 0;  // temperature in tenths of a degree, 1 or 0 for an input or output
    qint32 lastedMs = -1; // mode, state, error, input, output: how long until the next of its kind; -1 while it lasts
    QString text;     // a reason, what a command does, a check step's title; empty where the texts come from the code
    QByteArray bytes; // a command's request frame; what a check step saw, in UTF-8
};

// The groups of kinds that the History window's filter offers.
enum class HistoryGroup { Status, Temperature, InputsOutputs, Commands, Link, Check };

HistoryGroup groupOf(HistoryEvent::Kind kind);
