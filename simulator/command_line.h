#pragma once

#include "simulator/fault_options.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>

class QCoreApplication;

// What cm-simulator was started with.
struct SimulatorCommandLine
{
    QHostAddress address;
    quint16 port = 0;
    bool log = false;
    FaultOptions faults;
    QString replayFile;        // empty: the simulated machine answers
    QStringList faultyDevices; // --faulty DEVICE, as MachineModel::faultByName reads them
    int speed = 1;             // --speed N: the machine's time runs N times faster
};

// Reads the program's arguments. --help and --version print and end the program. A mistake is
// printed and gives the exit status to end with: 2 for an option that is malformed, 1 for
// options that do not go together. 0: go on.
int readCommandLine(const QCoreApplication& app, SimulatorCommandLine* line);
