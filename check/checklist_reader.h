#pragma once

#include "check/checklist.h"

#include <QByteArray>
#include <QString>

// Reads a checklist from JSON and refuses one that could not run as written, naming the step
// and the field: not JSON, a step without id, an unknown command, mode or field, a condition
// without its limit, a key nobody reads. Nothing is sent before a checklist has been read.
//
//   {"name": "...", "steps": [
//     {"id": "boiler-heating", "title": "Boiler heating", "device": "boiler",
//      "command": 20,
//      "expect": [{"field": "boiler_heating", "becomes": 1, "within": 1000},
//                 {"field": "boiler_temperature", "rises_by": 20, "within": 20000}]},
//     {"id": "group-water", "command": 24,
//      "question": "Does water come out of the group?", "within": 60000}]}
//
// A step sends at most one of "mode" (2 to 6), "command" (1 to 32 or 34, with "parameters":
// [p1, p2] for 34) and "output" (a field name) with "value" (0 or 1). A condition names a
// "field" of the extended answer, one of "becomes", "rises_by", "pulses" and "stays", and
// "within" (ms, 1 to 600000).
namespace ChecklistReader {

// The checklist in `json`, or false with the reason in `error`.
bool read(const QByteArray& json, Checklist* checklist, QString* error);
// The same from a file.
bool readFile(const QString& path, Checklist* checklist, QString* error);

} // namespace ChecklistReader
