#pragma once

#include "platform/FileRead.h"

#include <QImage>
#include <string>

namespace pelcor {

// A JPEG or bitmap picture from its bytes, told apart by the first two. Gives a null image
// and the reason when the bytes are neither, are damaged or declare too many pixels.
QImage DecodePicture(const std::string& bytes, std::string* error = nullptr,
                     long long maxPixels = read_limit::PicturePixels);

// Loads a JPEG or bitmap picture file. Gives a null image and the reason when the file is
// missing, is no regular file, is too large or does not decode.
QImage LoadPicture(const std::string& path, std::string* error = nullptr);

} // namespace pelcor
