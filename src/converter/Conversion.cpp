#include "converter/Conversion.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace pelcor {

namespace {

double ToCelsius(std::size_t unit, double x) {
    switch (unit) {
    case temperature::Fahrenheit: return (x - 32) / 1.8;
    case temperature::Kelvin: return x - 273.15;
    default: return x;
    }
}

// Each cell is computed from the source value as written in the temperature table, not by
// way of Celsius, so that no rounding is added on the way.
double Temperature(std::size_t from, std::size_t to, double x) {
    if (from == to) return x;
    if (to == temperature::Fahrenheit) {
        if (from == temperature::Celsius) return x * 1.8 + 32;
        return (x - 273.15) * 1.8 + 32;
    }
    if (to == temperature::Celsius) return ToCelsius(from, x);
    if (from == temperature::Fahrenheit) return (x - 32) / 1.8 + 273.15;
    return x + 273.15;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double ConvertValue(const UnitCategory& category, std::size_t from, std::size_t to, double x) {
    if (category.temperature) return Temperature(from, to, x);
    if (from == to) return x;
    return x * category.units[from].factor / category.units[to].factor;
}

std::string ResultText(const UnitCategory& category, std::size_t source, std::size_t target,
                       std::string_view number) {
    const UnitInfo& unit = category.units[target];
    std::string_view suffix = unit.suffix;
    for (const SuffixException& e : category.exceptions)
        if (e.source == source && e.target == target) suffix = e.suffix;
    std::string text(number);
    text += suffix;
    text += unit.literal;
    return text;
}

ConversionResult ConvertFrom(const UnitCategory& category, std::size_t source,
                             std::string_view input) {
    ConversionResult result;
    const std::optional<double> x = ParseNumber(input);
    if (!x) {
        result.error = "'" + std::string(input) + "' is not a valid floating point value";
        return result;
    }
    for (std::size_t target = 0; target < category.units.size(); ++target) {
        if (target == source) {
            result.cells.push_back(ResultText(category, source, target, input));
            continue;
        }
        const double value = ConvertValue(category, source, target, *x);
        if (!std::isfinite(value)) {
            result.cells.clear();
            result.error = "'" + std::string(input) + "' is too large to convert";
            return result;
        }
        result.cells.push_back(ResultText(category, source, target, FormatGeneral(value)));
    }
    return result;
}

bool SkipsRecomputation(std::string_view input) {
    return input.empty() || input == "-" || input == ".";
}

bool IsUnfinishedNumber(std::string_view input) {
    if (ParseNumber(input)) return false;
    // Adding a digit finishes every unfinished number: "1E" + "0", "-." + "0", "+" + "0".
    std::string completed(input);
    completed += '0';
    return ParseNumber(completed).has_value();
}

std::string ExtractNumber(std::string_view cellText) {
    // The number is the first word of the cell: numbers never hold a blank, while a suffix
    // may hold digits and dots (" inH2O ", " cu.ft ").
    const std::size_t begin = cellText.find_first_not_of(' ');
    std::string_view word;
    if (begin != std::string_view::npos) {
        const std::size_t end = cellText.find(' ', begin);
        word = cellText.substr(begin, end == std::string_view::npos ? end : end - begin);
    }
    // From the last character to the first: digits, "E", "+" and "-" stay, a "." stays once a
    // digit has been seen, everything else goes. A lower-case "e", which the conversion
    // accepts as the exponent, stays as "E".
    std::string kept;
    bool digitSeen = false;
    for (auto it = word.rbegin(); it != word.rend(); ++it) {
        const char c = *it;
        if (IsDigit(c)) {
            digitSeen = true;
            kept += c;
        } else if (c == 'E' || c == 'e') {
            kept += 'E';
        } else if (c == '+' || c == '-' || (c == '.' && digitSeen)) {
            kept += c;
        }
    }
    std::reverse(kept.begin(), kept.end());
    if (kept.empty() || kept == ".") return "0";
    return kept;
}

std::vector<int> ResizeSteps(int start, int step, int bound, std::optional<int> final) {
    std::vector<int> sizes;
    if (step == 0) return sizes;
    int size = start;
    while (step > 0 ? size < bound : size > bound) {
        size += step;
        sizes.push_back(size);
    }
    if (final && (sizes.empty() ? start != *final : sizes.back() != *final))
        sizes.push_back(*final);
    return sizes;
}

} // namespace pelcor
