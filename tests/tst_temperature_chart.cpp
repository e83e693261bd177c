// The History window's temperature chart: its round ticks, what it draws where, its zoom and
// pan by the mouse; and the table's words for inputs, outputs and how long each value lasted.

#include "test_support.h"

#include "history/chart_ticks.h"
#include "history/history_dialog.h"
#include "history/history_model.h"
#include "history/history_texts.h"
#include "history/temperature_chart.h"
#include "shell/translation_loader.h"

#include <QFileDialog>
#include <QPushButton>
#include <QTableView>
#include <QTranslator>

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
// 2026-12-07 13:30:00 UTC: the charts' start (the tests run in UTC).
constexpr qint64 T0 = 1796650200000;

HistoryEvent made(qint64 ms, HistoryEvent::Kind kind, int code, int value = 0, const QString& text = QString())
{
    HistoryEvent event;
    event.msSinceEpoch = ms;
    event.link = 1;
    event.kind = kind;
    event.code = code;
    event.value = value;
    event.text = text;
    return event;
}

// 80.0 at 0 s rising by a tenth a second to 90.0 at 100 s; Boiler On at 40, 40.5 and 41 s,
// Pump On at 80 s.
void fillHeating(HistoryModel& history)
{
    for (int second = 0; second <= 100; ++second) {
        history.append(made(T0 + second * 1000, HistoryEvent::Kind::Temperature, 0, 800 + second));
        if (second == 40 || second == 41)
            history.append(made(T0 + second * 1000, HistoryEvent::Kind::Command, 3, 0, "Boiler On"));
        if (second == 40)
            history.append(made(T0 + 40500, HistoryEvent::Kind::Command, 3, 0, "Boiler On"));
        if (second == 80)
            history.append(made(T0 + 80000, HistoryEvent::Kind::Command, 3, 0, "Pump On"));
    }
}

// Light: black on white, a red curve, a blue setpoint.
QPalette testPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(200, 0, 0));
    palette.setColor(QPalette::Link, QColor(0, 0, 200));
    return palette;
}

// Where a time and temperature are drawn: the plot spans 0 to 100 s and, with the readings
// and the setpoint 85 and 8 % room, 79.6 to 90.4 degrees.
QPoint at(const QRect& plot, double seconds, double degrees)
{
    return {plot.left() + int(std::lround(seconds * (plot.width() - 1) / 100.0)),
            int(std::lround(plot.bottom() - (degrees - 79.6) * (plot.height() - 1) / 10.8))};
}

bool isGrid(const QColor& colour)
{
    return colour.red() == colour.green() && colour.green() == colour.blue() && colour.red() > 190
        && colour.red() < 240;
}

// Pixels of `colour` (within a little) in `area`.
int countOf(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green())
                    + qAbs(pixel.blue() - colour.blue())
                < 90;
        }
    }
    return count;
}

void wheel(QWidget* widget, const QPoint& at, int delta)
{
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

// Presses, moves and releases as a mouse does (a move carries the button held).
void mouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, const QPoint& from, const QPoint& to)
{
    mouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    mouse(widget, QEvent::MouseMove, to, Qt::LeftButton);
    mouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

using Span = QPair<qint64, qint64>; // seconds after T0

Span shown(const TemperatureChart& chart)
{
    return {(chart.shownFrom() - T0) / 1000, (chart.shownTo() - T0) / 1000};
}

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
        QTest::newRow("2 days") << HalfPastTwo << 48 * h << QStringList{"00:00", "12:00", "00:00", "12:00"};
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

    // Grid at every 2 degrees and 30 s only, the curve 2 pixels wide, the setpoint labelled,
    // three commands within a second as one mark with their count.
    void drawn()
    {
        HistoryModel history;
        fillHeating(history);
        TemperatureChart chart(&history);
        chart.setPalette(testPalette());
        chart.setSetpoint(85);
        chart.resize(640, 300);
        const QImage image = chart.picture(chart.size());
        const QRect plot = chart.plotArea(chart.rect());
        QVERIFY(isGrid(image.pixelColor(at(plot, 15, 84))));
        QVERIFY(isGrid(image.pixelColor(at(plot, 15, 88))));
        QCOMPARE(image.pixelColor(at(plot, 15, 83)), QColor(Qt::white));
        QCOMPARE(image.pixelColor(at(plot, 15, 87)), QColor(Qt::white));
        QVERIFY(isGrid(image.pixelColor(at(plot, 30, 87))));
        QVERIFY(isGrid(image.pixelColor(at(plot, 60, 83))));
        QCOMPARE(image.pixelColor(at(plot, 45, 87)), QColor(Qt::white));
        QCOMPARE(image.pixelColor(at(plot, 75, 83)), QColor(Qt::white));
        // The tick labels left of the plot and under it.
        QVERIFY(countOf(image, QRect(0, at(plot, 0, 84).y() - 6, plot.left() - 5, 13), Qt::black) > 10);
        QCOMPARE(countOf(image, QRect(0, at(plot, 0, 83).y() - 3, plot.left() - 5, 7), Qt::black), 0);
        QVERIFY(countOf(image, QRect(at(plot, 30, 80).x() - 20, plot.bottom() + 6, 40, 10), Qt::black) > 10);
        QCOMPARE(countOf(image, QRect(at(plot, 45, 80).x() - 10, plot.bottom() + 6, 20, 10), Qt::black), 0);

        const QColor red(200, 0, 0);
        for (const int second : {10, 20, 70}) { // 2 pixels wide, smoothed: red ink of 2 pixels or a little more
            const QPoint point = at(plot, second, 80 + second / 10.0);
            double ink = 0;
            for (int y = point.y() - 4; y <= point.y() + 4; ++y)
                ink += 1.0 - image.pixelColor(point.x(), y).greenF();
            QVERIFY2(ink > 1.9 && ink < 3.2, qPrintable(QStringLiteral("%1 s: %2").arg(second).arg(ink)));
            QVERIFY(countOf(image, QRect(point.x(), point.y() - 1, 1, 3), red) >= 1);
        }
        QCOMPARE(countOf(image, QRect(at(plot, 50, 88), QSize(1, 1)), red), 0);

        // The dashed setpoint at 85, its label above it at the right.
        const QPoint setpoint = at(plot, 5, 85);
        int dashes = 0; // on the row of 85 degrees, give or take the rounding of half a pixel
        for (const int y : {setpoint.y() - 1, setpoint.y(), setpoint.y() + 1})
            dashes = std::max(dashes, countOf(image, QRect(plot.left(), y, plot.width() / 3, 1), QColor(0, 0, 200)));
        QVERIFY2(dashes > plot.width() / 9 && dashes < plot.width() / 3 - 10, qPrintable(QString::number(dashes)));
        QVERIFY(countOf(image, QRect(plot.right() - 80, setpoint.y() - 14, 80, 13), QColor(0, 0, 200)) > 20);
        QCOMPARE(countOf(image, QRect(plot.right() - 80, setpoint.y() + 3, 80, 12), QColor(0, 0, 200)), 0);

        // On the strip above the plot: one badge at 40 s, a triangle at 80 s, nothing between.
        const int stripY = plot.top() - 6;
        const QRect badge(at(plot, 40, 80).x() - 3, stripY - 4, 10, 6);
        QVERIFY(countOf(image, badge, Qt::black) > 20);
        QVERIFY(countOf(image, badge, Qt::white) > 2); // the count in it
        QVERIFY(countOf(image, QRect(at(plot, 80, 80).x() - 1, stripY - 2, 3, 2), Qt::black) >= 5);
        QCOMPARE(countOf(image, QRect(at(plot, 60, 80).x(), 0, 40, plot.top() - 1), Qt::black), 0);
        QCOMPARE(countOf(image, QRect(at(plot, 10, 80).x(), 0, 40, plot.top() - 1), Qt::black), 0);

        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QTest::mouseMove(&chart, QPoint(at(plot, 40, 80).x() + 2, stripY));
        QTRY_COMPARE(chart.toolTip(), QStringLiteral("13:30:40 Boiler On\n13:30:40 Boiler On\n13:30:41 Boiler On"));
        QTest::mouseMove(&chart, QPoint(at(plot, 80, 80).x() + 2, stripY));
        QTRY_COMPARE(chart.toolTip(), QStringLiteral("13:31:20 Pump On"));
    }

    // The wheel zooms around the mouse, a drag pans, zooming out to the whole fits.
    void zoomAndPan()
    {
        HistoryModel history;
        fillHeating(history);
        TemperatureChart chart(&history);
        chart.resize(640, 300);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QRect plot = chart.plotArea(chart.rect());
        const int middle = plot.center().y();
        QCOMPARE(shown(chart), Span(0, 100));
        wheel(&chart, QPoint(plot.left(), middle), 120);
        QCOMPARE(shown(chart), Span(0, 80));
        wheel(&chart, QPoint(plot.right(), middle), 120);
        QCOMPARE(shown(chart), Span(16, 80));
        wheel(&chart, QPoint(plot.right(), middle), 240);
        QCOMPARE(chart.shownTo() - chart.shownFrom(), qint64(40960)); // 64 s x 0.8 x 0.8
        wheel(&chart, QPoint(plot.right(), middle), -240);
        QCOMPARE(shown(chart), Span(16, 80));

        drag(&chart, QPoint(plot.right(), middle), QPoint(plot.left(), middle));
        QCOMPARE(shown(chart), Span(80, 144));
        drag(&chart, QPoint(plot.left(), middle), QPoint(plot.right(), middle));
        QCOMPARE(shown(chart), Span(16, 80));

        wheel(&chart, QPoint(plot.left(), middle), -120);
        QCOMPARE(shown(chart), Span(16, 96));
        wheel(&chart, QPoint(plot.left(), middle), -120);
        QCOMPARE(shown(chart), Span(0, 100)); // 100 s is the whole: fitted again

        chart.focusOn(T0 + 50000);
        QCOMPARE(shown(chart), Span(-250, 350));
        chart.fit();
        history.append(made(T0 + 120000, HistoryEvent::Kind::Temperature, 0, 900));
        QCOMPARE(shown(chart), Span(0, 120)); // fitted, it follows new readings
    }

    // The oldest rows dropped by the model's bound leave the chart too.
    void droppedRows()
    {
        HistoryModel history(5);
        TemperatureChart chart(&history);
        for (int second = 0; second < 8; ++second)
            history.append(made(T0 + second * 1000, HistoryEvent::Kind::Temperature, 0, 800 + second));
        QCOMPARE(shown(chart), Span(3, 7));
        chart.setPalette(testPalette()); // readings without commands draw their curve
        chart.resize(400, 200);
        const QImage image = chart.picture(chart.size());
        QVERIFY(countOf(image, image.rect(), QColor(200, 0, 0)) > 200);
    }

    void tableTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("expected"); // what, value, text of each row
        QTest::newRow("en") << "en_US"
                            << QStringList{"Output", "on",  "Boiler heating", "Output", "on",  "Mixer 3 Screw",
                                           "Output", "off", "Boiler heating", "Input",  "off", "Power"};
        QTest::newRow("ru") << "ru_RU"
                            << QStringList{"Выход", "вкл",  "Нагрев бойлера", "Выход", "вкл",  "Шнек миксера 3",
                                           "Выход", "выкл", "Нагрев бойлера", "Вход",  "выкл", "Питание"};
    }
    // An output on, then off: its name without "On" and its value in words; the CSV keeps 1 and 0.
    void tableTexts()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, expected);
        QTranslator translator;
        QVERIFY(loadTranslation(translator, {QUELLARO_QM_DIR}, locale));
        QCoreApplication::installTranslator(&translator);
        HistoryModel history;
        history.append(made(T0, HistoryEvent::Kind::Output, 1, 1));
        history.append(made(T0 + 1000, HistoryEvent::Kind::Output, 17, 1));
        history.append(made(T0 + 2500, HistoryEvent::Kind::Output, 1, 0));
        history.append(made(T0 + 3000, HistoryEvent::Kind::Input, 0, 0));
        QStringList texts;
        for (int row = 0; row < history.rowCount(); ++row) {
            for (const int column : {HistoryModel::WhatColumn, HistoryModel::ValueColumn, HistoryModel::TextColumn})
                texts << history.index(row, column).data().toString();
        }
        QCOMPARE(texts, expected);
        QCOMPARE(HistoryTexts::value(history.eventAt(2)), QStringLiteral("0"));
        QCOMPARE(HistoryTexts::value(history.eventAt(1)), QStringLiteral("1"));
    }

    void lasted_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("firstCode");
        QTest::addColumn<int>("secondCode");
        QTest::addColumn<int>("secondValue");
        using Kind = HistoryEvent::Kind;
        QTest::newRow("mode") << int(Kind::Mode) << 4 << 2 << 0;
        QTest::newRow("state") << int(Kind::State) << 1000 << 110 << 0;
        QTest::newRow("error") << int(Kind::Error) << 0 << 12 << 0;
        QTest::newRow("input") << int(Kind::Input) << 5 << 5 << 0;
        QTest::newRow("output") << int(Kind::Output) << 1 << 1 << 0;
    }
    // Each value lasts until the next of its kind (of the same input or output), on its link.
    void lasted()
    {
        QFETCH(int, kind);
        QFETCH(int, firstCode);
        QFETCH(int, secondCode);
        QFETCH(int, secondValue);
        const auto ofKind = HistoryEvent::Kind(kind);
        HistoryModel history;
        history.append(made(T0, ofKind, firstCode, 1));
        history.append(made(T0 + 500, HistoryEvent::Kind::Input, 7, 1));  // another input
        history.append(made(T0 + 600, HistoryEvent::Kind::Output, 9, 1)); // another output
        HistoryEvent otherLink = made(T0 + 700, ofKind, secondCode, secondValue);
        otherLink.link = 2;
        history.append(otherLink);
        history.append(made(T0 + 1250, ofKind, secondCode, secondValue));
        history.append(made(T0 + 1250, ofKind, firstCode, 1)); // changed again at once
        history.append(made(T0 + 1300, HistoryEvent::Kind::Temperature, 0, 850));
        history.append(made(T0 + 1400, HistoryEvent::Kind::Temperature, 0, 851));
        const auto lastedOf = [&history](int row) {
            return history.index(row, HistoryModel::LastedColumn).data().toString();
        };
        QCOMPARE(lastedOf(0), QStringLiteral("1.250 s"));
        QCOMPARE(lastedOf(3), QString()); // the other link's lasts on
        QCOMPARE(lastedOf(4), QStringLiteral("0.000 s"));
        QCOMPARE(lastedOf(5), QString());
        QCOMPARE(lastedOf(6), QString()); // temperatures do not last
    }
};

QUELLARO_TEST_MAIN(TestTemperatureChart)
#include "tst_temperature_chart.moc"
