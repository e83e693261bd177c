#include "test_support.h"

#include "shell/style_sheets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>

Q_DECLARE_METATYPE(Style)

namespace {

const QStringList checkBoxImages = {":/images/Images/checkbox_inputs_checked.png",
                                    ":/images/Images/checkbox_inputs_unchecked.png",
                                    ":/images/Images/checkbox_outputs_checked.png",
                                    ":/images/Images/checkbox_outputs_unchecked.png"};

double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

// The most common colour of `area` (the background) and its darkest one (the text).
QPair<QRgb, QRgb> backgroundAndText(const QImage& area)
{
    QHash<QRgb, int> counts;
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QRgb rgb = area.pixel(x, y) | 0xff000000;
            ++counts[rgb];
            darkest = luminance(rgb) < luminance(darkest) ? rgb : darkest;
        }
    }
    QRgb common = darkest;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        common = it.value() > counts.value(common) ? it.key() : common;
    return {common, darkest};
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    // The style sheets name exactly the four check box images.
    void imagesNamedByStyleSheetsResolve()
    {
        QSet<QString> named;
        for (int style = 0; style <= int(Style::OutputsCheckBox); ++style) { // OutputsCheckBox is the last
            auto it = QRegularExpression("url\\(([^)]*)\\)").globalMatch(styleSheet(Style(style)));
            while (it.hasNext())
                named.insert(it.next().captured(1).trimmed());
        }
        QCOMPARE(named, QSet<QString>(checkBoxImages.begin(), checkBoxImages.end()));
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

    // What a panel shows of the machine on disabled widgets reads at a WCAG contrast of 4.5:1 or more,
    // measured on the pixels drawn; a disabled button still looks unlike an enabled one.
    void liveValuesLegible()
    {
        QWidget panel;
        auto* row = new QHBoxLayout(&panel);
        auto* field = new QLineEdit(QStringLiteral("Waiting WWW"));
        auto* input = new QCheckBox(QStringLiteral("Water sensor WWW"));
        auto* output = new QCheckBox(QStringLiteral("Boiler heating On WWW"));
        auto* enabled = new QPushButton(QStringLiteral("Save"));
        auto* disabled = new QPushButton(QStringLiteral("Save"));
        applyStyle(Style::LineEdit, {field});
        applyStyle(Style::InputsCheckBox, {input});
        applyStyle(Style::OutputsCheckBox, {output});
        applyStyle(Style::PanelButton, {enabled, disabled});
        for (QWidget* widget : std::initializer_list<QWidget*>{field, input, output, enabled, disabled})
            row->addWidget(widget);
        for (QWidget* widget : std::initializer_list<QWidget*>{field, input, output, disabled})
            widget->setEnabled(false);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QImage drawn = panel.grab().toImage();
        const auto textArea = [&](QWidget* widget, int indicator) {
            return drawn.copy(widget->geometry().adjusted(8 + indicator, 8, -8, -8));
        };
        for (const QImage& area : {textArea(field, 0), textArea(input, 25), textArea(output, 25)}) {
            const auto [background, text] = backgroundAndText(area);
            const double contrast = (luminance(background) + 0.05) / (luminance(text) + 0.05);
            QVERIFY2(contrast >= 4.5,
                     qPrintable(QStringLiteral("%1 on %2: %3:1")
                                    .arg(QColor(text).name(), QColor(background).name())
                                    .arg(contrast, 0, 'f', 2)));
        }
        const QRgb face = backgroundAndText(textArea(enabled, 0)).first;
        const QRgb greyed = backgroundAndText(textArea(disabled, 0)).first;
        QVERIFY2(qAbs(qRed(face) - qRed(greyed)) + qAbs(qGreen(face) - qGreen(greyed))
                         + qAbs(qBlue(face) - qBlue(greyed))
                     >= 150,
                 qPrintable(QColor(face).name() + " and " + QColor(greyed).name()));
    }
};

QUELLARO_TEST_MAIN(TestLook)
#include "tst_look.moc"
