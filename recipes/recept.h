#pragma once

#include <QMap>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// One drink of the machine: its names, the coffee part and four ingredient slots.
struct Recept
{
    static constexpr int SlotCount = 4;

    QString shortName;
    QString fullName;
    int sugarRashod = 0;
    int waterRashod = 0;
    std::array<int, SlotCount> component{};       // component codes, 0 = "None"
    std::array<int, SlotCount> ingridientRashod{};
    std::array<int, SlotCount> ingridientWater{};

    // As read from the file, so that a save gives the machine back the IDs it knows its drinks
    // by. Without them (a record not read from a file) the position counts.
    std::optional<QString> id;  // the "ID" element's value
    QString elementName;        // the recipe's element, a child of the document element

    // The text as read of a number field whose text is no whole number (text, empty, a
    // fraction, beyond 32 bits, "05"): written back as it stands until the field is edited.
    // Keyed by fieldKey(); the number field itself then holds 0.
    QMap<QString, QString> storedTexts;

    Recept() = default;
    Recept(QString shortName, QString fullName, int sugar, int water, std::array<int, SlotCount> components,
           std::array<int, SlotCount> amounts, std::array<int, SlotCount> waters);

    bool operator==(const Recept& other) const;
    bool operator!=(const Recept& other) const { return !(*this == other); }
};

// The tags of the number fields, which with fieldKey() key Recept::storedTexts.
inline constexpr char SugarTagName[] = "Sugar";
inline constexpr char WaterTagName[] = "Water";
inline constexpr char ComponentTagName[] = "Component";
inline constexpr char IngridientRashodTagName[] = "IngridientRashod";
inline constexpr char IngridientWaterTagName[] = "IngridientWater";

// The key of a field element: its tag, and for the elements of an ingredient slot, a blank and
// the slot number ("Sugar", "Component 2").
QString fieldKey(const QString& tag, int slot = -1);

// The recipes read from the recipes file, in file order. Only the recipes dialog uses it.
extern std::vector<Recept> recepts;
