#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pelcor {

// The base the readout is written in (the "Decimal", "Hexidecimal" and "Binary" menu items).
enum class NumberBase { Decimal, Hexadecimal, Binary };

// The conversions between the readout's decimal, hexadecimal and binary texts. Whole
// numbers are held as 32-bit signed integers; arithmetic wraps.

// Upper-cases the text, drops a trailing "H" and reads hexadecimal digits; any other
// character makes the value 0. "FFFFFFFF" reads as -1.
int32_t HexToDec(const std::string& text);

// A value truncated toward zero, in upper-case hexadecimal without leading zeros; negative
// values and values past 32 bits show their lowest 32 bits (two's complement: -1 is
// FFFFFFFF). Gives nothing for a value too large to hold in 64 bits.
std::optional<std::string> DecToHex(double value);

// Sums the weights 1, 2, 4, ... of the "1"s, from the last character to the first; every
// other character counts as 0.
int32_t BinToDec(const std::string& text);

// The lowest 8 bits of n when n is below 256, 16 when below 65536, otherwise 32, as "0"
// and "1" characters, most significant first.
std::string DecToBin(int64_t n);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// The result of a bitwise key for one position: a from the first operand, b from the
// second (0 when the second is shorter). Gives 0 when the position is skipped.
char LogicBit(const std::string& op, char a, char b);

// Applies a bitwise key position by position; the result has the first operand's length
// (less the positions the key skips).
std::string LogicResult(const std::string& op, const std::string& first, const std::string& second);

} // namespace pelcor
