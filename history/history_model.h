#pragma once

#include "history/history_event.h"

#include <QAbstractTableModel>
#include <QHash>

#include <deque>

// The history of a run: its events in the order they came, for the History window's table,
// its curve and the CSV. Bounded: an event beyond `limit` drops the oldest hundredth at once
// (counted), so that each append costs the same however full the history is.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TimeColumn, LastedColumn, PanelColumn, WhatColumn, CodeColumn, ValueColumn, TextColumn, ColumnCount };
    enum Role { KindRole = Qt::UserRole, TimeRole };

    static constexpr int DefaultLimit = 1000000;

    explicit HistoryModel(int limit = DefaultLimit, QObject* parent = nullptr);

    void append(const HistoryEvent& event);
    // Many at once, as from a trace: one insertion for the views, and exactly the newest `limit`
    // kept.
    void appendAll(const QVector<HistoryEvent>& events);

    const HistoryEvent& eventAt(int row) const { return events[size_t(row)]; }
    int count() const { return int(events.size()); }
    // The events dropped for the bound since the run began.
    qint64 dropped() const { return firstNumber; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void droppedChanged(qint64 dropped);

private:
    void noteLasting(int row);
    void dropOldest(int count);
    QString display(const HistoryEvent& event, int column) const;

    const int limit;
    const int dropBlock; // the events an append to a full history drops
    std::deque<HistoryEvent> events;
    qint64 firstNumber = 0; // the number of the oldest event kept, counting every event of the run
    // The number of the latest mode, state and error of each link, for how long it lasted.
    QHash<qint64, qint64> latestOfKind;
};
