#include "test_support.h"

#include "shell/quellaro.h"

#include <QPushButton>

class TestMainMenu : public QObject
{
    Q_OBJECT

private slots:
    void buttonsInOrder();
};

void TestMainMenu::buttonsInOrder()
{
    Quellaro menu;
    QCOMPARE(menu.objectName(), QStringLiteral("Quellaro"));
    QCOMPARE(menu.windowType(), Qt::Window);
}

QUELLARO_TEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
