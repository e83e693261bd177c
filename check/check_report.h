#pragma once

#include "check/check_runner.h"

#include <QJsonObject>
#include <QString>

class QIODevice;

// The results of a check, told three ways: a JSON document (for the visit's records), JUnit
// XML (for a workshop's CI) and one line per step (for the command line).
namespace CheckReport {

// {"checklist": name, "outcome": "passed"|"failed"|"not run", "steps": [{"id", "title",
// "device", "status", "expected", "seen", "tookMs"}]}; status is the status's name in English
// ("passed", "timed-out", "not-finished", ...), whatever the program's language.
QJsonObject json(const CheckRunner& runner);

// "passed      boiler-heating  Boiler heating (1.2 s): boiler_temperature rose by 2.4 °C"
QString line(const CheckStep& step, const CheckRunner::Result& result);

// One test case per step in one test suite; failed steps as failures, timed-out and not
// finished steps as errors, skipped steps as skipped.
bool writeJUnit(const CheckRunner& runner, QIODevice& device);

// 0: every step passed or was skipped; 1: a step failed or timed out; 2: the check could not
// run (no answer from the machine, or a step not finished).
int exitCode(const CheckRunner& runner);

} // namespace CheckReport
