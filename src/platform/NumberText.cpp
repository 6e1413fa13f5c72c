#include "platform/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace pelcor {

namespace {

// The largest double written with 15 significant digits is "1.79769313486232E308", which
// lies just past the largest double itself. A text at most that large reads as the largest
// double, so every number the program writes reads back. `plain` is an unsigned number that
// overflowed; it is read again ten powers smaller to compare it.
std::optional<double> LargestWritten(const std::string& plain) {
    const size_t e = plain.find_first_of("Ee");
    int exponent = 0;
    if (e != std::string::npos) {
        const char* first = plain.data() + e + 1;
        if (*first == '+') ++first;
        auto [ptr, ec] = std::from_chars(first, plain.data() + plain.size(), exponent);
        if (ec != std::errc() || exponent < -100000 || exponent > 100000) return std::nullopt;
    }
    const std::string scaledText = plain.substr(0, e) + "E" + std::to_string(exponent - 10);
    double scaled = 0;
    auto [ptr, ec] =
        std::from_chars(scaledText.data(), scaledText.data() + scaledText.size(), scaled);
    if (ec != std::errc() || scaled < 1e297 || scaled > 1.79769313486232e298) return std::nullopt;
    return std::numeric_limits<double>::max();
}

} // namespace

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

namespace {

// The unsigned body of a number's text (blanks and sign taken off) when it has the shape of
// one: digits [. digits] [E [sign] digits], with at least one mantissa digit.
std::optional<std::string_view> NumberBody(std::string_view text, bool& negative) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty()) return std::nullopt;

    negative = false;
    std::string_view body = text;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
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
    return body;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text) {
    bool negative = false;
    const std::optional<std::string_view> shaped = NumberBody(text, negative);
    if (!shaped) return std::nullopt;
    const std::string_view body = *shaped;

    // from_chars does not take a leading "+" in the exponent's place either way, and takes
    // "1." and ".5" as they are.
    std::string plain(body);
    if (plain.front() == '.') plain.insert(plain.begin(), '0');
    double value = 0;
    auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const auto largest = LargestWritten(plain);
        if (!largest) return std::nullopt;
        value = *largest;
    } else if (ec != std::errc() || ptr != plain.data() + plain.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

NumberFault WhyNotANumber(std::string_view text) {
    if (ParseNumber(text)) return NumberFault::None;
    bool negative = false;
    const std::optional<std::string_view> body = NumberBody(text, negative);
    if (!body) return NumberFault::NotANumber;
    // The shape is right, so the value is out of range: which side tells the decimal
    // exponent of its first significant digit, near enough, as the range ends far from 0.
    const size_t e = body->find_first_of("Ee");
    const std::string_view mantissa = body->substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = body->substr(e + 1);
        const bool down = digits.front() == '-';
        if (digits.front() == '-' || digits.front() == '+') digits.remove_prefix(1);
        for (char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
        if (down) exponent = -exponent;
    }
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return NumberFault::NotANumber; // 0 reads as a number
    const long long place = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    return exponent + place >= 0 ? NumberFault::TooLarge : NumberFault::TooSmall;
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
