#include "panel_wire.h"

#include "panels/testcofemashinedialog.h"
#include "panels/testdrinkdialog.h"

#include <QLabel>
#include <QSpinBox>

// The test menu and the drink panel it opens.
namespace {

struct Rig : PanelWire::Rig
{
    Rig() { (panel = new TestCofeMashineDialog(&menu))->show(); } // over the main menu, hidden meanwhile
    QWidgetList shownPanels() const
    {
        QWidgetList shown;
        for (QDialog* dialog : panel->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (dialog->isVisible())
                shown << dialog;
        }
        return shown;
    }
    TestDrinkDialog* drink() const { return panel->findChild<TestDrinkDialog*>(); }
    QSpinBox* sugar() const { return drink()->findChild<QSpinBox*>(QStringLiteral("sugarNumberBox")); }
};

} // namespace

class TestTestMenu : public QObject
{
    Q_OBJECT

private slots:
    void buttonOpensItsPanel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("panelClass");
        QTest::newRow("water selector") << "selectorWaterButton" << "TestSelectorWaterDialog";
        QTest::newRow("mixers") << "mixerButton" << "TestMixerDialog";
        QTest::newRow("dispensers") << "vidachaButton" << "TestDispensorDialog";
        QTest::newRow("boiler") << "boilerButton" << "TestBoilerDialog";
        QTest::newRow("coffee group") << "cofegroupButton" << "TestCofeGroupDialog";
        QTest::newRow("drink 5") << "napito5Button" << "TestDrinkDialog";
        QTest::newRow("outputs") << "outputButton" << "ShowOutputsDialog";
        QTest::newRow("inputs") << "inputButton" << "ShowInputsDialog";
    }

    // Each button shows its panel, the same object every time; closing it leaves the test menu.
    void buttonOpensItsPanel()
    {
        QFETCH(QString, button);
        QFETCH(QString, panelClass);
        Rig rig;
        rig.click(button);
        const QWidgetList shown = rig.shownPanels();
        QCOMPARE(shown.size(), 1);
        QWidget* first = shown.first();
        QCOMPARE(first->metaObject()->className(), panelClass.toLatin1());
        const auto* line = first->findChild<QLabel*>("linkStateLabel");
        QVERIFY(line && line->isHidden()); // on a live link
        first->close();
        QVERIFY(rig.panel->isVisible());
        QVERIFY(!rig.menu.isVisible());
        rig.click(button);
        QCOMPARE(rig.shownPanels(), shown);
    }

    // Coffee is drink 1 and the sixth drink button drink 7; the sugar, 0 to 10, stays between drinks.
    void drinkButtonsSetTheDrink()
    {
        Rig rig;
        rig.click("cofeButton");
        QTRY_COMPARE(rig.peer.openConnectionCount(), 1);
        rig.sugar()->setValue(11);
        rig.click("makeDrinkButton", rig.drink());
        const QByteArray coffee = hexBytes("03 06 22 00 01 00 0A 00");
        QTRY_COMPARE(rig.sent(), QByteArrayList{coffee});
        rig.drink()->close();
        QTRY_COMPARE(rig.peer.openConnectionCount(), 0);

        rig.click("napitok6Button");
        QCOMPARE(rig.shownPanels(), QWidgetList{rig.drink()});
        QTRY_COMPARE(rig.peer.openConnectionCount(), 1);
        rig.click("makeDrinkButton", rig.drink());
        rig.sugar()->setValue(-1);
        rig.click("makeDrinkButton", rig.drink());
        const QByteArrayList frames{coffee, hexBytes("03 06 22 00 07 00 0A 00"), hexBytes("03 06 22 00 07 00 00 00")};
        QTRY_COMPARE(rig.sent(), frames);
    }
};

QUELLARO_TEST_MAIN(TestTestMenu)
#include "tst_testmenu.moc"
