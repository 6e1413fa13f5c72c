// A number read from any text, and any double, is written as a text that reads back to a
// value written the same way. The first eight bytes are also taken as a double.
#include "platform/FormatNumber.h"
#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void CheckRoundTrip(double value) {
    if (!std::isfinite(value)) return;
    const std::string text = pelcor::FormatGeneral(value);
    if (text.find_first_not_of("0123456789.E-") != std::string::npos) std::abort();
    const auto back = pelcor::ParseNumber(text);
    if (!back || pelcor::FormatGeneral(*back) != text) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = ParseNumber(text)) {
        if (!std::isfinite(*value)) std::abort();
        CheckRoundTrip(*value);
    }
    (void)ParseInteger(text);
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        CheckRoundTrip(value);
        // The rest of the input as a pattern such as "###.###".
        const std::string written = FormatNumber(value, text.substr(sizeof value));
        if (written.find_first_not_of("0123456789.-") != std::string::npos) std::abort();
    }
    return 0;
}
