#include "test_support.h"

#include "link/protocol.h"
#include "panel_wire.h"
#include "panels/showinputsdialog.h"
#include "panels/showoutputsdialog.h"
#include "panels/switchmodedialog.h"
#include "panels/testdrinkdialog.h"
#include "recording_peer.h"
#include "shell/quellaro.h"
#include "shell/style_sheets.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

// The polling cycle, driven through the mode switch panel (short answers, 500 ms) and the
// inputs panel (extended answers, 100 ms) against a recording stand-in controller.
namespace {

constexpr int Timeout = 5000;

struct Kind
{
    int pollType;
    QByteArray pollFrame;
    int interval;
    bool showsParent;
};

Kind kindOf(const QString& panel)
{
    if (panel == QLatin1String("SwitchModeDialog"))
        return {Protocol::RequestState, hexBytes("01 00"), 500, true};
    return {Protocol::RequestXState, hexBytes("04 00"), 100, false};
}

PollingDialog* makePanel(const QString& panel, QWidget* parent)
{
    if (panel == QLatin1String("SwitchModeDialog"))
        return new SwitchModeDialog(parent);
    if (panel == QLatin1String("ShowInputsDialog"))
        return new ShowInputsDialog(parent);
    if (panel == QLatin1String("ShowOutputsDialog"))
        return new ShowOutputsDialog(parent);
    return new TestDrinkDialog(parent);
}

// A panel whose parent stands in for the menu that opens it, pointed at a recording peer.
struct Rig
{
    explicit Rig(const QString& panelName)
        : kind(kindOf(panelName))
    {
        setControllerAddress(QStringLiteral("127.0.0.1"), peer.port());
        panel = makePanel(panelName, &menu);
    }

    QByteArray answer(int mode, int state, int error) const
    {
        return kind.pollType == Protocol::RequestState ? PanelWire::stateReply(mode, state, error)
                                                       : PanelWire::xstateReply(mode, state, error);
    }

    QString field(const char* name) const
    {
        return panel->findChild<QLineEdit*>(QLatin1String(name))->text();
    }

    // The menu hides itself (main menu) or stays beneath (test menu); hidden here, so that
    // a panel that brings it back shows.
    void open()
    {
        menu.show();
        panel->show();
        menu.hide();
    }

    Kind kind;
    RecordingPeer peer;
    QWidget menu;
    PollingDialog* panel = nullptr;
};

void addPollingPanels()
{
    QTest::addColumn<QString>("panel");
    QTest::newRow("mode switch") << QStringLiteral("SwitchModeDialog");
    QTest::newRow("inputs") << QStringLiteral("ShowInputsDialog");
}

} // namespace

class TestPollingCycle : public QObject
{
    Q_OBJECT

private slots:
    void statusFieldsForm_data();
    void statusFieldsForm();
    void pollsAtItsInterval_data() { addPollingPanels(); }
    void pollsAtItsInterval();
    void modePanelFocusOrder();
    void modeButtonSendsItsCode_data();
    void modeButtonSendsItsCode();
    void fieldsFollowTheMachine_data();
    void fieldsFollowTheMachine();
    void closingEndsTheCycle_data();
    void closingEndsTheCycle();
    void reopeningMakesANewConnection_data() { addPollingPanels(); }
    void reopeningMakesANewConnection();
    void secondShowEventStartsNoSecondCycle_data() { addPollingPanels(); }
    void secondShowEventStartsNoSecondCycle();
    void unreachableMachineLeavesFieldsAsTheyWere_data() { addPollingPanels(); }
    void unreachableMachineLeavesFieldsAsTheyWere();
    void closingAPanelNotShownOnlyHides();
    void mainMenuComesBack();
};

void TestPollingCycle::statusFieldsForm_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("title");
    QTest::newRow("mode switch") << QStringLiteral("SwitchModeDialog") << QStringLiteral("Modes");
    QTest::newRow("drink") << QStringLiteral("TestDrinkDialog") << QStringLiteral("Test make drinks");
    QTest::newRow("inputs") << QStringLiteral("ShowInputsDialog") << QStringLiteral("Test inputs");
    QTest::newRow("outputs") << QStringLiteral("ShowOutputsDialog") << QStringLiteral("Test outputs");
}

void TestPollingCycle::statusFieldsForm()
{
    QFETCH(QString, panel);
    QFETCH(QString, title);
    Rig rig(panel);
    QCOMPARE(rig.panel->windowTitle(), title);
    QCOMPARE(rig.panel->windowModality(), Qt::WindowModal);
    rig.panel->resize(rig.panel->sizeHint());
    rig.panel->layout()->activate();

    // Caption over field, mode over state over error, in one column.
    const char* fields[] = {"curentModelineEdit", "curentStatelineEdit", "curentErrorlineEdit"};
    const QString captions[] = {QStringLiteral("Current mode"), QStringLiteral("State"), QStringLiteral("Error")};
    int lastBottom = -1;
    for (int i = 0; i < 3; ++i) {
        auto* field = rig.panel->findChild<QLineEdit*>(QLatin1String(fields[i]));
        QVERIFY(field);
        QVERIFY(!field->isEnabled());
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(field->isReadOnly(), i == 1);
        QCOMPARE(field->styleSheet(), styleSheet(Style::LineEdit));

        QLabel* caption = nullptr;
        for (QLabel* label : rig.panel->findChildren<QLabel*>()) {
            if (label->text() == captions[i])
                caption = label;
        }
        QVERIFY2(caption, qPrintable(captions[i]));
        QCOMPARE(caption->styleSheet(), styleSheet(Style::Label));
        QCOMPARE(caption->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(caption->geometry().top() > lastBottom);
        QVERIFY(field->geometry().top() >= caption->geometry().bottom());
        lastBottom = field->geometry().bottom();
    }
}

void TestPollingCycle::pollsAtItsInterval()
{
    QFETCH(QString, panel);
    Rig rig(panel);
    QElapsedTimer clock;
    clock.start();
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(rig.peer.received().size() >= 3 * rig.kind.pollFrame.size(), Timeout);
    // The first request goes out one interval after the show (timers may fire 5 % early).
    QVERIFY2(clock.elapsed() >= 3 * rig.kind.interval * 9 / 10, qPrintable(QString::number(clock.elapsed())));

    const QByteArray received = rig.peer.received();
    QCOMPARE(received, rig.kind.pollFrame.repeated(received.size() / rig.kind.pollFrame.size()));
    rig.panel->close();
}

void TestPollingCycle::modePanelFocusOrder()
{
    Rig rig(QStringLiteral("SwitchModeDialog"));
    QVERIFY(rig.panel->isModal());
    QCOMPARE(rig.panel->windowModality(), Qt::WindowModal);
    const QStringList order{"diagnosticButton", "tradeButton", "operatorButton", "masterButton", "washingButton",
                            "quitButton", "curentModelineEdit", "curentStatelineEdit", "curentErrorlineEdit"};
    // The focus chain is a ring that also holds widgets Tab skips (the dialog, the labels).
    QStringList chain;
    QWidget* first = rig.panel->findChild<QWidget*>(order.first());
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(chain, order);
}

void TestPollingCycle::modeButtonSendsItsCode_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("Diagnostic is 6, not 1") << QStringLiteral("diagnosticButton") << hexBytes("02 01 06");
    QTest::newRow("Trade") << QStringLiteral("tradeButton") << hexBytes("02 01 02");
    QTest::newRow("Operator") << QStringLiteral("operatorButton") << hexBytes("02 01 03");
    QTest::newRow("Master") << QStringLiteral("masterButton") << hexBytes("02 01 04");
    QTest::newRow("Washing") << QStringLiteral("washingButton") << hexBytes("02 01 05");
}

void TestPollingCycle::modeButtonSendsItsCode()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, frame);
    Rig rig(QStringLiteral("SwitchModeDialog"));
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);

    auto* pushButton = rig.panel->findChild<QPushButton*>(button);
    QVERIFY(pushButton);
    QCOMPARE(pushButton->styleSheet(), styleSheet(Style::ModeButton));
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(PanelWire::requestsExcept(rig.peer.received(), Protocol::RequestState), frame,
                              Timeout);
    // The mode that is already asked for is asked for again.
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(PanelWire::requestsExcept(rig.peer.received(), Protocol::RequestState),
                              frame + frame, Timeout);
    rig.panel->close();
}

void TestPollingCycle::fieldsFollowTheMachine_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("modeText");
    QTest::addColumn<QString>("stateText");
    QTest::addColumn<QString>("errorText");
    for (const char* panel : {"SwitchModeDialog", "ShowInputsDialog"}) {
        const QString name = QLatin1String(panel);
        QTest::addRow("%s: known codes", panel) << name << 2 << 1000 << 0 << "Trade" << "Waiting" << "All correct";
        QTest::addRow("%s: diagnostic", panel)
            << name << 6 << 2 << 10001 << "Diagnostic" << "Boiler diagnostic" << "Error boiler";
        QTest::addRow("%s: mode without text", panel) << name << 7 << 1000 << 0 << "" << "Waiting" << "All correct";
        QTest::addRow("%s: FF FF is 65535", panel) << name << 0 << 65535 << 65535 << "Off" << "" << "";
    }
}

void TestPollingCycle::fieldsFollowTheMachine()
{
    QFETCH(QString, panel);
    QFETCH(int, mode);
    QFETCH(int, state);
    QFETCH(int, error);
    QFETCH(QString, modeText);
    QFETCH(QString, stateText);
    QFETCH(QString, errorText);
    Rig rig(panel);
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);

    QVERIFY(rig.peer.send(rig.answer(3, 0, 1)));
    QTRY_COMPARE_WITH_TIMEOUT(rig.field("curentModelineEdit"), QStringLiteral("Operator"), Timeout);
    QCOMPARE(rig.field("curentStatelineEdit"), QStringLiteral("Start mode"));
    QCOMPARE(rig.field("curentErrorlineEdit"), QStringLiteral("Timeout diagnosis"));

    QVERIFY(rig.peer.send(rig.answer(mode, state, error)));
    QTRY_COMPARE_WITH_TIMEOUT(rig.field("curentStatelineEdit"), stateText, Timeout);
    QCOMPARE(rig.field("curentModelineEdit"), modeText);
    QCOMPARE(rig.field("curentErrorlineEdit"), errorText);

    // The next known codes fill every field again.
    QVERIFY(rig.peer.send(rig.answer(4, 1001, 19)));
    QTRY_COMPARE_WITH_TIMEOUT(rig.field("curentModelineEdit"), QStringLiteral("Master"), Timeout);
    QCOMPARE(rig.field("curentStatelineEdit"), QStringLiteral("Error"));
    QCOMPARE(rig.field("curentErrorlineEdit"), QStringLiteral("Timeout heating"));
    rig.panel->close();
}

void TestPollingCycle::closingEndsTheCycle_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("way");
    for (const char* panel : {"SwitchModeDialog", "ShowInputsDialog"}) {
        for (const char* way : {"Quit", "close()", "Escape", "hide()", "reject()"})
            QTest::addRow("%s: %s", panel, way) << QString::fromLatin1(panel) << QString::fromLatin1(way);
    }
}

void TestPollingCycle::closingEndsTheCycle()
{
    QFETCH(QString, panel);
    QFETCH(QString, way);
    Rig rig(panel);
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(!rig.peer.received().isEmpty(), Timeout);
    QVERIFY(rig.panel->isPolling());

    if (way == QLatin1String("Quit"))
        QTest::mouseClick(rig.panel->findChild<QPushButton*>(QStringLiteral("quitButton")), Qt::LeftButton);
    else if (way == QLatin1String("close()"))
        rig.panel->close();
    else if (way == QLatin1String("Escape"))
        QTest::keyClick(rig.panel, Qt::Key_Escape);
    else if (way == QLatin1String("hide()"))
        rig.panel->hide();
    else
        rig.panel->reject();

    QVERIFY(!rig.panel->isVisible());
    QVERIFY(!rig.panel->isPolling());
    QCOMPARE(rig.menu.isVisible(), rig.kind.showsParent);
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 0, Timeout);
    rig.peer.clearReceived();
    QSignalSpy bytes(&rig.peer, &RecordingPeer::bytesReceived);
    QVERIFY(!bytes.wait(3 * rig.kind.interval));
    QCOMPARE(rig.peer.received(), QByteArray());
    QCOMPARE(rig.peer.connectionCount(), 1);
}

void TestPollingCycle::reopeningMakesANewConnection()
{
    QFETCH(QString, panel);
    Rig rig(panel);
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QVERIFY(rig.peer.send(rig.answer(2, 1000, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(rig.field("curentModelineEdit"), QStringLiteral("Trade"), Timeout);
    rig.panel->close();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 0, Timeout);
    rig.peer.clearReceived();

    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.connectionCount(), 2, Timeout);
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    // The new connection polls; the old texts stay until its first answer.
    QTRY_VERIFY_WITH_TIMEOUT(rig.peer.received().startsWith(rig.kind.pollFrame), Timeout);
    QCOMPARE(rig.field("curentModelineEdit"), QStringLiteral("Trade"));
    QCOMPARE(rig.field("curentStatelineEdit"), QStringLiteral("Waiting"));
    QCOMPARE(rig.field("curentErrorlineEdit"), QStringLiteral("All correct"));
    QVERIFY(rig.peer.send(rig.answer(4, 1000, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(rig.field("curentModelineEdit"), QStringLiteral("Master"), Timeout);
    rig.panel->close();
}

void TestPollingCycle::secondShowEventStartsNoSecondCycle()
{
    QFETCH(QString, panel);
    Rig rig(panel);
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);

    // As a restored minimized window gets it.
    QShowEvent again;
    QCoreApplication::sendEvent(rig.panel, &again);
    rig.panel->show();
    rig.peer.clearReceived();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(6 * rig.kind.interval);
    const int polls = PanelWire::countRequests(rig.peer.received(), rig.kind.pollType);
    QVERIFY2(polls <= clock.elapsed() / rig.kind.interval + 2, qPrintable(QString::number(polls)));
    QCOMPARE(rig.peer.connectionCount(), 1);

    // Closing leaves no cycle behind.
    rig.panel->close();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 0, Timeout);
    rig.peer.clearReceived();
    QSignalSpy bytes(&rig.peer, &RecordingPeer::bytesReceived);
    QVERIFY(!bytes.wait(3 * rig.kind.interval));
}

void TestPollingCycle::unreachableMachineLeavesFieldsAsTheyWere()
{
    QFETCH(QString, panel);
    Rig rig(panel);
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QVERIFY(rig.peer.send(rig.answer(5, 1000, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(rig.field("curentModelineEdit"), QStringLiteral("Washing"), Timeout);
    rig.panel->close();
    rig.peer.stopListening();
    rig.peer.closeConnections();

    rig.open();
    QTest::qWait(4 * rig.kind.interval);
    QVERIFY(rig.panel->isVisible());
    QVERIFY(rig.panel->isPolling());
    // Commands go nowhere, silently.
    if (auto* button = rig.panel->findChild<QPushButton*>(QStringLiteral("tradeButton")))
        QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(2 * rig.kind.interval);
    QCOMPARE(rig.field("curentModelineEdit"), QStringLiteral("Washing"));
    QCOMPARE(rig.field("curentStatelineEdit"), QStringLiteral("Waiting"));
    QCOMPARE(rig.field("curentErrorlineEdit"), QStringLiteral("All correct"));

    QTest::keyClick(rig.panel, Qt::Key_Escape);
    QVERIFY(!rig.panel->isVisible());
    QVERIFY(!rig.panel->isPolling());
    QCOMPARE(rig.menu.isVisible(), rig.kind.showsParent);
    QCOMPARE(rig.peer.connectionCount(), 1);
}

void TestPollingCycle::closingAPanelNotShownOnlyHides()
{
    Rig rig(QStringLiteral("SwitchModeDialog"));
    rig.panel->close();
    QVERIFY(!rig.menu.isVisible());

    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    rig.panel->close();
    QVERIFY(rig.menu.isVisible());
    rig.menu.hide();
    rig.panel->close();
    QVERIFY(!rig.menu.isVisible());
    QVERIFY(!rig.panel->isVisible());
    QCOMPARE(rig.peer.connectionCount(), 1);
}

void TestPollingCycle::mainMenuComesBack()
{
    RecordingPeer peer;
    setControllerAddress(QStringLiteral("127.0.0.1"), peer.port());
    Quellaro menu;
    menu.show();
    QTest::mouseClick(menu.findChild<QPushButton*>(QStringLiteral("showModeButton")), Qt::LeftButton);
    auto* panel = menu.findChild<SwitchModeDialog*>();
    QVERIFY(panel);
    QVERIFY(panel->isVisible());
    QVERIFY(!menu.isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(peer.openConnectionCount(), 1, Timeout);

    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("quitButton")), Qt::LeftButton);
    QVERIFY(menu.isVisible());
    QVERIFY(!panel->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(peer.openConnectionCount(), 0, Timeout);
}

QUELLARO_TEST_MAIN(TestPollingCycle)
#include "tst_pollingcycle.moc"
