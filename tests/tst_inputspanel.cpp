#include "test_support.h"

#include "link/protocol.h"
#include "panel_wire.h"
#include "panels/showinputsdialog.h"
#include "recording_peer.h"
#include "shell/style_sheets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

// The inputs panel: each input byte of the extended answer lights its own box.
namespace {

constexpr int Timeout = 5000;

struct Rig
{
    Rig()
    {
        setControllerAddress(QStringLiteral("127.0.0.1"), peer.port());
        panel = new ShowInputsDialog(&testMenu);
        testMenu.show();
        panel->show();
    }

    // Sends an answer and waits until the panel has shown it (by its mode text).
    bool answer(const QByteArray& frame, const QString& modeText)
    {
        if (!peer.send(frame))
            return false;
        auto* mode = panel->findChild<QLineEdit*>(QStringLiteral("curentModelineEdit"));
        return QTest::qWaitFor([&] { return mode->text() == modeText; }, Timeout);
    }

    QStringList checkedBoxes() const
    {
        QStringList names;
        for (QCheckBox* box : panel->findChildren<QCheckBox*>()) {
            if (box->isChecked())
                names << box->objectName();
        }
        return names;
    }

    RecordingPeer peer;
    QWidget testMenu;
    ShowInputsDialog* panel = nullptr;
};

} // namespace

class TestInputsPanel : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void byteLightsItsBox_data();
    void byteLightsItsBox();
    void allInputsOnAndOff();
    void boxesCannotBeToggled();
};

void TestInputsPanel::form()
{
    Rig rig;
    QVERIFY(!rig.panel->findChild<QGroupBox*>(QStringLiteral("groupBox"))->isEnabled());
    const auto boxes = rig.panel->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), Protocol::InputCount);
    for (QCheckBox* box : boxes) {
        // Disabled in its own right, not only through the group box.
        QVERIFY2(box->testAttribute(Qt::WA_ForceDisabled), qPrintable(box->objectName()));
        QVERIFY(!box->isTristate());
        QVERIFY(!box->isChecked());
        QCOMPARE(box->styleSheet(), styleSheet(Style::InputsCheckBox));
    }
    QCOMPARE(rig.panel->findChild<QPushButton*>(QStringLiteral("quitButton"))->styleSheet(),
             styleSheet(Style::PanelButton));
}

void TestInputsPanel::byteLightsItsBox_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("box");
    // Record order; the screen order differs.
    const char* boxes[] = {
        "power_checkBox", "dispenser_sugar_insrc_checkBox", "water_level_checkBox",
        "water_selector_insrc_checkBox", "water_selector_inrefpoint_checkBox", "water_sensor_counter_checkBox",
        "dispenser_cup_found_checkBox", "dispenser_cup_insrc_checkBox", "cofee_metering_isfull_checkBox",
        "cofee_group_insrc_checkBox", "cofee_group_inwork_checkBox", "garbage_container_checkBox",
        "dispenser_cup_outpos_checkBox", "diagnostic_checkBox", "trade_checkBox", "master_checkBox",
        "operatorcheckBox", "washingcheckBox",
    };
    const int values[] = {1, 2, 255};
    for (int i = 0; i < Protocol::InputCount; ++i)
        QTest::addRow("byte %d", 9 + i) << 9 + i << values[i % 3] << QString::fromLatin1(boxes[i]);
    QTest::newRow("byte 7 shows nothing") << 7 << 1 << QString();
    QTest::newRow("byte 8 shows nothing") << 8 << 1 << QString();
    QTest::newRow("byte 33, the cooler, shows nothing here") << 33 << 1 << QString();
    QTest::newRow("output byte 27 shows nothing here") << 27 << 1 << QString();
}

void TestInputsPanel::byteLightsItsBox()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, box);
    Rig rig;
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QVERIFY(rig.answer(PanelWire::xstateReplyFilled(2, 9, 26, 1), QStringLiteral("Trade")));
    QCOMPARE(rig.checkedBoxes().size(), Protocol::InputCount);

    QVERIFY(rig.answer(PanelWire::xstateReply(4, 0, 0, offset, quint8(value)), QStringLiteral("Master")));
    QCOMPARE(rig.checkedBoxes(), box.isEmpty() ? QStringList() : QStringList{box});
    // The panel only polls.
    QCOMPARE(PanelWire::requestsExcept(rig.peer.received(), Protocol::RequestXState), QByteArray());
    rig.panel->close();
}

void TestInputsPanel::allInputsOnAndOff()
{
    Rig rig;
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QVERIFY(rig.answer(PanelWire::xstateReplyFilled(3, 9, 26, 0x80), QStringLiteral("Operator")));
    QCOMPARE(rig.checkedBoxes().size(), Protocol::InputCount);
    // Outputs all on, inputs all off.
    QVERIFY(rig.answer(PanelWire::xstateReplyFilled(5, 27, 48, 1), QStringLiteral("Washing")));
    QCOMPARE(rig.checkedBoxes(), QStringList());

    // A reopened panel shows the last states until its first answer.
    QVERIFY(rig.answer(PanelWire::xstateReplyFilled(2, 9, 26, 1), QStringLiteral("Trade")));
    rig.panel->close();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 0, Timeout);
    rig.panel->show();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QCOMPARE(rig.checkedBoxes().size(), Protocol::InputCount);
    rig.panel->close();
}

void TestInputsPanel::boxesCannotBeToggled()
{
    Rig rig;
    auto* box = rig.panel->findChild<QCheckBox*>(QStringLiteral("power_checkBox"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(!box->isChecked());
    rig.panel->close();
}

QUELLARO_TEST_MAIN(TestInputsPanel)
#include "tst_inputspanel.moc"
