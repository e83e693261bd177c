#include "test_support.h"

#include "shell/style_sheets.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyleOptionButton>

namespace {

const Style allStyles[] = {
    Style::MenuButton, Style::PanelButton,  Style::NarrowPanelButton, Style::TestMenuButton,
    Style::TestMenuNarrowButton, Style::ModeButton, Style::Label, Style::NarrowLabel,
    Style::LineEdit, Style::SpinBox, Style::InputsCheckBox, Style::OutputsCheckBox,
};

const char* const imageDir = ":/images/Images/";

// "selector { a: 1; b:2 }" -> {"selector": ["a: 1", "b: 2"]}, whitespace normalised.
QMap<QString, QStringList> rules(const QString& sheet)
{
    QMap<QString, QStringList> result;
    const QStringList blocks = sheet.split(QLatin1Char('}'), Qt::SkipEmptyParts);
    for (const QString& block : blocks) {
        const QString selector = block.section(QLatin1Char('{'), 0, 0).simplified();
        if (selector.isEmpty())
            continue;
        QStringList declarations;
        const QStringList parts = block.section(QLatin1Char('{'), 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& part : parts) {
            const QString property = part.section(QLatin1Char(':'), 0, 0).simplified();
            const QString value = part.section(QLatin1Char(':'), 1).simplified();
            if (!property.isEmpty())
                declarations << property + QStringLiteral(": ") + value;
        }
        result.insert(selector, declarations);
    }
    return result;
}

QStringList imagePaths(const QString& sheet)
{
    QStringList paths;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("url\\(([^)]*)\\)")).globalMatch(sheet);
    while (it.hasNext())
        paths << it.next().captured(1).trimmed();
    return paths;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString rgbText(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

struct ProbeCheckBox : QCheckBox
{
    using QCheckBox::initStyleOption;
};

// Collects warnings while alive: a style sheet that Qt cannot parse only warns.
struct WarningCollector
{
    static QStringList& messages()
    {
        static QStringList list;
        return list;
    }
    static void handler(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            messages() << message;
    }
    WarningCollector() { messages().clear(); previous = qInstallMessageHandler(handler); }
    ~WarningCollector() { qInstallMessageHandler(previous); }
    QtMessageHandler previous;
};

} // namespace

Q_DECLARE_METATYPE(Style)

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    void imagesNamedByStyleSheetsResolve();
    void images_data();
    void images();
    void declarations_data();
    void declarations();
    void buttonStylesDifferOnlyInTheirValues();
    void styleSheetsParse();
    void indicatorShowsOnlyCheckedState_data();
    void indicatorShowsOnlyCheckedState();
};

void TestLook::imagesNamedByStyleSheetsResolve()
{
    QSet<QString> named;
    for (Style style : allStyles) {
        const QStringList paths = imagePaths(styleSheet(style));
        for (const QString& path : paths) {
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            named.insert(path);
        }
    }
    QCOMPARE(named.size(), 4);
    for (const char* path : {CheckBoxImages::InputsChecked, CheckBoxImages::InputsUnchecked,
                             CheckBoxImages::OutputsChecked, CheckBoxImages::OutputsUnchecked})
        QVERIFY2(named.contains(QLatin1String(path)), path);
}

void TestLook::images_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");
    QTest::newRow("inputs checked") << "checkbox_inputs_checked.png" << QColor(0, 255, 0) << QColor(169, 255, 170);
    QTest::newRow("inputs unchecked") << "checkbox_inputs_unchecked.png" << QColor(79, 255, 79)
                                      << QColor(255, 255, 255);
    QTest::newRow("outputs checked") << "checkbox_outputs_checked.png" << QColor(0, 71, 139)
                                     << QColor(139, 171, 202);
    QTest::newRow("outputs unchecked") << "checkbox_outputs_unchecked.png" << QColor(0, 199, 227)
                                       << QColor(227, 236, 244);
}

void TestLook::images()
{
    QFETCH(QString, file);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);
    const QString path = QLatin1String(imageDir) + file;

    // The header: PNG signature, then IHDR with 64 x 64, bit depth 8, colour type 2 (RGB).
    QFile png(path);
    QVERIFY(png.open(QIODevice::ReadOnly));
    const QByteArray head = png.read(26);
    QCOMPARE(head.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(head.mid(16, 8), QByteArray("\0\0\0\x40\0\0\0\x40", 8));
    QCOMPARE(int(quint8(head.at(24))), 8);
    QCOMPARE(int(quint8(head.at(25))), 2);

    const QImage image(path);
    QCOMPARE(image.size(), QSize(64, 64));
    QVERIFY(!image.hasAlphaChannel());
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(rgbText(image.pixel(0, 0)), rgbText(topLeft.rgb()));
    QCOMPARE(rgbText(image.pixel(63, 63)), rgbText(bottomRight.rgb()));

    // A diagonal gradient: along the diagonal every channel moves steadily from one corner
    // colour to the other, and the middle lies half way.
    for (int i = 1; i < 64; ++i) {
        const QRgb before = image.pixel(i - 1, i - 1);
        const QRgb here = image.pixel(i, i);
        for (int shift : {16, 8, 0}) { // red, green, blue
            const auto channel = [shift](QRgb c) { return int((c >> shift) & 0xff); };
            const int direction = channel(bottomRight.rgb()) - channel(topLeft.rgb());
            QVERIFY((channel(here) - channel(before)) * (direction >= 0 ? 1 : -1) >= 0);
        }
    }
    const QRgb middle = qRgb((topLeft.red() + bottomRight.red()) / 2, (topLeft.green() + bottomRight.green()) / 2,
                             (topLeft.blue() + bottomRight.blue()) / 2);
    QVERIFY2(near(image.pixel(32, 31), middle, 4), qPrintable(rgbText(image.pixel(32, 31))));
}

void TestLook::declarations_data()
{
    QTest::addColumn<Style>("style");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("menu button") << Style::MenuButton << "QPushButton"
                                 << QStringList{"font: bold 34px", "border-radius: 20px", "min-width: 10em",
                                                "padding: 6px", "background-color: brown", "border-color: beige"};
    QTest::newRow("panel button") << Style::PanelButton << "QPushButton"
                                  << QStringList{"font: bold 24px", "border-radius: 10px", "min-width: 10em",
                                                 "padding: 6px"};
    QTest::newRow("narrow panel button") << Style::NarrowPanelButton << "QPushButton"
                                         << QStringList{"font: bold 24px", "border-radius: 10px", "min-width: 5em"};
    QTest::newRow("test menu button") << Style::TestMenuButton << "QPushButton"
                                      << QStringList{"font: bold 24px", "border-radius: 20px", "padding: 2px"};
    QTest::newRow("test menu narrow button")
        << Style::TestMenuNarrowButton << "QPushButton" << QStringList{"min-width: 6em", "padding: 2px"};
    QTest::newRow("mode button") << Style::ModeButton << "QPushButton"
                                 << QStringList{"font: bold 14px", "border-radius: 20px", "min-width: 10em"};
    QTest::newRow("label") << Style::Label << "QLabel"
                           << QStringList{"font: bold 14px", "min-width: 10em", "padding: 6px"};
    QTest::newRow("narrow label") << Style::NarrowLabel << "QLabel"
                                  << QStringList{"font: bold 14px", "min-width: 5em", "padding: 6px"};
    QTest::newRow("line edit") << Style::LineEdit << "QLineEdit"
                               << QStringList{"font: bold 14px", "min-width: 10em", "padding: 6px"};
    QTest::newRow("spin box") << Style::SpinBox << "QSpinBox"
                              << QStringList{"border: 1px solid gray", "padding: 1px 18px 1px 3px",
                                             "min-width: 6em"};
    QTest::newRow("spin box, editable") << Style::SpinBox << "QSpinBox:editable"
                                        << QStringList{"background: white"};
    QTest::newRow("spin box, drop-down") << Style::SpinBox << "QSpinBox::drop-down"
                                         << QStringList{"width: 15px", "border-left-color: darkgray"};
    QTest::newRow("spin box, arrow") << Style::SpinBox << "QSpinBox::down-arrow:on"
                                     << QStringList{"top: 1px", "left: 1px"};
    QTest::newRow("inputs, indicator") << Style::InputsCheckBox << "QCheckBox::indicator"
                                       << QStringList{"width: 20px", "height: 20px"};
    QTest::newRow("inputs, unchecked hover")
        << Style::InputsCheckBox << "QCheckBox::indicator:unchecked:hover"
        << QStringList{"image: url(:/images/Images/checkbox_inputs_unchecked.png)"};
    QTest::newRow("inputs, checked pressed")
        << Style::InputsCheckBox << "QCheckBox::indicator:checked:pressed"
        << QStringList{"image: url(:/images/Images/checkbox_inputs_checked.png)"};
    QTest::newRow("inputs, indeterminate hover")
        << Style::InputsCheckBox << "QCheckBox::indicator:indeterminate:hover"
        << QStringList{"image: url(:/images/Images/checkbox_inputs_checked.png)"};
    QTest::newRow("outputs, spacing") << Style::OutputsCheckBox << "QCheckBox" << QStringList{"spacing: 5px"};
    QTest::newRow("outputs, unchecked pressed")
        << Style::OutputsCheckBox << "QCheckBox::indicator:unchecked:pressed"
        << QStringList{"image: url(:/images/Images/checkbox_outputs_unchecked.png)"};
    QTest::newRow("outputs, checked hover")
        << Style::OutputsCheckBox << "QCheckBox::indicator:checked:hover"
        << QStringList{"image: url(:/images/Images/checkbox_outputs_checked.png)"};
}

void TestLook::declarations()
{
    QFETCH(Style, style);
    QFETCH(QString, selector);
    QFETCH(QStringList, expected);
    const QMap<QString, QStringList> sheet = rules(styleSheet(style));
    QVERIFY2(sheet.contains(selector), qPrintable(styleSheet(style)));
    for (const QString& declaration : expected)
        QVERIFY2(sheet.value(selector).contains(declaration), qPrintable(declaration));
}

// The six button styles have the same eight declarations in the same order.
void TestLook::buttonStylesDifferOnlyInTheirValues()
{
    const QStringList properties = {"background-color", "border-style", "border-width", "border-radius",
                                    "border-color",     "font",         "min-width",    "padding"};
    for (Style style : {Style::MenuButton, Style::PanelButton, Style::NarrowPanelButton, Style::TestMenuButton,
                        Style::TestMenuNarrowButton, Style::ModeButton}) {
        const QMap<QString, QStringList> sheet = rules(styleSheet(style));
        QCOMPARE(sheet.keys(), QStringList{"QPushButton"});
        QStringList names;
        for (const QString& declaration : sheet.value(QStringLiteral("QPushButton")))
            names << declaration.section(QLatin1Char(':'), 0, 0);
        QCOMPARE(names, properties);
        QVERIFY(sheet.value(QStringLiteral("QPushButton")).contains(QStringLiteral("border-style: outset")));
        QVERIFY(sheet.value(QStringLiteral("QPushButton")).contains(QStringLiteral("border-width: 2px")));
    }
}

// Qt only warns about a style sheet it cannot parse, when a widget is first drawn with it.
void TestLook::styleSheetsParse()
{
    QWidget window;
    QList<QWidget*> widgets;
    for (Style style : allStyles) {
        QWidget* widget = nullptr;
        switch (style) {
        case Style::Label:
        case Style::NarrowLabel:
            widget = new QLabel(QStringLiteral("Label"), &window);
            break;
        case Style::LineEdit:
            widget = new QLineEdit(QStringLiteral("Text"), &window);
            break;
        case Style::SpinBox:
            widget = new QSpinBox(&window);
            break;
        case Style::InputsCheckBox:
        case Style::OutputsCheckBox:
            widget = new QCheckBox(QStringLiteral("Box"), &window);
            break;
        default:
            widget = new QPushButton(QStringLiteral("Button"), &window);
            break;
        }
        widgets << widget;
    }
    WarningCollector warnings;
    for (int i = 0; i < widgets.size(); ++i)
        applyStyle(allStyles[i], {widgets[i]});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QWidget* widget : widgets)
        widget->grab();
    QCOMPARE(WarningCollector::messages(), QStringList());
}

void TestLook::indicatorShowsOnlyCheckedState_data()
{
    QTest::addColumn<Style>("style");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("extraState");
    QTest::addColumn<QString>("image");

    const struct {
        const char* name;
        Style style;
        const char* checked;
        const char* unchecked;
    } kinds[] = {
        {"inputs", Style::InputsCheckBox, CheckBoxImages::InputsChecked, CheckBoxImages::InputsUnchecked},
        {"outputs", Style::OutputsCheckBox, CheckBoxImages::OutputsChecked, CheckBoxImages::OutputsUnchecked},
    };
    const struct {
        const char* name;
        int state;
    } interactions[] = {
        {"still", 0},
        {"hovered", QStyle::State_MouseOver},
        {"pressed", QStyle::State_Sunken},
        {"hovered and pressed", QStyle::State_MouseOver | QStyle::State_Sunken},
    };
    for (const auto& kind : kinds) {
        for (const auto& interaction : interactions) {
            for (bool checked : {true, false}) {
                QTest::addRow("%s, %s, %s", kind.name, checked ? "checked" : "unchecked", interaction.name)
                    << kind.style << checked << interaction.state
                    << QString::fromLatin1(checked ? kind.checked : kind.unchecked);
            }
        }
    }
}

// Draws a check box in the given state with its style and compares the middle of the
// indicator with the middle of the image it should show.
void TestLook::indicatorShowsOnlyCheckedState()
{
    QFETCH(Style, style);
    QFETCH(bool, checked);
    QFETCH(int, extraState);
    QFETCH(QString, image);

    ProbeCheckBox box;
    applyStyle(style, {&box});
    box.setChecked(checked);
    box.resize(60, 30);
    box.ensurePolished();

    QStyleOptionButton option;
    box.initStyleOption(&option);
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken);
    option.state |= QStyle::StateFlag(extraState);
    const QRect indicator = box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
    QCOMPARE(indicator.size(), QSize(20, 20));

    QImage canvas(box.size(), QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        box.style()->drawControl(QStyle::CE_CheckBox, &option, &painter, &box);
    }
    const QRgb shown = canvas.pixel(indicator.center());
    const QRgb wanted = QImage(image).pixel(32, 32);
    QVERIFY2(near(shown, wanted, 24),
             qPrintable(QStringLiteral("shown %1, image %2").arg(rgbText(shown), rgbText(wanted))));
}

QUELLARO_TEST_MAIN(TestLook)
#include "tst_look.moc"
