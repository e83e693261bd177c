#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The recipe values a Save changed, read from the recipes file before and after it. Read as
// plain XML, field by field, so that it holds for whatever the recipes file keeps: a recipe is
// a child of the document element, named by its "Name" field; a field is an element of the
// recipe, its value the element's text, or its "Value" attribute when it has no text (the text
// of a field with both is keyed by the attribute: "Component 2").
struct RecipeChange
{
    QString recipe;
    QString field;
    QString before; // empty for a field or recipe the Save added
    QString after;  // empty for one it removed
};

QVector<RecipeChange> recipeChanges(const QByteArray& before, const QByteArray& after);
