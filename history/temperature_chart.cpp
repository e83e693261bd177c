#include "history/temperature_chart.h"

#include "history/history_model.h"
#include "history/history_texts.h"

#include <QDateTime>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int LeftMargin = 44, TopMargin = 8, RightMargin = 8, BottomMargin = 22;
const QColor CurveColor(200, 0, 0);
const QColor SetpointColor(0, 0, 200);
const QColor MarkColor(0, 130, 0);
const QColor FocusColor(120, 120, 120);

QString clockText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss"));
}

// The row of `value` (tenths of a degree) in `plot`, whose bottom is `low` and top `high`.
int yAt(const QRect& plot, int value, int low, int high)
{
    return plot.bottom() - int(qint64(value - low) * (plot.height() - 1) / (high - low));
}

// One pixel column of the curve.
struct Column
{
    int first = 0, last = 0, low = 0, high = 0;
    bool used = false;
};

} // namespace

TemperatureChart::TemperatureChart(const HistoryModel* history, QWidget* parent)
    : QWidget(parent)
    , model(history)
{
    setObjectName(QStringLiteral("temperatureChart"));
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        takeRows(first, last);
        update();
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
        rebuild();
        update();
    });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        rebuild();
        update();
    });
    rebuild();
}

void TemperatureChart::setSetpoint(int degrees)
{
    setpointTenths = degrees * 10;
    update();
}

void TemperatureChart::focusOn(qint64 ms)
{
    focus = ms;
    update();
}

QSize TemperatureChart::sizeHint() const
{
    return {600, 200};
}

QSize TemperatureChart::minimumSizeHint() const
{
    return {200, 120};
}

void TemperatureChart::takeRows(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        const HistoryEvent& event = model->eventAt(row);
        if (event.kind == HistoryEvent::Kind::Temperature) {
            times.append(event.msSinceEpoch);
            tenths.append(event.value);
        } else if (event.kind == HistoryEvent::Kind::Command) {
            marks.append({event.msSinceEpoch, HistoryTexts::text(event)});
        }
    }
}

void TemperatureChart::rebuild()
{
    times.clear();
    tenths.clear();
    marks.clear();
    if (model->count() > 0)
        takeRows(0, model->count() - 1);
}

void TemperatureChart::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect plot = rect().adjusted(LeftMargin, TopMargin, -RightMargin, -BottomMargin);
    if (times.isEmpty() || plot.width() < 2 || plot.height() < 2) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No temperature yet"));
        return;
    }
    qint64 from = times.first(), to = std::max(times.last(), times.first() + 1);
    if (focus >= 0) {
        from = focus - FocusSpanMs / 2;
        to = focus + FocusSpanMs / 2;
    }
    const auto [lowest, highest] = std::minmax_element(tenths.cbegin(), tenths.cend());
    const int low = int(std::floor(std::min(*lowest, setpointTenths) / 100.0)) * 100;
    const int high = std::max(low + 100, int(std::ceil(std::max(*highest, setpointTenths) / 100.0)) * 100);
    const auto yOf = [&](int tenthsOf) { return yAt(plot, tenthsOf, low, high); };
    const auto xOf = [&](qint64 ms) { return plot.left() + int((ms - from) * (plot.width() - 1) / (to - from)); };

    painter.setPen(Qt::black);
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    painter.drawText(QRect(0, plot.top(), LeftMargin - 4, 16), Qt::AlignRight, QString::number(high / 10));
    painter.drawText(QRect(0, plot.bottom() - 16, LeftMargin - 4, 16), Qt::AlignRight, QString::number(low / 10));
    painter.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), 16), Qt::AlignLeft, clockText(from));
    painter.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), 16), Qt::AlignRight, clockText(to));
    painter.setClipRect(plot);

    painter.setPen(QPen(SetpointColor, 1, Qt::DashLine));
    painter.drawLine(plot.left(), yOf(setpointTenths), plot.right(), yOf(setpointTenths));
    painter.setPen(MarkColor);
    for (const Mark& mark : qAsConst(marks)) {
        if (mark.ms < from || mark.ms > to)
            continue;
        painter.drawLine(xOf(mark.ms), plot.top(), xOf(mark.ms), plot.top() + 6);
        painter.drawText(xOf(mark.ms) + 2, plot.top() + 12, mark.text);
    }
    drawCurve(painter, plot, from, to, low, high);
    if (focus >= 0) {
        painter.setPen(QPen(FocusColor, 1, Qt::DotLine));
        painter.drawLine(xOf(focus), plot.top(), xOf(focus), plot.bottom());
    }
}

// Each pixel column from its lowest to its highest point, joined to the next column.
void TemperatureChart::drawCurve(QPainter& painter, const QRect& plot, qint64 from, qint64 to, int low, int high) const
{
    QVector<Column> columns(plot.width());
    const auto begin = std::lower_bound(times.cbegin(), times.cend(), from);
    const auto end = std::upper_bound(begin, times.cend(), to);
    const double pixelsPerMs = double(plot.width() - 1) / double(to - from);
    const int* reading = tenths.constData() + (begin - times.cbegin());
    for (auto at = begin; at != end; ++at, ++reading) {
        Column& column = columns[qBound(0, int(double(*at - from) * pixelsPerMs), plot.width() - 1)];
        if (!column.used) {
            column = Column{*reading, *reading, *reading, *reading, true};
            continue;
        }
        column.last = *reading;
        column.low = std::min(column.low, *reading);
        column.high = std::max(column.high, *reading);
    }
    const auto yOf = [&](int tenthsOf) { return yAt(plot, tenthsOf, low, high); };
    painter.setPen(QPen(CurveColor, 1));
    const Column* previous = nullptr;
    int previousX = 0;
    for (int x = 0; x < columns.size(); ++x) {
        const Column& column = columns.at(x);
        if (!column.used)
            continue;
        if (previous)
            painter.drawLine(plot.left() + previousX, yOf(previous->last), plot.left() + x, yOf(column.first));
        painter.drawLine(plot.left() + x, yOf(column.low), plot.left() + x, yOf(column.high));
        previous = &column;
        previousX = x;
    }
}
