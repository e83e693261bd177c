#pragma once

#include <QString>

class MachineModel;

// The commands a technician types into the running simulator, one per line:
//     input N 0|1     output N 0|1     error CODE     state CODE
//     mode CODE       temp TENTHS      faulty DEVICE 0|1         status     help   quit (or exit)
namespace ConsoleCommands {

// True for the line that ends the simulator.
bool quits(const QString& line);

// Runs one line against the machine and returns what to print: a confirmation, the status,
// the help text, or what was wrong with the line. An empty line gives an empty text.
QString run(MachineModel& machine, const QString& line);

QString help();

} // namespace ConsoleCommands
