#include "panel_wire.h"

#include "link/protocol.h"
#include "panels/showinputsdialog.h"
#include "panels/switchmodedialog.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QShowEvent>

// The polling cycle, driven through the mode switch panel (short answers every 500 ms; it brings
// back the menu that opened it) and the inputs panel (extended answers every 100 ms).
namespace {

struct Rig : PanelWire::Rig
{
    explicit Rig(bool extended)
        : inputs(extended), interval(extended ? 100 : 500), poll(hexBytes(extended ? "04 00" : "01 00"))
    {
        panel = inputs ? static_cast<QWidget*>(new ShowInputsDialog(&menu)) : new SwitchModeDialog(&menu);
    }
    QByteArray reply(int mode, int state, int error) const { return PanelWire::answer(inputs, mode, state, error); }
    int polls() const { return PanelWire::requests(peer.received()).count(poll); }
    QStringList fields() const
    {
        return {field("curentModelineEdit"), field("curentStatelineEdit"), field("curentErrorlineEdit")};
    }
    const bool inputs;
    const int interval;
    const QByteArray poll;
};

void addPanels()
{
    QTest::addColumn<bool>("inputs");
    QTest::newRow("mode switch") << false;
    QTest::newRow("inputs") << true;
}

} // namespace

class TestPollingCycle : public QObject
{
    Q_OBJECT

private slots:
    void pollsAtItsInterval_data() { addPanels(); }
    void secondShowEventStartsNoSecondCycle_data() { addPanels(); }
    void unreachableMachineLeavesFieldsAsTheyWere_data() { addPanels(); }

    void pollsAtItsInterval()
    {
        QFETCH(bool, inputs);
        Rig rig(inputs);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(rig.open());
        QTRY_VERIFY(rig.polls() >= 3);
        // The first request goes out one interval after the show (timers may fire 5 % early).
        QVERIFY2(clock.elapsed() >= 3 * rig.interval * 9 / 10, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(rig.peer.received(), rig.poll.repeated(rig.polls()));
    }

    void modeButtonSendsItsCode_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("Diagnostic is 6, not 1") << "diagnosticButton" << hexBytes("02 01 06");
        QTest::newRow("Trade") << "tradeButton" << hexBytes("02 01 02");
        QTest::newRow("Operator") << "operatorButton" << hexBytes("02 01 03");
        QTest::newRow("Master") << "masterButton" << hexBytes("02 01 04");
        QTest::newRow("Washing") << "washingButton" << hexBytes("02 01 05");
    }

    void modeButtonSendsItsCode()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, frame);
        Rig rig(false);
        QVERIFY(rig.open());
        auto* pushButton = rig.panel->findChild<QPushButton*>(button);
        QVERIFY(pushButton);
        // The mode that is already asked for is asked for again.
        QTest::mouseClick(pushButton, Qt::LeftButton);
        QTest::mouseClick(pushButton, Qt::LeftButton);
        QTRY_COMPARE(PanelWire::requests(rig.peer.received(), Protocol::RequestState), (QByteArrayList{frame, frame}));
    }

    void fieldsFollowTheMachine_data()
    {
        QTest::addColumn<bool>("inputs");
        QTest::addColumn<QVector<int>>("codes"); // mode, state, error
        QTest::addColumn<QStringList>("texts");
        for (bool inputs : {false, true}) {
            const char* panel = inputs ? "inputs" : "mode switch";
            QTest::addRow("%s: diagnostic", panel) << inputs << QVector<int>{6, 2, 10001}
                                                   << QStringList{"Diagnostic", "Boiler diagnostic", "Error boiler"};
            // A code without a text empties its own field only.
            QTest::addRow("%s: mode without text", panel)
                << inputs << QVector<int>{7, 1000, 0} << QStringList{"", "Waiting", "All correct"};
            QTest::addRow("%s: FF FF is 65535", panel)
                << inputs << QVector<int>{0, 65535, 65535} << QStringList{"Off", "", ""};
        }
    }

    void fieldsFollowTheMachine()
    {
        QFETCH(bool, inputs);
        QFETCH(QVector<int>, codes);
        QFETCH(QStringList, texts);
        Rig rig(inputs);
        QVERIFY(rig.open());
        QVERIFY(rig.answer(rig.reply(3, 0, 1), "Operator"));
        QCOMPARE(rig.fields(), (QStringList{"Operator", "Start mode", "Timeout diagnosis"}));
        QVERIFY(rig.peer.send(rig.reply(codes[0], codes[1], codes[2])));
        QTRY_COMPARE(rig.fields(), texts);
    }

    void closingEndsTheCycleAndReopeningStartsANewOne_data()
    {
        QTest::addColumn<bool>("inputs");
        QTest::addColumn<QString>("way");
        for (bool inputs : {false, true}) {
            for (const char* way : {"Quit", "close()", "Escape"})
                QTest::addRow("%s: %s", inputs ? "inputs" : "mode switch", way) << inputs << way;
        }
    }

    void closingEndsTheCycleAndReopeningStartsANewOne()
    {
        QFETCH(bool, inputs);
        QFETCH(QString, way);
        Rig rig(inputs);
        QVERIFY(rig.open());
        QVERIFY(rig.answer(rig.reply(2, 1000, 0), "Trade"));
        if (way == "Quit")
            QTest::mouseClick(rig.panel->findChild<QPushButton*>(QStringLiteral("quitButton")), Qt::LeftButton);
        else if (way == "close()")
            rig.panel->close();
        else
            QTest::keyClick(rig.panel, Qt::Key_Escape);

        QVERIFY(!rig.panel->isVisible());
        QCOMPARE(rig.menu.isVisible(), !inputs);
        QTRY_COMPARE(rig.peer.openConnectionCount(), 0);
        rig.peer.clearReceived();
        QVERIFY(!QSignalSpy(&rig.peer, &RecordingPeer::bytesReceived).wait(3 * rig.interval));
        // Closing a panel that is not shown brings back nothing.
        rig.menu.hide();
        rig.panel->close();
        QVERIFY(!rig.menu.isVisible());

        // Reopened, it polls on a new connection; the old texts stay until its first answer.
        QVERIFY(rig.open());
        QCOMPARE(rig.peer.connectionCount(), 2);
        QTRY_VERIFY(rig.polls() > 0);
        QCOMPARE(rig.fields(), (QStringList{"Trade", "Waiting", "All correct"}));
        QVERIFY(rig.answer(rig.reply(4, 1000, 0), "Master"));
    }

    void secondShowEventStartsNoSecondCycle()
    {
        QFETCH(bool, inputs);
        Rig rig(inputs);
        QVERIFY(rig.open());

        // As a restored minimized window gets it.
        QShowEvent again;
        QCoreApplication::sendEvent(rig.panel, &again);
        rig.panel->show();
        rig.peer.clearReceived();
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY(rig.polls() >= 6);
        QVERIFY2(rig.polls() <= clock.elapsed() / rig.interval + 2, qPrintable(QString::number(rig.polls())));
        QCOMPARE(rig.peer.connectionCount(), 1);
    }

    void unreachableMachineLeavesFieldsAsTheyWere()
    {
        QFETCH(bool, inputs);
        Rig rig(inputs);
        QVERIFY(rig.open());
        QVERIFY(rig.answer(rig.reply(5, 1000, 0), "Washing"));
        rig.panel->close();
        rig.peer.stopListening();
        rig.peer.closeConnections();

        rig.panel->show();
        // Commands go nowhere, silently; the panel stays as it was and still answers the keyboard.
        if (auto* button = rig.panel->findChild<QPushButton*>(QStringLiteral("tradeButton")))
            QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!QSignalSpy(&rig.peer, &RecordingPeer::connectionAccepted).wait(4 * rig.interval));
        QVERIFY(rig.panel->isVisible());
        QCOMPARE(rig.fields(), (QStringList{"Washing", "Waiting", "All correct"}));
        QTest::keyClick(rig.panel, Qt::Key_Escape);
        QVERIFY(!rig.panel->isVisible());
        QCOMPARE(rig.menu.isVisible(), !inputs);
    }
};

QUELLARO_TEST_MAIN(TestPollingCycle)
#include "tst_pollingcycle.moc"
