#include "recording_peer.h"
#include "test_support.h"

#include "link/frame_codec.h"
#include "link/protocol.h"
#include "link/state_records.h"
#include "panels/testboilerdialog.h"
#include "panels/testcofegroupdialog.h"
#include "panels/testdispensordialog.h"
#include "panels/testmixerdialog.h"
#include "panels/testselectorwaterdialog.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

// The five device test panels, driven end to end against a recording controller.

namespace {

struct FlagBox
{
    const char* name;
    int offset; // byte of the extended answer that the box shows
};

struct PanelKind
{
    const char* name;
    std::function<QDialog*()> make;
    QVector<FlagBox> boxes;
};

const QVector<PanelKind>& panelKinds()
{
    static const QVector<PanelKind> kinds = {
        {"boiler",
         [] { return new TestBoilerDialog; },
         {{"watercheckBox", 14},
          {"boilerOncheckBox", 28},
          {"pumpOncheckBox", 29},
          {"clapan_1checkBox", 30},
          {"clapan_2checkBox", 31},
          {"waterRuncheckBox", 48}}},
        {"selector",
         [] { return new TestSelectorWaterDialog; },
         {{"selectorInSrccheckBox", 12},
          {"selectorInPoscheckBox", 13},
          {"watercheckBox", 14},
          {"selectorMovecheckBox", 27}}},
        {"mixer",
         [] { return new TestMixerDialog; },
         {{"shnek_1_checkBox", 40},
          {"drive_1_checkBox", 41},
          {"shnek_2_checkBox", 42},
          {"drive_2_checkBox", 43},
          {"shnek_3_checkBox", 44},
          {"drive_3_checkBox", 45},
          {"shnek_4_checkBox", 46},
          {"drive_4_checkBox", 47}}},
        {"cofegroup",
         [] { return new TestCofeGroupDialog; },
         {{"dozatorcheckBox", 17},
          {"cofegroupInSrccheckBox", 18},
          {"cofegroupInWorkcheckBox", 19},
          {"cofegrinderRuncheckBox", 32},
          {"dozatorOncheckBox", 34},
          {"cofegroupOncheckBox", 35}}},
        {"dispensor",
         [] { return new TestDispensorDialog; },
         {{"noseInSrccheckBox", 10},
          {"cupFoundcheckBox", 15},
          {"dispInSrccheckBox", 16},
          {"cupOutPoscheckBox", 21},
          {"cupDispRuncheckBox", 36},
          {"cupDispUnloadcheckBox", 37},
          {"noseGoDowncheckBox", 38},
          {"shneckRuncheckBox", 39}}},
    };
    return kinds;
}

const PanelKind& panelKind(const QString& name)
{
    for (const PanelKind& kind : panelKinds()) {
        if (name == QLatin1String(kind.name))
            return kind;
    }
    qFatal("unknown panel %s", qPrintable(name));
}

// Like QTest::qWaitFor, but handles each event as it comes instead of sleeping in 10 ms steps:
// the flag test opens hundreds of connections. A ticking timer keeps the loop awake.
template <typename Predicate>
bool waitFor(Predicate predicate)
{
    QTimer tick;
    tick.start(5);
    QElapsedTimer elapsed;
    elapsed.start();
    while (!predicate()) {
        if (elapsed.hasExpired(5000))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

_tag_getxstate_answer answerWithByte(quint8 mode, int offset, quint8 value)
{
    _tag_getxstate_answer answer{};
    answer.mode = mode;
    reinterpret_cast<quint8*>(&answer)[offset] = value;
    return answer;
}

// The device command frames (request 3) among the received bytes; the polls are left out.
QList<QByteArray> commandFrames(const QByteArray& bytes)
{
    QList<QByteArray> frames;
    int pos = 0;
    while (pos < bytes.size()) {
        FrameCodec::Request request;
        const int taken = FrameCodec::parseRequest(bytes.constData() + pos, bytes.size() - pos, &request);
        if (taken <= 0) {
            frames.append(bytes.mid(pos)); // garbage or a cut frame: keep it so the test sees it
            break;
        }
        if (request.type != Protocol::RequestXState)
            frames.append(bytes.mid(pos, taken));
        pos += taken;
    }
    return frames;
}

} // namespace

class TestDevicePanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void commandButtonSendsItsFrame_data();
    void commandButtonSendsItsFrame();
    void flagByteChecksItsBoxOnly_data();
    void flagByteChecksItsBoxOnly();
    void boilerTemperature_data();
    void boilerTemperature();
    void checkBoxesIgnoreClicks_data();
    void checkBoxesIgnoreClicks();
    void tabOrder_data();
    void tabOrder();
    void quitClosesAndStopsPolling_data();
    void quitClosesAndStopsPolling();

private:
    // Shows the panel and waits until the controller has accepted its connection.
    bool open(QDialog& panel);
    // Sends one extended answer and waits until the panel shows its mode text.
    bool deliver(QDialog& panel, const _tag_getxstate_answer& answer, const QString& modeText);

    std::unique_ptr<RecordingPeer> peer;
};

void TestDevicePanels::initTestCase()
{
    peer = std::make_unique<RecordingPeer>();
    QVERIFY(peer->port() != 0);
    setControllerAddress(QStringLiteral("127.0.0.1"), peer->port());
}

void TestDevicePanels::init()
{
    peer->clearReceived();
}

bool TestDevicePanels::open(QDialog& panel)
{
    const int before = peer->connectionCount();
    panel.show();
    return waitFor([&] { return peer->connectionCount() == before + 1 && peer->openConnectionCount() > 0; });
}

bool TestDevicePanels::deliver(QDialog& panel, const _tag_getxstate_answer& answer, const QString& modeText)
{
    auto* modeField = panel.findChild<QLineEdit*>(QStringLiteral("curentModelineEdit"));
    if (!modeField || !peer->send(FrameCodec::composeXStateReply(answer)))
        return false;
    return waitFor([&] { return modeField->text() == modeText; });
}

void TestDevicePanels::commandButtonSendsItsFrame_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("frame");

    struct Row
    {
        const char* panel;
        const char* button;
        const char* frame;
    };
    const Row rows[] = {
        {"boiler", "WaterPompOnButton", "03 06 13 00 00 00 00 00"},
        {"boiler", "BoilerOnButton", "03 06 14 00 00 00 00 00"},
        {"boiler", "PompaOnButton", "03 06 15 00 00 00 00 00"},
        {"boiler", "Klapan_1_OnButton", "03 06 16 00 00 00 00 00"},
        {"boiler", "Klapan_2_OnButton", "03 06 17 00 00 00 00 00"},
        {"boiler", "CofeGruppaOnButton", "03 06 18 00 00 00 00 00"},
        {"boiler", "MixerOnButton", "03 06 19 00 00 00 00 00"},
        {"selector", "driveOnButton", "03 06 01 00 00 00 00 00"},
        {"selector", "selector_cofe_Button", "03 06 02 00 00 00 00 00"},
        {"selector", "selector_1_Button", "03 06 03 00 00 00 00 00"},
        {"selector", "selector_2_Button", "03 06 04 00 00 00 00 00"},
        {"selector", "selector_3_Button", "03 06 05 00 00 00 00 00"},
        {"selector", "selector_4_Button", "03 06 06 00 00 00 00 00"},
        {"selector", "selectorInSrcButton", "03 06 07 00 00 00 00 00"},
        {"mixer", "drive_1_Button", "03 06 08 00 00 00 00 00"},
        {"mixer", "shnek_1_Button", "03 06 09 00 00 00 00 00"},
        {"mixer", "drive_2_Button", "03 06 0A 00 00 00 00 00"},
        {"mixer", "shnek_2_Button", "03 06 0B 00 00 00 00 00"},
        {"mixer", "drive_3_Button", "03 06 0C 00 00 00 00 00"},
        {"mixer", "shnek_3_Button", "03 06 0D 00 00 00 00 00"},
        {"mixer", "drive_4_Button", "03 06 0E 00 00 00 00 00"},
        {"mixer", "shnek_4_Button", "03 06 0F 00 00 00 00 00"},
        {"dispensor", "DispensorRunButton", "03 06 10 00 00 00 00 00"},
        {"dispensor", "dispensorUnloadButton", "03 06 11 00 00 00 00 00"},
        {"dispensor", "dispensorWorkCicleButton", "03 06 12 00 00 00 00 00"},
        {"dispensor", "sugarUpButton", "03 06 1A 00 00 00 00 00"},
        {"dispensor", "sugarShnekButton", "03 06 1B 00 00 00 00 00"},
        {"dispensor", "sugarWorkCicleButton", "03 06 1C 00 00 00 00 00"},
        {"cofegroup", "cofemolkaButton", "03 06 1D 00 00 00 00 00"},
        {"cofegroup", "dozatorButton", "03 06 1E 00 00 00 00 00"},
        {"cofegroup", "pressButton", "03 06 1F 00 00 00 00 00"},
        {"cofegroup", "workcicklButton", "03 06 20 00 00 00 00 00"},
    };
    for (const Row& row : rows) {
        QTest::addRow("%s %s", row.panel, row.button)
            << QString::fromLatin1(row.panel) << QString::fromLatin1(row.button) << hexBytes(row.frame);
    }
}

void TestDevicePanels::commandButtonSendsItsFrame()
{
    QFETCH(QString, panel);
    QFETCH(QString, button);
    QFETCH(QByteArray, frame);

    std::unique_ptr<QDialog> dialog(panelKind(panel).make());
    QVERIFY(open(*dialog));
    auto* pushButton = dialog->findChild<QPushButton*>(button);
    QVERIFY(pushButton);

    QTest::mouseClick(pushButton, Qt::LeftButton);
    QVERIFY(waitFor([&] { return !commandFrames(peer->received()).isEmpty(); }));
    QCOMPARE(commandFrames(peer->received()), QList<QByteArray>{frame});

    // A second click is a second, identical command: nothing toggles.
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QVERIFY(waitFor([&] { return commandFrames(peer->received()).size() >= 2; }));
    QCOMPARE(commandFrames(peer->received()), (QList<QByteArray>{frame, frame}));
    dialog->close();
}

void TestDevicePanels::flagByteChecksItsBoxOnly_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    // Bytes 7 and 8 carry nothing and byte 33 (the cooler) is shown by none of these panels;
    // any byte that no box shows must leave every box unchecked.
    for (int offset = 7; offset < int(sizeof(_tag_getxstate_answer)); ++offset) {
        for (int value : {1, 2, 255})
            QTest::addRow("byte %d = %d", offset, value) << offset << value;
    }
}

void TestDevicePanels::flagByteChecksItsBoxOnly()
{
    QFETCH(int, offset);
    QFETCH(int, value);

    for (const PanelKind& kind : panelKinds()) {
        std::unique_ptr<QDialog> dialog(kind.make());
        QVERIFY2(open(*dialog), kind.name);

        // First every flag on, so that a box that fails to follow a 0 shows up.
        _tag_getxstate_answer allOn{};
        allOn.mode = Protocol::ModeTrade;
        for (int i = 9; i < int(sizeof(allOn)); ++i)
            reinterpret_cast<quint8*>(&allOn)[i] = 1;
        QVERIFY2(deliver(*dialog, allOn, QStringLiteral("Trade")), kind.name);
        for (const FlagBox& box : kind.boxes)
            QVERIFY2(dialog->findChild<QCheckBox*>(box.name)->isChecked(), box.name);

        QVERIFY2(deliver(*dialog, answerWithByte(Protocol::ModeOperator, offset, quint8(value)),
                         QStringLiteral("Operator")),
                 kind.name);
        for (const FlagBox& box : kind.boxes) {
            auto* checkBox = dialog->findChild<QCheckBox*>(box.name);
            QVERIFY2(checkBox, box.name);
            const QByteArray where = QByteArray(kind.name) + ' ' + box.name;
            QVERIFY2(checkBox->isChecked() == (box.offset == offset), where.constData());
        }
        dialog->close();
    }
}

void TestDevicePanels::boilerTemperature_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<double>("shown");
    QTest::addColumn<QString>("digits");

    QTest::newRow("0") << 0 << 0.0 << QStringLiteral("0");
    QTest::newRow("925") << 925 << 92.5 << QStringLiteral("92.5");
    QTest::newRow("1000") << 1000 << 100.0 << QStringLiteral("100");
    QTest::newRow("65535") << 65535 << 6553.5 << QStringLiteral("6553.5");
}

void TestDevicePanels::boilerTemperature()
{
    QFETCH(int, tenths);
    QFETCH(double, shown);
    QFETCH(QString, digits);

    TestBoilerDialog dialog;
    QVERIFY(open(dialog));
    auto* lcd = dialog.findChild<QLCDNumber*>(QStringLiteral("lcdNumber"));
    QVERIFY(lcd);

    // An answer with another temperature first, so that the value really changes.
    _tag_getxstate_answer answer{};
    answer.mode = Protocol::ModeTrade;
    answer.boiler_temperature = 123;
    QVERIFY(deliver(dialog, answer, QStringLiteral("Trade")));
    QCOMPARE(lcd->value(), 12.3);

    answer.mode = Protocol::ModeOperator;
    answer.boiler_temperature = quint16(tenths);
    QVERIFY(deliver(dialog, answer, QStringLiteral("Operator")));
    QCOMPARE(lcd->value(), shown);

    // The display shows every digit, the tenth included (not rounded to fit the digit count):
    // it looks exactly like a twin LCD given the digits as text.
    QLCDNumber twin;
    twin.setDigitCount(lcd->digitCount());
    twin.setSmallDecimalPoint(lcd->smallDecimalPoint());
    twin.setSegmentStyle(lcd->segmentStyle());
    twin.setFrameStyle(lcd->frameStyle());
    twin.resize(lcd->size());
    twin.display(digits);
    QCOMPARE(lcd->grab().toImage().convertToFormat(QImage::Format_RGB32),
             twin.grab().toImage().convertToFormat(QImage::Format_RGB32));
    dialog.close();
}

void TestDevicePanels::checkBoxesIgnoreClicks_data()
{
    QTest::addColumn<QString>("panel");
    for (const PanelKind& kind : panelKinds())
        QTest::newRow(kind.name) << QString::fromLatin1(kind.name);
}

void TestDevicePanels::checkBoxesIgnoreClicks()
{
    QFETCH(QString, panel);

    const PanelKind& kind = panelKind(panel);
    std::unique_ptr<QDialog> dialog(kind.make());
    QVERIFY(open(*dialog));
    const auto boxes = dialog->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), kind.boxes.size());
    for (QCheckBox* box : boxes) {
        QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }
    dialog->close();
    // Clicking the boxes sent nothing but polls.
    QCOMPARE(commandFrames(peer->received()), QList<QByteArray>());
}

void TestDevicePanels::tabOrder_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("mixer") << QStringLiteral("mixer")
                           << QStringList{"quitButton",     "drive_1_Button", "shnek_1_Button",
                                          "drive_2_Button", "shnek_2_Button", "drive_3_Button",
                                          "shnek_3_Button", "drive_4_Button", "shnek_4_Button",
                                          "quitButton"};
    QTest::newRow("cofegroup") << QStringLiteral("cofegroup")
                               << QStringList{"quitButton",    "workcicklButton", "pressButton",
                                              "dozatorButton", "cofemolkaButton", "quitButton"};
}

void TestDevicePanels::tabOrder()
{
    QFETCH(QString, panel);
    QFETCH(QStringList, order);

    std::unique_ptr<QDialog> dialog(panelKind(panel).make());
    QVERIFY(open(*dialog));
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    dialog->findChild<QPushButton*>(order.first())->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
    dialog->close();
}

void TestDevicePanels::quitClosesAndStopsPolling_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("quitButton");

    QTest::newRow("boiler") << QStringLiteral("boiler") << QStringLiteral("quitButton");
    QTest::newRow("selector") << QStringLiteral("selector") << QStringLiteral("pushButton");
    QTest::newRow("mixer") << QStringLiteral("mixer") << QStringLiteral("quitButton");
    QTest::newRow("cofegroup") << QStringLiteral("cofegroup") << QStringLiteral("quitButton");
    QTest::newRow("dispensor") << QStringLiteral("dispensor") << QStringLiteral("pushButton");
}

void TestDevicePanels::quitClosesAndStopsPolling()
{
    QFETCH(QString, panel);
    QFETCH(QString, quitButton);

    std::unique_ptr<QDialog> dialog(panelKind(panel).make());
    QVERIFY(open(*dialog));
    // The cycle polls with request 4.
    QVERIFY(waitFor([&] { return peer->received().startsWith(hexBytes("04 00")); }));

    auto* quit = dialog->findChild<QPushButton*>(quitButton);
    QVERIFY(quit);
    QTest::mouseClick(quit, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(waitFor([&] { return peer->openConnectionCount() == 0; }));
}

QUELLARO_TEST_MAIN(TestDevicePanels)
#include "tst_devicepanels.moc"
