#pragma once

#include "shell/closingdialog.h"

class ArrivingRows;
class HistoryModel;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;
class TemperatureChart;

// The History window: the table of a history (historyView) with a filter by kind, how many
// of the oldest events were dropped, the temperature curve (temperatureChart), and
// "Export CSV…" (exportButton), and under the curve "Fit" (fitButton) and "Save picture…"
// (pictureButton). Not modal: it stays beside the panels, takes new rows every
// FollowIntervalMs and follows the newest unless the technician has scrolled up.
class HistoryDialog : public ClosingDialog
{
    Q_OBJECT

public:
    static constexpr int FollowIntervalMs = 1000;

    explicit HistoryDialog(HistoryModel* model, QWidget* parent = nullptr);

    // The program's one History window on the history of this run, shown and raised.
    static HistoryDialog* showForProgram();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitColumns();
    void filterChanged();
    void showDropped();
    void followNewest();
    void rowChosen(const QModelIndex& current);
    void chooseExportFile();
    void exportTo(const QString& path);
    void choosePictureFile();
    void savePicture(const QString& path);
    int shownGroups() const;

    HistoryModel* model;
    ArrivingRows* arriving; // the model's rows as the table takes them
    QSortFilterProxyModel* filtered;
    QComboBox* kindFilter;
    QLabel* droppedLabel;
    QPushButton* exportButton;
    QPushButton* fitButton;
    QPushButton* pictureButton;
    QTableView* historyView;
    TemperatureChart* temperatureChart;
    QTimer* followTimer;
    bool wasAtBottom = true;
};
