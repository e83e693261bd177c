#pragma once

#include <QImage>

class HistoryModel;

// The boiler temperature of a history as a picture for the report: the curve over the time of
// the history, its lowest and highest degrees and its first and last times written at the
// axes. A null image when the history holds no temperature.
QImage temperatureCurve(const HistoryModel& history, const QSize& size = QSize(900, 320));
