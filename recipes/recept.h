#pragma once

#include <QString>

#include <array>
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

    Recept() = default;
};

// The recipes read from the recipes file, in file order. Only the recipes dialog uses it.
extern std::vector<Recept> recepts;
