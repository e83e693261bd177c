#include "panel_wire.h"

#include "link/protocol.h"
#include "panels/showoutputsdialog.h"

// The outputs panel: each box switches its output with request 5; the polled answers never feed back.
namespace {

struct Rig : PanelWire::Rig
{
    Rig() { panel = new ShowOutputsDialog(&menu); }
    QCheckBox* box(const QString& name) const { return panel->findChild<QCheckBox*>(name); }
    void tick(const QString& name) { QTest::mouseClick(box(name), Qt::LeftButton, {}, QPoint(8, 8)); } // on the box
};

} // namespace

class TestOutputsPanel : public QObject
{
    Q_OBJECT

private slots:
    void boxSwitchesItsOutput_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("output");
        // In the machine's numbering; a mixer's screw comes before its drive.
        const char* boxes[] = {"selector_water_run", "boiler_heating", "boiler_pump", "boiler_valve_1",
            "boiler_valve_2", "cofee_grinder", "cooler", "coffee_metering", "coffee_group", "dispenser_cup_rotation",
            "dispenser_cup_unload", "dispenser_sugar_down", "dispenser_sugar_screw", "mixer_1_screw", "mixer_1_drive",
            "mixer_2_screw", "mixer_2_drive", "mixer_3_screw", "mixer_3_drive", "mixer_4_screw", "mixer_4_drive",
            "water_pump"};
        for (int output = 0; output < Protocol::OutputCount; ++output)
            QTest::newRow(boxes[output]) << QString::fromLatin1(boxes[output]) + "_checkBox" << output;
    }

    // Checked by mouse: 05 02 nn 01; unchecked by keyboard: 05 02 nn 00.
    void boxSwitchesItsOutput()
    {
        QFETCH(QString, box);
        QFETCH(int, output);
        Rig rig;
        QVERIFY(rig.open());
        rig.tick(box);
        QTest::keyClick(rig.box(box), Qt::Key_Space);
        QByteArray on = hexBytes("05 02 00 01"), off = hexBytes("05 02 00 00");
        on[2] = off[2] = char(output);
        QTRY_COMPARE(rig.sent(), (QByteArrayList{on, off}));
        QCOMPARE(rig.checked(), QStringList());
    }

    // The boxes keep what the technician asked for; answers, closing and reopening send nothing.
    void boxesKeepTheirStateAndNothingElseIsSent()
    {
        Rig rig;
        QVERIFY(rig.open());
        rig.tick("water_pump_checkBox");
        const QByteArrayList sent{hexBytes("05 02 15 01")};
        QTRY_COMPARE(rig.sent(), sent);
        const QStringList checked{"water_pump_checkBox"};
        QVERIFY(rig.answer(PanelWire::answer(true, Protocol::ModeTrade, 0, 0, 9, 48, 1), "Trade"));
        QCOMPARE(rig.checked(), checked);
        QVERIFY(rig.answer(PanelWire::answer(true, Protocol::ModeOperator, 0, 0, 9, 48, 0), "Operator"));
        QCOMPARE(rig.checked(), checked);
        rig.click("quitButton");
        QTRY_COMPARE(rig.peer.openConnectionCount(), 0);
        QCOMPARE(rig.sent(), sent);
        rig.peer.clearReceived();
        QVERIFY(rig.open());
        QTRY_VERIFY(PanelWire::requests(rig.peer.received()).size() >= 1);
        QCOMPARE(rig.checked(), checked);
        QCOMPARE(rig.sent(), QByteArrayList());
    }
};

QUELLARO_TEST_MAIN(TestOutputsPanel)
#include "tst_outputspanel.moc"
