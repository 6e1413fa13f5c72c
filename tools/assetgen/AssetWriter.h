#pragma once

#include <string>

namespace pelcor::assetgen {

// Draws every runtime picture and writes it below `folder` (BmpFiles/*.bmp, Splash1.jpg,
// Pelcor.jpg), creating the folders as needed. Returns an empty text on success, else the
// reason for the first failure.
std::string WriteRuntimePictures(const std::string& folder);

} // namespace pelcor::assetgen
