#include "test_support.h"

#include "shell/quellaro.h"
#include "shell/style_sheets.h"

#include <QCheckBox>

Q_DECLARE_METATYPE(Style)

// Run at QT_SCALE_FACTOR=2: two device pixels to one.
class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowFitsA2560x1600Screen()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        Quellaro menu; // makes every window of the program
        QWidgetList windows{&menu};
        for (QDialog* dialog : menu.findChildren<QDialog*>())
            windows << dialog;
        for (QWidget* shown : windows) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            const QSize device = shown->frameGeometry().size() * shown->devicePixelRatioF();
            QVERIFY2(device.width() <= 2560 && device.height() <= 1600, shown->metaObject()->className());
            shown->hide();
        }
    }

    // The check boxes show the double image: the style sheets, pointed at copies whose doubles
    // are one plain colour, show that colour. Each image's double sits beside it under both names
    // the sheets use, "@2x" (Qt 6) and "_2x" (Qt 5).
    void checkBoxesShowTheDoubleImages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Style>("style");
        QTest::addColumn<bool>("checked");
        QTest::newRow("inputs checked") << "checkbox_inputs_checked" << Style::InputsCheckBox << true;
        QTest::newRow("inputs unchecked") << "checkbox_inputs_unchecked" << Style::InputsCheckBox << false;
        QTest::newRow("outputs checked") << "checkbox_outputs_checked" << Style::OutputsCheckBox << true;
        QTest::newRow("outputs unchecked") << "checkbox_outputs_unchecked" << Style::OutputsCheckBox << false;
    }
    void checkBoxesShowTheDoubleImages()
    {
        QFETCH(QString, name);
        QFETCH(Style, style);
        QFETCH(bool, checked);
        const QString resource = ":/images/Images/" + name;
        const QImage single(resource + ".png");
        const QImage twice(resource + "@2x.png");
        QCOMPARE(twice.size(), QSize(128, 128));
        QCOMPARE(twice.pixel(0, 0), single.pixel(0, 0));
        QCOMPARE(twice.pixel(127, 127), single.pixel(63, 63));
        QCOMPARE(readFile(resource + "_2x.png"), readFile(resource + "@2x.png"));

        QTemporaryDir dir;
        QImage marker(128, 128, QImage::Format_RGB32);
        marker.fill(QColor(255, 0, 255));
        QVERIFY(single.save(dir.filePath(name + ".png")));
        QVERIFY(marker.save(dir.filePath(name + "@2x.png")) && marker.save(dir.filePath(name + "_2x.png")));
        QCheckBox box;
        box.setStyleSheet(styleSheet(style).replace(":/images/Images", dir.path()));
        box.setChecked(checked);
        box.resize(60, 30);
        const QImage shown = box.grab().toImage();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(QColor(shown.pixel(20, 30)), QColor(255, 0, 255)); // the indicator's middle, 20px wide
    }
};

QUELLARO_TEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
