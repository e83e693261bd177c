// The machine check against the simulated controller, its time five times faster: the default
// check passes on a healthy machine, each faulty device fails exactly its own steps, and no
// output is left on nor the mode changed however a run ends.

#include "check_fixture.h"
#include "test_support.h"

#include "check/check_report.h"
#include "check/checklist_reader.h"
#include "check/default_check.h"
#include "history/history_csv.h"
#include "history/history_model.h"
#include "history/program_history.h"
#include "simulator/machine_model.h"

#include "panels/machine_check_dialog.h"
#include "panels/testcofemashinedialog.h"

#include <QBuffer>
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QXmlStreamReader>

using Status = CheckRunner::Status;

namespace {

Checklist read(const QByteArray& json)
{
    Checklist checklist;
    QString error;
    if (!ChecklistReader::read(json, &checklist, &error))
        qWarning("%s", qPrintable(error));
    return checklist;
}

// The ids of the steps that did not pass, each with its status's name.
QStringList notPassed(const CheckRunner& runner)
{
    QStringList ids;
    for (int n = 0; n < runner.results().size(); ++n) {
        if (runner.results().at(n).status != Status::Passed)
            ids << runner.checklist().steps.at(n).id + QLatin1Char(' ')
                    + CheckRunner::statusText(runner.results().at(n).status);
    }
    return ids;
}

} // namespace

class TestMachineCheck : public QObject
{
    Q_OBJECT

private slots:
    void healthyMachinePasses();
    void faultyDeviceFailsItsSteps_data();
    void faultyDeviceFailsItsSteps();
    void nothingLeftOn_data();
    void nothingLeftOn();
    void badChecklistRefused_data();
    void badChecklistRefused();
    void commandLine_data();
    void commandLine();
    void window();

private:
    QTemporaryDir folder;
};

void TestMachineCheck::healthyMachinePasses()
{
    CheckFixture machine;
    machine.server.model().setMode(Protocol::ModeOperator);
    auto runner = machine.runner(DefaultCheck::checklist());
    QVERIFY(machine.runAll(*runner));
    QCOMPARE(notPassed(*runner), QStringList());
    QCOMPARE(runner->results().size(), 24);
    QCOMPARE(CheckReport::exitCode(*runner), 0);
    QCOMPARE(CheckReport::json(*runner).value("outcome").toString(), QStringLiteral("passed"));
    QCOMPARE(machine.server.model().mode(), 3); // back in the mode it was in
    QTRY_COMPARE(machine.outputsOn(), QList<int>());
}

void TestMachineCheck::faultyDeviceFailsItsSteps_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("failed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("seen");
    QTest::newRow("heating") << "heating" << QStringList{"boiler-heating failed"}
                             << "boiler_temperature rises by 2.0 °C"
                             << "boiler_temperature rose by 0.0 °C";
    QTest::newRow("boiler pump") << "boiler-pump"
                                 << QStringList{"boiler-pump failed", "water-to-group failed", "water-to-mixer failed"}
                                 << "boiler_pump = 1"
                                 << "boiler_pump = 0";
    QTest::newRow("valve 1") << "valve-1" << QStringList{"valve-1 failed", "water-to-group failed"}
                             << "boiler_valve_1 = 1"
                             << "boiler_valve_1 = 0";
    QTest::newRow("valve 2") << "valve-2" << QStringList{"valve-2 failed", "water-to-mixer failed"}
                             << "boiler_valve_2 = 1"
                             << "boiler_valve_2 = 0";
    QTest::newRow("water pump") << "water-pump" << QStringList{"water-pump failed"} << "water_pump = 1"
                                << "water_pump = 0";
    QTest::newRow("flow sensor") << "flow-sensor" << QStringList{"water-pump failed"}
                                 << "water_sensor_counter pulses 3 times"
                                 << "water_sensor_counter pulsed 0 times";
    QTest::newRow("selector") << "selector"
                              << QStringList{"selector-drive failed", "selector-position failed",
                                             "selector-home failed"}
                              << "water_selector_inrefpoint = 1"
                              << "water_selector_inrefpoint = 0";
    QTest::newRow("mixer 1") << "mixer-1" << QStringList{"mixer-1-drive failed", "mixer-1-screw failed"}
                             << "mixer_1_drive = 1"
                             << "mixer_1_drive = 0";
    QTest::newRow("mixer 2") << "mixer-2" << QStringList{"mixer-2-drive failed", "mixer-2-screw failed"}
                             << "mixer_2_drive = 1"
                             << "mixer_2_drive = 0";
    QTest::newRow("mixer 3") << "mixer-3" << QStringList{"mixer-3-drive failed", "mixer-3-screw failed"}
                             << "mixer_3_drive = 1"
                             << "mixer_3_drive = 0";
    QTest::newRow("mixer 4") << "mixer-4" << QStringList{"mixer-4-drive failed", "mixer-4-screw failed"}
                             << "mixer_4_drive = 1"
                             << "mixer_4_drive = 0";
    QTest::newRow("cup dispenser") << "cup-dispenser" << QStringList{"cup-dispenser failed"}
                                   << "dispenser_cup_found = 1"
                                   << "dispenser_cup_found = 0";
    QTest::newRow("sugar dispenser") << "sugar-dispenser" << QStringList{"sugar-dispenser failed"}
                                     << "dispenser_sugar_insrc = 0"
                                     << "dispenser_sugar_insrc = 1";
    QTest::newRow("coffee group") << "coffee-group" << QStringList{"coffee-group failed"} << "cofee_group_inwork = 1"
                                  << "cofee_group_inwork = 0";
}

void TestMachineCheck::faultyDeviceFailsItsSteps()
{
    QFETCH(QString, device);
    QFETCH(QStringList, failed);
    QFETCH(QString, expected);
    QFETCH(QString, seen);

    CheckFixture machine;
    MachineModel::Fault fault{};
    QVERIFY(MachineModel::faultByName(device, &fault));
    machine.server.model().setFault(fault, true);
    auto runner = machine.runner(DefaultCheck::checklist());
    QVERIFY(machine.runAll(*runner));
    QCOMPARE(notPassed(*runner), failed);
    const QJsonArray steps = CheckReport::json(*runner).value("steps").toArray();
    const auto first = std::find_if(steps.begin(), steps.end(), [](const QJsonValue& step) {
        return step.toObject().value("status").toString() == QLatin1String("failed");
    });
    QCOMPARE(first->toObject().value("expected").toString(), expected);
    QCOMPARE(first->toObject().value("seen").toString(), seen);
    QCOMPARE(CheckReport::exitCode(*runner), 1);
    QCOMPARE(CheckReport::json(*runner).value("outcome").toString(), QStringLiteral("failed"));
    QTRY_COMPARE(machine.outputsOn(), QList<int>());
}

void TestMachineCheck::nothingLeftOn_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("onBefore"); // the output on when the run is ended, or -1
    QTest::addColumn<int>("modeBefore");
    const QByteArray master =
        R"({"id": "master", "mode": 4, "expect": [{"field": "mode", "becomes": 4, "within": 3000}]})";
    const QByteArray cooler = R"({"id": "cooler", "output": "cooler", "value": 1,
                                  "expect": [{"field": "mode", "becomes": 9, "within": 600000}]})";
    const auto list = [](const QByteArray& first, const QByteArray& second) {
        return "{\"steps\": [" + first + ", " + second + "]}";
    };
    QTest::newRow("stop a mode switch") << list(master, R"({"id": "diagnostic", "mode": 6,
        "expect": [{"field": "mode", "becomes": 9, "within": 600000}]})")
                                        << "stop" << -1 << 6;
    QTest::newRow("stop a device command") << list(master, R"({"id": "heat", "command": 20,
        "expect": [{"field": "boiler_temperature", "rises_by": 700, "within": 600000}]})")
                                           << "stop" << 1 << 4;
    QTest::newRow("stop an output switch") << list(master, cooler) << "stop" << 6 << 4;
    QTest::newRow("stop a question") << list(master, R"({"id": "ask", "output": "cooler", "value": 1,
        "question": "Is it cold?", "within": 600000})")
                                     << "stop" << 6 << 4;
    QTest::newRow("close the window, quit") << list(master, cooler) << "close" << 6 << 4;
    QTest::newRow("lose the link and get it back") << list(master, cooler) << "link" << 6 << 4;
}

void TestMachineCheck::nothingLeftOn()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, end);
    QFETCH(int, onBefore);
    QFETCH(int, modeBefore);

    CheckFixture machine;
    MachineModel& model = machine.server.model();
    model.setMode(Protocol::ModeOperator);
    auto runner = machine.runner(read(json));
    QSignalSpy finished(runner.get(), &CheckRunner::finished);
    QSignalSpy withdrawn(runner.get(), &CheckRunner::questionWithdrawn);
    runner->runAll();
    QTRY_COMPARE_WITH_TIMEOUT(model.mode(), modeBefore, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(onBefore < 0 || model.output(onBefore), 10000);
    QCOMPARE(runner->results().at(1).status, Status::Running);

    if (end == QLatin1String("stop")) {
        runner->stop();
    } else if (end == QLatin1String("close")) {
        runner.reset();
    } else {
        const quint16 port = machine.server.serverPort();
        machine.server.close();
        QTRY_COMPARE_WITH_TIMEOUT(runner->results().at(1).status, Status::NotFinished, 10000);
        QVERIFY(model.output(onBefore)); // nobody to switch it off
        QVERIFY(machine.server.listen(QHostAddress::LocalHost, port));
    }
    // Off before the heating's own 2 s (10 s of the machine's) are up.
    QTRY_COMPARE_WITH_TIMEOUT(machine.outputsOn(), QList<int>(), 1500);
    QTRY_COMPARE_WITH_TIMEOUT(model.mode(), 3, 10000);
    if (runner) {
        QVERIFY(finished.count() == 1 || finished.wait(10000));
        QCOMPARE(runner->results().at(1).status, Status::NotFinished);
        QCOMPARE(withdrawn.count(), json.contains("question") ? 1 : 0);
    }
}

void TestMachineCheck::badChecklistRefused_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    const QByteArray good =
        R"({"id": "pump", "command": 21, "expect": [{"field": "boiler_pump", "becomes": 1, "within": 1000}]})";
    QTest::newRow("unknown command") << "{\"steps\": [" + good + R"(, {"id": "b", "command": 33,
        "expect": [{"field": "boiler_pump", "becomes": 1, "within": 1000}]}]})"
                                     << R"(step 2 (b): "command": unknown command)";
    QTest::newRow("missing limit") << QByteArray(R"({"steps": [{"id": "heat", "command": 20,
        "expect": [{"field": "boiler_heating", "becomes": 1}]}]})")
                                   << R"(step 1 (heat): "expect" 1: "within": missing or not from 1 to 600000 ms)";
    QTest::newRow("field that does not exist")
        << QByteArray(R"({"steps": [{"id": "p", "command": 21,
        "expect": [{"field": "boiler_pressure", "becomes": 1, "within": 1000}]}]})")
        << R"(step 1 (p): "expect" 1: "field": no such field in the machine's answer)";
    QTest::newRow("a misspelt key") << QByteArray(R"({"steps": [{"id": "p", "command": 21,
        "expect": [{"field": "boiler_pump", "becomes": 1, "withn": 1000}]}]})")
                                    << R"(step 1 (p): "expect" 1: "withn": no such field)";
    QTest::newRow("mode 1 is never sent") << "{\"steps\": [" + good + R"(, {"id": "m", "mode": 1,
        "expect": [{"field": "mode", "becomes": 1, "within": 1000}]}]})"
                                          << R"(step 2 (m): "mode": no such mode (2 to 6))";
    QTest::newRow("two sends") << QByteArray(R"({"steps": [{"id": "x", "mode": 4, "command": 21,
        "expect": [{"field": "mode", "becomes": 4, "within": 1000}]}]})")
                               << R"(step 1 (x): "command": a step sends one of "mode", "command" and "output")";
    QTest::newRow("no id") << QByteArray(R"({"steps": [{"command": 21}]})") << R"(step 1 (no id): "id": missing)";
    QTest::newRow("no steps") << QByteArray(R"({"name": "x"})") << R"("steps": missing or empty)";
    QTest::newRow("question without its limit") << QByteArray(R"({"steps": [{"id": "q", "question": "Water?"}]})")
                                                << R"(step 1 (q): "within": missing or not from 1 to 600000 ms)";
}

void TestMachineCheck::badChecklistRefused()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    Checklist checklist;
    QString said;
    QVERIFY(!ChecklistReader::read(json, &checklist, &said));
    QCOMPARE(said, error);
}

// The check results kept in the visits of the test's data folder, oldest first.
static QStringList checkResultsKept()
{
    QStringList files;
    QDirIterator it(qEnvironmentVariable("XDG_DATA_HOME"), {"check-*.json"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return QFileInfo(a).fileName() < QFileInfo(b).fileName();
    });
    return files;
}

void TestMachineCheck::commandLine_data()
{
    QTest::addColumn<QString>("machine"); // "healthy", a faulty device, or "none" listening
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed");   // the end of standard output, or of standard error
    QTest::addColumn<QStringList>("junit"); // each test case: "name", or "name: failure message"
    const QByteArray mixers = R"({"name": "Mixers", "steps": [
        {"id": "mixer-1-drive", "device": "mixer 1", "command": 8,
         "expect": [{"field": "mixer_1_drive", "becomes": 1, "within": 1000}]},
        {"id": "mixer-2-drive", "device": "mixer 2", "command": 10,
         "expect": [{"field": "mixer_2_drive", "becomes": 1, "within": 1000}]}]})";
    QTest::newRow("every step passed") << "healthy" << mixers << 0 << "passed       mixer-2-drive       mixer-2-drive ("
                                       << QStringList{"mixer-1-drive", "mixer-2-drive"};
    QTest::newRow("a step failed")
        << "mixer-2" << mixers << 1 << ": expected mixer_2_drive = 1, seen mixer_2_drive = 0\n"
        << QStringList{"mixer-1-drive", "mixer-2-drive: failure expected mixer_2_drive = 1, seen mixer_2_drive = 0"};
    QByteArray unknown = mixers;
    QTest::newRow("a bad checklist, nothing sent")
        << "healthy" << unknown.replace("\"command\": 10", "\"command\": 33") << 2
        << "checklist.json: step 2 (mixer-2-drive): \"command\": unknown command\n"
        << QStringList();
    QTest::newRow("nobody answers") << "none" << mixers << 2
                                    << "Quellaro: no answer from the controller: the check did not run\n"
                                    << QStringList{"mixer-1-drive: error not-finished",
                                                   "mixer-2-drive: error not-finished"};
}

void TestMachineCheck::commandLine()
{
    QFETCH(QString, machine);
    QFETCH(QByteArray, json);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QFETCH(QStringList, junit);

    CheckFixture fixture;
    MachineModel::Fault fault{};
    if (MachineModel::faultByName(machine, &fault))
        fixture.server.model().setFault(fault, true);
    if (machine == QLatin1String("none"))
        fixture.server.close();
    const QString checklist = folder.filePath(QStringLiteral("checklist.json"));
    const QString junitFile = folder.filePath(QStringLiteral("junit.xml"));
    QFile::remove(junitFile);
    QVERIFY(writeFile(checklist, json));
    const QStringList keptBefore = checkResultsKept();
    qRegisterMetaType<QProcess::ExitStatus>();
    QProcess program;
    program.start(QUELLARO_PROGRAM, {"--check", "--checklist", checklist, "--junit", junitFile});
    QSignalSpy ended(&program, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    QVERIFY(ended.wait(60000)); // the simulator answers meanwhile
    QCOMPARE(program.exitCode(), exitCode);
    const QString out =
        QString::fromUtf8(exitCode == 2 ? program.readAllStandardError() : program.readAllStandardOutput());
    QVERIFY2(out.contains(printed), qPrintable(out));
    if (junit.isEmpty()) {
        QVERIFY(!QFile::exists(junitFile));
        QCOMPARE(fixture.server.acceptedCount(), 0); // refused before anything was sent
        QCOMPARE(checkResultsKept(), keptBefore);
        return;
    }
    // The visit keeps the results of the run, with its outcome.
    const QStringList kept = checkResultsKept();
    QCOMPARE(kept.size(), keptBefore.size() + 1);
    QFile results(kept.last());
    QVERIFY(results.open(QIODevice::ReadOnly));
    const QJsonObject document = QJsonDocument::fromJson(results.readAll()).object();
    QCOMPARE(document.value("outcome").toString(), exitCode == 0 ? "passed" : exitCode == 1 ? "failed" : "not run");
    QCOMPARE(document.value("checklist").toString(), "Mixers");
    QFile file(junitFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList cases;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("testcase"))
            cases << xml.attributes().value("name").toString();
        else if (xml.name() == QLatin1String("failure") || xml.name() == QLatin1String("error"))
            cases.last() +=
                QStringLiteral(": %1 %2").arg(xml.name().toString(), xml.attributes().value("message").toString());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(cases, junit);
}

// From the test menu: a question over the window that blocks nothing, answered; then closing
// the window in the middle of the question.
void TestMachineCheck::window()
{
    CheckFixture machine;
    MachineModel& model = machine.server.model();
    model.setMode(Protocol::ModeOperator);
    TestCofeMashineDialog menu;
    menu.show();
    menu.findChild<QPushButton*>("machineCheckButton")->click();
    auto* window = menu.findChild<MachineCheckDialog*>();
    QVERIFY(window && window->isVisible());
    auto* view = window->findChild<QTableView*>("stepsView");
    QCOMPARE(view->model()->rowCount(), 24);
    window->runner()->runOne(24); // past the last step: nothing runs
    QVERIFY(!window->runner()->isRunning());
    QCOMPARE(view->model()->index(1, 0).data().toString(), QStringLiteral("Boiler heating"));
    window->setChecklist(read(R"({"steps": [
        {"id": "master", "title": "Master mode", "mode": 4, "expect": [{"field": "mode", "becomes": 4, "within": 3000}]},
        {"id": "cold", "title": "Cooler", "output": "cooler", "value": 1, "question": "Is it cold?", "within": 600000}]})"));
    const auto cell = [view](int row, int column) { return view->model()->index(row, column).data().toString(); };

    for (const bool answer : {true, false}) {
        window->findChild<QPushButton*>("runAllButton")->click();
        QMessageBox* box = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((box = window->findChild<QMessageBox*>("questionBox")) && box->isVisible(), 10000);
        QCOMPARE(box->text(), QStringLiteral("Is it cold?"));
        QVERIFY(model.output(Protocol::OutCooler));
        QCOMPARE(cell(1, 1), QStringLiteral("running"));
        if (answer) {
            box->button(QMessageBox::Yes)->click();
            QTRY_COMPARE(cell(1, 1), QStringLiteral("passed"));
            QCOMPARE(cell(1, 3), QStringLiteral("Yes"));
        } else {
            window->close();
            QTRY_VERIFY(!window->findChild<QMessageBox*>("questionBox"));
            QCOMPARE(cell(1, 1), QStringLiteral("not finished"));
        }
        QCOMPARE(cell(0, 1), QStringLiteral("passed"));
        QCOMPARE(cell(0, 3), QStringLiteral("mode = 4"));
        QTRY_COMPARE(machine.outputsOn(), QList<int>());
        QTRY_COMPARE_WITH_TIMEOUT(model.mode(), 3, 10000);
        QTRY_VERIFY(!window->runner()->isRunning());
    }
    // Each step's end is in the program's history, on the check's link: as the CSV has it
    // after the time and link, and as the History window shows the last.
    QBuffer csv;
    QVERIFY(csv.open(QIODevice::WriteOnly));
    QVERIFY(HistoryCsv::write(ProgramHistory::model(), csv, 1 << int(HistoryGroup::Check)));
    QStringList rows = QString::fromUtf8(csv.data()).split("\r\n", Qt::SkipEmptyParts).mid(1);
    for (QString& row : rows) {
        QVERIFY2(!row.section(',', 1, 1).isEmpty() && row.section(',', 1, 1) != "0", qPrintable(row));
        row = row.section(',', 2);
    }
    QCOMPARE(rows,
             (QStringList{"check-step,passed,mode = 4,Master mode", "check-step,passed,Yes,Cooler",
                          "check-step,passed,mode = 4,Master mode", "check-step,not-finished,,Cooler"}));
    const HistoryModel& history = ProgramHistory::model();
    int last = history.rowCount() - 1;
    while (last > 0 && history.eventAt(last).kind != HistoryEvent::Kind::CheckStep)
        --last;
    QCOMPARE((QStringList{history.index(last, HistoryModel::WhatColumn).data().toString(),
                          history.index(last, HistoryModel::CodeColumn).data().toString(),
                          history.index(last, HistoryModel::TextColumn).data().toString()}),
             (QStringList{"Check step", "not finished", "Cooler"}));
}

QUELLARO_TEST_MAIN(TestMachineCheck)
#include "tst_machine_check.moc"
