#include "recording_peer.h"
#include "test_support.h"

#include "panels/switchmodedialog.h"
#include "panels/testcofemashinedialog.h"
#include "recipes/receptsdialog.h"
#include "settings/settingsdialog.h"
#include "shell/quellaro.h"
#include "shell/style_sheets.h"

#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

// The one dialog of the given class among the menu's children.
template <typename T>
QDialog* only(const Quellaro& menu)
{
    const auto all = menu.findChildren<T*>(QString(), Qt::FindDirectChildrenOnly);
    return all.size() == 1 ? all.first() : nullptr;
}

QDialog* dialogOf(const Quellaro& menu, const QString& button)
{
    if (button == QLatin1String("showModeButton"))
        return only<SwitchModeDialog>(menu);
    if (button == QLatin1String("showSettingsButton"))
        return only<SettingsDialog>(menu);
    if (button == QLatin1String("showTestButton"))
        return only<TestCofeMashineDialog>(menu);
    if (button == QLatin1String("showReceptsButton"))
        return only<ReceptsDialog>(menu);
    return nullptr;
}

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void form();
    void dialogsCreatedOnceHidden();
    void navigation_data();
    void navigation();
    void quitEndsTheEventLoop_data();
    void quitEndsTheEventLoop();

private:
    // The mode switch panel polls the controller while shown: it talks to this stand-in.
    std::unique_ptr<RecordingPeer> controller;
};

void TestMainMenu::init()
{
    clearSettings();
    controller = std::make_unique<RecordingPeer>();
    setControllerAddress(QStringLiteral("127.0.0.1"), controller->port());
}

void TestMainMenu::cleanup()
{
    controller.reset();
}

void TestMainMenu::form()
{
    Quellaro menu;
    QCOMPARE(menu.objectName(), QStringLiteral("Quellaro"));
    // An ordinary top-level window, not a dialog: Qt adds the usual window decorations.
    QCOMPARE(menu.windowType(), Qt::Window);
    QVERIFY(menu.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    QCOMPARE(menu.size(), QSize(1030, 625));
    QVERIFY(menu.windowTitle().isEmpty());

    auto* layout = qobject_cast<QVBoxLayout*>(menu.layout());
    QVERIFY(layout);
    QCOMPARE(layout->objectName(), QStringLiteral("verticalLayout"));
    QCOMPARE(layout->spacing(), 6);
    QCOMPARE(layout->contentsMargins(), QMargins(11, 11, 11, 11));

    const QStringList names = {"showModeButton", "showSettingsButton", "showTestButton", "showReceptsButton",
                               "quitButton"};
    const QStringList texts = {"Modes", "Settings", "Tests", "Recepts", "Quit"};
    QCOMPARE(layout->count(), names.size());
    for (int i = 0; i < layout->count(); ++i) {
        auto* button = qobject_cast<QPushButton*>(layout->itemAt(i)->widget());
        QVERIFY2(button, qPrintable(names[i]));
        QCOMPARE(button->objectName(), names[i]);
        QCOMPARE(button->text(), texts[i]);
        QCOMPARE(layout->stretch(i), 0);
        const QSizePolicy policy = button->sizePolicy();
        QCOMPARE(policy.horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(policy.verticalPolicy(), QSizePolicy::Preferred);
        QCOMPARE(policy.horizontalStretch(), 0);
        QCOMPARE(policy.verticalStretch(), 0);
        QCOMPARE(button->styleSheet(), styleSheet(Style::MenuButton));
    }

    // The buttons share the height of the window.
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    const int first = layout->itemAt(0)->widget()->height();
    for (int i = 1; i < layout->count(); ++i)
        QVERIFY(qAbs(layout->itemAt(i)->widget()->height() - first) <= 1);
    QVERIFY(first * 5 > 625 - 2 * 11 - 4 * 6 - 5);
}

void TestMainMenu::dialogsCreatedOnceHidden()
{
    Quellaro menu;
    for (const char* button : {"showModeButton", "showSettingsButton", "showTestButton", "showReceptsButton"}) {
        QDialog* dialog = dialogOf(menu, QLatin1String(button));
        QVERIFY2(dialog, button);
        QCOMPARE(dialog->parentWidget(), &menu);
        QVERIFY(!dialog->isVisible());
    }
}

void TestMainMenu::navigation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("byEscape");
    for (const char* button : {"showModeButton", "showSettingsButton", "showTestButton", "showReceptsButton"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, close()").arg(QLatin1String(button)))) << button << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, Escape").arg(QLatin1String(button)))) << button << true;
    }
}

// A button hides the menu and shows its dialog; closing the dialog brings the menu back.
// The second time round it is the same dialog object.
void TestMainMenu::navigation()
{
    QFETCH(QString, button);
    QFETCH(bool, byEscape);

    Quellaro menu;
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QDialog* const dialog = dialogOf(menu, button);
    QVERIFY(dialog);
    auto* pushButton = menu.findChild<QPushButton*>(button);
    QVERIFY(pushButton);

    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(pushButton, Qt::LeftButton);
        QVERIFY(!menu.isVisible());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialogOf(menu, button), dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));

        if (byEscape) {
            QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(target, Qt::Key_Escape);
        } else {
            dialog->close();
        }
        QVERIFY(!dialog->isVisible());
        QVERIFY2(menu.isVisible(), "the menu comes back");
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
    }
}

void TestMainMenu::quitEndsTheEventLoop_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Quit") << true;
    QTest::newRow("window closed") << false;
}

// The menu is the last window: closing it ends the event loop, with 0.
void TestMainMenu::quitEndsTheEventLoop()
{
    QFETCH(bool, byButton);
    Quellaro menu;
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    auto* quit = menu.findChild<QPushButton*>(QStringLiteral("quitButton"));
    QVERIFY(quit);

    QTimer closer;
    closer.setSingleShot(true);
    connect(&closer, &QTimer::timeout, &menu, [&] {
        if (byButton)
            QTest::mouseClick(quit, Qt::LeftButton);
        else
            menu.close();
    });
    QTimer guard; // a menu that does not end the loop fails instead of hanging
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &menu, [] { QCoreApplication::exit(99); });

    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    closer.start(0);
    guard.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!menu.isVisible());
    QCOMPARE(lastWindowClosed.count(), 1);
}

QUELLARO_TEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
