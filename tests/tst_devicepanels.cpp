#include "panel_wire.h"

#include "connection/link_factory.h"
#include "link/protocol.h"
#include "panels/showinputsdialog.h"
#include "panels/switchmodedialog.h"
#include "panels/testboilerdialog.h"
#include "panels/testcofegroupdialog.h"
#include "panels/testdispensordialog.h"
#include "panels/testmixerdialog.h"
#include "panels/testselectorwaterdialog.h"

#include <QLCDNumber>
#include <tuple>

// The five device test panels, the inputs panel and the mode switch panel, driven end to end
// against a recording controller.
namespace {

template <typename Panel>
QWidget* make(QWidget* parent)
{
    return new Panel(parent);
}

struct Kind
{
    const char* name;
    QWidget* (*make)(QWidget*);
    const char* quitButton;
    QMap<int, QString> boxes; // byte of the extended answer -> the check box that shows it
};

enum { Boiler, Selector, Mixer, Cofegroup, Dispensor, Inputs, ModeSwitch };

const Kind kinds[] = {
    {"boiler", make<TestBoilerDialog>, "quitButton",
     {{14, "watercheckBox"}, {28, "boilerOncheckBox"}, {29, "pumpOncheckBox"}, {30, "clapan_1checkBox"},
      {31, "clapan_2checkBox"}, {48, "waterRuncheckBox"}}},
    {"selector", make<TestSelectorWaterDialog>, "pushButton",
     {{12, "selectorInSrccheckBox"}, {13, "selectorInPoscheckBox"}, {14, "watercheckBox"},
      {27, "selectorMovecheckBox"}}},
    {"mixer", make<TestMixerDialog>, "quitButton",
     {{40, "shnek_1_checkBox"}, {41, "drive_1_checkBox"}, {42, "shnek_2_checkBox"}, {43, "drive_2_checkBox"},
      {44, "shnek_3_checkBox"}, {45, "drive_3_checkBox"}, {46, "shnek_4_checkBox"}, {47, "drive_4_checkBox"}}},
    {"cofegroup", make<TestCofeGroupDialog>, "quitButton",
     {{17, "dozatorcheckBox"}, {18, "cofegroupInSrccheckBox"}, {19, "cofegroupInWorkcheckBox"},
      {32, "cofegrinderRuncheckBox"}, {34, "dozatorOncheckBox"}, {35, "cofegroupOncheckBox"}}},
    {"dispensor", make<TestDispensorDialog>, "pushButton",
     {{10, "noseInSrccheckBox"}, {15, "cupFoundcheckBox"}, {16, "dispInSrccheckBox"}, {21, "cupOutPoscheckBox"},
      {36, "cupDispRuncheckBox"}, {37, "cupDispUnloadcheckBox"}, {38, "noseGoDowncheckBox"},
      {39, "shneckRuncheckBox"}}},
    {"inputs", make<ShowInputsDialog>, "quitButton",
     {{9, "power_checkBox"}, {10, "dispenser_sugar_insrc_checkBox"}, {11, "water_level_checkBox"},
      {12, "water_selector_insrc_checkBox"}, {13, "water_selector_inrefpoint_checkBox"},
      {14, "water_sensor_counter_checkBox"}, {15, "dispenser_cup_found_checkBox"},
      {16, "dispenser_cup_insrc_checkBox"}, {17, "cofee_metering_isfull_checkBox"},
      {18, "cofee_group_insrc_checkBox"}, {19, "cofee_group_inwork_checkBox"}, {20, "garbage_container_checkBox"},
      {21, "dispenser_cup_outpos_checkBox"}, {22, "diagnostic_checkBox"}, {23, "trade_checkBox"},
      {24, "master_checkBox"}, {25, "operatorcheckBox"}, {26, "washingcheckBox"}}},
    {"mode switch", make<SwitchModeDialog>, "quitButton", {}},
};

} // namespace

class TestDevicePanels : public QObject
{
    Q_OBJECT

private slots:
    // Every answer goes to a poll of its own: quick polls keep the many answers quick.
    void initTestCase()
    {
        LinkTiming quick;
        quick.fastPollMs = quick.slowPollMs = 20;
        LinkFactory::setTiming(quick);
    }
    void commandButtonSendsItsFrame_data();
    void commandButtonSendsItsFrame();
    void eachByteChecksItsBoxOnly_data();
    void eachByteChecksItsBoxOnly();
    void boilerTemperature_data();
    void boilerTemperature();
};

void TestDevicePanels::commandButtonSendsItsFrame_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("frame");
    const std::tuple<int, const char*, char> rows[] = {
        {Boiler, "WaterPompOnButton", 0x13}, {Boiler, "BoilerOnButton", 0x14}, {Boiler, "PompaOnButton", 0x15},
        {Boiler, "Klapan_1_OnButton", 0x16}, {Boiler, "Klapan_2_OnButton", 0x17},
        {Boiler, "CofeGruppaOnButton", 0x18}, {Boiler, "MixerOnButton", 0x19},
        {Selector, "driveOnButton", 0x01}, {Selector, "selector_cofe_Button", 0x02},
        {Selector, "selector_1_Button", 0x03}, {Selector, "selector_2_Button", 0x04},
        {Selector, "selector_3_Button", 0x05}, {Selector, "selector_4_Button", 0x06},
        {Selector, "selectorInSrcButton", 0x07}, {Mixer, "drive_1_Button", 0x08}, {Mixer, "shnek_1_Button", 0x09},
        {Mixer, "drive_2_Button", 0x0A}, {Mixer, "shnek_2_Button", 0x0B}, {Mixer, "drive_3_Button", 0x0C},
        {Mixer, "shnek_3_Button", 0x0D}, {Mixer, "drive_4_Button", 0x0E}, {Mixer, "shnek_4_Button", 0x0F},
        {Dispensor, "DispensorRunButton", 0x10}, {Dispensor, "dispensorUnloadButton", 0x11},
        {Dispensor, "dispensorWorkCicleButton", 0x12}, {Dispensor, "sugarUpButton", 0x1A},
        {Dispensor, "sugarShnekButton", 0x1B}, {Dispensor, "sugarWorkCicleButton", 0x1C},
        {Cofegroup, "cofemolkaButton", 0x1D}, {Cofegroup, "dozatorButton", 0x1E},
        {Cofegroup, "pressButton", 0x1F}, {Cofegroup, "workcicklButton", 0x20},
    };
    for (const auto& [kind, button, command] : rows)
        QTest::addRow("%s %s", kinds[kind].name, button)
            << kind << button << hexBytes("03 06").append(command).append(5, 0);
    char mode = 2; // Diagnostic is 6, not 1
    for (const char* button : {"tradeButton", "operatorButton", "masterButton", "washingButton", "diagnosticButton"})
        QTest::addRow("mode switch %s", button) << int(ModeSwitch) << button << QByteArray("\x02\x01") + mode++;
}

void TestDevicePanels::commandButtonSendsItsFrame()
{
    QFETCH(int, kind);
    QFETCH(QString, button);
    QFETCH(QByteArray, frame);
    PanelWire::Rig rig;
    rig.panel = kinds[kind].make(&rig.menu);
    QVERIFY(rig.open());
    QVERIFY(rig.panel->findChild<QPushButton*>(button));

    // A second click is a second, identical command: nothing toggles, and the mode already asked
    // for is asked for again.
    rig.click(button);
    rig.click(button);
    QTRY_COMPARE(rig.sent(), (QByteArrayList{frame, frame}));
}

void TestDevicePanels::eachByteChecksItsBoxOnly_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = Boiler; kind <= Inputs; ++kind)
        QTest::newRow(kinds[kind].name) << kind;
}

void TestDevicePanels::eachByteChecksItsBoxOnly()
{
    QFETCH(int, kind);
    PanelWire::Rig rig;
    rig.panel = kinds[kind].make(&rig.menu);
    QVERIFY(rig.open());
    const auto boxes = rig.panel->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), kinds[kind].boxes.size());
    // The boxes only show; a click switches nothing.
    for (QCheckBox* box : boxes)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QCOMPARE(rig.checked(), QStringList());

    // Any value but 0 is on. Each answer has one byte on: its box only is checked, and the box of
    // the byte before goes off again. Bytes 7 and 8 carry nothing and byte 33 (the cooler) shows nowhere.
    int answers = 0;
    for (int offset = 7; offset < int(sizeof(_tag_getxstate_answer)); ++offset) {
        for (int value : {1, 2, 255}) {
            const int mode = ++answers % 2 ? Protocol::ModeTrade : Protocol::ModeOperator;
            QVERIFY(rig.answer(PanelWire::answer(true, mode, 0, 0, offset, offset, quint8(value)),
                               mode == Protocol::ModeTrade ? "Trade" : "Operator"));
            const QString box = kinds[kind].boxes.value(offset);
            const QStringList checked = rig.checked();
            QVERIFY2(checked == (box.isEmpty() ? QStringList() : QStringList{box}),
                     qPrintable(QStringLiteral("byte %1 = %2: %3").arg(offset).arg(value).arg(checked.join(' '))));
        }
    }
    // Quit stops the polling and closes the connection.
    rig.click(kinds[kind].quitButton);
    QVERIFY(!rig.panel->isVisible());
    QTRY_COMPARE(rig.peer.openConnectionCount(), 0);
    QCOMPARE(rig.sent(), QByteArrayList());
}

void TestDevicePanels::boilerTemperature_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("digits");
    QTest::newRow("200") << 200 << "20.0";
    QTest::newRow("1000") << 1000 << "100.0";
    QTest::newRow("65535") << 65535 << "6553.5";
}

void TestDevicePanels::boilerTemperature()
{
    QFETCH(int, tenths);
    QFETCH(QString, digits);
    PanelWire::Rig rig;
    rig.panel = make<TestBoilerDialog>(&rig.menu);
    QVERIFY(rig.open());
    auto* lcd = rig.panel->findChild<QLCDNumber*>(QStringLiteral("lcdNumber"));
    QVERIFY(lcd);

    _tag_getxstate_answer answer{};
    answer.boiler_temperature = 123; // another temperature first, so that the value really changes
    for (const char* mode : {"Trade", "Operator"}) {
        answer.mode = *mode == 'T' ? Protocol::ModeTrade : Protocol::ModeOperator;
        QVERIFY(rig.answer(FrameCodec::composeXStateReply(answer), mode));
        answer.boiler_temperature = quint16(tenths);
    }
    QCOMPARE(lcd->value(), tenths / 10.0);

    // Every digit shows, the tenth included (not rounded to fit): exactly like a twin given the digits as text.
    QLCDNumber twin;
    twin.setDigitCount(lcd->digitCount());
    twin.setSmallDecimalPoint(lcd->smallDecimalPoint());
    twin.setSegmentStyle(lcd->segmentStyle());
    twin.setFrameStyle(lcd->frameStyle());
    twin.resize(lcd->size());
    twin.display(digits);
    QCOMPARE(lcd->grab().toImage().convertToFormat(QImage::Format_RGB32),
             twin.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

QUELLARO_TEST_MAIN(TestDevicePanels)
#include "tst_devicepanels.moc"
