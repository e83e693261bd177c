#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

// Ends a start-up measurement: once `window` has been painted for the first time, prints how
// long after the moment in the environment variable QUELLARO_BENCH_SPAWN_NS (CLOCK_MONOTONIC,
// set by the benchmark right before it started this process) that was, and quits.
class QuitWhenShown : public QObject
{
public:
    explicit QuitWhenShown(QWidget* window)
    {
        window->installEventFilter(this);
        quitTimer.setSingleShot(true);
        quitTimer.setInterval(0);
        connect(&quitTimer, &QTimer::timeout, [] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const qint64 spawned = qEnvironmentVariable("QUELLARO_BENCH_SPAWN_NS").toLongLong();
            std::printf("shown_ns %lld\n", static_cast<long long>(qint64(now.tv_sec) * 1000000000 + now.tv_nsec - spawned));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The paint itself runs after this filter; the zero timer fires once it is done.
        if (event->type() == QEvent::Paint && !quitTimer.isActive())
            quitTimer.start();
        return QObject::eventFilter(watched, event);
    }

private:
    QTimer quitTimer;
};
