#include "recording_peer.h"
#include "test_support.h"

#include "shell/quellaro.h"

#include <QDialog>
#include <QLayout>
#include <QPushButton>
#include <QTimer>

class TestMainMenu : public QObject
{
    Q_OBJECT

    RecordingPeer controller; // the mode switch panel polls while shown: it talks to this stand-in

private slots:
    void init() { setControllerAddress("127.0.0.1", controller.port()); }

    void form()
    {
        Quellaro menu;
        QCOMPARE(menu.windowType(), Qt::Window); // a top-level window, not a dialog
        QStringList buttons;
        for (int i = 0; i < menu.layout()->count(); ++i)
            buttons << menu.layout()->itemAt(i)->widget()->objectName();
        QCOMPARE(buttons, QStringList({"showModeButton", "showSettingsButton", "showTestButton",
                                       "showReceptsButton", "quitButton"}));
    }

    void navigation_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("byEscape");
        for (const char* button : {"showModeButton", "showSettingsButton", "showTestButton", "showReceptsButton"}) {
            QTest::addRow("%s, close()", button) << button << false;
            QTest::addRow("%s, Escape", button) << button << true;
        }
    }

    // A button hides the menu and shows its dialog, the same object each time; closing the
    // dialog brings the menu back.
    void navigation()
    {
        QFETCH(QString, button);
        QFETCH(bool, byEscape);
        Quellaro menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QDialog* first = nullptr;
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(menu.findChild<QPushButton*>(button), Qt::LeftButton);
            QVERIFY(!menu.isVisible());
            QDialog* dialog = nullptr;
            const auto dialogs = menu.findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly);
            for (QDialog* candidate : dialogs)
                if (candidate->isVisible())
                    dialog = candidate;
            QVERIFY(dialog);
            if (!first)
                first = dialog;
            QCOMPARE(dialog, first);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            if (byEscape)
                QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
            else
                dialog->close();
            QVERIFY(!dialog->isVisible());
            QVERIFY2(menu.isVisible(), "the menu comes back");
        }
    }

    // The menu is the last window: Quit ends the event loop, with 0.
    void quitEndsTheEventLoop()
    {
        Quellaro menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTimer quit; // clicks Quit once the loop runs
        quit.setSingleShot(true);
        connect(&quit, &QTimer::timeout, &menu,
                [&] { QTest::mouseClick(menu.findChild<QPushButton*>("quitButton"), Qt::LeftButton); });
        QTimer guard; // a menu that does not end the loop fails instead of hanging
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &menu, [] { QCoreApplication::exit(99); });
        quit.start(0);
        guard.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!menu.isVisible());
    }
};

QUELLARO_TEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
