#include "platform/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace pelcor {

std::string FormatGeneral(double value) {
    if (!std::isfinite(value) || value == 0.0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    // %G writes the exponent as E+20 or E-06: drop the plus sign and leading zeros.
    const std::string_view text(buf);
    const size_t e = text.find('E');
    if (e == std::string_view::npos) return std::string(text);
    std::string_view digits = text.substr(e + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    std::string out(text.substr(0, e));
    out += negative ? "E-" : "E";
    out += digits;
    return out;
}

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty()) return std::nullopt;

    bool negative = false;
    std::string_view body = text;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    // Check the shape: digits [. digits] [E [sign] digits], with at least one mantissa digit.
    size_t i = 0, mantissaDigits = 0;
    while (i < body.size() && body[i] >= '0' && body[i] <= '9')
        ++i, ++mantissaDigits;
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && body[i] >= '0' && body[i] <= '9')
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < body.size() && (body[i] == 'E' || body[i] == 'e')) {
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < body.size() && body[i] >= '0' && body[i] <= '9')
            ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != body.size()) return std::nullopt;

    // from_chars does not take a leading "+" in the exponent's place either way, and takes
    // "1." and ".5" as they are.
    std::string plain(body);
    if (plain.front() == '.') plain.insert(plain.begin(), '0');
    double value = 0;
    auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> ParseInteger(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    int value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace pelcor
