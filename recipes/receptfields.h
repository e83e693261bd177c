#pragma once

#include "recipes/recept.h"

#include <QString>

#include <vector>

// The fields of a recipe that the form shows, one row each: where the file keeps it, which
// member of the record holds it, which widget of the form shows it and the values that widget
// can show. Reading, writing, the form's binding, its ranges and its kept-value marks all
// come from this table: a new field is a row here and its widget in receptform.ui.
struct ReceptField
{
    enum class Place {
        Attribute, // the element's "Value" attribute
        Content,   // the element's text; "Value" holds the slot number
    };

    const char* tag;
    int slot; // 0 to 3 for an ingredient slot's element, -1 otherwise
    Place place;
    QString Recept::*text;                                 // a text field, or
    int Recept::*number;                                   // a number field, or
    std::array<int, Recept::SlotCount> Recept::*slotArray; // a slot's number field
    const char* widget;                                    // the object name of its widget in the form
    int minimum;                                           // what the widget can show
    int maximum;

    bool isNumber() const { return text == nullptr; }
    QString key() const { return fieldKey(QString::fromLatin1(tag), slot); }
    // The field's value as the file writes it: a number, or the text kept for it.
    QString valueIn(const Recept& recept) const;
    // Sets the field from the file's text; a number field keeps a text that is no whole number
    // in the record's storedTexts and holds 0.
    void setFrom(Recept& recept, const QString& value) const;
    // The number member, nullptr for a text field.
    int* numberIn(Recept& recept) const;
    int numberOf(const Recept& recept) const; // 0 for a text field
};

// Every field, in the order a new recipe's elements are written.
const std::vector<ReceptField>& receptFields();

// The field of an element with tag `tag` and "Value" attribute `value`, nullptr when the
// element is no field ("ID" is none: it makes a record).
const ReceptField* receptFieldOf(const QString& tag, const QString& value);
