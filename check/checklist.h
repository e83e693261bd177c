#pragma once

#include "link/record_fields.h"

#include <QString>
#include <QVector>

// A machine check: steps that each send one command the way the test panels send it, then
// wait, up to a limit, for conditions on the extended answers that follow, or ask the
// technician a question the program cannot answer itself. Read from JSON (ChecklistReader).
struct CheckCondition
{
    enum class Kind {
        Becomes, // the field shows `value` at some answer
        RisesBy, // the field rises by at least `value` from the first answer
        Pulses,  // the field goes from 0 to not 0 at least `value` times
        Stays,   // the field shows `value` at every answer until the limit
    };
    Kind kind = Kind::Becomes;
    RecordFields::Field field;
    int value = 0;
    int withinMs = 0;
};

struct CheckStep
{
    enum class Send {
        Nothing,
        Mode,    // request 2 with `code`
        Command, // request 3 with `code`, `parameter1`, `parameter2`
        Output,  // request 5: output `code` switched to `value`
    };
    QString id;
    QString title;
    QString device;
    Send send = Send::Nothing;
    int code = 0;
    int parameter1 = 0;
    int parameter2 = 0;
    int value = 0;
    QVector<CheckCondition> expect;
    QString question; // not empty: a question step, answered Yes (passed) or No (failed)
    int questionMs = 0;
};

struct Checklist
{
    QString name;
    QVector<CheckStep> steps;
};
