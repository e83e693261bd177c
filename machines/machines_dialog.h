#pragma once

#include "shell/closingdialog.h"

#include <functional>

class MachineStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// The Machines window: the machines of the route, the last visited first, with the date and
// outcome of their last visit ("machinesTable"). It chooses, adds, edits, duplicates, removes
// (asking first), imports and exports machines; it writes the note to the visit under way,
// makes the report of a chosen visit of the selected machine, and shows how much the visits
// use against their limit. Choosing another machine ends the visit under way.
class MachinesDialog : public ClosingDialog
{
    Q_OBJECT

public:
    explicit MachinesDialog(MachineStore* store, QWidget* parent = nullptr);

    // What the buttons do once their file dialog has an answer.
    bool importFiles(const QStringList& paths);
    bool exportTo(const QString& folder);
    bool writeReport(const QString& path);
    // The id of the selected machine, empty when none.
    QString selectedId() const;
    void selectMachine(const QString& id);

signals:
    // Another machine was chosen, or the chosen one's address changed.
    void machineChosen();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildButtons(class QGridLayout* grid);
    void refresh();
    void refreshVisits();
    void refreshUsage();
    void choose();
    void edit(bool adding);
    void duplicate();
    void askToRemove();
    void openFileDialog(const char* name, int mode, const QString& title,
                        const std::function<void(const QString&)>& take);
    void warn(const char* objectName, const QString& text);

    MachineStore* store;
    QTableWidget* table;
    QComboBox* visitBox;
    QCheckBox* withAddressBox;
    QLineEdit* noteEdit;
    QLabel* usageLabel;
    QSpinBox* limitSpinBox;
};
