#pragma once

#include <QString>

// What the program's command line asks for. It is read from the raw arguments before any
// application object exists, so that --help and --version work without a display. Qt's own
// options (-platform, -style, -reverse, ...) are known to the parser but left to QApplication.
struct CommandLine
{
    bool exitNow = false; // help or version printed, or a mistake reported: exit with exitCode
    int exitCode = 0;
    QString traceFile; // --trace FILE; empty when not given
};

// Reads argv. Prints the help or the version to standard output (exit code 0) and a mistake
// in the arguments to standard error (exit code 1).
CommandLine readCommandLine(int argc, char* argv[]);
