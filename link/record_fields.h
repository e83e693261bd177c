#pragma once

#include "link/state_records.h"

#include <QString>

// The fields of the extended answer by name, as the record names them: "mode", "state",
// "error", "boiler_temperature", the inputs ("power", ...) and the outputs ("boiler_heating",
// ...). For what reads or writes the answer by name rather than by member: the simulator's
// console, the machine check's steps.
namespace RecordFields {

enum class Kind { Header, Input, Output };

struct Field
{
    Kind kind = Kind::Header;
    int number = -1; // input or output number; for the header, -1
    QString name;
};

// The field called `name`; number -1 and an empty name when there is none.
Field byName(const QString& name);

const char* inputName(int number);
const char* outputName(int number);

// The field's value in `answer`: a flag is 0 or 1, the header fields as the record holds them.
int value(const _tag_getxstate_answer& answer, const Field& field);

} // namespace RecordFields
