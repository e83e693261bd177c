#include "test_support.h"

#include "panel_wire.h"
#include "panels/testcofemashinedialog.h"
#include "panels/testdrinkdialog.h"
#include "recording_peer.h"
#include "link/protocol.h"
#include "shell/style_sheets.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

// The test menu and the drink panel it opens.
namespace {

constexpr int Timeout = 5000;

struct Rig
{
    Rig()
    {
        setControllerAddress(QStringLiteral("127.0.0.1"), peer.port());
        testMenu = new TestCofeMashineDialog(&mainMenu);
        // The main menu hides itself to show the test menu.
        mainMenu.show();
        testMenu->show();
        mainMenu.hide();
    }

    bool click(const QString& button)
    {
        auto* pushButton = testMenu->findChild<QPushButton*>(button);
        if (!pushButton)
            return false;
        QTest::mouseClick(pushButton, Qt::LeftButton);
        return true;
    }

    // The one panel on screen.
    QDialog* shownPanel() const
    {
        QDialog* shown = nullptr;
        for (QDialog* panel : testMenu->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (panel->isVisible()) {
                if (shown)
                    return nullptr;
                shown = panel;
            }
        }
        return shown;
    }

    TestDrinkDialog* drinkPanel() const { return testMenu->findChild<TestDrinkDialog*>(); }
    QSpinBox* spinBox(const char* name) const { return drinkPanel()->findChild<QSpinBox*>(QLatin1String(name)); }

    RecordingPeer peer;
    QWidget mainMenu;
    TestCofeMashineDialog* testMenu = nullptr;
};

} // namespace

class TestTestMenu : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void buttonOpensItsPanel_data();
    void buttonOpensItsPanel();
    void drinkButtonSetsTheDrink_data();
    void drinkButtonSetsTheDrink();
    void sugarStaysBetweenDrinks();
    void closingBringsBackTheMainMenu_data();
    void closingBringsBackTheMainMenu();
};

void TestTestMenu::form()
{
    Rig rig;
    QCOMPARE(rig.testMenu->windowTitle(), QStringLiteral("Тестирование"));
    QCOMPARE(rig.testMenu->windowModality(), Qt::WindowModal);
    auto* quit = rig.testMenu->findChild<QPushButton*>(QStringLiteral("quitButton"));
    // The narrow style's min-width may widen it beyond the form's 176.
    QVERIFY(quit->minimumWidth() >= 176);
    QCOMPARE(quit->minimumHeight(), 70);
    QCOMPARE(quit->styleSheet(), styleSheet(Style::TestMenuNarrowButton));
    QCOMPARE(rig.testMenu->findChild<QPushButton*>(QStringLiteral("napito5Button"))->styleSheet(),
             styleSheet(Style::TestMenuButton));
    QCOMPARE(rig.testMenu->findChild<QPushButton*>(QStringLiteral("inputButton"))->styleSheet(),
             styleSheet(Style::TestMenuNarrowButton));
    for (const char* box : {"groupBox", "groupBox_4", "groupBox_3", "groupBox_2"})
        QVERIFY(rig.testMenu->findChild<QGroupBox*>(QLatin1String(box))->font().bold());

    QSpinBox* drink = rig.spinBox("drinkNumberBox");
    QSpinBox* sugar = rig.spinBox("sugarNumberBox");
    QVERIFY(!drink->isEnabled());
    QVERIFY(sugar->isEnabled());
    QCOMPARE(drink->value(), 0);
    QCOMPARE(sugar->value(), 0);
    sugar->setValue(11);
    QCOMPARE(sugar->value(), 10);
    sugar->setValue(-1);
    QCOMPARE(sugar->value(), 0);
}

void TestTestMenu::buttonOpensItsPanel_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("panelClass");
    QTest::newRow("water selector") << "selectorWaterButton" << "TestSelectorWaterDialog";
    QTest::newRow("mixers") << "mixerButton" << "TestMixerDialog";
    QTest::newRow("dispensers") << "vidachaButton" << "TestDispensorDialog";
    QTest::newRow("boiler") << "boilerButton" << "TestBoilerDialog";
    QTest::newRow("coffee group") << "cofegroupButton" << "TestCofeGroupDialog";
    QTest::newRow("coffee") << "cofeButton" << "TestDrinkDialog";
    QTest::newRow("drink 5") << "napito5Button" << "TestDrinkDialog";
    QTest::newRow("outputs") << "outputButton" << "ShowOutputsDialog";
    QTest::newRow("inputs") << "inputButton" << "ShowInputsDialog";
}

void TestTestMenu::buttonOpensItsPanel()
{
    QFETCH(QString, button);
    QFETCH(QString, panelClass);
    Rig rig;
    QCOMPARE(rig.shownPanel(), nullptr);

    QVERIFY(rig.click(button));
    QDialog* first = rig.shownPanel();
    QVERIFY(first);
    QCOMPARE(first->metaObject()->className(), panelClass.toLatin1());
    QCOMPARE(first->windowModality(), Qt::WindowModal);
    QVERIFY(rig.testMenu->isVisible());
    first->close();
    QVERIFY(rig.testMenu->isVisible());
    QVERIFY(!rig.mainMenu.isVisible());

    QVERIFY(rig.click(button));
    QCOMPARE(rig.shownPanel(), first);
    first->close();
}

void TestTestMenu::drinkButtonSetsTheDrink_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("sugar");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("coffee is drink 1") << "cofeButton" << 3 << hexBytes("03 06 22 00 01 00 03 00");
    QTest::newRow("drink 1 is 2") << "napitok1Button" << 1 << hexBytes("03 06 22 00 02 00 01 00");
    QTest::newRow("drink 2 is 3") << "napitok2Button" << 2 << hexBytes("03 06 22 00 03 00 02 00");
    QTest::newRow("drink 3 is 4") << "napitok3Button" << 4 << hexBytes("03 06 22 00 04 00 04 00");
    QTest::newRow("drink 4 is 5") << "napitok4Button" << 5 << hexBytes("03 06 22 00 05 00 05 00");
    QTest::newRow("drink 5 is 6") << "napito5Button" << 10 << hexBytes("03 06 22 00 06 00 0A 00");
    QTest::newRow("drink 6 is 7") << "napitok6Button" << 0 << hexBytes("03 06 22 00 07 00 00 00");
}

void TestTestMenu::drinkButtonSetsTheDrink()
{
    QFETCH(QString, button);
    QFETCH(int, sugar);
    QFETCH(QByteArray, frame);
    Rig rig;
    QVERIFY(rig.click(button));
    QCOMPARE(rig.shownPanel(), rig.drinkPanel());
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);

    rig.spinBox("sugarNumberBox")->setValue(sugar);
    auto* make = rig.drinkPanel()->findChild<QPushButton*>(QStringLiteral("makeDrinkButton"));
    QCOMPARE(make->styleSheet(), styleSheet(Style::PanelButton));
    QTest::mouseClick(make, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(PanelWire::requestsExcept(rig.peer.received(), Protocol::RequestState), frame,
                              Timeout);
    QTest::mouseClick(make, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(PanelWire::requestsExcept(rig.peer.received(), Protocol::RequestState),
                              frame + frame, Timeout);
    // The drink panel polls with the short request.
    QTRY_VERIFY_WITH_TIMEOUT(PanelWire::countRequests(rig.peer.received(), Protocol::RequestState) >= 1, Timeout);
    QCOMPARE(PanelWire::countRequests(rig.peer.received(), Protocol::RequestXState), 0);
    QTest::mouseClick(rig.drinkPanel()->findChild<QPushButton*>(QStringLiteral("quitButton")), Qt::LeftButton);
    QCOMPARE(rig.shownPanel(), nullptr);
}

void TestTestMenu::sugarStaysBetweenDrinks()
{
    Rig rig;
    QVERIFY(rig.click(QStringLiteral("napitok1Button")));
    QCOMPARE(rig.spinBox("drinkNumberBox")->value(), 2);
    rig.spinBox("sugarNumberBox")->setValue(6);
    rig.drinkPanel()->close();

    QVERIFY(rig.click(QStringLiteral("napitok3Button")));
    QCOMPARE(rig.shownPanel(), rig.drinkPanel());
    QCOMPARE(rig.spinBox("drinkNumberBox")->value(), 4);
    QCOMPARE(rig.spinBox("sugarNumberBox")->value(), 6);
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.openConnectionCount(), 1, Timeout);
    QTest::mouseClick(rig.drinkPanel()->findChild<QPushButton*>(QStringLiteral("makeDrinkButton")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(PanelWire::requestsExcept(rig.peer.received(), Protocol::RequestState),
                              hexBytes("03 06 22 00 04 00 06 00"), Timeout);
    rig.drinkPanel()->close();
}

void TestTestMenu::closingBringsBackTheMainMenu_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Quit") << false;
    QTest::newRow("Escape") << true;
}

void TestTestMenu::closingBringsBackTheMainMenu()
{
    QFETCH(bool, escape);
    Rig rig;
    QVERIFY(rig.click(QStringLiteral("napitok4Button")));
    TestDrinkDialog* panel = rig.drinkPanel();
    rig.spinBox("sugarNumberBox")->setValue(9);
    QTest::keyClick(panel, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QVERIFY(rig.testMenu->isVisible());

    if (escape)
        QTest::keyClick(rig.testMenu, Qt::Key_Escape);
    else
        QVERIFY(rig.click(QStringLiteral("quitButton")));
    QVERIFY(!rig.testMenu->isVisible());
    QVERIFY(rig.mainMenu.isVisible());

    // The panels live on with their contents.
    rig.mainMenu.hide();
    rig.testMenu->show();
    QVERIFY(rig.click(QStringLiteral("cofeButton")));
    QCOMPARE(rig.shownPanel(), panel);
    QCOMPARE(rig.spinBox("drinkNumberBox")->value(), 1);
    QCOMPARE(rig.spinBox("sugarNumberBox")->value(), 9);
    panel->close();
}

QUELLARO_TEST_MAIN(TestTestMenu)
#include "tst_testmenu.moc"
