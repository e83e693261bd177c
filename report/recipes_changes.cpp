#include "report/recipes_changes.h"

#include <QMap>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

struct RecipeFields
{
    QString name;
    QStringList order; // the fields in file order
    QMap<QString, QString> values;
};

// One recipe element's fields; the reader stands on its start and ends on its end.
RecipeFields readRecipe(QXmlStreamReader& xml)
{
    RecipeFields recipe;
    recipe.name = xml.name().toString();
    while (xml.readNextStartElement()) {
        const QString tag = xml.name().toString();
        const QString attribute = xml.attributes().value(QStringLiteral("Value")).toString();
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        const QString key = text.isEmpty() || attribute.isEmpty() ? tag : tag + QLatin1Char(' ') + attribute;
        const QString value = text.isEmpty() ? attribute : text;
        if (tag == QLatin1String("Name"))
            recipe.name = value;
        if (!recipe.values.contains(key))
            recipe.order.append(key);
        recipe.values.insert(key, value);
    }
    return recipe;
}

// The recipes by element, in file order.
QVector<QPair<QString, RecipeFields>> readRecipes(const QByteArray& bytes)
{
    QVector<QPair<QString, RecipeFields>> recipes;
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement())
        return recipes;
    while (xml.readNextStartElement()) {
        const QString element = xml.name().toString();
        recipes.append({element, readRecipe(xml)});
    }
    return recipes;
}

const RecipeFields* findRecipe(const QVector<QPair<QString, RecipeFields>>& recipes, const QString& element)
{
    for (const auto& recipe : recipes) {
        if (recipe.first == element)
            return &recipe.second;
    }
    return nullptr;
}

} // namespace

QVector<RecipeChange> recipeChanges(const QByteArray& before, const QByteArray& after)
{
    const auto old = readRecipes(before);
    const auto now = readRecipes(after);
    QVector<RecipeChange> changes;
    const RecipeFields none;
    for (const auto& recipe : now) {
        const RecipeFields* was = findRecipe(old, recipe.first);
        const RecipeFields& oldFields = was ? *was : none;
        for (const QString& field : recipe.second.order) {
            const QString value = recipe.second.values.value(field);
            if (!oldFields.values.contains(field) || oldFields.values.value(field) != value)
                changes.append({recipe.second.name, field, oldFields.values.value(field), value});
        }
        for (const QString& field : oldFields.order) {
            if (!recipe.second.values.contains(field))
                changes.append({recipe.second.name, field, oldFields.values.value(field), QString()});
        }
    }
    for (const auto& recipe : old) {
        if (findRecipe(now, recipe.first))
            continue;
        for (const QString& field : recipe.second.order)
            changes.append({recipe.second.name, field, recipe.second.values.value(field), QString()});
    }
    return changes;
}
