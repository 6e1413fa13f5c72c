#include "platform/Pictures.h"

#include "platform/BmpCodec.h"
#include "platform/FileRead.h"
#include "platform/JpegCodec.h"

namespace pelcor {

QImage DecodePicture(const std::string& bytes, std::string* error, long long maxPixels) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return BmpCodec::Decode(bytes, error, maxPixels);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8)
        return JpegCodec::Decode(bytes, error, maxPixels);
    if (error) *error = "not a JPEG or bitmap picture";
    return {};
}

QImage LoadPicture(const std::string& path, std::string* error) {
    const LoadedFile file = ReadRegularFile(path, read_limit::Picture);
    if (!file.ok()) {
        if (error) *error = file.error;
        return {};
    }
    return DecodePicture(file.bytes, error);
}

} // namespace pelcor
