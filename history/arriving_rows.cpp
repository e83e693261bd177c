#include "history/arriving_rows.h"

#include <algorithm>

void ArrivingRows::setSourceModel(QAbstractItemModel* source)
{
    beginResetModel();
    if (sourceModel() != nullptr)
        disconnect(sourceModel(), nullptr, this, nullptr);
    QAbstractProxyModel::setSourceModel(source);
    shown = source != nullptr ? source->rowCount() : 0;
    if (source != nullptr) {
        connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [this](const QModelIndex&, int first, int last) { sourceRemoving(first, last); });
        connect(source, &QAbstractItemModel::rowsRemoved, this, [this] {
            if (removing > 0) {
                shown -= removing;
                removing = 0;
                endRemoveRows();
            }
        });
        connect(source, &QAbstractItemModel::dataChanged, this, &ArrivingRows::sourceChanged);
        connect(source, &QAbstractItemModel::modelAboutToBeReset, this, &ArrivingRows::beginResetModel);
        connect(source, &QAbstractItemModel::modelReset, this, [this] {
            shown = sourceModel()->rowCount();
            endResetModel();
        });
    }
    endResetModel();
}

bool ArrivingRows::showNew()
{
    const int total = sourceModel() != nullptr ? sourceModel()->rowCount() : 0;
    if (total <= shown)
        return false;
    beginInsertRows(QModelIndex(), shown, total - 1);
    shown = total;
    endInsertRows();
    return true;
}

void ArrivingRows::sourceRemoving(int first, int last)
{
    removing = std::max(0, std::min(last, shown - 1) - first + 1);
    if (removing > 0)
        beginRemoveRows(QModelIndex(), first, first + removing - 1);
}

void ArrivingRows::sourceChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles)
{
    const int last = std::min(bottomRight.row(), shown - 1);
    if (topLeft.row() <= last)
        emit dataChanged(index(topLeft.row(), topLeft.column()), index(last, bottomRight.column()), roles);
}

QModelIndex ArrivingRows::mapToSource(const QModelIndex& proxyIndex) const
{
    return proxyIndex.isValid() && sourceModel() != nullptr
        ? sourceModel()->index(proxyIndex.row(), proxyIndex.column())
        : QModelIndex();
}

QModelIndex ArrivingRows::mapFromSource(const QModelIndex& sourceIndex) const
{
    return sourceIndex.isValid() ? index(sourceIndex.row(), sourceIndex.column()) : QModelIndex();
}

QModelIndex ArrivingRows::index(int row, int column, const QModelIndex& parent) const
{
    return !parent.isValid() && row >= 0 && row < shown && column >= 0 && column < columnCount()
        ? createIndex(row, column)
        : QModelIndex();
}

QModelIndex ArrivingRows::parent(const QModelIndex& /*child*/) const
{
    return QModelIndex();
}

int ArrivingRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown;
}

int ArrivingRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || sourceModel() == nullptr ? 0 : sourceModel()->columnCount();
}

bool ArrivingRows::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && shown > 0;
}

QVariant ArrivingRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    return sourceModel() != nullptr ? sourceModel()->headerData(section, orientation, role) : QVariant();
}
