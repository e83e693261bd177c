#pragma once

#include "bench/measure.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>

// Notes when a widget has been painted.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Shows `window` and runs the event loop until it has been painted; the seconds it took.
inline double showPainted(QWidget* window)
{
    PaintWatch watch(window);
    const double start = Measure::now();
    window->show();
    while (!watch.painted && Measure::now() - start < 60)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents(); // the paint itself
    return Measure::now() - start;
}

inline void closeAndSettle(QWidget* window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
