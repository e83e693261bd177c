#pragma once

#include <QString>

class QTextStream;

// Quellaro --check: runs a check with no display against the controller of the settings.
struct CheckCommand
{
    QString checklistFile; // empty: the default check
    QString junitFile;     // empty: none written
};

// Runs the check in the application's event loop (a QCoreApplication must exist), writes one line per
// step to `out` as each ends and what kept it from running to `err`. Returns the exit status:
// 0 every step passed, 1 a step failed, 2 the check could not run.
int runCheckCommand(const CheckCommand& command, QTextStream& out, QTextStream& err);
