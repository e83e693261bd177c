#include "history/history_model.h"

#include "history/history_texts.h"
#include "link/link_trace.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <climits>

namespace {

bool lasts(HistoryEvent::Kind kind)
{
    using Kind = HistoryEvent::Kind;
    return kind == Kind::Mode || kind == Kind::State || kind == Kind::Error || kind == Kind::Input
        || kind == Kind::Output;
}

// What a value belongs to: a link's mode, state or error, or one of its inputs or outputs.
qint64 kindOfLink(const HistoryEvent& event)
{
    const bool device = event.kind == HistoryEvent::Kind::Input || event.kind == HistoryEvent::Kind::Output;
    return qint64(event.link) << 16 | qint64(event.kind) << 8 | (device ? qint64(event.code & 0xff) : 0);
}

QString lastedText(qint32 ms)
{
    return ms < 0 ? QString() : QLocale().toString(ms / 1000.0, 'f', 3) + QStringLiteral(" s");
}

} // namespace

HistoryModel::HistoryModel(int maxEvents, QObject* parent)
    : QAbstractTableModel(parent)
    , limit(maxEvents)
    , dropBlock(std::max(1, maxEvents / 100))
{
}

void HistoryModel::append(const HistoryEvent& event)
{
    if (count() >= limit)
        dropOldest(std::min(count(), dropBlock));
    beginInsertRows(QModelIndex(), count(), count());
    events.push_back(event);
    noteLasting(count() - 1);
    endInsertRows();
}

void HistoryModel::appendAll(const QVector<HistoryEvent>& more)
{
    const int taken = qMin(more.size(), limit);
    const int overflow = count() + taken - limit;
    if (overflow > 0)
        dropOldest(qMin(overflow, count()));
    firstNumber += more.size() - taken; // dropped before they were ever shown
    if (taken == 0)
        return;
    beginInsertRows(QModelIndex(), count(), count() + taken - 1);
    for (int i = more.size() - taken; i < more.size(); ++i) {
        events.push_back(more.at(i));
        noteLasting(count() - 1);
    }
    endInsertRows();
    if (more.size() > taken)
        emit droppedChanged(firstNumber);
}

// The previous event of the same kind on the same link lasted until this one.
void HistoryModel::noteLasting(int row)
{
    HistoryEvent& latest = events[size_t(row)];
    if (!lasts(latest.kind))
        return;
    const qint64 number = firstNumber + row;
    const auto previous = latestOfKind.find(kindOfLink(latest));
    if (previous != latestOfKind.end() && previous.value() >= firstNumber) {
        const int previousRow = int(previous.value() - firstNumber);
        HistoryEvent& earlier = events[size_t(previousRow)];
        earlier.lastedMs = qint32(std::clamp<qint64>(latest.msSinceEpoch - earlier.msSinceEpoch, 0, INT_MAX));
        const QModelIndex changed = index(previousRow, LastedColumn);
        emit dataChanged(changed, changed);
    }
    latestOfKind.insert(kindOfLink(latest), number);
}

void HistoryModel::dropOldest(int dropping)
{
    beginRemoveRows(QModelIndex(), 0, dropping - 1);
    events.erase(events.begin(), events.begin() + dropping);
    firstNumber += dropping;
    endRemoveRows();
    emit droppedChanged(firstNumber);
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return QVariant();
    const HistoryEvent& shown = eventAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return display(shown, index.column());
    case Qt::ToolTipRole:
        return index.column() == TimeColumn ? LinkTrace::timeText({shown.msSinceEpoch, shown.offsetSeconds})
                                            : QVariant();
    case KindRole:
        return int(shown.kind);
    case TimeRole:
        return shown.msSinceEpoch;
    default:
        return QVariant();
    }
}

QString HistoryModel::display(const HistoryEvent& shown, int column) const
{
    switch (column) {
    case TimeColumn:
        return QDateTime::fromMSecsSinceEpoch(shown.msSinceEpoch, Qt::OffsetFromUTC, shown.offsetSeconds)
            .toString(QStringLiteral("HH:mm:ss.zzz"));
    case LastedColumn:
        return lastedText(shown.lastedMs);
    case PanelColumn:
        return QStringLiteral("#%1").arg(shown.link);
    case WhatColumn:
        return HistoryTexts::kindTitle(shown.kind);
    case CodeColumn:
        return HistoryTexts::shownCode(shown);
    case ValueColumn:
        return HistoryTexts::shownValue(shown);
    default:
        return HistoryTexts::name(shown);
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TimeColumn:
        return tr("Time");
    case LastedColumn:
        return tr("Lasted");
    case PanelColumn:
        return tr("Link");
    case WhatColumn:
        return tr("What");
    case CodeColumn:
        return tr("Code");
    case ValueColumn:
        return tr("Value");
    default:
        return tr("Text");
    }
}
