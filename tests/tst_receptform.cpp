#include "test_support.h"

#include "recipes/receptform.h"

#include <QComboBox>
#include <QSpinBox>

// Slot n's widgets: "component_<n+1>", "<name>Rashod" and "<name>waterRashod".
static const char* const slotNames[] = {"milk", "chocolate", "vanila", "tea"};

class TestReceptForm : public QObject
{
    Q_OBJECT

private slots:
    void setters_data();
    void setters();
};

void TestReceptForm::setters_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("amount"); // also given to sugar and water
    QTest::addColumn<int>("codeRead");
    QTest::newRow("top of the range") << 1 << 5 << 200 << 5;
    QTest::newRow("code 6") << 2 << 6 << 7 << -1;
    QTest::newRow("slot 4") << 4 << 3 << 50 << 0;
}

void TestReceptForm::setters()
{
    QFETCH(int, slot);
    QFETCH(int, code);
    QFETCH(int, amount);
    QFETCH(int, codeRead);
    ReceptForm form;
    for (int n = 0; n < 4; ++n) {
        form.setComponent(n, 2);
        form.setIngridientRashod(n, 9);
        form.setIngridientWater(n, 8);
    }
    form.setComponent(slot, code);
    form.setIngridientRashod(slot, amount);
    form.setIngridientWater(slot, amount);
    form.setSugarRashod(amount);
    form.setWaterRashod(amount);
    const bool inRange = slot >= 0 && slot < 4; // outside 0..3 setters are ignored and getters give 0
    QCOMPARE(form.getComponent(slot), codeRead);
    QCOMPARE(form.getIngridient(slot), inRange ? amount : 0);
    QCOMPARE(form.getIngridientWater(slot), inRange ? amount : 0);
    QCOMPARE(form.getSugarRashod(), amount);
    QCOMPARE(form.getWaterRashod(), amount);
    auto spin = [&](int n, const char* w) { return form.findChild<QSpinBox*>(slotNames[n] + QString(w))->value(); };
    for (int n = 0; n < 4; ++n) {
        const auto* box = form.findChild<QComboBox*>(QStringLiteral("component_%1").arg(n + 1));
        QCOMPARE(box->currentIndex(), n == slot ? codeRead : 2);
        QCOMPARE(spin(n, "Rashod"), n == slot ? amount : 9);
        QCOMPARE(spin(n, "waterRashod"), n == slot ? amount : 8);
    }
}

QUELLARO_TEST_MAIN(TestReceptForm)
#include "tst_receptform.moc"
