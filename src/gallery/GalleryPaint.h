#pragma once

#include "gallery/Backgrounds.h"
#include "platform/Colors.h"
#include "platform/Surface.h"

#include <cmath>

namespace pelcor::gallery {

using colors::Black;
using colors::White;
inline constexpr int Yellow = 65535;
inline constexpr int Red = 255;
inline constexpr int Cyan = 16776960;
inline constexpr int GridGrey = 9868950;
inline constexpr int AxisRed = 232;
inline constexpr int GuideRed = 4210943;

// Degrees to radians.
inline constexpr double Rad = 0.017453292519943295769;

// A real to a pixel, truncated toward zero; values far outside any picture are held to a
// size that stays outside it.
inline int Trunc(double v) {
    if (!(v == v)) return 0;
    if (v > 1e9) return 1000000000;
    if (v < -1e9) return -1000000000;
    return static_cast<int>(v);
}

// Setting a brush colour also makes the brush solid.
inline void SetBrush(Surface& canvas, int color) {
    canvas.setBrushColor(color);
    canvas.setBrushStyle(Surface::BrushStyle::Solid);
}

} // namespace pelcor::gallery
