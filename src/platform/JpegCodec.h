#pragma once

#include "platform/FileRead.h"

#include <QImage>
#include <string>

namespace pelcor {

// JPEG pictures through libjpeg. Encoding uses the library's default settings.
namespace JpegCodec {

// Returns a null image and sets `error` when the bytes are not a readable JPEG, or declare a
// picture of more than `maxPixels` pixels (refused before it is decoded).
QImage Decode(const std::string& bytes, std::string* error = nullptr,
              long long maxPixels = read_limit::PicturePixels);
// Returns an empty text and fills `out` on success, else the reason.
std::string Encode(const QImage& image, std::string& out);

QImage ReadFile(const std::string& path, std::string* error = nullptr);
// Atomic write; returns an empty text on success, else the reason.
std::string WriteFile(const std::string& path, const QImage& image);

} // namespace JpegCodec

} // namespace pelcor
