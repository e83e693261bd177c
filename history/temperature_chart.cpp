#include "history/temperature_chart.h"

#include "history/chart_ticks.h"
#include "history/history_model.h"
#include "history/history_texts.h"

#include <QDateTime>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr qint64 MinimumSpanMs = 2000;
constexpr int MaxTicks = 6;
constexpr double ZoomPerNotch = 0.8; // one wheel notch in shows 80 % of the span

QColor blend(const QColor& over, const QColor& under, double share)
{
    return QColor::fromRgbF(over.redF() * share + under.redF() * (1 - share),
                            over.greenF() * share + under.greenF() * (1 - share),
                            over.blueF() * share + under.blueF() * (1 - share));
}

QString clockText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss"));
}

QString degreesText(double degrees)
{
    return TemperatureChart::tr("%1 °C").arg(QLocale().toString(degrees, 'f', 1));
}

QPoint mousePoint(const QMouseEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

int localOffset(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).offsetFromUtc();
}

// One pixel column of the curve.
struct Column
{
    int first = 0, last = 0, low = 0, high = 0;
    bool used = false;
};

} // namespace

struct TemperatureChart::Layout
{
    QRect area, strip, plot;
    qint64 from = 0, to = 1;
    double low = 0, high = 1; // degrees at the plot's bottom and top
    QVector<ChartTicks::Tick> degreeTicks, timeTicks;
    QPalette palette;

    double x(qint64 ms) const { return plot.left() + double(ms - from) * (plot.width() - 1) / double(to - from); }
    double y(double degrees) const { return plot.bottom() - (degrees - low) * (plot.height() - 1) / (high - low); }
};

struct TemperatureChart::MarkGroup
{
    int x = 0, right = 0; // the mark, and where the next group's begins
    int count = 0;
    QStringList texts; // "14:30:05 Boiler On", one for each command
    QString label;
};

TemperatureChart::TemperatureChart(const HistoryModel* history, QWidget* parent)
    : QWidget(parent)
    , model(history)
{
    setObjectName(QStringLiteral("temperatureChart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Readings come at every poll: the chart shows them once a second, not at each one.
    repaintTimer.setSingleShot(true);
    repaintTimer.setInterval(RepaintIntervalMs);
    connect(&repaintTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { takeRows(first, last); });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { dropRows(first, last); });
    connect(model, &QAbstractItemModel::modelReset, this, &TemperatureChart::rebuild);
    rebuild();
}

void TemperatureChart::setSetpoint(int degrees)
{
    setpointTenths = degrees * 10;
    update();
}

void TemperatureChart::focusOn(qint64 ms)
{
    if (ms < 0) {
        fit();
        return;
    }
    focus = ms;
    showSpan(ms - FocusSpanMs / 2, ms + FocusSpanMs / 2);
}

void TemperatureChart::fit()
{
    focus = -1;
    fitted = true;
    refreshHover();
}

void TemperatureChart::showSpan(qint64 from, qint64 to)
{
    fitted = false;
    viewFrom = from;
    viewTo = std::max(to, from + 1);
    refreshHover();
}

void TemperatureChart::refreshHover()
{
    setToolTip(QString());
    if (hover.x() >= 0) {
        const QFontMetrics metrics(font());
        const Layout shape = layout(rect(), metrics);
        if (shape.strip.contains(hover)) {
            const QVector<MarkGroup> groups = markGroups(shape, metrics);
            for (const MarkGroup& group : groups) {
                if (hover.x() >= group.x - 6 && hover.x() < group.right)
                    setToolTip(group.texts.join(QLatin1Char('\n')));
            }
        }
    }
    update();
}

qint64 TemperatureChart::shownFrom() const
{
    return fitted ? wholeFrom() : viewFrom;
}

qint64 TemperatureChart::shownTo() const
{
    return fitted ? wholeTo() : viewTo;
}

qint64 TemperatureChart::wholeFrom() const
{
    const qint64 first = points.empty() ? (marks.empty() ? 0 : marks.front().ms) : points.front().ms;
    return marks.empty() ? first : std::min(first, marks.front().ms);
}

qint64 TemperatureChart::wholeTo() const
{
    const qint64 last = points.empty() ? (marks.empty() ? 1 : marks.back().ms) : points.back().ms;
    return std::max(marks.empty() ? last : std::max(last, marks.back().ms), wholeFrom() + 1);
}

QSize TemperatureChart::sizeHint() const
{
    return {600, 220};
}

QSize TemperatureChart::minimumSizeHint() const
{
    return {240, 140};
}

void TemperatureChart::takeRows(int first, int last)
{
    bool seen = fitted;
    for (int row = first; row <= last; ++row) {
        const HistoryEvent& event = model->eventAt(row);
        const qint64 number = rowsDropped + row;
        if (event.kind == HistoryEvent::Kind::Temperature)
            points.push_back({event.msSinceEpoch, number, event.value});
        else if (event.kind == HistoryEvent::Kind::Command)
            marks.push_back({event.msSinceEpoch, number, HistoryTexts::text(event)});
        else
            continue;
        seen = seen || (event.msSinceEpoch >= viewFrom && event.msSinceEpoch <= viewTo);
    }
    if (seen && !repaintTimer.isActive())
        repaintTimer.start();
}

// The model drops its oldest rows from the front: so do the points, without a rebuild.
void TemperatureChart::dropRows(int first, int last)
{
    if (first != 0) {
        rebuild();
        return;
    }
    rowsDropped += last + 1;
    while (!points.empty() && points.front().number < rowsDropped)
        points.pop_front();
    while (!marks.empty() && marks.front().number < rowsDropped)
        marks.pop_front();
    update();
}

void TemperatureChart::rebuild()
{
    points.clear();
    marks.clear();
    rowsDropped = 0;
    if (model->count() > 0)
        takeRows(0, model->count() - 1);
    update();
}

QRect TemperatureChart::plotArea(const QRect& area) const
{
    return layout(area, QFontMetrics(font())).plot;
}

TemperatureChart::Layout TemperatureChart::layout(const QRect& area, const QFontMetrics& metrics) const
{
    Layout shape;
    shape.area = area;
    shape.palette = palette();
    shape.from = shownFrom();
    shape.to = shownTo();
    int lowest = setpointTenths, highest = setpointTenths;
    const auto begin = std::lower_bound(points.cbegin(), points.cend(), shape.from,
                                        [](const Point& point, qint64 ms) { return point.ms < ms; });
    for (auto at = begin; at != points.cend() && at->ms <= shape.to; ++at) {
        lowest = std::min(lowest, at->tenths);
        highest = std::max(highest, at->tenths);
    }
    const double middle = (lowest + highest) / 20.0, half = std::max(0.5, (highest - lowest) / 20.0 * 1.08);
    shape.low = middle - half;
    shape.high = middle + half;

    const int line = metrics.height();
    const int top = area.top() + line + 8, bottom = area.bottom() - line - 6;
    shape.degreeTicks =
        ChartTicks::temperature(shape.low, shape.high, std::clamp((bottom - top) * 2 / (3 * line), 2, MaxTicks));
    int labelWidth = metrics.horizontalAdvance(tr("°C"));
    for (const ChartTicks::Tick& tick : qAsConst(shape.degreeTicks))
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(tick.label));
    const int timeWidth = metrics.horizontalAdvance(QStringLiteral("00:00:00"));
    const int left = area.left() + labelWidth + 10, right = area.right() - timeWidth / 2 - 2;
    shape.strip = QRect(QPoint(left, area.top() + 2), QPoint(right, top - 3));
    shape.plot = QRect(QPoint(left, top), QPoint(right, bottom));
    shape.timeTicks = ChartTicks::time(shape.from, shape.to, localOffset(shape.from),
                                       std::clamp(shape.plot.width() / (timeWidth + 24), 2, MaxTicks));
    return shape;
}

void TemperatureChart::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    draw(painter, rect());
}

void TemperatureChart::draw(QPainter& painter, const QRect& area) const
{
    painter.save();
    painter.setFont(font());
    const QFontMetrics metrics(font(), painter.device());
    const QPalette& colours = palette();
    painter.fillRect(area, colours.color(QPalette::Base));
    const Layout shape = layout(area, metrics);
    if ((points.empty() && marks.empty()) || shape.plot.width() < 2 || shape.plot.height() < 2) {
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(area, Qt::AlignCenter, tr("No temperature yet"));
        painter.restore();
        return;
    }
    drawGrid(painter, shape);
    painter.setClipRect(shape.plot);
    drawSetpoint(painter, shape);
    drawCurve(painter, shape);
    if (focus >= shape.from && focus <= shape.to) {
        painter.setPen(QPen(blend(colours.color(QPalette::Text), colours.color(QPalette::Base), 0.6), 1, Qt::DotLine));
        painter.drawLine(QPointF(std::round(shape.x(focus)) + 0.5, shape.plot.top()),
                         QPointF(std::round(shape.x(focus)) + 0.5, shape.plot.bottom()));
    }
    painter.setClipping(false);
    drawMarks(painter, shape);
    drawHover(painter, shape);
    painter.restore();
}

// The light grid at each tick, the ticks' labels, the unit and the plot's frame.
void TemperatureChart::drawGrid(QPainter& painter, const Layout& shape) const
{
    const QColor text = shape.palette.color(QPalette::Text), base = shape.palette.color(QPalette::Base);
    const QRect& plot = shape.plot;
    const int line = painter.fontMetrics().height();
    for (const ChartTicks::Tick& tick : shape.degreeTicks) {
        const int y = int(std::round(shape.y(tick.value)));
        painter.fillRect(plot.left(), y, plot.width(), 1, blend(text, base, 0.15));
        painter.fillRect(plot.left() - 4, y, 4, 1, blend(text, base, 0.6));
        painter.setPen(text);
        painter.drawText(QRect(shape.area.left(), y - line / 2, plot.left() - 6 - shape.area.left(), line),
                         Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    for (const ChartTicks::Tick& tick : shape.timeTicks) {
        const int x = int(std::round(shape.x(qint64(tick.value))));
        painter.fillRect(x, plot.top(), 1, plot.height(), blend(text, base, 0.15));
        painter.fillRect(x, plot.bottom() + 1, 1, 4, blend(text, base, 0.6));
        painter.setPen(text);
        // Centred under its tick, but not past the chart's edges.
        const int width = painter.fontMetrics().horizontalAdvance(tick.label) + 2;
        const int left = std::clamp(x - width / 2, shape.area.left(), shape.area.right() - width);
        painter.drawText(QRect(left, plot.bottom() + 4, width, line), Qt::AlignHCenter | Qt::AlignTop, tick.label);
    }
    painter.setPen(text);
    painter.drawText(QRect(shape.area.left(), shape.strip.top(), plot.left() - 6 - shape.area.left(), line),
                     Qt::AlignRight | Qt::AlignVCenter, tr("°C"));
    painter.setPen(blend(text, base, 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
}

void TemperatureChart::drawSetpoint(QPainter& painter, const Layout& shape) const
{
    if (setpointTenths <= 0)
        return;
    const QColor colour = shape.palette.color(QPalette::Link);
    const int y = int(std::round(shape.y(setpointTenths / 10.0)));
    painter.setPen(QPen(colour, 1, Qt::DashLine));
    painter.drawLine(shape.plot.left(), y, shape.plot.right(), y);
    const QString label = tr("Setpoint %1").arg(degreesText(setpointTenths / 10.0));
    const QFontMetrics metrics = painter.fontMetrics();
    QRect box(0, 0, metrics.horizontalAdvance(label) + 8, metrics.height());
    const bool above = y - box.height() - 2 > shape.plot.top();
    box.moveTopRight(QPoint(shape.plot.right() - 4, above ? y - box.height() - 1 : y + 2));
    painter.fillRect(box, shape.palette.color(QPalette::Base));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, label);
}

// Marks nearer each other than a mark's width and a short label are drawn as one.
QVector<TemperatureChart::MarkGroup> TemperatureChart::markGroups(const Layout& shape,
                                                                  const QFontMetrics& metrics) const
{
    QVector<MarkGroup> groups;
    const int gap = metrics.horizontalAdvance(QStringLiteral("0000"));
    const auto begin = std::lower_bound(marks.cbegin(), marks.cend(), shape.from,
                                        [](const Mark& mark, qint64 ms) { return mark.ms < ms; });
    for (auto at = begin; at != marks.cend() && at->ms <= shape.to; ++at) {
        const int x = int(std::round(shape.x(at->ms)));
        if (groups.isEmpty() || x - groups.last().x >= gap)
            groups.append({x, shape.strip.right() + 1, 0, {}, at->text});
        MarkGroup& group = groups.last();
        ++group.count;
        group.texts << clockText(at->ms) + QLatin1Char(' ') + at->text;
    }
    for (int i = 0; i + 1 < groups.size(); ++i)
        groups[i].right = groups[i + 1].x - 6;
    return groups;
}

// Each group: a triangle (a badge with the count for several) and the first command's text.
void TemperatureChart::drawMarks(QPainter& painter, const Layout& shape) const
{
    const QColor text = shape.palette.color(QPalette::Text), base = shape.palette.color(QPalette::Base);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect& strip = shape.strip;
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QVector<MarkGroup> groups = markGroups(shape, metrics);
    for (const MarkGroup& group : groups) {
        painter.fillRect(group.x, shape.plot.top(), 1, shape.plot.height(), blend(text, base, 0.35));
        int textLeft = group.x + 7;
        painter.setPen(Qt::NoPen);
        painter.setBrush(text);
        if (group.count == 1) {
            const QPointF corners[] = {{group.x - 5.0, double(strip.bottom() - 8)},
                                       {group.x + 6.0, double(strip.bottom() - 8)},
                                       {group.x + 0.5, double(strip.bottom() + 1)}};
            painter.drawPolygon(corners, 3);
        } else {
            const QString count = QString::number(group.count);
            const QRect badge(group.x - 4, strip.bottom() - metrics.height() + 1, metrics.horizontalAdvance(count) + 9,
                              metrics.height());
            painter.drawRoundedRect(badge, 4, 4);
            painter.setPen(base);
            painter.drawText(badge, Qt::AlignCenter, count);
            textLeft = badge.right() + 4;
        }
        painter.setPen(text);
        const QRect room(QPoint(textLeft, strip.bottom() - metrics.height() + 1), QPoint(group.right, strip.bottom()));
        if (room.width() > metrics.horizontalAdvance(QStringLiteral("…")))
            painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(group.label, Qt::ElideRight, room.width()));
    }
    painter.setBrush(Qt::NoBrush);
}

// Each pixel column from its lowest to its highest point, joined to the next column, 2 pixels
// wide and smoothed, so that it stays sharp on a screen with more device pixels.
void TemperatureChart::drawCurve(QPainter& painter, const Layout& shape) const
{
    const QRect& plot = shape.plot;
    QVector<Column> columns(plot.width());
    const auto begin = std::lower_bound(points.cbegin(), points.cend(), shape.from,
                                        [](const Point& point, qint64 ms) { return point.ms < ms; });
    for (auto at = begin; at != points.cend() && at->ms <= shape.to; ++at) {
        Column& column = columns[qBound(0, int(shape.x(at->ms)) - plot.left(), plot.width() - 1)];
        if (!column.used) {
            column = Column{at->tenths, at->tenths, at->tenths, at->tenths, true};
            continue;
        }
        column.last = at->tenths;
        column.low = std::min(column.low, at->tenths);
        column.high = std::max(column.high, at->tenths);
    }
    // The line comes in from the reading before the span and goes on to the one after it.
    QPainterPath path;
    if (begin != points.cbegin())
        path.moveTo(shape.x(std::prev(begin)->ms), shape.y(std::prev(begin)->tenths / 10.0));
    const auto lineTo = [&path](double x, double y) {
        if (path.elementCount() == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    };
    for (int x = 0; x < columns.size(); ++x) {
        const Column& column = columns.at(x);
        if (!column.used)
            continue;
        const double at = plot.left() + x + 0.5;
        lineTo(at, shape.y(column.first / 10.0));
        if (column.low != column.high) {
            lineTo(at, shape.y(column.low / 10.0));
            lineTo(at, shape.y(column.high / 10.0));
        }
        lineTo(at, shape.y(column.last / 10.0));
    }
    const auto after =
        std::upper_bound(begin, points.cend(), shape.to, [](qint64 ms, const Point& point) { return ms < point.ms; });
    if (after != points.cend())
        lineTo(shape.x(after->ms), shape.y(after->tenths / 10.0));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(shape.palette.color(QPalette::Highlight), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// A line at the mouse and the time and temperature there, in the plot's top left corner.
void TemperatureChart::drawHover(QPainter& painter, const Layout& shape) const
{
    if (!shape.plot.contains(hover) || dragX >= 0)
        return;
    const QColor text = shape.palette.color(QPalette::ToolTipText);
    painter.fillRect(hover.x(), shape.plot.top(), 1, shape.plot.height(), shape.palette.color(QPalette::Text));
    const qint64 ms = timeAt(shape, hover.x());
    const int tenths = readingAt(ms);
    const QString readout =
        clockText(ms) + QStringLiteral("   ") + (tenths == INT_MIN ? QStringLiteral("—") : degreesText(tenths / 10.0));
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect box(shape.plot.left() + 4, shape.plot.top() + 4, metrics.horizontalAdvance(readout) + 12,
                    metrics.height() + 6);
    painter.fillRect(box, shape.palette.color(QPalette::ToolTipBase));
    painter.setPen(text);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, readout);
}

qint64 TemperatureChart::timeAt(const Layout& shape, int x) const
{
    return shape.from
        + qint64(std::round(double(x - shape.plot.left()) * double(shape.to - shape.from)
                            / std::max(1, shape.plot.width() - 1)));
}

// The temperature shown at `ms`: the last reading before it; INT_MIN before the first.
int TemperatureChart::readingAt(qint64 ms) const
{
    const auto after = std::upper_bound(points.cbegin(), points.cend(), ms,
                                        [](qint64 at, const Point& point) { return at < point.ms; });
    return after == points.cbegin() ? INT_MIN : std::prev(after)->tenths;
}

QImage TemperatureChart::picture(const QSize& size, qreal pixelRatio) const
{
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    draw(painter, QRect(QPoint(0, 0), size));
    return image;
}

void TemperatureChart::wheelEvent(QWheelEvent* event)
{
    const Layout shape = layout(rect(), QFontMetrics(font()));
    const int notches = event->angleDelta().y();
    if (notches == 0 || shape.to <= shape.from)
        return;
    const double factor = std::pow(ZoomPerNotch, notches / 120.0);
    const qint64 span = shape.to - shape.from;
    const qint64 wanted = std::max(MinimumSpanMs, qint64(std::llround(double(span) * factor)));
    if (factor > 1 && wanted >= wholeTo() - wholeFrom()) {
        fit();
    } else {
        const int x = std::clamp(int(event->position().x()), shape.plot.left(), shape.plot.right());
        const qint64 at = timeAt(shape, x);
        const qint64 from = at - qint64(std::llround(double(at - shape.from) * double(wanted) / double(span)));
        showSpan(from, from + wanted);
    }
    event->accept();
}

void TemperatureChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !plotArea(rect()).contains(mousePoint(event)))
        return QWidget::mousePressEvent(event);
    dragX = mousePoint(event).x();
    dragFrom = shownFrom();
    dragTo = shownTo();
    setCursor(Qt::ClosedHandCursor);
}

void TemperatureChart::mouseMoveEvent(QMouseEvent* event)
{
    hover = mousePoint(event);
    if (dragX >= 0) {
        const int width = std::max(1, plotArea(rect()).width() - 1);
        const qint64 shift =
            qint64(std::llround(double(dragX - mousePoint(event).x()) * double(dragTo - dragFrom) / width));
        showSpan(dragFrom + shift, dragTo + shift);
        return;
    }
    refreshHover();
}

void TemperatureChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || dragX < 0)
        return QWidget::mouseReleaseEvent(event);
    dragX = -1;
    unsetCursor();
    update();
}

void TemperatureChart::leaveEvent(QEvent* event)
{
    hover = QPoint(-1, -1);
    refreshHover();
    QWidget::leaveEvent(event);
}
