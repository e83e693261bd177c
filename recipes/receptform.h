#pragma once

#include "recipes/recept.h"

#include <QString>
#include <QWidget>

#include <vector>

struct ReceptField;

namespace Ui {
class ReceptForm;
}

// The editor of one recipe, shown as a tab page of the recipes dialog. The values live in
// a recipe record that the widgets show and edit. Slot numbers 0 to 3 choose an ingredient
// slot; setters ignore any other slot number and getters return 0 for it.
// A value that its widget cannot show (an amount outside 0 to 200, a component code without an
// entry, a stored text that is no number) is kept: the widget is marked, its tooltip gives the
// value, and the record keeps it until the user changes the widget. So does a name longer than
// its line edit holds, until the user edits it.
class ReceptForm : public QWidget
{
    Q_OBJECT

public:
    explicit ReceptForm(QWidget* parent = nullptr);
    ~ReceptForm() override;

    // Shows `recept`; recept() gives it back with the user's edits.
    void setRecept(const Recept& recept);
    Recept recept() const;

    void setComponent(int n, int code);
    void setIngridientRashod(int n, int amount);
    void setIngridientWater(int n, int amount);
    void setShortName(QString name);
    void setFullName(QString name);
    void setWaterRashod(int amount);
    void setSugarRashod(int amount);

    // The selected entry of slot n's combo box: the component code, -1 when none is selected.
    int getComponent(int n) const;
    int getIngridient(int n) const;
    int getIngridientWater(int n) const;
    QString getShortName() const;
    QString getFullName() const;
    int getWaterRashod() const;
    int getSugarRashod() const;

    // The slot getters named after the amount spin boxes of slots 0 to 3 (milk, chocolate,
    // vanilla, tea). Nothing in the program calls them: the recipes dialog reads the slots by
    // number, since a slot holds whatever component its combo box names. They stay as part of
    // the form's interface; do not remove them as unused.
    int getMilkRashod() const;
    int getMilkWaterRashod() const;
    int getChocolateRashod() const;
    int getChocolateWaterRashod() const;
    int getVanilaRashod() const;
    int getVanilaWaterRashod() const;
    int getTeaRashod() const;
    int getTeaWaterRashod() const;

    // How many widgets hold a kept value that they cannot show.
    int storedValueCount() const;
    // How many values of `recept` a form filled with it would keep without showing them.
    static int unshownValueCount(const Recept& recept);

private:
    // A number field of the record and the widget that shows it.
    struct NumberField
    {
        const ReceptField* field;
        QWidget* widget;
    };
    std::vector<NumberField> numberFields() const;
    // The widget of slot n's field `tag`, nullptr outside 0 to 3.
    QWidget* slotWidget(const char* tag, int n) const;
    // Sets the field of `widget` to `value` (a setter's or an edit's), forgetting a stored text.
    void setNumber(QWidget* widget, int value, bool edit);
    void showNumber(const NumberField& field);
    void showNames();
    bool holdsKeptValue(const NumberField& field) const;
    static bool holdsKeptValue(const ReceptField& field, const Recept& recept);
    int numberOf(const QWidget* widget) const;

    Ui::ReceptForm* ui;
    Recept record;
    bool showing = false; // widget changes are the form's own, not edits
};
