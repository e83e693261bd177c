#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QSpinBox;

namespace Ui {
class ReceptForm;
}

// The editor of one recipe, shown as a tab page of the recipes dialog. The values live in
// the widgets only. Slot numbers 0 to 3 choose an ingredient slot; setters ignore any other
// slot number and getters return 0 for it.
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

private:
    // The widgets of slot n, nullptr outside 0 to 3.
    QComboBox* componentBox(int n) const;
    QSpinBox* amountBox(int n) const;
    QSpinBox* waterBox(int n) const;

    Ui::ReceptForm* ui;
};
