#pragma once

#include <QString>

// What the program's command line asks for. It is read from the raw arguments before any
// application object exists, so that --help and --version work without a display. Qt's own
// options (-platform, -style, -reverse, ...) are known to the parser but left to QApplication.
struct CommandLine
{
    bool exitNow = false; // help or version printed, or a mistake reported: exit with exitCode
    int exitCode = 0;
    bool traceGiven = false; // --trace, even with an empty FILE, which is refused
    QString traceFile;       // --trace FILE
    QString historyFile;     // --history FILE: the History window of a trace; empty when not given
    bool check = false;      // --check: the machine check with no display
    QString checklistFile;   // --checklist FILE: the check's steps; empty: the default check
    QString junitFile;       // --junit FILE: the check's results as JUnit XML
    QString machineName;     // --machine NAME: start with that machine chosen
    QString reportFolder;    // --report VISIT_FOLDER: write the visit's report to reportOut and exit
    QString reportOut;       // --out FILE
    bool withAddress = false; // --with-address: the report names the controller's address
};

// Reads argv. Prints the help or the version to standard output (exit code 0) and a mistake
// in the arguments to standard error (exit code 1). --history-csv FILE prints the history of
// the trace FILE as CSV to standard output (exit code 0), or why it cannot (exit code 1).
CommandLine readCommandLine(int argc, char* argv[]);
