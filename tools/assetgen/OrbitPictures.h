#pragma once

#include <QImage>

namespace pelcor::assetgen {

inline constexpr int kSpaceSize = 1000;
inline constexpr int kPlanetPictureSize = 128;
inline constexpr int kJupiterFrames = 8;

// The star field behind the orbit animation: dark, with stars of many brightnesses.
QImage DrawStarField();
// The small planet pictures of the animation, each disc filling its square on black.
QImage DrawVenusPicture();
QImage DrawEarthPicture();
QImage DrawMarsPicture();
// Jupiter turned by `frame` eighths of a turn (0..7), so the frames in order look like its
// rotation and the last leads back to the first.
QImage DrawJupiterFrame(int frame);

} // namespace pelcor::assetgen
