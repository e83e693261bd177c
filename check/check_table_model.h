#pragma once

#include <QAbstractTableModel>

class CheckRunner;

// The steps of a check as the Machine check window lists them: the step, its status, its time
// (the countdown while it runs, the time it took when it has ended) and its value (the value
// watched while it runs, the value that passed, or what was expected against what was seen).
class CheckTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { StepColumn, StatusColumn, TimeColumn, ValueColumn, ColumnCount };

    explicit CheckTableModel(const CheckRunner* runner, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void stepChanged(int step);
    QString timeText(int step) const;
    QString valueText(int step) const;

    const CheckRunner* runner;
};
