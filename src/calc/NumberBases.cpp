#include "calc/NumberBases.h"

#include <cmath>

namespace pelcor {

int32_t HexToDec(const std::string& text) {
    std::string t;
    for (char c : text)
        t += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (!t.empty() && t.back() == 'H') t.pop_back();
    uint32_t value = 0;
    for (char c : t) {
        uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<uint32_t>(c - 'A' + 10);
        else
            return 0;
        value = value * 16 + digit;
    }
    return static_cast<int32_t>(value);
}

std::optional<std::string> DecToHex(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) return std::nullopt;
    uint32_t bits =
        static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(std::trunc(value))));
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    return out;
}

int32_t BinToDec(const std::string& text) {
    uint32_t sum = 0, weight = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it == '1') sum += weight;
        weight <<= 1;
    }
    return static_cast<int32_t>(sum);
}

std::string DecToBin(int64_t n) {
    const int width = n < 256 ? 8 : n < 65536 ? 16 : 32;
    const uint64_t bits = static_cast<uint64_t>(n);
    std::string out;
    for (int i = width - 1; i >= 0; --i)
        out += ((bits >> i) & 1u) ? '1' : '0';
    return out;
}

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

char LogicBit(const std::string& op, char a, char b) {
    if (op == "AND") return a == '1' && b == '1' ? '1' : '0';
    if (op == "OR") return a == '0' && b == '0' ? '0' : '1';
    if (op == "XOR") {
        // Equal bits give 1: the key works as equivalence.
        if (a == '0') return b == '0' ? '1' : '0';
        if (a == '1') return b == '1' ? '1' : '0';
        return 0;
    }
    if (op == "NOR") return a == '1' && b == '1' ? '0' : '1'; // 0 only where both are 1
    return 0;
}

std::string LogicResult(const std::string& op, const std::string& first,
                        const std::string& second) {
    std::string out;
    for (size_t i = first.size(); i >= 1; --i) {
        const char b = i <= second.size() ? second[i - 1] : 0;
        if (char r = LogicBit(op, first[i - 1], b)) out.insert(out.begin(), r);
    }
    return out;
}

} // namespace pelcor
