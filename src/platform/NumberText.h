#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelcor {

// Numbers as the program reads and writes them in text: "." as the decimal point and
// "E" for the exponent.

// Writes a value in the general format with at most 15 significant digits, trailing zeros
// dropped: plain for 0 and for 0.0001 <= |value| < 1E15, otherwise mantissa, "E" and the
// exponent with a sign only when negative (1E20, 1.5E-6). Not-a-number and infinities are
// never shown to the user; callers guard against them, and they come out as "0".
std::string FormatGeneral(double value);

// Reads a number: optional sign, digits with at most one ".", optional exponent ("E" or
// "e", optional sign, digits). Surrounding blanks are allowed. Anything else, an empty
// mantissa, a missing exponent or a value out of range gives nothing; a value just past the
// largest double that is no larger than FormatGeneral writes it reads as the largest double,
// so whatever FormatGeneral writes reads back.
std::optional<double> ParseNumber(std::string_view text);

// Why a text does not read as a number: it has not the shape of one, or it has but its value
// lies beyond the range of reals, above the largest or, not being 0, below the smallest.
enum class NumberFault { None, NotANumber, TooLarge, TooSmall };
NumberFault WhyNotANumber(std::string_view text);

// Reads a whole number (optional sign and decimal digits) that fits in an int.
std::optional<int> ParseInteger(std::string_view text);

} // namespace pelcor
