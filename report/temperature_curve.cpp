#include "report/temperature_curve.h"

#include "history/history_model.h"

#include <QDateTime>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

QString degrees(int tenths)
{
    return QStringLiteral("%1 °C").arg(tenths / 10.0, 0, 'f', 1);
}

QString clock(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

QImage temperatureCurve(const HistoryModel& history, const QSize& size)
{
    QVector<QPointF> points; // ms, tenths
    for (int row = 0; row < history.count(); ++row) {
        const HistoryEvent& event = history.eventAt(row);
        if (event.kind == HistoryEvent::Kind::Temperature)
            points.append(QPointF(double(event.msSinceEpoch), event.value));
    }
    if (points.isEmpty())
        return QImage();
    const auto [low, high] = std::minmax_element(points.cbegin(), points.cend(),
                                                 [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    const double lowTenths = low->y();
    const double highTenths = std::max(high->y(), lowTenths + 10);
    const double from = points.first().x();
    const double to = std::max(points.last().x(), from + 1000);

    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(80, 20, size.width() - 100, size.height() - 60);
    painter.setPen(QColor(0x59, 0x59, 0x59));
    painter.drawRect(plot);
    painter.drawText(QRectF(0, plot.top() - 10, plot.left() - 8, 20), Qt::AlignRight | Qt::AlignVCenter,
                     degrees(int(highTenths)));
    painter.drawText(QRectF(0, plot.bottom() - 10, plot.left() - 8, 20), Qt::AlignRight | Qt::AlignVCenter,
                     degrees(int(lowTenths)));
    painter.drawText(QRectF(plot.left(), plot.bottom() + 6, 200, 20), Qt::AlignLeft, clock(qint64(from)));
    painter.drawText(QRectF(plot.right() - 200, plot.bottom() + 6, 200, 20), Qt::AlignRight, clock(qint64(to)));

    QPainterPath path;
    for (const QPointF& point : points) {
        const QPointF at(plot.left() + (point.x() - from) / (to - from) * plot.width(),
                         plot.bottom() - (point.y() - lowTenths) / (highTenths - lowTenths) * plot.height());
        if (path.elementCount() == 0) {
            path.moveTo(at);
        } else { // a reading holds until the next one
            path.lineTo(QPointF(at.x(), path.currentPosition().y()));
            path.lineTo(at);
        }
    }
    painter.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 3));
    painter.drawPath(path);
    return image;
}
