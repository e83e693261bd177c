#pragma once

#include <QAbstractProxyModel>

// A flat table model that grows at its end, its new rows held back until showNew(): a view
// then lays out a batch of rows at once instead of each as it comes (over a million rows, one
// layout costs about a millisecond). Removals and changes of shown rows pass at once.
class ArrivingRows : public QAbstractProxyModel
{
    Q_OBJECT

public:
    using QAbstractProxyModel::QAbstractProxyModel;

    void setSourceModel(QAbstractItemModel* source) override;
    // Shows the rows appended since the last call; false when there were none.
    bool showNew();

    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void sourceRemoving(int first, int last);
    void sourceChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);

    int shown = 0;
    int removing = 0; // of the rows the source is removing, those shown
};
