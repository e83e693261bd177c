// The history of a run: recorded live from a panel against the simulator, read from the
// recordings as CSV, bounded, shown and exported by the History window.

#include "test_support.h"

#include "history/arriving_rows.h"
#include "history/history_csv.h"
#include "history/history_dialog.h"
#include "history/history_model.h"
#include "history/history_recorder.h"
#include "history/history_texts.h"
#include "history/program_history.h"
#include "history/trace_history.h"
#include "link/link_trace.h"
#include "panels/pollingdialog.h"
#include "panels/testboilerdialog.h"
#include "panels/testdrinkdialog.h"
#include "shell/link_trace_file.h"
#include "shell/quellaro.h"
#include "simulator/simulator_server.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>

namespace {

using Row = QPair<QString, int>; // kind, code

HistoryEvent made(qint64 ms, HistoryEvent::Kind kind, int code, int value = 0)
{
    HistoryEvent event;
    event.msSinceEpoch = ms;
    event.link = 1;
    event.kind = kind;
    event.code = code;
    event.value = value;
    return event;
}

QByteArray csv(const HistoryModel& model)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    HistoryCsv::write(model, out, 0);
    return out.data();
}

QByteArray csvOfTrace(const QByteArray& trace)
{
    QBuffer in;
    in.setData(trace);
    in.open(QIODevice::ReadOnly);
    HistoryModel model;
    HistoryRecorder recorder(model);
    const LinkTrace::ReadResult result = TraceHistory::read(in, recorder);
    return result.errorLine == 0 ? csv(model)
                                 : "line " + QByteArray::number(result.errorLine) + ": " + result.error.toUtf8();
}

QList<Row> rows(const HistoryModel& model)
{
    QList<Row> list;
    for (int i = 0; i < model.count(); ++i)
        list << Row{model.index(i, HistoryModel::WhatColumn).data().toString(), model.eventAt(i).code};
    return list;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    // A drink made from the drink panel: the first answer in full, then only the changes and
    // the command. The machine's clock moves 500 ms a request, so each poll sees the same.
    void liveSession()
    {
        SimulatorServer sim;
        QVERIFY(sim.listen(QHostAddress::LocalHost, 0));
        sim.setClock([&sim] { return qint64(sim.requestCount()) * 500; });
        sim.model().setMode(Protocol::ModeTrade);
        sim.model().setState(Protocol::StateWaiting);
        setControllerAddress(QStringLiteral("127.0.0.1"), sim.serverPort());
        HistoryModel& history = ProgramHistory::model();
        {
            TestDrinkDialog panel;
            panel.show();
            QTRY_VERIFY_WITH_TIMEOUT(history.count() >= 4, 5000);
            panel.findChild<QSpinBox*>(QStringLiteral("drinkNumberBox"))->setValue(2);
            panel.findChild<QSpinBox*>(QStringLiteral("sugarNumberBox"))->setValue(1);
            panel.findChild<QPushButton*>(QStringLiteral("makeDrinkButton"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(rows(history).count(Row{"State", 1000}) == 2, 30000);
            panel.close();
        }
        const QList<Row> expected{{"Connected", 0}, {"Mode", 2},    {"State", 1000}, {"Error", 0},   {"Command", 3},
                                  {"State", 110},   {"State", 115}, {"State", 116},  {"State", 118}, {"State", 120},
                                  {"State", 130},   {"State", 131}, {"State", 132},  {"State", 133}, {"State", 134},
                                  {"State", 121},   {"State", 140}, {"State", 142},  {"State", 141}, {"State", 1000}};
        QCOMPARE(rows(history), expected);
        QCOMPARE(HistoryTexts::text(history.eventAt(4)), QStringLiteral("Make drink 2, sugar 1"));
    }

    // The link as the client tells it: silent, then gone while it is tried again, then back.
    void liveLinkEvents()
    {
        SimulatorServer sim;
        QVERIFY(sim.listen(QHostAddress::LocalHost, 0));
        const quint16 port = sim.serverPort();
        setControllerAddress(QStringLiteral("127.0.0.1"), port);
        HistoryModel& history = ProgramHistory::model();
        const int from = history.count();
        const auto linkRows = [&history, from] {
            QStringList kinds;
            for (int i = from; i < history.count(); ++i) {
                const QString kind = history.index(i, HistoryModel::WhatColumn).data().toString();
                if (QStringList{"Connected", "Not answering", "Answering", "Lost"}.contains(kind))
                    kinds << kind;
            }
            return kinds;
        };
        TestDrinkDialog panel;
        panel.show();
        QTRY_COMPARE_WITH_TIMEOUT(linkRows(), QStringList{"Connected"}, 5000);
        sim.setSilent(true);
        QTRY_COMPARE_WITH_TIMEOUT(linkRows(), (QStringList{"Connected", "Not answering"}), 5000);
        sim.setSilent(false);
        QTRY_COMPARE_WITH_TIMEOUT(linkRows(), (QStringList{"Connected", "Not answering", "Answering"}), 5000);
        sim.close();
        QTRY_COMPARE_WITH_TIMEOUT(linkRows(), (QStringList{"Connected", "Not answering", "Answering", "Lost"}), 5000);
        QVERIFY(sim.listen(QHostAddress::LocalHost, port));
        QTRY_COMPARE_WITH_TIMEOUT(linkRows(),
                                  (QStringList{"Connected", "Not answering", "Answering", "Lost", "Connected"}), 10000);
        panel.close();
    }

    void csvOfRecordings_data()
    {
        QTest::addColumn<QString>("recording");
        QTest::newRow("gateway at 9600 baud, heating") << "gateway_9600_heating";
        QTest::newRow("refused, stops answering, hangs up") << "controller_stops_answering";
    }
    // --history-csv on each recording, without a display, against the CSV expected of it.
    void csvOfRecordings()
    {
        QFETCH(QString, recording);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL"})
            environment.remove(name);
        environment.insert("LANG", "C.UTF-8");
        program.setProcessEnvironment(environment);
        program.start(QUELLARO_PROGRAM, {"--history-csv", QUELLARO_RECORDINGS "/" + recording + ".trace"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.readAllStandardError(), QByteArray());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(), readFile(QUELLARO_TEST_DATA "/" + recording + ".csv"));
    }

    void lossReasonsOfTrace_data()
    {
        QTest::addColumn<QStringList>("events"); // after "<time> #1 "
        QTest::addColumn<QStringList>("reasons");
        const QString connected = QStringLiteral("connected to h:1");
        const QString closed = QStringLiteral("the controller closed the connection");
        QTest::newRow("disconnected, no error before it")
            << QStringList{connected, "disconnected from h:1"} << QStringList{closed};
        QTest::newRow("reset, then disconnected")
            << QStringList{connected, "error with h:1, other: Connection reset by peer", "disconnected from h:1"}
            << QStringList{"Connection reset by peer"};
        QTest::newRow("a connection timed out, then closed")
            << QStringList{"error with h:1, timed-out: no connection within 2000 ms", "disconnected from h:1"}
            << QStringList{"no connection within 2 s"};
        QTest::newRow("unreachable, then reset")
            << QStringList{"error with h:1, network-unreachable: Network unreachable", "error with h:1, other: reset"}
            << QStringList{"the network is unreachable"};
        QTest::newRow("each connection its own first reason")
            << QStringList{connected, "disconnected from h:1", connected, "error with h:1, other: reset",
                           "disconnected from h:1"}
            << QStringList{closed, "reset"};
        QTest::newRow("written before the names")
            << QStringList{connected, "error with h:1: The remote host closed the connection", "disconnected from h:1"}
            << QStringList{closed};
    }
    // A connection is lost once, for the first reason the trace gives.
    void lossReasonsOfTrace()
    {
        QFETCH(QStringList, events);
        QFETCH(QStringList, reasons);
        QByteArray trace;
        for (const QString& event : qAsConst(events))
            trace += "2026-12-06T14:30:00.605+01:00 #1 " + event.toUtf8() + '\n';
        QBuffer file(&trace);
        QVERIFY(file.open(QIODevice::ReadOnly));
        HistoryModel model;
        HistoryRecorder recorder(model);
        QCOMPARE(TraceHistory::read(file, recorder).errorLine, 0);
        QStringList lost;
        for (int i = 0; i < model.count(); ++i) {
            if (model.eventAt(i).kind == HistoryEvent::Kind::Lost)
                lost << model.index(i, HistoryModel::TextColumn).data().toString();
        }
        QCOMPARE(lost, reasons);
    }

    // The trace's reasons for a request not sent are said in the program's words; one it does
    // not know is kept as written.
    void notSentReasonsOfTrace()
    {
        QStringList said;
        for (const char* reason : {"not connected yet", "connection lost", "no connection", "queue full"})
            said << HistoryTexts::notSentText(QLatin1String(reason));
        QCOMPARE(said, (QStringList{"not connected yet", "connection lost", "no connection", "queue full"}));
    }

    void csvOfTraces_data()
    {
        QTest::addColumn<QByteArray>("trace");
        QTest::addColumn<QByteArray>("csv");
        const QByteArray t = "2026-12-06T14:30:0";
        const QByteArray reply = "reply delivered: 01 00 02 e8 03 00 00\n";
        QTest::newRow("two runs in one file at once: each its own links, its verdicts as they stand")
            << t + "0.000+01:00 @7.a run: Quellaro 1.0.0, pid 7\n" + t + "0.000+01:00 @7.a #1 connected to h:1\n" + t
                + "0.100+01:00 @8.b run: Quellaro 1.0.0, pid 8\n" + t + "0.100+01:00 @8.b #1 connected to h:1\n" + t
                + "0.200+01:00 @7.a #1 " + reply + t + "0.200+01:00 @8.b #1 reply delivered: 01 00 04 e8 03 00 00\n" + t
                + "0.300+01:00 @7.a #1 read: 01 00 04 e8 03 00 00\n" + t
                + "0.300+01:00 @7.a #1 reply dropped, no poll awaits it: 01 00 04 e8 03 00 00\n" + t
                + "0.400+01:00 @8.b #1 not answering for 2000 ms\n" + t + "9.000+01:00 @8.b #1 poll to h:1: 01 00\n" + t
                + "9.100+01:00 @8.b #1 " + reply + t + "9.100+01:00 @8.b #1 answering again\n"
            << "\xEF\xBB\xBFtime,link,kind,code,value,text\r\n" + t + "0.000+01:00,1,connected,,,\r\n" + t
                + "0.100+01:00,2,connected,,,\r\n" + t + "0.200+01:00,1,mode,2,,Trade\r\n" + t
                + "0.200+01:00,1,state,1000,,Waiting\r\n" + t + "0.200+01:00,1,error,0,,All correct\r\n" + t
                + "0.200+01:00,2,mode,4,,Master\r\n" + t + "0.200+01:00,2,state,1000,,Waiting\r\n" + t
                + "0.200+01:00,2,error,0,,All correct\r\n" + t + "0.400+01:00,2,not-answering,,,\r\n" + t
                + "9.100+01:00,2,answering,,,\r\n" + t + "9.100+01:00,2,mode,2,,Trade\r\n";
        QTest::newRow("older lines, no run named: reads decoded, a poll after 2 s of silence is not answering")
            << t + "0.000+01:00 #1 connected to h:1\n" + t + "0.100+01:00 #1 read: 01 00 02 e8 03 00 00\n" + t
                + "2.100+01:00 #1 request to h:1: 01 00\n" + t + "2.200+01:00 #1 read: 01 00 04 e8 03 00 00\n" + t
                + "3.000+01:00 run: Quellaro 1.0.0, pid 9\n" + t + "3.000+01:00 #1 connected to h:1\n"
            << "\xEF\xBB\xBFtime,link,kind,code,value,text\r\n" + t + "0.000+01:00,1,connected,,,\r\n" + t
                + "0.100+01:00,1,mode,2,,Trade\r\n" + t + "0.100+01:00,1,state,1000,,Waiting\r\n" + t
                + "0.100+01:00,1,error,0,,All correct\r\n" + t + "2.100+01:00,1,not-answering,,,\r\n" + t
                + "2.200+01:00,1,answering,,,\r\n" + t + "2.200+01:00,1,mode,4,,Master\r\n" + t
                + "3.000+01:00,2,connected,,,\r\n";
        QTest::newRow("a run that is no run") << t + "0.000+01:00 @7.A #1 connected to h:1\n"
                                              << QByteArray("line 1: no run after the time (such as @4242.mih3k2x1)");
    }

    // The history of hand-written traces, as CSV.
    void csvOfTraces()
    {
        QFETCH(QByteArray, trace);
        QFETCH(QByteArray, csv);
        QCOMPARE(csvOfTrace(trace), csv);
    }

    // A line far longer than any trace line is refused by its number, and not read to its end.
    void overlongLine()
    {
        const QByteArray first = "2026-12-06T14:30:00.000+01:00 #1 connected to h:1\n";
        QBuffer in;
        in.setData(first + QByteArray(6 * 1024 * 1024, 'x') + "\n" + first);
        QVERIFY(in.open(QIODevice::ReadOnly));
        int lines = 0;
        const LinkTrace::ReadResult result = LinkTrace::readTrace(in, [&lines](const LinkTrace::Line&) {
            ++lines;
            return QString();
        });
        QCOMPARE(result.errorLine, 2);
        QCOMPARE(result.error, QStringLiteral("4194304 bytes or more without a line end, not a trace line"));
        QCOMPARE(lines, 1);
        QVERIFY2(in.pos() <= 4200000, qPrintable(QString::number(in.pos())));
    }

    // Beside Quit on every polling panel; one window for the program, not modal.
    void historyButton()
    {
        Quellaro menu;
        const QList<PollingDialog*> panels = menu.findChildren<PollingDialog*>();
        QCOMPARE(panels.size(), 9);
        QWidget* opened = nullptr;
        for (PollingDialog* panel : panels) {
            panel->show();
            auto* button = panel->findChild<QPushButton*>(QStringLiteral("historyButton"));
            QVERIFY2(button, panel->metaObject()->className());
            const QList<QPushButton*> quits =
                panel->findChildren<QPushButton*>(QRegularExpression("^(quit|push)Button$"));
            QCOMPARE(quits.size(), 1);
            QCOMPARE(button->geometry().center().y(), quits.first()->geometry().center().y());
            button->click();
            QWidget* window = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QLatin1String("HistoryDialog") && top->isVisible())
                    window = top;
            }
            QVERIFY(window);
            QVERIFY(!window->isModal());
            QVERIFY(!opened || opened == window);
            opened = window;
            panel->close();
        }
        opened->close();
    }

    // The kind filter, following the newest row unless scrolled up, the CSV of what is shown.
    void window()
    {
        HistoryModel history;
        for (int i = 0; i < 200; ++i)
            history.append(
                made(1000 * i, i % 2 ? HistoryEvent::Kind::Temperature : HistoryEvent::Kind::State, 1000, 850 + i));
        HistoryDialog window(&history);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* view = window.findChild<QTableView*>(QStringLiteral("historyView"));
        window.findChild<QComboBox*>(QStringLiteral("kindFilter"))->setCurrentIndex(2); // temperature
        QCOMPARE(view->model()->rowCount(), 100);
        QScrollBar* scroll = view->verticalScrollBar();
        QTRY_COMPARE(scroll->value(), scroll->maximum());
        history.append(made(200000, HistoryEvent::Kind::Temperature, 0, 999));
        QTRY_COMPARE(scroll->value(), scroll->maximum());
        scroll->setValue(0);
        history.append(made(201000, HistoryEvent::Kind::Temperature, 0, 998));
        QTRY_COMPARE(view->model()->rowCount(), 102);
        QCOMPARE(scroll->value(), 0);

        QTemporaryDir dir;
        window.findChild<QPushButton*>(QStringLiteral("exportButton"))->click();
        auto* chooser = window.findChild<QFileDialog*>(QStringLiteral("exportFileDialog"));
        QVERIFY(chooser && chooser->isVisible() && chooser->isModal());
        chooser->selectFile(dir.filePath("shown.csv"));
        static_cast<QDialog*>(chooser)->accept(); // as its Save button does
        const QByteArray csv = readFile(dir.filePath("shown.csv"));
        QCOMPARE(csv.count('\n'), 103);
        QVERIFY(csv.startsWith("\xEF\xBB\xBFtime,link,kind,code,value,text\r\n1970-01-01T00:00:01.000+00:00,1,temperature,,85.1,\r\n"));
        QVERIFY(csv.endsWith("1970-01-01T00:03:21.000+00:00,1,temperature,,99.8,\r\n"));
    }

    // A trace file that cannot be written is said on the link line, answers or not.
    void traceFailureOnLinkLine()
    {
        SimulatorServer sim;
        QVERIFY(sim.listen(QHostAddress::LocalHost, 0));
        setControllerAddress(QStringLiteral("127.0.0.1"), sim.serverPort());
        LinkTrace::setWriteFailure(QStringLiteral("No space left on device"));
        TestDrinkDialog panel;
        panel.show();
        auto* line = panel.findChild<QLabel*>(QStringLiteral("linkStateLabel"));
        QTRY_VERIFY_WITH_TIMEOUT(!panel.findChild<QLineEdit*>(QStringLiteral("curentModelineEdit"))->text().isEmpty(),
                                 5000);
        QVERIFY(!QTest::qWaitFor([&] { return !line->isVisible(); }, 600)); // a poll answered meanwhile
        QCOMPARE(line->text(), QStringLiteral("The trace file cannot be written: No space left on device"));
        LinkTrace::setWriteFailure(QString());
        QTRY_VERIFY_WITH_TIMEOUT(!line->isVisible(), 5000);
    }

    void bound_data()
    {
        QTest::addColumn<bool>("oneByOne");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("dropped");
        QTest::newRow("one by one, as a live panel adds them: the oldest hundredth goes") << true << 990003 << 10000;
        QTest::newRow("all at once, as a trace is read: the newest million stay") << false << 1000000 << 3;
    }
    // A million events are kept; the oldest go, and the window says how many.
    void bound()
    {
        QFETCH(bool, oneByOne);
        QFETCH(int, kept);
        QFETCH(int, dropped);
        HistoryModel history;
        QVector<HistoryEvent> events;
        for (int i = 0; i < 1000003; ++i)
            events << made(i, HistoryEvent::Kind::Temperature, 0, i % 1000);
        if (oneByOne) {
            for (const HistoryEvent& each : qAsConst(events))
                history.append(each);
        } else {
            history.appendAll(events);
        }
        QCOMPARE(history.rowCount(), kept);
        QCOMPARE(history.dropped(), qint64(dropped));
        QCOMPARE(history.eventAt(0).msSinceEpoch, qint64(dropped));
        HistoryDialog window(&history);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("droppedLabel"))->text(),
                 QStringLiteral("Oldest events dropped: %1").arg(dropped));
    }

    // The table takes new rows in batches; rows dropped leave it at once, also those it was
    // still to take, and a value's time lasted reaches only rows it shows.
    void arrivingRows()
    {
        HistoryModel history(300);
        ArrivingRows rows;
        rows.setSourceModel(&history);
        QAbstractItemModelTester tester(&rows, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 0; i < 299; ++i)
            history.append(made(i, HistoryEvent::Kind::State, 1000 + i % 2));
        QCOMPARE(rows.rowCount(), 0);
        QVERIFY(rows.showNew());
        QCOMPARE(rows.rowCount(), 299);
        QVERIFY(!rows.showNew());
        QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
        history.append(made(299, HistoryEvent::Kind::State, 1));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 298);
        history.append(made(300, HistoryEvent::Kind::State, 2)); // drops 3, and changes row 296 not yet shown
        QCOMPARE(changed.size(), 1);
        QCOMPARE(rows.rowCount(), 296);
        QCOMPARE(rows.index(0, HistoryModel::TimeColumn).data(HistoryModel::TimeRole).toLongLong(), qint64(3));
        QVERIFY(rows.showNew());
        QCOMPARE(rows.rowCount(), 298);

        HistoryModel tiny(2);
        rows.setSourceModel(&tiny);
        tiny.append(made(0, HistoryEvent::Kind::Temperature, 0));
        QVERIFY(rows.showNew());
        tiny.append(made(1, HistoryEvent::Kind::Temperature, 0));
        tiny.append(made(2, HistoryEvent::Kind::Temperature, 0)); // drops the one row shown
        QCOMPARE(rows.rowCount(), 0);
        QVERIFY(rows.showNew());
        QCOMPARE(rows.index(1, 0).data(HistoryModel::TimeRole).toLongLong(), qint64(2));
    }

    // A full history drops its oldest hundredth in one removal, then takes events without
    // dropping until it is full again.
    void blockDrop()
    {
        HistoryModel history(300);
        for (int i = 0; i < 300; ++i)
            history.append(made(i, HistoryEvent::Kind::Temperature, 0, 850));
        QSignalSpy removed(&history, &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(&history, &QAbstractItemModel::rowsInserted);
        QSignalSpy droppedNow(&history, &HistoryModel::droppedChanged);
        for (int i = 300; i < 303; ++i)
            history.append(made(i, HistoryEvent::Kind::Temperature, 0, 850));
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 0);
        QCOMPARE(removed.at(0).at(2).toInt(), 2);
        QCOMPARE(droppedNow.size(), 1);
        QCOMPARE(droppedNow.at(0).at(0).toLongLong(), qint64(3));
        QCOMPARE(inserted.size(), 3);
        QCOMPARE(inserted.at(0).at(1).toInt(), 297);
        QCOMPARE(inserted.at(2).at(2).toInt(), 299);
        QCOMPARE(history.count(), 300);
        QCOMPARE(history.dropped(), qint64(3));
        QCOMPARE(history.eventAt(0).msSinceEpoch, qint64(3));
        history.append(made(303, HistoryEvent::Kind::Temperature, 0, 850));
        QCOMPARE(history.count(), 298);
        QCOMPARE(history.dropped(), qint64(6));
    }

    // The history the panel showed is the history read back from its trace, row for row, from a
    // faulty controller: garbage after every fifth reply, replies stalled halfway, a silence and
    // its end, a lost connection and a new one, a command. Last: the trace stays on.
    void traceGivesTheLiveHistory()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("faults.trace"));
        QVERIFY(startLinkTraceFile(path));
        SimulatorServer sim;
        QVERIFY(sim.listen(QHostAddress::LocalHost, 0));
        const quint16 port = sim.serverPort();
        sim.setClock([&sim] { return qint64(sim.requestCount()) * 1000; });
        sim.model().setOutput(1, true); // the boiler heats: a new temperature in every reply
        sim.setGarbageEvery(5);
        setControllerAddress(QStringLiteral("127.0.0.1"), port);
        HistoryModel& history = ProgramHistory::model();
        const int from = history.count();
        const auto count = [&history, from](const char* kind) {
            int n = 0;
            for (int i = from; i < history.count(); ++i)
                n += HistoryTexts::kindName(history.eventAt(i).kind) == QLatin1String(kind) ? 1 : 0;
            return n;
        };
        const auto requestsOnFrom = [&sim](int more) {
            const int until = sim.requestCount() + more;
            return [&sim, until] { return sim.requestCount() >= until; };
        };
        {
            TestBoilerDialog panel;
            panel.show();
            QVERIFY(QTest::qWaitFor(requestsOnFrom(12), 10000));
            panel.findChild<QPushButton*>(QStringLiteral("BoilerOnButton"))->click();
            sim.setSplitReplies(120);
            QVERIFY(QTest::qWaitFor(requestsOnFrom(3), 10000));
            sim.setSplitReplies(-1);
            sim.setSilent(true);
            QTRY_COMPARE_WITH_TIMEOUT(count("not-answering"), 1, 10000);
            sim.setSilent(false);
            QTRY_COMPARE_WITH_TIMEOUT(count("answering"), 1, 10000);
            sim.close();
            QTRY_COMPARE_WITH_TIMEOUT(count("lost"), 1, 10000);
            QVERIFY(sim.listen(QHostAddress::LocalHost, port));
            QTRY_COMPARE_WITH_TIMEOUT(count("connected"), 2, 15000);
            QVERIFY(QTest::qWaitFor(requestsOnFrom(12), 10000));
            panel.close();
        }
        HistoryModel live;
        for (int i = from; i < history.count(); ++i)
            live.append(history.eventAt(i));
        QCOMPARE(count("command"), 1);
        QVERIFY2(count("temperature") >= 10, qPrintable(QString::number(count("temperature"))));
        QCOMPARE(csvOfTrace(readFile(path)), csv(live));
    }
};

QUELLARO_TEST_MAIN(TestHistory)
#include "tst_history.moc"
