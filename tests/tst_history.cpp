// The history of a run: recorded live from a panel against the simulator, read from the
// recordings as CSV, bounded, shown and exported by the History window.

#include "test_support.h"

#include "history/history_csv.h"
#include "history/history_dialog.h"
#include "history/history_model.h"
#include "history/history_recorder.h"
#include "history/history_texts.h"
#include "history/program_history.h"
#include "history/trace_history.h"
#include "link/link_trace.h"
#include "panels/pollingdialog.h"
#include "panels/testdrinkdialog.h"
#include "shell/quellaro.h"
#include "simulator/simulator_server.h"

#include <QBuffer>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>

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
        const QList<Row> expected{
            {"Connected", 0}, {"Mode", 2},     {"State", 1000}, {"Error", 0},    {"Command", 3},
            {"State", 110},   {"State", 115},  {"State", 116},  {"State", 118},  {"State", 120},
            {"State", 130},   {"State", 131},  {"State", 132},  {"State", 133},  {"State", 134},
            {"State", 121},   {"State", 140},  {"State", 142},  {"State", 141},  {"State", 1000}};
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
        QTRY_COMPARE_WITH_TIMEOUT(linkRows(), (QStringList{"Connected", "Not answering", "Answering", "Lost", "Connected"}),
                                  10000);
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

    // A quote in a text is doubled and the text quoted, so that no column moves.
    void csvQuotes()
    {
        HistoryModel model;
        HistoryRecorder recorder(model);
        recorder.lost(1, {1000, 0}, QStringLiteral("said \"no\", twice"));
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(HistoryCsv::write(model, out, 0));
        QVERIFY2(out.data().endsWith(",\"said \"\"no\"\", twice\"\r\n"), out.data().constData());
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
            const QList<QPushButton*> quits = panel->findChildren<QPushButton*>(QRegularExpression("^(quit|push)Button$"));
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
            history.append(made(1000 * i, i % 2 ? HistoryEvent::Kind::Temperature : HistoryEvent::Kind::State, 1000, 850 + i));
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
        QVERIFY(!QTest::qWaitFor([&] { return scroll->value() != 0; }, 50));
        QCOMPARE(view->model()->rowCount(), 102);

        QTemporaryDir dir;
        window.findChild<QPushButton*>(QStringLiteral("exportButton"))->click();
        auto* chooser = window.findChild<QFileDialog*>(QStringLiteral("exportFileDialog"));
        QVERIFY(chooser && chooser->isVisible() && chooser->isModal());
        chooser->selectFile(dir.filePath("shown.csv"));
        static_cast<QDialog*>(chooser)->accept(); // as its Save button does
        const QByteArray csv = readFile(dir.filePath("shown.csv"));
        QCOMPARE(csv.count('\n'), 103);
        QVERIFY(csv.startsWith("time,link,kind,code,value,text\r\n1970-01-01T00:00:01.000+00:00,1,temperature,,85.1,\r\n"));
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
        QTRY_VERIFY_WITH_TIMEOUT(!panel.findChild<QLineEdit*>(QStringLiteral("curentModelineEdit"))->text().isEmpty(), 5000);
        QVERIFY(!QTest::qWaitFor([&] { return !line->isVisible(); }, 600)); // a poll answered meanwhile
        QCOMPARE(line->text(), QStringLiteral("The trace file cannot be written: No space left on device"));
        LinkTrace::setWriteFailure(QString());
        QTRY_VERIFY_WITH_TIMEOUT(!line->isVisible(), 5000);
    }

    void bound_data()
    {
        QTest::addColumn<bool>("oneByOne");
        QTest::newRow("one by one, as a live panel adds them") << true;
        QTest::newRow("all at once, as a trace is read") << false;
    }
    // A million events are kept; the oldest go, and the window says how many.
    void bound()
    {
        QFETCH(bool, oneByOne);
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
        QCOMPARE(history.rowCount(), 1000000);
        QCOMPARE(history.dropped(), qint64(3));
        QCOMPARE(history.eventAt(0).value, 3);
        HistoryDialog window(&history);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("droppedLabel"))->text(),
                 QStringLiteral("Oldest events dropped: 3"));
    }
};

QUELLARO_TEST_MAIN(TestHistory)
#include "tst_history.moc"
