#pragma once

#include <string>

namespace pelcor::assetgen {

// Draws every runtime picture and writes it below `folder` (BmpFiles/*.bmp, Splash1.jpg,
// Pelcor.jpg and the picture library CalcLibrary/*.jpg), creating the folders as needed.
// Returns an empty text on success, else the reason for the first failure.
std::string WriteRuntimePictures(const std::string& folder);

// Draws the picture library into `folder`/CalcLibrary. Returns an empty text on success, else
// the reason for the first failure.
std::string WriteLibraryPictures(const std::string& folder);

// Writes every runtime picture and wave sound (SndFiles/*.wav) below `folder`. Returns an
// empty text on success, else the reason for the first failure.
std::string WriteRuntimeFiles(const std::string& folder);

} // namespace pelcor::assetgen
