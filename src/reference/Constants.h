#pragma once

#include <optional>
#include <span>
#include <string>

namespace pelcor {

// One cell of the constants library: the six tabs' cells (Tags 0-107), the astronomy list
// (201-215) and the physics list (301-314). Texts are UTF-8, exactly as the cells and the
// information line show them.
struct Constant {
    int tag;
    const char* caption;     // the cell's text; empty for the three blank cells 90-92
    const char* description; // the information line's text; nullptr when there is none
    // When set, the information line is description + the value in the general format +
    // this tail, built when it is shown.
    const char* descriptionTail;
    double value;        // what a click puts into the readout
    const char* picture; // a picture in CalcLibrary shown on hover; nullptr when none
};

// The constant with this Tag, or nullptr: such a Tag has no value, text or picture.
const Constant* FindConstant(int tag);

// Every constant, tabs first, then the astronomy and the physics list, each in Tag order.
std::span<const Constant> AllConstants();
// The 18 cells of tab 0..5, left to right and top to bottom.
std::span<const Constant> TabConstants(int tab);
// The 14 cells of each side list, top to bottom.
std::span<const Constant> AstronomyConstants();
std::span<const Constant> PhysicsConstants();

// The information line's text for a constant, or nothing when it has none.
std::optional<std::string> ConstantDescription(const Constant& constant);

} // namespace pelcor
