#include "test_support.h"

#include "link/protocol.h"
#include "panel_wire.h"
#include "panels/showoutputsdialog.h"
#include "recording_peer.h"
#include "shell/style_sheets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

// The outputs panel: each box switches its output with request 5; polling never feeds back.
namespace {

constexpr int Timeout = 5000;

struct Rig
{
    Rig()
    {
        setControllerAddress(QStringLiteral("127.0.0.1"), peer.port());
        panel = new ShowOutputsDialog(&testMenu);
        testMenu.show();
        panel->show();
    }

    QCheckBox* box(const QString& name) const { return panel->findChild<QCheckBox*>(name); }

    QByteArray sent() const { return PanelWire::requestsExcept(peer.received(), Protocol::RequestXState); }

    QStringList checkedBoxes() const
    {
        QStringList names;
        for (QCheckBox* box : panel->findChildren<QCheckBox*>()) {
            if (box->isChecked())
                names << box->objectName();
        }
        names.sort();
        return names;
    }

    RecordingPeer peer;
    QWidget testMenu;
    ShowOutputsDialog* panel = nullptr;
};

// A click on the indicator, as the technician does it.
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class TestOutputsPanel : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void toggleSwitchesItsOutput_data();
    void toggleSwitchesItsOutput();
    void answersNeverTouchTheBoxes();
    void boxesOutliveTheCycleAndNothingIsSentOnCloseOrReopen();
};

void TestOutputsPanel::form()
{
    Rig rig;
    const auto boxes = rig.panel->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), Protocol::OutputCount);
    for (QCheckBox* box : boxes) {
        QVERIFY2(box->isEnabled(), qPrintable(box->objectName()));
        QVERIFY(!box->isTristate());
        QVERIFY(!box->isChecked());
        QCOMPARE(box->styleSheet(), styleSheet(Style::OutputsCheckBox));
    }
    QCOMPARE(rig.panel->findChild<QPushButton*>(QStringLiteral("quitButton"))->styleSheet(),
             styleSheet(Style::PanelButton));
    rig.panel->close();
}

void TestOutputsPanel::toggleSwitchesItsOutput_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("output");
    const std::pair<const char*, int> outputs[] = {
        {"selector_water_run_checkBox", 0}, {"boiler_heating_checkBox", 1}, {"boiler_pump_checkBox", 2},
        {"boiler_valve_1_checkBox", 3}, {"boiler_valve_2_checkBox", 4}, {"cofee_grinder_checkBox", 5},
        {"cooler_checkBox", 6}, {"coffee_metering_checkBox", 7}, {"coffee_group_checkBox", 8},
        {"dispenser_cup_rotation_checkBox", 9}, {"dispenser_cup_unload_checkBox", 10},
        {"dispenser_sugar_down_checkBox", 11}, {"dispenser_sugar_screw_checkBox", 12},
        // Screw before drive in the machine's numbering.
        {"mixer_1_screw_checkBox", 13}, {"mixer_1_drive_checkBox", 14}, {"mixer_2_screw_checkBox", 15},
        {"mixer_2_drive_checkBox", 16}, {"mixer_3_screw_checkBox", 17}, {"mixer_3_drive_checkBox", 18},
        {"mixer_4_screw_checkBox", 19}, {"mixer_4_drive_checkBox", 20}, {"water_pump_checkBox", 21},
    };
    for (const auto& [box, output] : outputs)
        QTest::newRow(box) << QString::fromLatin1(box) << output;
}

void TestOutputsPanel::toggleSwitchesItsOutput()
{
    QFETCH(QString, box);
    QFETCH(int, output);
    Rig rig;
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QCheckBox* checkBox = rig.box(box);
    QVERIFY(checkBox);

    QByteArray on = hexBytes("05 02 00 01");
    on[2] = char(output);
    QByteArray off = on;
    off[3] = 0;
    clickBox(checkBox);
    QVERIFY(checkBox->isChecked());
    QTRY_COMPARE_WITH_TIMEOUT(rig.sent(), on, Timeout);
    QTest::keyClick(checkBox, Qt::Key_Space);
    QVERIFY(!checkBox->isChecked());
    QTRY_COMPARE_WITH_TIMEOUT(rig.sent(), on + off, Timeout);
    rig.panel->close();
}

void TestOutputsPanel::answersNeverTouchTheBoxes()
{
    Rig rig;
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    auto* mode = rig.panel->findChild<QLineEdit*>(QStringLiteral("curentModelineEdit"));
    int modeCode = 2;
    for (const char* text : {"Trade", "Operator", "Master"}) {
        QVERIFY(rig.peer.send(PanelWire::xstateReplyFilled(modeCode++, 9, 48, 1)));
        QTRY_COMPARE_WITH_TIMEOUT(mode->text(), QString::fromLatin1(text), Timeout);
    }
    QCOMPARE(rig.checkedBoxes(), QStringList());

    // A box the technician switched on stays on while the machine reports every output off.
    clickBox(rig.box(QStringLiteral("water_pump_checkBox")));
    QVERIFY(rig.peer.send(PanelWire::xstateReplyFilled(5, 9, 48, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(mode->text(), QStringLiteral("Washing"), Timeout);
    QCOMPARE(rig.checkedBoxes(), QStringList{QStringLiteral("water_pump_checkBox")});
    QTRY_COMPARE_WITH_TIMEOUT(rig.sent(), hexBytes("05 02 15 01"), Timeout);
    rig.panel->close();
}

void TestOutputsPanel::boxesOutliveTheCycleAndNothingIsSentOnCloseOrReopen()
{
    Rig rig;
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    // Checked and unchecked quickly: two requests, in order.
    clickBox(rig.box(QStringLiteral("cooler_checkBox")));
    clickBox(rig.box(QStringLiteral("cooler_checkBox")));
    clickBox(rig.box(QStringLiteral("mixer_1_drive_checkBox")));
    clickBox(rig.box(QStringLiteral("selector_water_run_checkBox")));
    QTRY_COMPARE_WITH_TIMEOUT(rig.sent(), hexBytes("05 02 06 01  05 02 06 00  05 02 0E 01  05 02 00 01"), Timeout);
    const QStringList checked{QStringLiteral("mixer_1_drive_checkBox"), QStringLiteral("selector_water_run_checkBox")};
    QCOMPARE(rig.checkedBoxes(), checked);

    QTest::mouseClick(rig.panel->findChild<QPushButton*>(QStringLiteral("quitButton")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 0, Timeout);
    rig.peer.clearReceived();
    rig.panel->show();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.connectionCount(), 2, Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(PanelWire::countRequests(rig.peer.received(), Protocol::RequestXState) >= 3, Timeout);
    QCOMPARE(rig.checkedBoxes(), checked);
    QCOMPARE(rig.sent(), QByteArray());
    rig.panel->close();
}

QUELLARO_TEST_MAIN(TestOutputsPanel)
#include "tst_outputspanel.moc"
