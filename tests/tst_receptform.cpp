#include "test_support.h"

#include "recipes/receptform.h"

#include <QComboBox>
#include <QSpinBox>

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
};

QUELLARO_TEST_MAIN(TestReceptForm)
#include "tst_receptform.moc"
