#include "machines/machines_dialog.h"

#include "machines/machine_form.h"
#include "machines/machine_store.h"
#include "report/visit_report.h"
#include "visits/visit_folder.h"
#include "visits/visit_recorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

#include <algorithm>

namespace {

enum Column { NameColumn, SiteColumn, AddressColumn, LastVisitColumn, OutcomeColumn, ColumnCount };

struct Row
{
    Machine machine;
    VisitFolder::Info last; // of the last visit; begin invalid when none
};

} // namespace

MachinesDialog::MachinesDialog(MachineStore* machines, QWidget* parent)
    : ClosingDialog(parent)
    , store(machines)
{
    setWindowTitle(tr("Machines"));
    setWindowFlags(Qt::Window);
    table = new QTableWidget(0, ColumnCount, this);
    table->setObjectName(QStringLiteral("machinesTable"));
    table->setHorizontalHeaderLabels({tr("Name"), tr("Site"), tr("Address"), tr("Last visit"), tr("Outcome")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    connect(table, &QTableWidget::itemSelectionChanged, this, &MachinesDialog::refreshVisits);
    connect(table, &QTableWidget::cellDoubleClicked, this, &MachinesDialog::choose);

    auto* grid = new QGridLayout;
    buildButtons(grid);

    noteEdit = new QLineEdit(this);
    noteEdit->setObjectName(QStringLiteral("noteEdit"));
    noteEdit->setPlaceholderText(tr("Note to this visit, e.g. replaced pump seal"));
    connect(noteEdit, &QLineEdit::textEdited, this, [](const QString& note) { VisitRecorder::setNote(note); });

    visitBox = new QComboBox(this);
    visitBox->setObjectName(QStringLiteral("visitBox"));
    withAddressBox = new QCheckBox(tr("Include the controller's address"), this);
    withAddressBox->setObjectName(QStringLiteral("withAddressBox"));
    auto* reportButton = new QPushButton(tr("Report…"), this);
    reportButton->setObjectName(QStringLiteral("reportButton"));
    connect(reportButton, &QPushButton::clicked, this, [this] {
        openFileDialog("reportFileDialog", QFileDialog::AnyFile, tr("Save the report"),
                       [this](const QString& path) { writeReport(path); });
    });
    auto* visitRow = new QHBoxLayout;
    visitRow->addWidget(new QLabel(tr("Visit"), this));
    visitRow->addWidget(visitBox, 1);
    visitRow->addWidget(withAddressBox);
    visitRow->addWidget(reportButton);

    usageLabel = new QLabel(this);
    usageLabel->setObjectName(QStringLiteral("usageLabel"));
    limitSpinBox = new QSpinBox(this);
    limitSpinBox->setObjectName(QStringLiteral("limitSpinBox"));
    limitSpinBox->setRange(1, 1024 * 1024);
    limitSpinBox->setSuffix(tr(" MB"));
    connect(limitSpinBox, &QSpinBox::editingFinished, this, [this] {
        VisitRecorder::setLimitMb(limitSpinBox->value());
        VisitFolder::keepWithin(store->folder(), qint64(limitSpinBox->value()) * 1024 * 1024,
                                VisitRecorder::currentFolder());
        refresh();
    });
    auto* usageRow = new QHBoxLayout;
    usageRow->addWidget(usageLabel, 1);
    usageRow->addWidget(new QLabel(tr("Limit"), this));
    usageRow->addWidget(limitSpinBox);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table, 1);
    layout->addLayout(grid);
    layout->addWidget(noteEdit);
    layout->addLayout(visitRow);
    layout->addLayout(usageRow);
    resize(900, 560);
}

void MachinesDialog::buildButtons(QGridLayout* grid)
{
    const auto add = [this, grid](const char* name, const QString& text, int column, auto slot) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        grid->addWidget(button, column / 4, column % 4);
    };
    add("chooseButton", tr("Choose"), 0, [this] { choose(); });
    add("addButton", tr("Add…"), 1, [this] { edit(true); });
    add("editButton", tr("Edit…"), 2, [this] { edit(false); });
    add("duplicateButton", tr("Duplicate"), 3, [this] { duplicate(); });
    add("removeButton", tr("Remove…"), 4, [this] { askToRemove(); });
    add("importButton", tr("Import…"), 5, [this] {
        openFileDialog("importFileDialog", QFileDialog::ExistingFiles, tr("Import machines"), [](const QString&) {});
    });
    add("exportButton", tr("Export…"), 6, [this] {
        openFileDialog("exportFileDialog", QFileDialog::Directory, tr("Export the machines to a folder"),
                       [this](const QString& folder) { exportTo(folder); });
    });
    add("closeButton", tr("Close"), 7, [this] { close(); });
}

void MachinesDialog::showEvent(QShowEvent* event)
{
    noteEdit->setText(VisitRecorder::note());
    limitSpinBox->setValue(int(VisitRecorder::limitMb()));
    refresh();
    selectMachine(store->currentId());
    if (selectedId().isEmpty() && table->rowCount() > 0)
        table->selectRow(0); // the last visited
    ClosingDialog::showEvent(event);
}

void MachinesDialog::closeEvent(QCloseEvent* event)
{
    ClosingDialog::closeEvent(event);
    showParentWidget();
}

void MachinesDialog::refresh()
{
    const QString selected = selectedId();
    const QString currentId = store->currentId();
    QVector<Row> rows;
    const QVector<Machine> machines = store->list();
    for (const Machine& machine : machines) {
        Row row{machine, {}};
        const QStringList visits = VisitFolder::visits(store->machineFolder(machine.id));
        if (!visits.isEmpty())
            VisitFolder::readInfo(visits.first(), &row.last);
        rows.append(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return a.last.begin.isValid() && (!b.last.begin.isValid() || a.last.begin > b.last.begin);
    });
    table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const Machine& m = rows[r].machine;
        const QString lastVisit =
            rows[r].last.begin.isValid() ? QLocale().toString(rows[r].last.begin, QLocale::ShortFormat) : tr("never");
        const QStringList cells{m.name, m.site, QStringLiteral("%1:%2").arg(m.address, m.port), lastVisit,
                                rows[r].last.begin.isValid() ? VisitFolder::outcomeText(rows[r].last.outcome)
                                                             : QString()};
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::UserRole, m.id);
            QFont font = item->font();
            font.setBold(m.id == currentId);
            item->setFont(font);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    selectMachine(selected);
    refreshUsage();
}

void MachinesDialog::refreshVisits()
{
    visitBox->clear();
    const QString id = selectedId();
    if (id.isEmpty())
        return;
    const QStringList visits = VisitFolder::visits(store->machineFolder(id));
    for (const QString& folder : visits) {
        VisitFolder::Info info;
        VisitFolder::readInfo(folder, &info);
        visitBox->addItem(QStringLiteral("%1 — %2").arg(QLocale().toString(info.begin, QLocale::ShortFormat),
                                                        info.end.isValid() || folder != VisitRecorder::currentFolder()
                                                            ? VisitFolder::outcomeText(info.outcome)
                                                            : tr("under way")),
                          folder);
    }
}

void MachinesDialog::refreshUsage()
{
    const double used = double(VisitFolder::usedBytes(store->folder())) / (1024.0 * 1024.0);
    usageLabel->setText(tr("The visits use %1 MB of their limit of %2 MB.")
                            .arg(QLocale().toString(used, 'f', 1))
                            .arg(VisitRecorder::limitMb()));
}

QString MachinesDialog::selectedId() const
{
    const QList<QTableWidgetItem*> items = table->selectedItems();
    return items.isEmpty() ? QString() : items.first()->data(Qt::UserRole).toString();
}

void MachinesDialog::selectMachine(const QString& id)
{
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 0)->data(Qt::UserRole).toString() == id) {
            table->selectRow(r);
            return;
        }
    }
    table->clearSelection();
}

void MachinesDialog::choose()
{
    const QString id = selectedId();
    if (id.isEmpty())
        return;
    if (id != store->currentId())
        VisitRecorder::endVisit();
    QString error;
    if (!store->choose(id, &error))
        warn("chooseWarning", tr("The machine was not chosen: %1.").arg(error));
    refresh();
    emit machineChosen();
}

void MachinesDialog::edit(bool adding)
{
    Machine machine;
    if (!adding && !store->find(selectedId(), &machine))
        return;
    auto* form = new MachineForm(store, machine, this);
    form->setObjectName(QStringLiteral("machineForm"));
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &QDialog::accepted, this, [this, form, adding] {
        const bool current = form->machine().id == store->currentId();
        refresh();
        selectMachine(form->machine().id);
        if (!adding && current)
            emit machineChosen();
    });
    form->open();
}

void MachinesDialog::duplicate()
{
    Machine copy;
    QString error;
    if (selectedId().isEmpty())
        return;
    if (!store->duplicate(selectedId(), &copy, &error)) {
        warn("duplicateWarning", tr("The machine was not duplicated: %1.").arg(error));
        return;
    }
    refresh();
    selectMachine(copy.id);
}

void MachinesDialog::askToRemove()
{
    Machine machine;
    if (!store->find(selectedId(), &machine))
        return;
    QMessageBox* question =
        message("removeQuestion", QMessageBox::Question,
                tr("Remove the machine \"%1\" and everything kept of its visits?").arg(machine.name));
    QPushButton* remove = question->addButton(tr("Remove"), QMessageBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("confirmRemoveButton"));
    question->addButton(tr("Keep"), QMessageBox::RejectRole);
    connect(remove, &QPushButton::clicked, this, [this, machine] {
        const bool current = machine.id == store->currentId();
        if (current)
            VisitRecorder::endVisit();
        QString error;
        if (!store->remove(machine.id, &error))
            warn("removeWarning", tr("The machine was not removed: %1.").arg(error));
        refresh();
        if (current)
            emit machineChosen();
    });
    question->open();
}

void MachinesDialog::openFileDialog(const char* name, int mode, const QString& title,
                                    const std::function<void(const QString&)>& take)
{
    auto* dialog = new QFileDialog(this, title, QDir::homePath());
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::FileMode(mode));
    if (mode == QFileDialog::ExistingFiles) {
        dialog->setNameFilter(tr("Machine files (*.json)"));
        connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList& paths) { importFiles(paths); });
    } else {
        if (mode == QFileDialog::AnyFile) {
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            dialog->setNameFilters({tr("PDF (*.pdf)"), tr("HTML (*.html)")});
        }
        connect(dialog, &QFileDialog::fileSelected, this, take);
    }
    dialog->open();
}

bool MachinesDialog::importFiles(const QStringList& paths)
{
    QString error;
    if (!store->importFiles(paths, &error)) {
        warn("importWarning", tr("Nothing was imported: %1.").arg(error));
        return false;
    }
    refresh();
    return true;
}

bool MachinesDialog::exportTo(const QString& folder)
{
    QStringList ids;
    const QVector<Machine> machines = store->list();
    for (const Machine& machine : machines)
        ids.append(machine.id);
    QString error;
    if (!store->exportTo(ids, folder, &error)) {
        warn("exportWarning", tr("The machines were not exported: %1.").arg(error));
        return false;
    }
    return true;
}

bool MachinesDialog::writeReport(const QString& path)
{
    const QString folder = visitBox->currentData().toString();
    if (folder.isEmpty()) {
        warn("reportWarning", tr("The selected machine has no visit to report."));
        return false;
    }
    QString error;
    QString out = path;
    if (QFileInfo(out).suffix().isEmpty())
        out += QStringLiteral(".pdf");
    if (!VisitReport::write(folder, out, withAddressBox->isChecked(), &error)) {
        warn("reportWarning", tr("The report was not written: %1.").arg(error));
        return false;
    }
    return true;
}

void MachinesDialog::warn(const char* objectName, const QString& text)
{
    message(objectName, QMessageBox::Warning, text)->open();
}
