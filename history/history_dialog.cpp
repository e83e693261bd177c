#include "history/history_dialog.h"

#include "history/arriving_rows.h"
#include "history/history_csv.h"
#include "history/history_model.h"
#include "history/history_texts.h"
#include "history/program_history.h"
#include "history/temperature_chart.h"
#include "settings/settings_store.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

// Shows the rows of the groups set in `groups` (bits 1 << HistoryGroup), of a model whose
// rows are those of `history`.
class KindFilter : public QSortFilterProxyModel
{
public:
    KindFilter(const HistoryModel* events, QObject* parent)
        : QSortFilterProxyModel(parent)
        , history(events)
    {
    }
    void setGroups(int shown)
    {
        groups = shown;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& /*parent*/) const override
    {
        return (groups & 1 << int(groupOf(history->eventAt(row).kind))) != 0;
    }

private:
    const HistoryModel* history;
    int groups = 0;
};

QPointer<HistoryDialog>& programDialog()
{
    static QPointer<HistoryDialog> dialog;
    return dialog;
}

// The program's window has no parent, so that no panel's modality blocks it; it goes with
// the application.
void deleteProgramDialog()
{
    delete programDialog().data();
}

} // namespace

HistoryDialog::HistoryDialog(HistoryModel* history, QWidget* parent)
    : ClosingDialog(parent)
    , model(history)
    , arriving(new ArrivingRows(this))
    , filtered(new KindFilter(history, this))
    , kindFilter(new QComboBox(this))
    , droppedLabel(new QLabel(this))
    , exportButton(new QPushButton(tr("Export CSV…"), this))
    , fitButton(new QPushButton(tr("Fit"), this))
    , pictureButton(new QPushButton(tr("Save picture…"), this))
    , historyView(new QTableView(this))
    , temperatureChart(new TemperatureChart(history, this))
    , followTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(tr("History"));
    setWindowModality(Qt::NonModal);
    kindFilter->setObjectName(QStringLiteral("kindFilter"));
    droppedLabel->setObjectName(QStringLiteral("droppedLabel"));
    exportButton->setObjectName(QStringLiteral("exportButton"));
    historyView->setObjectName(QStringLiteral("historyView"));
    fitButton->setObjectName(QStringLiteral("fitButton"));
    pictureButton->setObjectName(QStringLiteral("pictureButton"));
    kindFilter->addItems({tr("All"), tr("Status"), tr("Temperature"), tr("Inputs and outputs"), tr("Commands"),
                          tr("Link"), tr("Machine check")});
    arriving->setSourceModel(model);
    historyView->setModel(arriving);
    historyView->verticalHeader()->hide();
    historyView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitColumns();
    historyView->setSelectionBehavior(QAbstractItemView::SelectRows);
    historyView->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("Show:"), this));
    bar->addWidget(kindFilter);
    bar->addWidget(droppedLabel, 1);
    bar->addWidget(exportButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(historyView, 3);
    column->addWidget(temperatureChart, 2);
    auto* chartBar = new QHBoxLayout;
    chartBar->addStretch(1);
    chartBar->addWidget(fitButton);
    chartBar->addWidget(pictureButton);
    column->addLayout(chartBar);
    resize(900, 640);

    connect(kindFilter, qOverload<int>(&QComboBox::currentIndexChanged), this, &HistoryDialog::filterChanged);
    connect(exportButton, &QPushButton::clicked, this, &HistoryDialog::chooseExportFile);
    connect(fitButton, &QPushButton::clicked, temperatureChart, &TemperatureChart::fit);
    connect(pictureButton, &QPushButton::clicked, this, &HistoryDialog::choosePictureFile);
    connect(model, &HistoryModel::droppedChanged, this, &HistoryDialog::showDropped);
    connect(historyView->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        const QScrollBar* scroll = historyView->verticalScrollBar();
        wasAtBottom = scroll->value() >= scroll->maximum();
    });
    // Rows come at every poll: the view takes them and scrolls to them once a second.
    followTimer->setSingleShot(true);
    followTimer->setInterval(FollowIntervalMs);
    connect(followTimer, &QTimer::timeout, this, &HistoryDialog::followNewest);
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] {
        if (!followTimer->isActive())
            followTimer->start();
    });
    filterChanged();
    showDropped();
}

// Rows as compact as a panel's fields; each column as wide as its longest text, the text last.
void HistoryDialog::fitColumns()
{
    const QFontMetrics metrics = historyView->fontMetrics();
    historyView->verticalHeader()->setMinimumSectionSize(metrics.height());
    historyView->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    QStringList kinds;
    for (int kind = 0; kind <= int(HistoryEvent::Kind::CheckStep); ++kind)
        kinds << HistoryTexts::kindTitle(HistoryEvent::Kind(kind));
    const QList<QStringList> samples{
        {QStringLiteral("00:00:00.000")}, {QLocale().toString(8888.888, 'f', 3) + QStringLiteral(" s")},
        {QStringLiteral("#00")},          kinds,
        {QStringLiteral("00000")},        {QStringLiteral("00 00 00 00 00 00 00 00")}};
    QHeaderView* header = historyView->horizontalHeader();
    for (int column = 0; column < samples.size(); ++column) {
        int width = header->fontMetrics().horizontalAdvance(model->headerData(column, Qt::Horizontal).toString());
        for (const QString& sample : samples.at(column))
            width = std::max(width, metrics.horizontalAdvance(sample));
        header->resizeSection(column, width + 2 * metrics.averageCharWidth() + 8);
    }
    header->setStretchLastSection(true);
}

HistoryDialog* HistoryDialog::showForProgram()
{
    QPointer<HistoryDialog>& dialog = programDialog();
    if (!dialog) {
        dialog = new HistoryDialog(&ProgramHistory::model());
        qAddPostRoutine(deleteProgramDialog);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

void HistoryDialog::showEvent(QShowEvent* event)
{
    temperatureChart->setSetpoint(SettingsStore::boilerTemperature());
    ClosingDialog::showEvent(event);
}

// "All" shows the model itself: a filter over a million rows costs a moment to build.
void HistoryDialog::filterChanged()
{
    const int groups = shownGroups();
    const bool all = kindFilter->currentIndex() == 0;
    // Unused, the filter leaves the model: it would map every new row for nothing.
    if (filtered->sourceModel() != (all ? nullptr : arriving))
        filtered->setSourceModel(all ? nullptr : arriving);
    static_cast<KindFilter*>(filtered)->setGroups(groups);
    QAbstractItemModel* shown = all ? static_cast<QAbstractItemModel*>(arriving) : filtered;
    if (historyView->model() != shown)
        historyView->setModel(shown);
    connect(historyView->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &HistoryDialog::rowChosen,
            Qt::UniqueConnection);
    temperatureChart->focusOn(-1);
    historyView->scrollToBottom();
    wasAtBottom = true;
}

void HistoryDialog::showDropped()
{
    droppedLabel->setText(model->dropped() > 0 ? tr("Oldest events dropped: %1").arg(model->dropped()) : QString());
}

void HistoryDialog::followNewest()
{
    if (arriving->showNew() && wasAtBottom)
        historyView->scrollToBottom();
}

void HistoryDialog::rowChosen(const QModelIndex& current)
{
    temperatureChart->focusOn(current.isValid() ? current.data(HistoryModel::TimeRole).toLongLong() : -1);
}

void HistoryDialog::chooseExportFile()
{
    auto* chooser = new QFileDialog(this, tr("Export CSV"), QString(), tr("CSV files (*.csv)"));
    chooser->setObjectName(QStringLiteral("exportFileDialog"));
    chooser->setAcceptMode(QFileDialog::AcceptSave);
    chooser->setDefaultSuffix(QStringLiteral("csv"));
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QFileDialog::fileSelected, this, &HistoryDialog::exportTo);
    chooser->open();
}

void HistoryDialog::exportTo(const QString& path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && HistoryCsv::write(*model, file, shownGroups()) && file.commit())
        return;
    message("exportFailedMessage", QMessageBox::Warning,
            tr("The CSV file %1 could not be written: %2").arg(path, file.errorString()))
        ->open();
}

void HistoryDialog::choosePictureFile()
{
    auto* chooser = new QFileDialog(this, tr("Save picture"), QString(), tr("PNG pictures (*.png)"));
    chooser->setObjectName(QStringLiteral("pictureFileDialog"));
    chooser->setAcceptMode(QFileDialog::AcceptSave);
    chooser->setDefaultSuffix(QStringLiteral("png"));
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QFileDialog::fileSelected, this, &HistoryDialog::savePicture);
    chooser->open();
}

// The curve as shown, at the screen's pixel ratio.
void HistoryDialog::savePicture(const QString& path)
{
    QSaveFile file(path);
    const QImage picture = temperatureChart->picture(temperatureChart->size(), temperatureChart->devicePixelRatioF());
    if (file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit())
        return;
    message("pictureFailedMessage", QMessageBox::Warning,
            tr("The picture %1 could not be written: %2").arg(path, file.errorString()))
        ->open();
}

// Bits 1 << HistoryGroup of the filter's choice; the first choice is every group.
int HistoryDialog::shownGroups() const
{
    const int choice = kindFilter->currentIndex();
    return choice <= 0 ? 0xff : 1 << (choice - 1);
}
