#pragma once

#include <QPoint>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <deque>

class HistoryModel;
class QPainter;

// The boiler temperature of the history over time, drawn with QPainter in the palette's
// colours: round ticks and a light grid on both axes, the setpoint as a labelled dashed line,
// the commands on a strip above the plot (those too close together as one mark with their
// count). With more points than pixels, the lowest and highest of each pixel column.
// The wheel zooms the time axis around the mouse, dragging pans it, fit() shows everything;
// hovering reads the time and temperature under the mouse.
class TemperatureChart : public QWidget
{
    Q_OBJECT

public:
    // The span shown around a chosen moment.
    static constexpr qint64 FocusSpanMs = 10 * 60 * 1000;
    static constexpr int RepaintIntervalMs = 1000;

    explicit TemperatureChart(const HistoryModel* model, QWidget* parent = nullptr);

    void setSetpoint(int degrees);
    // Shows the minutes around the moment `ms` (since 1970) with a line; -1 fits.
    void focusOn(qint64 ms);
    // Shows the whole history, following new points.
    void fit();

    // Draws the chart as it is shown into `area` of whatever `painter` paints on (this
    // widget, a picture, a report), with this widget's palette and font.
    void draw(QPainter& painter, const QRect& area) const;
    // The chart drawn on a picture of `size` device-independent pixels.
    QImage picture(const QSize& size, qreal pixelRatio = 1.0) const;

    // The times shown, in ms since 1970, and where the plot lies in `area`.
    qint64 shownFrom() const;
    qint64 shownTo() const;
    QRect plotArea(const QRect& area) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Point
    {
        qint64 ms;
        qint64 number; // counts the model's rows since the last reset, so that dropped rows go
        int tenths;
    };
    struct Mark
    {
        qint64 ms;
        qint64 number;
        QString text;
    };
    struct Layout;
    struct MarkGroup;

    void takeRows(int first, int last);
    void dropRows(int first, int last);
    void rebuild();
    qint64 wholeFrom() const;
    qint64 wholeTo() const;
    void showSpan(qint64 from, qint64 to);
    void refreshHover();

    Layout layout(const QRect& area, const QFontMetrics& metrics) const;
    QVector<MarkGroup> markGroups(const Layout& shape, const QFontMetrics& metrics) const;
    void drawGrid(QPainter& painter, const Layout& shape) const;
    void drawSetpoint(QPainter& painter, const Layout& shape) const;
    void drawMarks(QPainter& painter, const Layout& shape) const;
    void drawCurve(QPainter& painter, const Layout& shape) const;
    void drawHover(QPainter& painter, const Layout& shape) const;
    qint64 timeAt(const Layout& shape, int x) const;
    int readingAt(qint64 ms) const;

    const HistoryModel* model;
    std::deque<Point> points; // the temperature events, in order
    std::deque<Mark> marks;   // the commands
    qint64 rowsDropped = 0;
    int setpointTenths = 0;
    qint64 focus = -1;
    bool fitted = true;
    qint64 viewFrom = 0, viewTo = 0;
    QTimer repaintTimer;
    QPoint hover{-1, -1};
    int dragX = -1;
    qint64 dragFrom = 0, dragTo = 0;
};
