#pragma once

#include <QImage>

#include <span>

namespace pelcor::assetgen {

// One picture of the CalcLibrary folder: the name the program loads and how it is drawn.
struct LibraryPicture {
    const char* file;
    QImage (*draw)();
};

// Every picture of CalcLibrary: the constants pictures, the orbit animation's star field and
// planets, the viewer's welcome picture and the eight reference figures.
std::span<const LibraryPicture> AllLibraryPictures();

} // namespace pelcor::assetgen
