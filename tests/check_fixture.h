#pragma once

#include "check/check_runner.h"
#include "simulator/simulator_server.h"

#include <QElapsedTimer>

#include <memory>

// A simulated controller whose time runs five times faster than real time, and a runner whose
// clock runs as fast, polling every 20 ms: half a flow sensor pulse of the machine's time.
struct CheckFixture
{
    static constexpr int Speed = 5;

    CheckFixture();
    std::unique_ptr<CheckRunner> runner(const Checklist& checklist);
    // Runs the whole of `checklist` and waits for its end.
    bool runAll(CheckRunner& runner);
    // The outputs on now, by number.
    QList<int> outputsOn();

    SimulatorServer server;
    QElapsedTimer clock;
};
