#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <initializer_list>

// The program's look: one named style sheet per kind of widget, set when its form is built.
// There is no application-wide style sheet. The named styles reach their widgets through one
// style sheet on the widget's window, which also holds the buttons' focus frame and disabled
// look; a form can share them through styleSheetFor().
enum class Style {
    MenuButton,
    PanelButton,
    NarrowPanelButton,
    TestMenuButton,
    TestMenuNarrowButton,
    ModeButton,
    Label,
    NarrowLabel,
    LineEdit,
    InvalidValue, // a field whose value cannot be saved, and the line that says why
    SpinBox,
    InputsCheckBox,
    OutputsCheckBox,
};

// The style sheet text of a named style.
QString styleSheet(Style style);

// The style sheet text of a named style whose rules select only the widgets of those object
// names: set on a form, its widgets share one parsed sheet.
QString styleSheetFor(Style style, const QStringList& objectNames);

// Gives the widget the named style. The widget must be in its window already.
void applyStyle(Style style, QWidget* widget);
void applyStyle(Style style, std::initializer_list<QWidget*> widgets);

// The resource paths of the four check box images.
namespace CheckBoxImages {
inline constexpr const char* InputsChecked = ":/images/Images/checkbox_inputs_checked.png";
inline constexpr const char* InputsUnchecked = ":/images/Images/checkbox_inputs_unchecked.png";
inline constexpr const char* OutputsChecked = ":/images/Images/checkbox_outputs_checked.png";
inline constexpr const char* OutputsUnchecked = ":/images/Images/checkbox_outputs_unchecked.png";
}

// Sets the named style on every child of `parent` of type T (recursively).
template <typename T>
void applyStyleToAll(Style style, QWidget* parent)
{
    const auto children = parent->findChildren<T*>();
    for (T* child : children)
        applyStyle(style, child);
}
