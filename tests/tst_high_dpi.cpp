#include "test_support.h"

#include "shell/quellaro.h"
#include "shell/style_sheets.h"

#include <QCheckBox>

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowFitsA2560x1600Screen() // run at QT_SCALE_FACTOR=2
    {
        Quellaro menu; // makes every window of the program
        const auto dialogs = menu.findChildren<QDialog*>();
        QWidgetList windows(dialogs.begin(), dialogs.end());
        for (QWidget* shown : windows << &menu) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            showEveryTab(shown);
            const QRect device(QPoint(), shown->frameGeometry().size() * shown->devicePixelRatioF());
            QVERIFY2(QRect(0, 0, 2560, 1600).contains(device), shown->metaObject()->className());
        }
    }

    // Each check box image has a 128 px double under both names the style sheets use, "@2x" (Qt 6)
    // and "_2x" (Qt 5); pointed at copies whose doubles are one plain colour, they show that colour.
    void checkBoxesShowTheDoubleImages()
    {
        for (const QString name : {"inputs_checked", "inputs_unchecked", "outputs_checked", "outputs_unchecked"}) {
            const QString resource = ":/images/Images/checkbox_" + name;
            QCOMPARE(QImage(resource + "@2x.png").size(), QSize(128, 128));
            QCOMPARE(readFile(resource + "_2x.png"), readFile(resource + "@2x.png"));

            QTemporaryDir dir;
            const QString copy = dir.filePath("checkbox_" + name);
            QImage marker(128, 128, QImage::Format_RGB32);
            marker.fill(QColor(255, 0, 255));
            QVERIFY(QFile::copy(resource + ".png", copy + ".png"));
            QVERIFY(marker.save(copy + "@2x.png") && marker.save(copy + "_2x.png"));
            QCheckBox box;
            box.setStyleSheet(styleSheet(name.startsWith("inputs") ? Style::InputsCheckBox : Style::OutputsCheckBox)
                                  .replace(":/images/Images", dir.path()));
            box.setChecked(name.endsWith("_checked"));
            box.resize(60, 30);
            QCOMPARE(QColor(box.grab().toImage().pixel(20, 30)), QColor(255, 0, 255)); // the indicator's middle
        }
    }
};

QUELLARO_TEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
