#include "platform/FormatNumber.h"

#include "platform/NumberText.h"

#include <cstdlib>

namespace pelcor {

namespace {

// The general form of `value` with any exponent worked into the digits: "1.5E-6" becomes
// "0.0000015" and "1E20" becomes "100000000000000000000".
std::string PlainGeneral(double value) {
    const std::string general = FormatGeneral(value);
    const size_t e = general.find('E');
    if (e == std::string::npos) return general;

    std::string mantissa = general.substr(0, e);
    const long exponent = std::strtol(general.c_str() + e + 1, nullptr, 10);
    const bool negative = !mantissa.empty() && mantissa.front() == '-';
    if (negative) mantissa.erase(0, 1);
    const size_t point = mantissa.find('.');
    std::string digits = mantissa;
    if (point != std::string::npos) digits.erase(point, 1);
    // Number of digits before the point once the exponent is applied.
    const long whole =
        static_cast<long>(point == std::string::npos ? mantissa.size() : point) + exponent;

    std::string out;
    if (whole <= 0) {
        out = "0." + std::string(static_cast<size_t>(-whole), '0') + digits;
    } else if (static_cast<size_t>(whole) >= digits.size()) {
        out = digits + std::string(static_cast<size_t>(whole) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<size_t>(whole)) + "." +
              digits.substr(static_cast<size_t>(whole));
    }
    return negative ? "-" + out : out;
}

} // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    const size_t patternPoint = pattern.find('.');
    const size_t places =
        patternPoint == std::string_view::npos ? 0 : pattern.size() - patternPoint - 1;

    std::string text = PlainGeneral(value);
    const size_t point = text.find('.');
    if (point == std::string::npos) {
        if (places > 0) text += "." + std::string(places, '0');
        return text;
    }
    if (places == 0) return text.substr(0, point);
    return text.substr(0, point + 1 + places);
}

} // namespace pelcor
