#include "test_support.h"

#include "recipes/receptform.h"

#include <QComboBox>
#include <QSpinBox>

#include <functional>

namespace {

// The colour drawn at the middle of the widget's left edge, inside its outermost pixel.
QColor frameColor(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor(1, image.height() / 2);
}

} // namespace

Q_DECLARE_METATYPE(std::function<void(ReceptForm&)>)
Q_DECLARE_METATYPE(std::function<int(const ReceptForm&)>)

class TestReceptForm : public QObject
{
    Q_OBJECT

private slots:
    // Slots outside 0..3 are ignored: no widget changes and the getters give 0.
    void slotsOutsideTheForm()
    {
        ReceptForm form;
        for (int n : {-1, 4}) {
            form.setComponent(n, 3);
            form.setIngridientRashod(n, 9);
            form.setIngridientWater(n, 8);
            QCOMPARE(form.getComponent(n), 0);
            QCOMPARE(form.getIngridient(n), 0);
            QCOMPARE(form.getIngridientWater(n), 0);
        }
        for (const QComboBox* box : form.findChildren<QComboBox*>())
            QCOMPARE(box->currentIndex(), 0);
        for (const QSpinBox* box : form.findChildren<QSpinBox*>())
            QCOMPARE(box->value(), 0);
    }

    void keepsValuesWidgetsCannotShow_data()
    {
        using Set = std::function<void(ReceptForm&)>;
        using Get = std::function<int(const ReceptForm&)>;
        QTest::addColumn<Set>("set");
        QTest::addColumn<Get>("get");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("Water 250") << Set([](ReceptForm& f) { f.setWaterRashod(250); })
                                   << Get([](const ReceptForm& f) { return f.getWaterRashod(); }) << "waterRashod" << 200 << 250;
        QTest::newRow("Sugar -3") << Set([](ReceptForm& f) { f.setSugarRashod(-3); })
                                  << Get([](const ReceptForm& f) { return f.getSugarRashod(); }) << "sugarRashod" << 0 << -3;
        QTest::newRow("slot 0 amount 250") << Set([](ReceptForm& f) { f.setIngridientRashod(0, 250); })
                                           << Get([](const ReceptForm& f) { return f.getMilkRashod(); }) << "milkRashod"
                                           << 200 << 250;
        QTest::newRow("slot 3 water -5") << Set([](ReceptForm& f) { f.setIngridientWater(3, -5); })
                                         << Get([](const ReceptForm& f) { return f.getIngridientWater(3); })
                                         << "teawaterRashod" << 0 << -5;
        QTest::newRow("slot 1 component 7") << Set([](ReceptForm& f) { f.setComponent(1, 7); })
                                            << Get([](const ReceptForm& f) { return f.getComponent(1); }) << "component_2"
                                            << -1 << 7;
        QTest::newRow("slot 2 component 6") << Set([](ReceptForm& f) { f.setComponent(2, 6); })
                                            << Get([](const ReceptForm& f) { return f.getComponent(2); }) << "component_3"
                                            << -1 << 6;
    }

    // The getter gives the value set, not the one shown, until the user changes the widget.
    void keepsValuesWidgetsCannotShow()
    {
        QFETCH(std::function<void(ReceptForm&)>, set);
        QFETCH(std::function<int(const ReceptForm&)>, get);
        QFETCH(QString, widget);
        QFETCH(int, shown);
        QFETCH(int, stored);
        ReceptForm form;
        set(form);
        set(form); // a second fill changes nothing
        auto* box = form.findChild<QSpinBox*>(widget);
        auto* combo = form.findChild<QComboBox*>(widget);
        QCOMPARE(box ? box->value() : combo->currentIndex(), shown);
        QCOMPARE(get(form), stored);
        QCOMPARE(form.storedValueCount(), 1);
        QVERIFY(form.findChild<QWidget*>(widget)->toolTip().startsWith(QStringLiteral("Stored value: %1.").arg(stored)));
        QCOMPARE(frameColor(form.findChild<QWidget*>(widget)), QColor(0xC0, 0x50, 0x00)); // the orange mark
        box ? box->setValue(1) : combo->setCurrentIndex(1);
        QCOMPARE(get(form), 1);
        QCOMPARE(form.storedValueCount(), 0);
        QVERIFY(form.findChild<QWidget*>(widget)->toolTip().isEmpty());
        QVERIFY(frameColor(form.findChild<QWidget*>(widget)) != QColor(0xC0, 0x50, 0x00));
    }
};

QUELLARO_TEST_MAIN(TestReceptForm)
#include "tst_receptform.moc"
