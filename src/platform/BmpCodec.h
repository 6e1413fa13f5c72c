#pragma once

#include "platform/FileRead.h"

#include <QImage>
#include <string>

namespace pelcor {

// Uncompressed Windows bitmaps. Writing always gives 24 bits per pixel, bottom-up rows
// padded to four bytes; reading takes 24- and 32-bit uncompressed files.
namespace BmpCodec {

std::string Encode(const QImage& image);
// Returns a null image and sets `error` when the bytes are not such a bitmap, or declare a
// picture of more than `maxPixels` pixels.
QImage Decode(const std::string& bytes, std::string* error = nullptr,
              long long maxPixels = read_limit::PicturePixels);

QImage ReadFile(const std::string& path, std::string* error = nullptr);
// Atomic write; returns an empty text on success, else the reason.
std::string WriteFile(const std::string& path, const QImage& image);

} // namespace BmpCodec

} // namespace pelcor
