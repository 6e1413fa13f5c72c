// Any bytes given to the bitmap reader give a picture or a reason; a picture read writes a
// file that reads back to exactly the same pixels.
#include "platform/BmpCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    // A smaller budget than the program's keeps each run short; the checks are the same.
    const QImage image = BmpCodec::Decode(bytes, &error, 1'000'000);
    if (image.isNull()) {
        if (error.empty()) std::abort();
        return 0;
    }
    const QImage back = BmpCodec::Decode(BmpCodec::Encode(image), &error);
    if (back.isNull() || back.size() != image.size()) std::abort();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (back.pixel(x, y) != image.pixel(x, y)) std::abort();
    return 0;
}
