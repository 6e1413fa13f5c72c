#include "platform/Pictures.h"

#include "platform/AtomicFile.h"
#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"

namespace pelcor {

QImage LoadPicture(const std::string& path, std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        if (error) *error = "file cannot be read";
        return {};
    }
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return BmpCodec::Decode(bytes, error);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8)
        return JpegCodec::Decode(bytes, error);
    if (error) *error = "not a JPEG or bitmap picture";
    return {};
}

} // namespace pelcor
