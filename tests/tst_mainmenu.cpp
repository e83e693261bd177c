#include "panel_wire.h"

#include "shell/quellaro.h"

#include <QDialog>
#include <QTimer>

#include <algorithm>

namespace {

// The active window; once it has closed, the shown window with no shown window over it, which a
// window manager would activate (the offscreen platform activates none).
QWidget* activeWindow()
{
    const auto shownWindow = [](QWidget* widget) { return widget->isWindow() && widget->isVisible(); };
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QWidgetList over = window->findChildren<QWidget*>();
        if (!QApplication::activeWindow() && shownWindow(window) && std::none_of(over.begin(), over.end(), shownWindow))
            QApplication::setActiveWindow(window);
    }
    return QApplication::activeWindow();
}

// Presses `key`, repeats it 20 times as a key held down for about a second does, and lets it go.
// Each event goes where the keyboard's would: to the focus widget of the active window at that
// moment. As on X11, a repeat is a release and a press with one timestamp; most carry no flag.
void holdKey(Qt::Key key)
{
    const QString text = QLatin1String(key == Qt::Key_Space ? " " : key == Qt::Key_Escape ? "\x1b" : "\r");
    ulong time = 5000;
    auto send = [&](QEvent::Type type, bool autoRepeat) {
        QWidget* window = activeWindow();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        if (target) {
            QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
            event.setTimestamp(time);
            QApplication::sendEvent(target, &event);
        }
        QTest::qWait(15); // the keyboard's repeat rate
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < 20; ++i) {
        time += 33;
        const bool flagged = i % 3 == 2;
        send(QEvent::KeyRelease, flagged);
        send(QEvent::KeyPress, flagged);
    }
    time += 33;
    send(QEvent::KeyRelease, false);
}

QStringList shownWindows()
{
    QStringList shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown << QLatin1String(window->metaObject()->className());
    }
    shown.sort();
    return shown;
}

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

    RecordingPeer controller; // the mode switch panel polls while shown: it talks to this stand-in

private slots:
    void init() { setControllerAddress("127.0.0.1", controller.port()); }

    void navigation_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* button : {"showModeButton", "showSettingsButton", "showTestButton", "showReceptsButton"})
            QTest::newRow(button) << button;
    }

    // A button hides the menu and shows its dialog, the same object each time; closing the
    // dialog brings the menu back.
    void navigation()
    {
        QFETCH(QString, button);
        Quellaro menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QDialog* first = nullptr;
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(menu.findChild<QPushButton*>(button), Qt::LeftButton);
            QVERIFY(!menu.isVisible());
            QDialog* dialog = nullptr;
            for (QDialog* candidate : menu.findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly))
                dialog = candidate->isVisible() ? candidate : dialog;
            QVERIFY(dialog);
            QCOMPARE(dialog, first ? first : (first = dialog));
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            dialog->close();
            QVERIFY(!dialog->isVisible());
            QVERIFY2(menu.isVisible(), "the menu comes back");
        }
    }

    void heldKeyActsOnce_data()
    {
        QTest::addColumn<QStringList>("clicks"); // from the menu to the window under test
        QTest::addColumn<QString>("focus");      // empty: the focus the window gives itself
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("shown"); // by class name, sorted
        QTest::addColumn<QByteArrayList>("commands");
        const QStringList modes{"showModeButton"}, boiler{"showTestButton", "boilerButton"};
        const QStringList boilerShown{"TestBoilerDialog", "TestCofeMashineDialog"};
        const QByteArrayList valve2{hexBytes("03 06 17 00 00 00 00 00")}, none;
        QTest::newRow("Enter on the menu opens Modes and presses nothing there")
            << QStringList() << "showModeButton" << int(Qt::Key_Return) << QStringList{"SwitchModeDialog"} << none;
        QTest::newRow("Enter on Diagnostic") << modes << "diagnosticButton" << int(Qt::Key_Enter)
                                             << QStringList{"SwitchModeDialog"} << QByteArrayList{hexBytes("02 01 06")};
        QTest::newRow("Space on Valve 2")
            << boiler << "Klapan_2_OnButton" << int(Qt::Key_Space) << boilerShown << valve2;
        QTest::newRow("Return on Valve 2")
            << boiler << "Klapan_2_OnButton" << int(Qt::Key_Return) << boilerShown << valve2;
        QTest::newRow("Escape on the boiler panel closes only it")
            << boiler << "PompaOnButton" << int(Qt::Key_Escape) << QStringList{"TestCofeMashineDialog"} << none;
        QTest::newRow("Escape on the menu does nothing")
            << QStringList() << "showTestButton" << int(Qt::Key_Escape) << QStringList{"Quellaro"} << none;
        QTest::newRow("Return on a freshly opened panel presses nothing")
            << boiler << "" << int(Qt::Key_Return) << boilerShown << none;
        QTest::newRow("Return in the drink panel's sugar box makes no drink")
            << QStringList{"showTestButton", "napitok2Button"} << "sugarNumberBox" << int(Qt::Key_Return)
            << QStringList{"TestCofeMashineDialog", "TestDrinkDialog"} << none;
    }

    // However long a key is held, it acts as one press: one command to the machine, one window
    // opened or closed. A key that chose no button presses none.
    void heldKeyActsOnce()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QStringList, shown);
        QFETCH(QByteArrayList, commands);
        Quellaro menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        for (const QString& button : clicks)
            QTest::mouseClick(menu.findChild<QPushButton*>(button), Qt::LeftButton);
        if (focus.isEmpty()) { // the window that the last click opened
            QWidget* opener = menu.findChild<QPushButton*>(clicks.last())->window();
            QTRY_VERIFY(activeWindow() && activeWindow() != opener);
        } else {
            auto* focused = menu.findChild<QWidget*>(focus);
            QVERIFY(QTest::qWaitForWindowActive(focused->window()));
            focused->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), focused);
        }
        if (!clicks.isEmpty())
            QTRY_COMPARE(controller.openConnectionCount(), 1);
        controller.clearReceived();

        holdKey(Qt::Key(key));
        QCOMPARE(shownWindows(), shown);
        QTest::qWait(300); // what the key sent reaches the controller
        QCOMPARE(PanelWire::requests(controller.received(), false), commands);
    }

    void quitEndsTheEventLoop_data()
    {
        QTest::addColumn<bool>("closeButton");
        QTest::newRow("Quit") << false;
        QTest::newRow("the window's close button") << true;
    }

    // The menu is the last window: Quit or its close button ends the event loop, with 0.
    void quitEndsTheEventLoop()
    {
        QFETCH(bool, closeButton);
        Quellaro menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTimer::singleShot(0, &menu, [&] { // once the loop runs
            if (closeButton) {
                QCloseEvent event; // as the window system sends it
                QApplication::sendEvent(menu.windowHandle(), &event);
            } else {
                QTest::mouseClick(menu.findChild<QPushButton*>("quitButton"), Qt::LeftButton);
            }
        });
        // A menu that does not end the loop fails instead of hanging.
        QTimer::singleShot(5000, &menu, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!menu.isVisible());
    }
};

QUELLARO_TEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
