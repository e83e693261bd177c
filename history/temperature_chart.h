#pragma once

#include <QVector>
#include <QWidget>

class HistoryModel;

// The boiler temperature of the history over time, drawn with QPainter: with more points than
// pixels, the lowest and highest of each pixel column. A dashed line shows the setpoint, a
// mark each command. It shows the whole history, or the minutes around a chosen moment.
class TemperatureChart : public QWidget
{
    Q_OBJECT

public:
    // The span shown around a chosen moment.
    static constexpr qint64 FocusSpanMs = 10 * 60 * 1000;

    explicit TemperatureChart(const HistoryModel* model, QWidget* parent = nullptr);

    void setSetpoint(int degrees);
    // Shows the moment `ms` (since 1970) with a line; -1 shows the whole history again.
    void focusOn(qint64 ms);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Mark
    {
        qint64 ms;
        QString text;
    };

    void takeRows(int first, int last);
    void rebuild();
    void drawCurve(class QPainter& painter, const QRect& plot, qint64 from, qint64 to, int low, int high) const;

    const HistoryModel* model;
    QVector<qint64> times; // the temperature events, in order
    QVector<int> tenths;
    QVector<Mark> marks; // the commands
    int setpointTenths = 0;
    qint64 focus = -1;
};
