#include "test_support.h"

#include "recipes/receptform.h"
#include "shell/style_sheets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

const char* const amountBoxes[] = {"milkRashod", "chocolateRashod", "vanilaRashod", "teaRashod"};
const char* const waterBoxes[] = {"milkwaterRashod", "chocolatewaterRashod", "vanilawaterRashod", "teawaterRashod"};
const char* const componentBoxes[] = {"component_1", "component_2", "component_3", "component_4"};

template <typename T>
T* child(const QWidget& form, const char* name)
{
    T* widget = form.findChild<T*>(QLatin1String(name));
    if (!widget)
        qWarning("no %s", name);
    return widget;
}

} // namespace

class TestReceptForm : public QObject
{
    Q_OBJECT

private slots:
    void newFormIsEmpty();
    void layoutAndLook();
    void slotSettersReachTheirWidgets();
    void amountsStayWithinRange_data();
    void amountsStayWithinRange();
    void slotsOutsideRangeAreIgnored_data();
    void slotsOutsideRangeAreIgnored();
    void componentCodes_data();
    void componentCodes();
    void namesComeBackAsTyped();
};

void TestReceptForm::newFormIsEmpty()
{
    ReceptForm form;
    const QStringList entries = {"None", "Coffee", "Milk", "Chocolate", "Vanilla", "Tea"};
    for (const char* name : componentBoxes) {
        auto* box = child<QComboBox>(form, name);
        QVERIFY(box);
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        QCOMPARE(texts, entries);
        QCOMPARE(box->currentText(), QStringLiteral("None"));
    }
    const auto spins = form.findChildren<QSpinBox*>();
    QCOMPARE(spins.size(), 10);
    for (QSpinBox* spin : spins) {
        QCOMPARE(spin->value(), 0);
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 200);
        QCOMPARE(spin->font().pointSize(), 24);
        QCOMPARE(spin->alignment(), Qt::AlignCenter);
        QCOMPARE(spin->styleSheet(), styleSheet(Style::SpinBox));
    }
    QCOMPARE(form.getShortName(), QString());
    QCOMPARE(form.getFullName(), QString());
    QCOMPARE(form.windowTitle(), QStringLiteral("Recept"));
}

void TestReceptForm::layoutAndLook()
{
    ReceptForm form;
    QCOMPARE(form.size(), QSize(1272, 503));
    const auto labels = form.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 16);
    for (QLabel* label : labels) {
        const bool wide = label->objectName() == "label_5" || label->objectName() == "label_16";
        QCOMPARE(label->styleSheet(), styleSheet(wide ? Style::Label : Style::NarrowLabel));
    }
    const auto groups = form.findChildren<QGroupBox*>();
    QCOMPARE(groups.size(), 7);
    for (QGroupBox* group : groups)
        QVERIFY(group->font().bold());
    QCOMPARE(child<QGroupBox>(form, "groupBox_3")->title(), QStringLiteral("Consumption ingredient 1"));
    QVERIFY(child<QGroupBox>(form, "groupBox_6")->isAncestorOf(child<QSpinBox>(form, "teawaterRashod")));
    QCOMPARE(child<QLineEdit>(form, "Name")->alignment(), Qt::AlignCenter);
    QCOMPARE(child<QComboBox>(form, "component_1")->font().pointSize(), 12);
    QVERIFY(child<QComboBox>(form, "component_4")->font().kerning());
}

void TestReceptForm::slotSettersReachTheirWidgets()
{
    ReceptForm form;
    for (int n = 0; n < 4; ++n) {
        form.setComponent(n, n + 2);
        form.setIngridientRashod(n, 10 + n);
        form.setIngridientWater(n, 20 + n);
    }
    form.setWaterRashod(31);
    form.setSugarRashod(32);
    for (int n = 0; n < 4; ++n) {
        QCOMPARE(child<QComboBox>(form, componentBoxes[n])->currentIndex(), n + 2);
        QCOMPARE(child<QSpinBox>(form, amountBoxes[n])->value(), 10 + n);
        QCOMPARE(child<QSpinBox>(form, waterBoxes[n])->value(), 20 + n);
        QCOMPARE(form.getComponent(n), n + 2);
        QCOMPARE(form.getIngridient(n), 10 + n);
        QCOMPARE(form.getIngridientWater(n), 20 + n);
    }
    QCOMPARE(child<QSpinBox>(form, "waterRashod")->value(), 31);
    QCOMPARE(child<QSpinBox>(form, "sugarRashod")->value(), 32);
    QCOMPARE(form.getWaterRashod(), 31);
    QCOMPARE(form.getSugarRashod(), 32);

    const int named[] = {form.getMilkRashod(), form.getMilkWaterRashod(), form.getChocolateRashod(),
                         form.getChocolateWaterRashod(), form.getVanilaRashod(), form.getVanilaWaterRashod(),
                         form.getTeaRashod(), form.getTeaWaterRashod()};
    for (int n = 0; n < 4; ++n) {
        QCOMPARE(named[2 * n], 10 + n);
        QCOMPARE(named[2 * n + 1], 20 + n);
    }

    // What the user types is what the getters give.
    auto* spin = child<QSpinBox>(form, "vanilaRashod");
    spin->selectAll();
    QTest::keyClicks(spin, "77");
    QCOMPARE(form.getIngridient(2), 77);
}

void TestReceptForm::amountsStayWithinRange_data()
{
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("shown");
    QTest::newRow("above") << 250 << 200;
    QTest::newRow("top") << 200 << 200;
    QTest::newRow("negative") << -5 << 0;
    QTest::newRow("huge") << INT_MAX << 200;
}

void TestReceptForm::amountsStayWithinRange()
{
    QFETCH(int, amount);
    QFETCH(int, shown);
    ReceptForm form;
    form.setIngridientRashod(0, amount);
    form.setIngridientWater(3, amount);
    form.setSugarRashod(amount);
    QCOMPARE(child<QSpinBox>(form, "milkRashod")->value(), shown);
    QCOMPARE(form.getIngridient(0), shown);
    QCOMPARE(form.getIngridientWater(3), shown);
    QCOMPARE(form.getSugarRashod(), shown);
}

void TestReceptForm::slotsOutsideRangeAreIgnored_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("4") << 4;
    QTest::newRow("-1") << -1;
    QTest::newRow("huge") << INT_MAX;
}

void TestReceptForm::slotsOutsideRangeAreIgnored()
{
    QFETCH(int, slot);
    ReceptForm form;
    for (int n = 0; n < 4; ++n) {
        form.setComponent(n, 1);
        form.setIngridientRashod(n, 5);
        form.setIngridientWater(n, 6);
    }
    form.setComponent(slot, 3);
    form.setIngridientRashod(slot, 50);
    form.setIngridientWater(slot, 60);
    for (int n = 0; n < 4; ++n) {
        QCOMPARE(form.getComponent(n), 1);
        QCOMPARE(form.getIngridient(n), 5);
        QCOMPARE(form.getIngridientWater(n), 6);
    }
    QCOMPARE(form.getComponent(slot), 0);
    QCOMPARE(form.getIngridient(slot), 0);
    QCOMPARE(form.getIngridientWater(slot), 0);
}

void TestReceptForm::componentCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("read");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << 0 << "None";
    QTest::newRow("tea") << 5 << 5 << "Tea";
    QTest::newRow("6") << 6 << -1 << "";
    QTest::newRow("7") << 7 << -1 << "";
    QTest::newRow("-1") << -1 << -1 << "";
    QTest::newRow("-5") << -5 << -1 << "";
}

void TestReceptForm::componentCodes()
{
    QFETCH(int, code);
    QFETCH(int, read);
    QFETCH(QString, text);
    ReceptForm form;
    form.setComponent(1, 2);
    form.setComponent(1, code);
    QCOMPARE(form.getComponent(1), read);
    QCOMPARE(child<QComboBox>(form, "component_2")->currentText(), text);
}

void TestReceptForm::namesComeBackAsTyped()
{
    ReceptForm form;
    form.setShortName(QStringLiteral("  Латте "));
    form.setFullName(QStringLiteral("\"A\" & <B>"));
    QCOMPARE(child<QLineEdit>(form, "Name")->text(), QStringLiteral("  Латте "));
    QCOMPARE(form.getFullName(), QStringLiteral("\"A\" & <B>"));
    auto* edit = child<QLineEdit>(form, "fullName_lineEdit");
    edit->clear();
    QTest::keyClicks(edit, " typed  ");
    QCOMPARE(form.getFullName(), QStringLiteral(" typed  "));
    QCOMPARE(form.getShortName(), QStringLiteral("  Латте "));
}

QUELLARO_TEST_MAIN(TestReceptForm)
#include "tst_receptform.moc"
