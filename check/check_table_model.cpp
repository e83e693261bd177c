#include "check/check_table_model.h"

#include "check/check_runner.h"

#include <QBrush>
#include <QColor>

CheckTableModel::CheckTableModel(const CheckRunner* checkRunner, QObject* parent)
    : QAbstractTableModel(parent)
    , runner(checkRunner)
{
    connect(runner, &CheckRunner::stepChanged, this, &CheckTableModel::stepChanged);
}

int CheckTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : runner->results().size();
}

int CheckTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CheckTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const CheckRunner::Result& result = runner->results().at(index.row());
    if (role == Qt::ForegroundRole && index.column() == StatusColumn) {
        switch (result.status) {
        case CheckRunner::Status::Passed:
            return QBrush(QColor(0x1b, 0x7f, 0x2a));
        case CheckRunner::Status::Failed:
        case CheckRunner::Status::TimedOut:
            return QBrush(QColor(0xb0, 0x1c, 0x1c));
        default:
            return QVariant();
        }
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case StepColumn:
        return runner->checklist().steps.at(index.row()).title;
    case StatusColumn:
        return CheckRunner::statusText(result.status);
    case TimeColumn:
        return timeText(index.row());
    case ValueColumn:
        return valueText(index.row());
    default:
        return QVariant();
    }
}

QVariant CheckTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case StepColumn:
        return tr("Step");
    case StatusColumn:
        return tr("Status");
    case TimeColumn:
        return tr("Time");
    case ValueColumn:
        return tr("Value");
    default:
        return QVariant();
    }
}

void CheckTableModel::stepChanged(int step)
{
    emit dataChanged(index(step, 0), index(step, ColumnCount - 1));
}

QString CheckTableModel::timeText(int step) const
{
    const CheckRunner::Result& result = runner->results().at(step);
    switch (result.status) {
    case CheckRunner::Status::Waiting:
    case CheckRunner::Status::Skipped:
        return QString();
    case CheckRunner::Status::Running:
        return tr("%1 s left").arg(static_cast<double>(runner->remainingMs(step)) / 1000.0, 0, 'f', 1);
    default:
        return tr("%1 s").arg(static_cast<double>(result.tookMs) / 1000.0, 0, 'f', 1);
    }
}

QString CheckTableModel::valueText(int step) const
{
    const CheckRunner::Result& result = runner->results().at(step);
    if (result.status == CheckRunner::Status::Running)
        return result.watched;
    if (!result.expected.isEmpty())
        return tr("expected %1, seen %2").arg(result.expected, result.seen);
    return result.seen;
}
