// Every byte string survives Windows-1252 -> UTF-8 -> Windows-1252; any text taken as UTF-8
// becomes bytes that convert back to themselves.
#include "platform/Cp1252.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (Utf8ToCp1252(Cp1252ToUtf8(bytes)) != bytes) std::abort();
    const std::string narrowed = Utf8ToCp1252(bytes); // broken UTF-8 included
    if (narrowed.size() > bytes.size()) std::abort();
    if (Utf8ToCp1252(Cp1252ToUtf8(narrowed)) != narrowed) std::abort();
    return 0;
}
