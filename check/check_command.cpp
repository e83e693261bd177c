#include "check/check_command.h"

#include "check/check_report.h"
#include "check/check_runner.h"
#include "check/checklist_reader.h"
#include "check/default_check.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QTextStream>
#include <QVector>

namespace {

struct CheckCommandTexts
{
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)
};

// A bench machine that does not answer within this long will not: the check did not run.
constexpr int LinkWaitMs = 10000;

bool finalStatus(CheckRunner::Status status)
{
    return status != CheckRunner::Status::Waiting && status != CheckRunner::Status::Running;
}

} // namespace

int runCheckCommand(const CheckCommand& command, QTextStream& out, QTextStream& err)
{
    Checklist checklist = DefaultCheck::checklist();
    QString error;
    if (!command.checklistFile.isEmpty() && !ChecklistReader::readFile(command.checklistFile, &checklist, &error)) {
        err << "Quellaro: " << error << Qt::endl;
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    CheckRunner::Options options;
    options.askQuestions = false;
    options.linkWaitMs = LinkWaitMs;
    CheckRunner runner(
        checklist, [&clock] { return clock.elapsed(); }, options);
    QVector<bool> told(checklist.steps.size());
    QObject::connect(&runner, &CheckRunner::stepChanged, &runner, [&](int step) {
        const CheckRunner::Result& result = runner.results().at(step);
        if (told[step] || !finalStatus(result.status))
            return;
        told[step] = true;
        out << CheckReport::line(checklist.steps.at(step), result) << Qt::endl;
    });
    // The program's own event loop runs the check: --check has nothing else to do.
    QObject::connect(&runner, &CheckRunner::finished, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    runner.runAll();
    QCoreApplication::exec();

    const int status = CheckReport::exitCode(runner);
    if (!runner.reachedMachine())
        err << "Quellaro: " << CheckCommandTexts::tr("no answer from the controller: the check did not run")
            << Qt::endl;
    if (!command.junitFile.isEmpty()) {
        QSaveFile file(command.junitFile);
        if (!file.open(QIODevice::WriteOnly) || !CheckReport::writeJUnit(runner, file) || !file.commit()) {
            err << "Quellaro: " << command.junitFile << ": " << file.errorString() << Qt::endl;
            return 2;
        }
    }
    return status;
}
