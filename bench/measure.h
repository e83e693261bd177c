#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// What the benchmark measures, from the operating system's point of view.
namespace Measure {

// A finished child process.
struct Run
{
    bool ok = false;         // exited with status 0
    double shownMs = 0;      // what it printed as "shown_ns", in ms
    double menuMs = 0;       // what it printed as "menu_ns" (if anything), in ms
    double maxRssMb = 0;     // its peak resident memory
    double cpuMs = 0;        // the CPU time it used, user and system
    QMap<QString, double> values; // every line "name value" it printed
};

// Starts `program` with QUELLARO_BENCH_SPAWN_NS set to the moment of starting, waits for it
// and reads its report. A report without "shown_ns" is a failed run.
Run runChild(const QString& program, const QStringList& arguments = {});

// This process's resident memory now, in MB, after handing freed heap back to the system.
double residentMb();

// CPU time (user and system) this process has used so far, in seconds.
double cpuSeconds();

// Seconds on a monotonic clock.
double now();

} // namespace Measure
