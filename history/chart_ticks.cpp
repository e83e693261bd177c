#include "history/chart_ticks.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>
#include <iterator>

namespace {

constexpr qint64 Second = 1000, Minute = 60 * Second, Hour = 60 * Minute;
const qint64 TimeSteps[] = {Second, 2 * Second, 5 * Second, 10 * Second, 15 * Second, 30 * Second,
                            Minute, 2 * Minute, 5 * Minute, 10 * Minute, 15 * Minute, 30 * Minute,
                            Hour,   2 * Hour,   3 * Hour,   6 * Hour,    12 * Hour,   24 * Hour};

// The multiples of `step` from `low` to `high`, counted without building them.
qint64 multiples(double low, double high, double step)
{
    return qint64(std::floor(high / step + 1e-9)) - qint64(std::ceil(low / step - 1e-9)) + 1;
}

// The smallest of 1, 2 or 5 times a power of ten that gives at most `maxCount` multiples.
double roundStep(double low, double high, int maxCount)
{
    for (double decade = std::pow(10.0, std::floor(std::log10((high - low) / maxCount)) - 1);; decade *= 10) {
        for (const double mantissa : {1.0, 2.0, 5.0}) {
            if (multiples(low, high, mantissa * decade) <= maxCount)
                return mantissa * decade;
        }
    }
}

qint64 floorDiv(qint64 value, qint64 by)
{
    return value / by - (value % by < 0 ? 1 : 0);
}

} // namespace

namespace ChartTicks {

QVector<Tick> temperature(double low, double high, int maxCount)
{
    QVector<Tick> ticks;
    if (!(high > low) || maxCount < 1)
        return ticks;
    const double step = roundStep(low, high, maxCount);
    const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    for (qint64 n = qint64(std::ceil(low / step - 1e-9)); double(n) * step <= high + step * 1e-9; ++n) {
        const double value = double(n) * step;
        ticks.append({value, QLocale().toString(value, 'f', decimals)});
    }
    return ticks;
}

QVector<Tick> time(qint64 fromMs, qint64 toMs, int offsetSeconds, int maxCount)
{
    QVector<Tick> ticks;
    if (toMs <= fromMs || maxCount < 1)
        return ticks;
    const qint64 shift = qint64(offsetSeconds) * Second;
    qint64 step = TimeSteps[std::size(TimeSteps) - 1];
    for (const qint64 candidate : TimeSteps) {
        if (floorDiv(toMs + shift, candidate) - floorDiv(fromMs + shift - 1, candidate) <= maxCount) {
            step = candidate;
            break;
        }
    }
    const QString format = step < Minute ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    for (qint64 at = (floorDiv(fromMs + shift - 1, step) + 1) * step - shift; at <= toMs; at += step) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(at, Qt::OffsetFromUTC, offsetSeconds);
        ticks.append({double(at), local.toString(format)});
    }
    return ticks;
}

} // namespace ChartTicks
