#pragma once

#include <QImage>

namespace pelcor::assetgen {

inline constexpr int kSplashSize = 320;
inline constexpr int kSideWidth = 145;
inline constexpr int kSideHeight = 97;

// The picture shown while the program starts.
QImage DrawSplash();
// The narrow picture at the side of the program's dialogs.
QImage DrawSidePicture();

} // namespace pelcor::assetgen
