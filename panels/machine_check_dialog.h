#pragma once

#include "shell/closingdialog.h"

#include <QElapsedTimer>

class CheckRunner;
struct Checklist;
class CheckTableModel;
class QLabel;
class QMessageBox;
class QPushButton;
class QTableView;

// The Machine check window: the default check's steps with their status, countdown and value;
// Run all, Run step (the selected one), Stop. A question step asks Yes or No over the window
// without blocking. Closing the window stops the run; what the run switched on is switched off.
class MachineCheckDialog : public ClosingDialog
{
    Q_OBJECT

public:
    explicit MachineCheckDialog(QWidget* parent = nullptr);
    ~MachineCheckDialog() override;

    CheckRunner* runner() const { return checkRunner; }
    // Lists and runs `checklist` from now on, in place of the default check; not while running.
    void setChecklist(const Checklist& checklist);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(const char* objectName, const QString& text);
    void connectRunner();
    void runSelected();
    void showRunning();
    void ask(int step, const QString& question);
    void withdrawQuestion();

    QElapsedTimer clock;
    CheckRunner* checkRunner = nullptr;
    CheckTableModel* model = nullptr;
    QTableView* stepsView = nullptr;
    QLabel* linkLabel = nullptr;
    QPushButton* runAllButton = nullptr;
    QPushButton* runOneButton = nullptr;
    QPushButton* stopButton = nullptr;
    QMessageBox* question = nullptr;
};
