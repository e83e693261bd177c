#pragma once

#include "recipes/recept.h"

#include <QHash>
#include <QString>
#include <QWidget>

class QComboBox;
class QSpinBox;

namespace Ui {
class ReceptForm;
}

// The editor of one recipe, shown as a tab page of the recipes dialog. The values live in
// the widgets. Slot numbers 0 to 3 choose an ingredient slot; setters ignore any other slot
// number and getters return 0 for it.
// A value set that its widget cannot show (an amount outside 0 to 200, a component code
// without an entry) is kept: the widget is marked, its tooltip gives the value, and the getter
// returns that value until the user changes the widget.
class ReceptForm : public QWidget
{
    Q_OBJECT

public:
    explicit ReceptForm(QWidget* parent = nullptr);
    ~ReceptForm() override;

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
    // The widgets of slot n, nullptr outside 0 to 3.
    QComboBox* componentBox(int n) const;
    QSpinBox* amountBox(int n) const;
    QSpinBox* waterBox(int n) const;
    void setAmount(QSpinBox* box, int amount);
    // After a setter: keeps `value` for `widget` when it does not show it, else forgets it.
    void storeValue(QWidget* widget, int value, bool shown);
    void forgetValue(QWidget* widget);
    int valueOf(const QSpinBox* box) const;

    Ui::ReceptForm* ui;
    QHash<const QWidget*, int> storedValues;
};
