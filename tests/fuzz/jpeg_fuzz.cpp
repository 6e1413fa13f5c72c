// Any bytes given to the JPEG reader give a picture or a reason; a picture read encodes to a
// JPEG that reads back at the same size.
#include "platform/JpegCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    // A smaller budget than the program's keeps each run short; the checks are the same.
    const QImage image = JpegCodec::Decode(bytes, &error, 1'000'000);
    if (image.isNull()) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (image.width() * static_cast<long long>(image.height()) > 1'000'000) std::abort();
    std::string encoded;
    if (!JpegCodec::Encode(image, encoded).empty()) std::abort();
    const QImage back = JpegCodec::Decode(encoded, &error);
    if (back.isNull() || back.size() != image.size()) std::abort();
    return 0;
}
