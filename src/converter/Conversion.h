#pragma once

#include "converter/UnitTables.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelcor {

// The value x of unit `from` expressed in unit `to` of the same category: by the factors, or
// by the temperature formulas.
double ConvertValue(const UnitCategory& category, std::size_t from, std::size_t to, double x);

// The text of the result cell of unit `target` while `source` is the source unit: the number
// text, the suffix (with the category's source-dependent exceptions) and "²" or "³".
std::string ResultText(const UnitCategory& category, std::size_t source, std::size_t target,
                       std::string_view number);

// What a conversion gives: the texts of every result cell in unit order, or, when the input
// cannot be converted, a message for the user (and no cell texts: the cells keep theirs).
struct ConversionResult {
    std::vector<std::string> cells;
    std::string error;
    bool ok() const { return error.empty(); }
};

// The conversion run when a source unit is chosen: the source cell shows the input exactly as
// typed, every other cell the converted value in the program's number format.
ConversionResult ConvertFrom(const UnitCategory& category, std::size_t source,
                             std::string_view input);

// The input texts a recomputation skips without a message: empty, "-" and ".".
bool SkipsRecomputation(std::string_view input);

// Whether the text is the beginning of a number still being typed ("+", "-.", "1E", "1E-"),
// so that a box that converts on every keystroke waits for the rest without a message.
bool IsUnfinishedNumber(std::string_view input);

// The bare number of a result cell's text: the suffix, dots and blanks included, is dropped.
// An empty result becomes "0".
std::string ExtractNumber(std::string_view cellText);

// The sizes a window passes through when one of its sides changes by `step` pixels per step
// while the size is below `bound` (growing, step > 0) or above it (shrinking, step < 0),
// followed by `final` when it differs from the last step.
std::vector<int> ResizeSteps(int start, int step, int bound, std::optional<int> final = {});

} // namespace pelcor
