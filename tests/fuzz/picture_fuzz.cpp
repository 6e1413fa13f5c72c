// Any bytes given to the picture loader give a picture within the pixel budget, or a reason.
#include "platform/Pictures.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    std::string error;
    const QImage image =
        DecodePicture(std::string(reinterpret_cast<const char*>(data), size), &error, 1'000'000);
    if (image.isNull() == error.empty()) std::abort();
    if (!image.isNull() && image.width() * static_cast<long long>(image.height()) > 1'000'000)
        std::abort();
    return 0;
}
