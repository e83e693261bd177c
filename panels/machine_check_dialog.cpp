#include "panels/machine_check_dialog.h"

#include "check/check_runner.h"
#include "check/check_table_model.h"
#include "check/default_check.h"
#include "history/history_recorder.h"
#include "history/program_history.h"
#include "link/cm_netmessge.h"
#include "shell/style_sheets.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

// The step's ending in the program's history, beside what its link did.
void recordStep(const CheckRunner& runner, int step)
{
    using Status = CheckRunner::Status;
    using Outcome = HistoryEvent::CheckOutcome;
    const CheckRunner::Result& result = runner.results().at(step);
    Outcome outcome = Outcome::NotFinished;
    switch (result.status) {
    case Status::Passed:
        outcome = Outcome::Passed;
        break;
    case Status::Failed:
        outcome = Outcome::Failed;
        break;
    case Status::TimedOut:
        outcome = Outcome::TimedOut;
        break;
    case Status::Skipped:
        outcome = Outcome::Skipped;
        break;
    case Status::Waiting:
    case Status::Running:
    case Status::NotFinished:
        break;
    }
    ProgramHistory::recorder().checkStep(runner.link() ? runner.link()->number() : 0, LinkTrace::now(),
                                         runner.checklist().steps.at(step).title, outcome, result.seen);
}

} // namespace

MachineCheckDialog::MachineCheckDialog(QWidget* parent)
    : ClosingDialog(parent)
{
    setObjectName(QStringLiteral("MachineCheckDialog"));
    setWindowTitle(tr("Machine check"));
    setWindowModality(Qt::WindowModal);
    resize(900, 640);
    clock.start();

    auto* column = new QVBoxLayout(this);
    linkLabel = new QLabel(this);
    linkLabel->setObjectName(QStringLiteral("linkStateLabel"));
    linkLabel->hide();
    column->addWidget(linkLabel);
    stepsView = new QTableView(this);
    stepsView->setObjectName(QStringLiteral("stepsView"));
    stepsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    stepsView->setSelectionMode(QAbstractItemView::SingleSelection);
    stepsView->verticalHeader()->hide();
    stepsView->horizontalHeader()->setStretchLastSection(true);
    column->addWidget(stepsView);
    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    runAllButton = addButton("runAllButton", tr("Run all"));
    runOneButton = addButton("runOneButton", tr("Run step"));
    stopButton = addButton("stopButton", tr("Stop"));
    QPushButton* quitButton = addButton("quitButton", tr("Quit"));
    for (QPushButton* button : {runAllButton, runOneButton, stopButton, quitButton})
        buttons->addWidget(button);
    applyStyle(Style::PanelButton, {runAllButton, runOneButton, stopButton, quitButton});

    connect(runAllButton, &QPushButton::clicked, this, [this] { checkRunner->runAll(); });
    connect(runOneButton, &QPushButton::clicked, this, &MachineCheckDialog::runSelected);
    connect(stopButton, &QPushButton::clicked, this, [this] { checkRunner->stop(); });
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);
    setChecklist(DefaultCheck::checklist());
}

MachineCheckDialog::~MachineCheckDialog() = default;

void MachineCheckDialog::setChecklist(const Checklist& checklist)
{
    if (checkRunner && checkRunner->isRunning())
        return;
    delete model;
    delete checkRunner;
    checkRunner = new CheckRunner(
        checklist, [this] { return clock.elapsed(); }, CheckRunner::Options(), this);
    model = new CheckTableModel(checkRunner, this);
    stepsView->setModel(model);
    stepsView->setColumnWidth(CheckTableModel::StepColumn, 280);
    stepsView->setColumnWidth(CheckTableModel::StatusColumn, 130);
    stepsView->setColumnWidth(CheckTableModel::TimeColumn, 150);
    connectRunner();
}

void MachineCheckDialog::connectRunner()
{
    connect(checkRunner, &CheckRunner::stepChanged, this, &MachineCheckDialog::showRunning);
    connect(checkRunner, &CheckRunner::stepChanged, this, [this](int step) {
        if (checkRunner->results().at(step).status == CheckRunner::Status::Running)
            stepsView->scrollTo(model->index(step, 0));
    });
    connect(checkRunner, &CheckRunner::finished, this, &MachineCheckDialog::showRunning);
    connect(checkRunner, &CheckRunner::stepEnded, this, [this](int step) { recordStep(*checkRunner, step); });
    connect(checkRunner, &CheckRunner::questionAsked, this, &MachineCheckDialog::ask);
    connect(checkRunner, &CheckRunner::questionWithdrawn, this, &MachineCheckDialog::withdrawQuestion);
    connect(checkRunner, &CheckRunner::linkChanged, this, [this](bool up) {
        linkLabel->setText(tr("No connection to the controller: no step starts until it is back."));
        linkLabel->setVisible(!up && checkRunner->isRunning());
    });
    showRunning();
}

QPushButton* MachineCheckDialog::addButton(const char* objectName, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}

void MachineCheckDialog::closeEvent(QCloseEvent* event)
{
    checkRunner->stop();
    withdrawQuestion();
    ClosingDialog::closeEvent(event);
}

void MachineCheckDialog::runSelected()
{
    const QModelIndexList selected = stepsView->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        checkRunner->runOne(selected.first().row());
}

void MachineCheckDialog::showRunning()
{
    const bool running = checkRunner->isRunning();
    runAllButton->setEnabled(!running);
    runOneButton->setEnabled(!running);
    stopButton->setEnabled(running);
    if (!running)
        linkLabel->hide();
}

void MachineCheckDialog::ask(int step, const QString& text)
{
    withdrawQuestion();
    question = message("questionBox", QMessageBox::Question, text);
    question->setWindowTitle(checkRunner->checklist().steps.at(step).title);
    question->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    connect(question, &QMessageBox::finished, this, [this](int button) {
        question = nullptr;
        checkRunner->answer(button == QMessageBox::Yes);
    });
    question->open();
}

void MachineCheckDialog::withdrawQuestion()
{
    if (!question)
        return;
    QMessageBox* asked = question;
    question = nullptr;
    asked->disconnect(this);
    asked->close();
}
