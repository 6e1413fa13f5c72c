#pragma once

#include <string>

namespace pelcor::assetgen {

// Draws the toolbar glyphs and the splash and side pictures and writes them below `folder`
// (BmpFiles/*.bmp, Splash1.jpg, Pelcor.jpg), creating the folders as needed. Returns an empty
// text on success, else the reason for the first failure.
std::string WriteRuntimePictures(const std::string& folder);

// Draws the picture library into `folder`/CalcLibrary, creating it as needed. Returns an empty
// text on success, else the reason for the first failure.
std::string WriteLibraryPictures(const std::string& folder);

// Writes every runtime picture, the picture library and the wave sounds (SndFiles/*.wav) below
// `folder`. Returns an empty text on success, else the reason for the first failure.
std::string WriteRuntimeFiles(const std::string& folder);

} // namespace pelcor::assetgen
