// The calculator driven from any readout text and any keys: it never crashes and never shows
// "inf" or "nan" in the readout or on the tape. The readout text is made of characters a
// readout may hold, so such a text can only come from the calculator itself.
#include "calc/Calculator.h"

#include "RecordingReporter.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using QuietReporter = pelcor::testing::RecordingReporter;

constexpr char kReadoutCharacters[] = "0123456789.E+-ABCDF";

std::string ReadoutText(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i)
        text += kReadoutCharacters[data[i] % (sizeof kReadoutCharacters - 1)];
    return text;
}

bool ShowsNoNonNumber(const std::string& text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("inf") == std::string::npos && lower.find("nan") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    if (size == 0) return 0;
    const std::size_t textLength = std::min<std::size_t>(data[0] % 32, size - 1);
    QuietReporter reporter;
    Calculator calc(reporter);
    calc.ReplaceReadoutText(ReadoutText(data + 1, textLength));
    static const char* const kLogic[] = {"AND", "OR", "XOR", "NOR"};
    static const char* const kOperators[] = {"X", "/", "+", "-"};
    for (std::size_t i = 1 + textLength; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b < 32) {
            calc.CalcButt(b);
        } else if (b < 36) {
            calc.OperatorButton(kOperators[b - 32], key::Multiply + (b - 32));
        } else if (b < 40) {
            calc.LogicKey(kLogic[b - 36]);
        } else if (b == 40) {
            calc.CEButtClick();
        } else if (b == 41) {
            calc.CLRButtClick();
        } else if (b == 42) {
            calc.Decimal1Click();
        } else if (b == 43) {
            calc.Hexidecimal1Click();
        } else if (b == 44) {
            calc.Binary1Click();
        } else if (b == 45) {
            calc.CalcFunct();
        } else if (b < 50) {
            calc.MemoryStore(b - 45);
        } else if (b < 54) {
            calc.MemoryRecall(b - 49);
        } else if (b < 58) {
            // A pasted number: the next few bytes as readout text.
            const std::size_t n = std::min<std::size_t>(b - 53, size - i - 1);
            calc.ReplaceReadoutText(ReadoutText(data + i + 1, n));
            i += n;
        } else {
            calc.ReadOutKeyPress(static_cast<char>(b));
        }
        if (!ShowsNoNonNumber(calc.readout()) || !ShowsNoNonNumber(calc.tape())) std::abort();
        (void)calc.ReadoutInDecimal();
    }
    return 0;
}
