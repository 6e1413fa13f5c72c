// Any text typed into a category's input box, converted from any of its units, gives every
// result cell or one message. The number of each converted cell, taken out as a click on the
// cell does, is exactly the value written, and reads as a number.
#include "converter/Conversion.h"
#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    if (size < 2) return 0;
    const auto categories = Categories();
    const UnitCategory& category = categories[data[0] % categories.size()];
    const std::size_t source = data[1] % category.units.size();
    const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);

    (void)SkipsRecomputation(input);
    (void)IsUnfinishedNumber(input);
    if (ExtractNumber(input).empty()) std::abort();

    const ConversionResult result = ConvertFrom(category, source, input);
    if (!result.ok()) {
        if (!result.cells.empty()) std::abort();
        return 0;
    }
    if (result.cells.size() != category.units.size()) std::abort();
    if (result.cells[source] != ResultText(category, source, source, input)) std::abort();
    const double x = *ParseNumber(input);
    for (std::size_t target = 0; target < category.units.size(); ++target) {
        if (target == source) continue;
        const double value = ConvertValue(category, source, target, x);
        if (!std::isfinite(value)) std::abort();
        const std::string number = ExtractNumber(result.cells[target]);
        if (number != FormatGeneral(value) || !ParseNumber(number)) std::abort();
    }
    return 0;
}
