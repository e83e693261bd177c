#include "test_support.h"

#include "recipes/receptform.h"
#include "recipes/receptsfile.h"
#include "shell/quellaro.h"
#include "shell/style_sheets.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QStyleOptionButton>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(Style)

namespace {

const QStringList checkBoxImages = {":/images/Images/checkbox_inputs_checked.png",
                                    ":/images/Images/checkbox_inputs_unchecked.png",
                                    ":/images/Images/checkbox_outputs_checked.png",
                                    ":/images/Images/checkbox_outputs_unchecked.png"};
const QStringList spinBoxImages = {":/images/Images/spinbox_up.png", ":/images/Images/spinbox_down.png"};

// Each widget as it was styled before its window held the named styles: its own sheet, a button's
// with the focus frame and the disabled look after its named style.
void styleWidgetsOneByOne(QWidget* window)
{
    window->setStyleSheet(QString());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QVariant style = widget->property("quellaroStyle");
        if (!style.isValid())
            continue;
        const QString sheet = styleSheet(Style(style.toInt()));
        widget->setStyleSheet(qobject_cast<QPushButton*>(widget)
                                  ? sheet + "\nQPushButton:focus { border-style: solid; border-color: gold; }"
                                            "\nQPushButton:disabled { background-color: #D9CACA; border-color: #E6E6E6; "
                                            "color: #8C8C8C; }"
                                  : sheet);
    }
}

// A recipe form as it was styled before its widgets shared its sheet.
void styleFormOneByOne(ReceptForm* form)
{
    form->setStyleSheet(QString());
    for (QLabel* label : form->findChildren<QLabel*>())
        label->setStyleSheet(styleSheet(label->objectName() == "label_5" || label->objectName() == "label_16"
                                            ? Style::Label
                                            : Style::NarrowLabel));
    for (QSpinBox* box : form->findChildren<QSpinBox*>())
        box->setStyleSheet(styleSheet(Style::SpinBox));
}

// `window` drawn with its first button focused and its last one disabled.
QImage drawn(QWidget* window)
{
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    buttons.last()->setEnabled(false);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return QImage();
    buttons.first()->setFocus();
    QCoreApplication::processEvents();
    const QImage image = window->grab().toImage();
    window->hide();
    return image;
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    // The style sheets name exactly the four check box images and the spin box's two arrows.
    void imagesNamedByStyleSheetsResolve()
    {
        QSet<QString> named;
        for (int style = 0; style <= int(Style::OutputsCheckBox); ++style) { // OutputsCheckBox is the last
            auto it = QRegularExpression("url\\(([^)]*)\\)").globalMatch(styleSheet(Style(style)));
            while (it.hasNext())
                named.insert(it.next().captured(1).trimmed());
        }
        const QStringList all = checkBoxImages + spinBoxImages;
        QCOMPARE(named, QSet<QString>(all.begin(), all.end()));
    }

    // The spin box's buttons show their arrows: the arrow's dark grey around the middle of each.
    void spinBoxArrows()
    {
        struct Box : QSpinBox { using QSpinBox::initStyleOption; } box;
        applyStyle(Style::SpinBox, {&box});
        box.resize(120, 40);
        const QImage shown = box.grab().toImage();
        QStyleOptionSpinBox option;
        box.initStyleOption(&option);
        for (QStyle::SubControl button : {QStyle::SC_SpinBoxUp, QStyle::SC_SpinBoxDown}) {
            const QRect rect = box.style()->subControlRect(QStyle::CC_SpinBox, &option, button, &box);
            int arrow = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    const QColor c = shown.pixel(x, y);
                    arrow += qAbs(c.red() - 64) + qAbs(c.green() - 64) + qAbs(c.blue() - 64) <= 48 ? 1 : 0;
                }
            }
            QVERIFY2(arrow >= 4, qPrintable(QString::number(arrow)));
        }
    }

    void images_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        QTest::addColumn<Style>("style");
        QTest::addColumn<bool>("checked");
        const QColor corners[][2] = {{{0, 255, 0}, {169, 255, 170}},
                                     {{79, 255, 79}, {255, 255, 255}},
                                     {{0, 71, 139}, {139, 171, 202}},
                                     {{0, 199, 227}, {227, 236, 244}}};
        for (int i = 0; i < checkBoxImages.size(); ++i)
            QTest::newRow(qPrintable(checkBoxImages[i])) << checkBoxImages[i] << corners[i][0] << corners[i][1]
                                                         << (i < 2 ? Style::InputsCheckBox : Style::OutputsCheckBox)
                                                         << (i % 2 == 0);
    }

    // The image itself, then a check box of its style drawn still, hovered and pressed: the middle
    // of the indicator shows the image every time.
    void images()
    {
        QFETCH(QString, path);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        QFETCH(Style, style);
        QFETCH(bool, checked);
        const QImage image(path);
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(image.format(), QImage::Format_RGB32); // 8-bit RGB, no alpha, no palette
        QCOMPARE(QColor(image.pixel(0, 0)), topLeft);
        QCOMPARE(QColor(image.pixel(63, 63)), bottomRight);

        struct Box : QCheckBox { using QCheckBox::initStyleOption; } box;
        applyStyle(style, {&box});
        box.setChecked(checked);
        box.resize(60, 30);
        box.ensurePolished();
        const QColor wanted = image.pixel(32, 32);
        for (QStyle::State state : {QStyle::State_None, QStyle::State_MouseOver, QStyle::State_Sunken}) {
            QStyleOptionButton option;
            box.initStyleOption(&option);
            option.state = (option.state & ~(QStyle::State_MouseOver | QStyle::State_Sunken)) | state;
            QImage canvas(box.size(), QImage::Format_RGB32);
            canvas.fill(Qt::black);
            QPainter painter(&canvas);
            box.style()->drawControl(QStyle::CE_CheckBox, &option, &painter, &box);
            painter.end();
            const QRect indicator = box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
            const QColor shown = canvas.pixel(indicator.center());
            QVERIFY2(qAbs(shown.red() - wanted.red()) + qAbs(shown.green() - wanted.green())
                         + qAbs(shown.blue() - wanted.blue()) <= 48,
                     qPrintable(shown.name() + " instead of " + wanted.name()));
        }
    }

    // Every window draws the same as when each widget carried its own named style and each button
    // its focus and disabled rules: a focused button in gold, a disabled one washed out.
    void windowsLookAsWithStylesOnEachWidget()
    {
        Quellaro now, before;
        QWidgetList nowWindows{&now}, beforeWindows{&before};
        for (QDialog* dialog : now.findChildren<QDialog*>())
            nowWindows << dialog;
        for (QDialog* dialog : before.findChildren<QDialog*>())
            beforeWindows << dialog;
        QCOMPARE(nowWindows.size(), 13);
        QStringList changed, shared;
        for (int i = 0; i < nowWindows.size(); ++i) {
            if (nowWindows[i]->styleSheet().isEmpty())
                continue; // its widgets carry their styles themselves, as they always did
            shared << nowWindows[i]->metaObject()->className();
            styleWidgetsOneByOne(beforeWindows[i]);
            const QImage expected = drawn(beforeWindows[i]);
            QVERIFY(!expected.isNull());
            if (drawn(nowWindows[i]) != expected)
                changed << nowWindows[i]->metaObject()->className();
        }
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(' ')));
        QCOMPARE(shared.size(), 11); // all but the drink panel and the settings, which hold plain spin boxes
    }

    // A style that its window's sheet does not hold (the main menu's holds only its own) stays
    // on the widget, and draws the same.
    void styleBesideTheWindowsSheet()
    {
        QDialog now, before;
        for (QDialog* window : {&now, &before}) {
            auto* column = new QVBoxLayout(window);
            for (const char* name : {"menuButton", "panelButton"}) {
                auto* button = new QPushButton(name, window);
                button->setObjectName(name);
                column->addWidget(button);
            }
            applyStyle(Style::MenuButton, window->findChild<QPushButton*>("menuButton"));
            applyStyle(Style::PanelButton, window->findChild<QPushButton*>("panelButton"));
        }
        QVERIFY(!now.findChild<QPushButton*>("panelButton")->styleSheet().isEmpty());
        styleWidgetsOneByOne(&before);
        QCOMPARE(drawn(&now), drawn(&before));
    }

    // A recipe form draws the same as when each label and spin box had its own sheet, a field
    // marked for a value it cannot show included.
    void recipeFormLooksAsWithSheetOnEachWidget()
    {
        ReceptForm now, before;
        styleFormOneByOne(&before);
        for (ReceptForm* form : {&now, &before}) {
            form->setWaterRashod(250);
            form->setComponent(1, 9);
            form->setSugarRashod(3);
            form->resize(form->sizeHint());
        }
        const QImage expected = before.grab().toImage();
        QCOMPARE(now.grab().toImage(), expected);
    }

    // A button that is not available (Save of an unreadable recipes file) looks washed out.
    void disabledButtonLooksDisabled()
    {
        QPushButton enabled("Save"), disabled("Save");
        applyStyle(Style::PanelButton, {&enabled, &disabled});
        disabled.setEnabled(false);
        const auto face = [](QPushButton& button) { return QColor(button.grab().toImage().pixel(12, 20)); };
        QVERIFY2(face(disabled).lightness() - face(enabled).lightness() >= 60, qPrintable(face(disabled).name()));
    }
};

QUELLARO_TEST_MAIN(TestLook)
#include "tst_look.moc"
