#include "bench/measure.h"

#include <QFile>

#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace Measure {

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

Run runChild(const QString& program, const QStringList& arguments)
{
    Run run;
    int out[2];
    if (pipe(out) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    const std::string path = program.toStdString();
    std::vector<std::string> words{path};
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    setenv("QUELLARO_BENCH_SPAWN_NS", std::to_string(qint64(t.tv_sec) * 1000000000 + t.tv_nsec).c_str(), 1);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return run;
    }

    std::string report;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, size_t(n));
    close(out[0]);

    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.maxRssMb = double(usage.ru_maxrss) / 1024.0; // KB on Linux
    const auto toMs = [](const timeval& time) { return double(time.tv_sec) * 1000 + double(time.tv_usec) / 1000; };
    run.cpuMs = toMs(usage.ru_utime) + toMs(usage.ru_stime);
    // Lines "name value" in nanoseconds.
    auto value = [&report](const char* name, double* ms) {
        const size_t at = report.find(name);
        long long ns = 0;
        if (at == std::string::npos || std::sscanf(report.c_str() + at + std::strlen(name), " %lld", &ns) != 1)
            return false;
        *ms = double(ns) / 1e6;
        return true;
    };
    if (!value("shown_ns", &run.shownMs))
        run.ok = false;
    value("menu_ns", &run.menuMs);
    std::istringstream lines(report);
    std::string name;
    double figure = 0;
    while (lines >> name >> figure)
        run.values[QString::fromStdString(name)] = figure;
    return run;
}

double residentMb()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return double(fields[1].toLongLong()) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace Measure
