#pragma once

#include <QString>
#include <QVector>

// The round ticks of the temperature chart's axes, chosen so that at most `maxCount` labels
// fall in the span and each reads as a round number or a round local time.
namespace ChartTicks {

struct Tick
{
    double value; // degrees, or milliseconds since 1970
    QString label;
};

// Steps of 1, 2 or 5 times a power of ten; labels with the decimals the step needs ("85.1").
QVector<Tick> temperature(double low, double high, int maxCount);

// Steps of 1, 2, 5, 10, 15 or 30 seconds or minutes, or 1, 2, 3, 6 or 12 hours, on round times
// of the clock `offsetSeconds` ahead of UTC; "14:30:05" for steps under a minute, else "14:30".
QVector<Tick> time(qint64 fromMs, qint64 toMs, int offsetSeconds, int maxCount);

} // namespace ChartTicks
