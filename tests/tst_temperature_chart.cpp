// The History window's temperature chart: its round ticks, what it draws where, its zoom and
// pan by the mouse; and the table's words for inputs, outputs and how long each value lasted.

#include "test_support.h"

#include "history/chart_ticks.h"
#include "history/history_model.h"
#include "history/temperature_chart.h"

namespace {

using Ticks = QVector<QPair<double, QString>>;

Ticks pairs(const QVector<ChartTicks::Tick>& ticks)
{
    Ticks list;
    for (const ChartTicks::Tick& tick : ticks)
        list << qMakePair(tick.value, tick.label);
    return list;
}

QStringList labels(const QVector<ChartTicks::Tick>& ticks)
{
    QStringList list;
    for (const ChartTicks::Tick& tick : ticks)
        list << tick.label;
    return list;
}

// 2026-12-07 14:30:00.400 at UTC+1, in ms since 1970.
constexpr qint64 HalfPastTwo = 1796650200400;

} // namespace

class TestTemperatureChart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void degreeTicks_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<Ticks>("expected");
        QTest::newRow("0.3 degrees") << 85.0 << 85.3
                                     << Ticks{{85.0, "85.0"}, {85.1, "85.1"}, {85.2, "85.2"}, {85.3, "85.3"}};
        QTest::newRow("1.5 degrees") << 84.8 << 86.3 << Ticks{{85.0, "85.0"}, {85.5, "85.5"}, {86.0, "86.0"}};
        QTest::newRow("9 degrees") << 80.0 << 89.0 << Ticks{{80, "80"}, {82, "82"}, {84, "84"}, {86, "86"}, {88, "88"}};
        QTest::newRow("18 degrees") << 80.0 << 98.0 << Ticks{{80, "80"}, {85, "85"}, {90, "90"}, {95, "95"}};
        QTest::newRow("78 degrees") << 20.0 << 98.0 << Ticks{{20, "20"}, {40, "40"}, {60, "60"}, {80, "80"}};
        QTest::newRow("90 degrees") << 0.0 << 90.0 << Ticks{{0, "0"}, {20, "20"}, {40, "40"}, {60, "60"}, {80, "80"}};
    }
    // Steps of 1, 2 or 5 times a power of ten, at most six labels.
    void degreeTicks()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(Ticks, expected);
        const Ticks ticks = pairs(ChartTicks::temperature(low, high, 6));
        QCOMPARE(ticks.size(), expected.size());
        for (int i = 0; i < ticks.size(); ++i) {
            QCOMPARE(ticks[i].second, expected[i].second);
            QVERIFY2(qAbs(ticks[i].first - expected[i].first) < 1e-9, qPrintable(ticks[i].second));
        }
    }

    void timeTicks_data()
    {
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("span");
        QTest::addColumn<QStringList>("expected");
        const qint64 s = 1000, min = 60 * s, h = 60 * min;
        QTest::newRow("2 s") << HalfPastTwo << 2 * s << QStringList{"14:30:01", "14:30:02"};
        QTest::newRow("10 s") << HalfPastTwo << 10 * s
                              << QStringList{"14:30:02", "14:30:04", "14:30:06", "14:30:08", "14:30:10"};
        QTest::newRow("90 s") << HalfPastTwo << 90 * s
                              << QStringList{"14:30:15", "14:30:30", "14:30:45", "14:31:00", "14:31:15", "14:31:30"};
        QTest::newRow("20 min") << HalfPastTwo << 20 * min << QStringList{"14:35", "14:40", "14:45", "14:50"};
        QTest::newRow("2 h over midnight")
            << HalfPastTwo + 8 * h + 40 * min << 2 * h << QStringList{"23:30", "00:00", "00:30", "01:00"};
        QTest::newRow("8 h") << HalfPastTwo << 8 * h << QStringList{"16:00", "18:00", "20:00", "22:00"};
    }
    // Round times of the local clock (UTC+1 here), seconds, minutes or hours as the span needs.
    void timeTicks()
    {
        QFETCH(qint64, from);
        QFETCH(qint64, span);
        QFETCH(QStringList, expected);
        const QVector<ChartTicks::Tick> ticks = ChartTicks::time(from, from + span, 3600, 6);
        QCOMPARE(labels(ticks), expected);
        QVERIFY(ticks.first().value >= from && ticks.last().value <= from + span);
    }
};

QUELLARO_TEST_MAIN(TestTemperatureChart)
#include "tst_temperature_chart.moc"
