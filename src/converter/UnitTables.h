#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace pelcor {

// One unit of a conversion category: its radio button, the result cell it is shown in and
// the size of the unit in the category's base unit.
struct UnitInfo {
    std::string_view option;  // radio button name
    std::string_view caption; // radio button caption
    std::string_view cell;    // result cell name
    std::string_view suffix;  // appended to the number in the result cell
    std::string_view literal; // "²", "³" or nothing, written after the suffix
    double factor;            // the unit in the base unit; unused for temperature
};

// A result cell whose suffix differs from its unit's while one particular unit is the source.
struct SuffixException {
    std::size_t source;
    std::size_t target;
    std::string_view suffix;
};

struct UnitCategory {
    std::string_view key;     // "Temp", "Area", ...: the window's CurrentCategory
    std::string_view name;    // the name shown on the category button
    std::string_view button;  // category button name
    std::string_view frame;   // frame (group box) name
    std::string_view caption; // frame caption
    std::string_view input;   // input box name
    bool temperature;         // converted by formulas, not by factors
    std::span<const UnitInfo> units;
    std::span<const SuffixException> exceptions;
};

// The thirteen categories in the order of their buttons: the left column from top to bottom,
// then the right column.
std::span<const UnitCategory> Categories();

// The index of the category with the given key, or -1.
int CategoryIndex(std::string_view key);

// Units of the temperature category, in display order.
namespace temperature {
inline constexpr std::size_t Fahrenheit = 0;
inline constexpr std::size_t Celsius = 1;
inline constexpr std::size_t Kelvin = 2;
} // namespace temperature

} // namespace pelcor
