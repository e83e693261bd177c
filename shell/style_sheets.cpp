#include "shell/style_sheets.h"

#include <QAbstractSpinBox>
#include <QGuiApplication>
#include <QHash>
#include <QWidget>

#include <algorithm>

namespace {

// The focused button, the one that Space or Return presses, wears a gold frame of the same width.
const char focusFrame[] = "\nQPushButton:focus { border-style: solid; border-color: gold; }";

// Values shown by disabled widgets (status fields, display-only check boxes) stay dark on light:
// Qt's disabled grey reaches only 1.6:1 against the background. A check box draws on its parent.
const char liveValueColor[] = "color: #262626;";

// A button that is not available looks washed out, not only greyed in its text.
const char disabledButtonLook[] =
    "\nQPushButton:disabled { background-color: #D9CACA; border-color: #E6E6E6; color: #8C8C8C; }";

QString buttonStyle(const char* radius, const char* font, const char* minWidth, const char* padding)
{
    return QStringLiteral("QPushButton { background-color: brown; border-style: outset; border-width: 2px; "
                          "border-radius: %1; border-color: beige; font: %2; min-width: %3; padding: %4; }")
        .arg(QLatin1String(radius), QLatin1String(font), QLatin1String(minWidth), QLatin1String(padding));
}

QString textStyle(const char* selector, const char* minWidth)
{
    return QStringLiteral("%1 { font: bold 14px; min-width: %2; padding: 6px; }")
        .arg(QLatin1String(selector), QLatin1String(minWidth));
}

// Qt 6's style sheets show an image's "@2x" version on a screen with two device pixels to one
// by themselves. Qt 5's show the plain one there, and no image at all when the sheet names the
// "@2x" file: they are given the same image under a "_2x" name instead.
QString imageFor(const char* path)
{
    QString name = QLatin1String(path);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    if (qGuiApp && qGuiApp->devicePixelRatio() >= 2)
        name.replace(QLatin1String(".png"), QLatin1String("_2x.png"));
#endif
    return name;
}

QString checkBoxStyle(const char* checkedImage, const char* uncheckedImage)
{
    const QString c = imageFor(checkedImage);
    const QString u = imageFor(uncheckedImage);
    return QStringLiteral("QCheckBox { spacing: 5px; }\n"
                          "QCheckBox::indicator { width: 20px; height: 20px; }\n"
                          "QCheckBox::indicator:unchecked { image: url(%2); }\n"
                          "QCheckBox::indicator:unchecked:hover { image: url(%2); }\n"
                          "QCheckBox::indicator:unchecked:pressed { image: url(%2); }\n"
                          "QCheckBox::indicator:checked { image: url(%1); }\n"
                          "QCheckBox::indicator:checked:hover { image: url(%1); }\n"
                          "QCheckBox::indicator:checked:pressed { image: url(%1); }\n"
                          "QCheckBox::indicator:indeterminate:hover { image: url(%1); }\n"
                          "QCheckBox::indicator:indeterminate:pressed { image: url(%1); }\n"
                          "QCheckBox:disabled { %3 }\n")
        .arg(c, u, QLatin1String(liveValueColor));
}

const char spinBoxStyle[] =
    "QSpinBox { border: 1px solid gray; border-radius: 3px; padding: 1px 18px 1px 3px; min-width: 6em; }\n"
    "QSpinBox:editable { background: white; }\n"
    "QSpinBox:!editable, QSpinBox::drop-down:editable { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #E1E1E1, stop: 0.4 #DDDDDD, stop: 0.5 #D8D8D8, stop: 1.0 #D3D3D3); }\n"
    "QSpinBox:!editable:on, QSpinBox::drop-down:editable:on { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #D3D3D3, stop: 0.4 #D8D8D8, stop: 0.5 #DDDDDD, stop: 1.0 #E1E1E1); }\n"
    "QSpinBox:on { padding-top: 3px; padding-left: 4px; }\n"
    "QSpinBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right; width: 15px; "
    "border-left-width: 1px; border-left-color: darkgray; border-left-style: solid; "
    "border-top-right-radius: 3px; border-bottom-right-radius: 3px; }\n"
    "QSpinBox::down-arrow:on { top: 1px; left: 1px; }\n";

// The rules of `sheet` with each selector repeated once for each of `parts`, put after its type
// name: "QLabel:disabled" with "#name" selects "QLabel#name:disabled".
QString withSelectorParts(const QString& sheet, const QStringList& parts)
{
    QStringList rules = sheet.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& rule : rules) {
        const int brace = int(rule.indexOf(QLatin1Char('{')));
        QStringList scoped;
        const QStringList selectors = rule.left(brace).split(QLatin1Char(','));
        for (const QString& selector : selectors) {
            const QString trimmed = selector.trimmed();
            int typeEnd = int(trimmed.indexOf(QLatin1Char(':')));
            if (typeEnd < 0)
                typeEnd = int(trimmed.size());
            for (const QString& part : parts)
                scoped << QString(trimmed).insert(typeEnd, part);
        }
        rule = scoped.join(QLatin1String(", ")) + QLatin1Char(' ') + rule.mid(brace);
    }
    return rules.join(QLatin1Char('\n'));
}

// The named style a widget takes from its window's sheet.
const char* const styleProperty = "quellaroStyle";

QString styleSelector(Style style)
{
    return QStringLiteral("[%1=\"%2\"]").arg(QLatin1String(styleProperty), QString::number(int(style)));
}

// The named styles a window's sheet holds, one bit each, kept on the window.
const char* const windowStylesProperty = "quellaroWindowStyles";

constexpr unsigned bit(Style style)
{
    return 1u << unsigned(style);
}

// The named styles that one window's sheet holds: the main menu's and the test menu's buttons
// stand alone; the panels and dialogs mix the rest. A window's style sheet also reaches the
// windows it owns, where Qt matches every widget against every rule of it: the fewer, the faster.
unsigned windowStyles(Style style)
{
    constexpr unsigned all = bit(Style::OutputsCheckBox) * 2 - 1; // OutputsCheckBox is the last
    constexpr unsigned testMenu = bit(Style::TestMenuButton) | bit(Style::TestMenuNarrowButton);
    if (style == Style::MenuButton)
        return bit(style);
    if ((bit(style) & testMenu) != 0)
        return testMenu;
    // Only forms and the settings, which keep their styles on their widgets, hold spin boxes and
    // fields marked invalid.
    return all & ~testMenu & ~bit(Style::MenuButton) & ~bit(Style::SpinBox) & ~bit(Style::InvalidValue);
}

// Qt parses a style sheet once for each widget it is set on. The named styles, the buttons'
// focus frame and their disabled look are set as one sheet on the window instead, which selects
// each widget by the name of its style. A widget's own sheet would always win over the window's,
// so a button's named style cannot stay on the button while its focus and disabled rules move.
QString windowSheet(unsigned styles)
{
    QString sheet;
    QStringList buttons;
    for (int style = 0; style <= int(Style::OutputsCheckBox); ++style) {
        if ((styles & bit(Style(style))) == 0)
            continue;
        sheet += withSelectorParts(styleSheet(Style(style)), {styleSelector(Style(style))}) + QLatin1Char('\n');
        if (Style(style) <= Style::ModeButton)
            buttons << styleSelector(Style(style));
    }
    if (buttons.isEmpty())
        return sheet;
    return sheet + withSelectorParts(QLatin1String(focusFrame) + QLatin1String(disabledButtonLook), buttons);
}

// The widget's named style on the widget itself; a button's with its focus and disabled rules.
void setOwnSheet(Style style, QWidget* widget)
{
    const bool button = style <= Style::ModeButton;
    widget->setStyleSheet(styleSheet(style)
                          + (button ? QLatin1String(focusFrame) + QLatin1String(disabledButtonLook) : QString()));
}

// A window's style sheet would restyle a spin box that has no rules of its own: such a window
// keeps the named styles on each widget, as it always did.
bool holdsUnstyledSpinBox(const QWidget* window)
{
    const auto boxes = window->findChildren<QAbstractSpinBox*>();
    return std::any_of(boxes.begin(), boxes.end(), [](const QAbstractSpinBox* box) { return box->styleSheet().isEmpty(); });
}

// A styled spin box draws no arrows of its own on its buttons: they get images.
QString spinBoxArrows()
{
    return QStringLiteral("QSpinBox::up-arrow { image: url(%1); width: 10px; height: 6px; }\n"
                          "QSpinBox::down-arrow { image: url(%2); width: 10px; height: 6px; }\n")
        .arg(imageFor(":/images/Images/spinbox_up.png"), imageFor(":/images/Images/spinbox_down.png"));
}

} // namespace

QString styleSheet(Style style)
{
    switch (style) {
    case Style::MenuButton:
        return buttonStyle("20px", "bold 34px", "10em", "6px");
    case Style::PanelButton:
        return buttonStyle("10px", "bold 24px", "10em", "6px");
    case Style::NarrowPanelButton:
        return buttonStyle("10px", "bold 24px", "5em", "6px");
    case Style::TestMenuButton:
        return buttonStyle("20px", "bold 24px", "10em", "2px");
    case Style::TestMenuNarrowButton:
        return buttonStyle("20px", "bold 24px", "6em", "2px");
    case Style::ModeButton:
        return buttonStyle("20px", "bold 14px", "10em", "6px");
    case Style::Label:
        return textStyle("QLabel", "10em");
    case Style::NarrowLabel:
        return textStyle("QLabel", "5em");
    case Style::LineEdit:
        return textStyle("QLineEdit", "10em")
            + QStringLiteral("\nQLineEdit:disabled { %1 background-color: #EFEFEF; }")
                  .arg(QLatin1String(liveValueColor));
    case Style::InvalidValue:
        return QStringLiteral("QLineEdit, QSpinBox { border: 2px solid #B00020; }\nQLabel { color: #B00020; }");
    case Style::SpinBox:
        return QLatin1String(spinBoxStyle) + spinBoxArrows();
    case Style::InputsCheckBox:
        return checkBoxStyle(CheckBoxImages::InputsChecked, CheckBoxImages::InputsUnchecked);
    case Style::OutputsCheckBox:
        return checkBoxStyle(CheckBoxImages::OutputsChecked, CheckBoxImages::OutputsUnchecked);
    }
    return QString();
}

void applyStyle(Style style, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets)
        applyStyle(style, widget);
}

void applyStyle(Style style, QWidget* widget)
{
    QWidget* window = widget->window();
    if (window == widget || holdsUnstyledSpinBox(window)) {
        setOwnSheet(style, widget);
        return;
    }
    // A window's sheet is set once: Qt keeps what it parsed of it until the window is polished.
    // A style that its sheet lacks stays on the widget.
    widget->setProperty(styleProperty, int(style));
    const QVariant held = window->property(windowStylesProperty);
    if (!held.isValid()) {
        static QHash<unsigned, QString> sheets; // of each set of styles, made once
        const unsigned styles = windowStyles(style);
        window->setProperty(windowStylesProperty, styles);
        if (!sheets.contains(styles))
            sheets.insert(styles, windowSheet(styles));
        window->setStyleSheet(window->styleSheet() + sheets.value(styles));
    } else if ((held.toUInt() & bit(style)) == 0) {
        setOwnSheet(style, widget);
    }
}

QString styleSheetFor(Style style, const QStringList& objectNames)
{
    QStringList parts;
    for (const QString& name : objectNames)
        parts << QLatin1Char('#') + name;
    return withSelectorParts(styleSheet(style), parts);
}
