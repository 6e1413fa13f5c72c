#pragma once

#include <cmath>
#include <limits>

namespace pelcor {

// The drawing board: 320 x 320 pixels (x to the right, y downwards). The user sees units
// of 10 pixels with the origin at pixel (160, 160) and y upwards, so the board spans -16 to
// +16 units both ways.
inline constexpr int BoardSize = 320;
inline constexpr int BoardGridCount = 32;                         // grid lines on each axis
inline constexpr int BoardHalfGrid = BoardGridCount / 2;          // 16 units either side
inline constexpr int PixelsPerUnit = BoardSize / BoardGridCount;  // 10
inline constexpr int OriginPixel = BoardHalfGrid * PixelsPerUnit; // 160, both ways

// How far from the board a shape's positions and lengths may lie, in pixels either way:
// 4194304, some 13,000 board widths. The drawing file's loader refuses a record beyond it,
// the edit frame holds its values within it, and moving a shape stops at it. Within this
// range every sum, difference and half of two coordinates fits an int with room to spare,
// and products of two are taken in 64 bits or as reals.
inline constexpr int CoordinateLimit = 1 << 22;

inline bool InCoordinateRange(long long value) {
    return value >= -CoordinateLimit && value <= CoordinateLimit;
}

// Converts a real to an integer by truncation toward zero, as every conversion of the
// board does. Values beyond the int range are held at its ends and not-a-number gives 0,
// so no input can make the conversion undefined.
inline int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = static_cast<double>(std::numeric_limits<int>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<int>::max());
    if (value <= lo) return std::numeric_limits<int>::min();
    if (value >= hi) return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

// Board pixel to unit: the distance from the origin pixel in tenths. Computed as
// (px - 160) / 10 rather than px / 10 - 16, which gives the same values without the
// cancellation error that would make pixel 159 show as -0.099 once cut to three places.
// A position between pixels (such as a corner plus a radius, summed as reals so no int
// overflows) converts the same way.
inline double PixelToUnitX(double px) {
    return (px - OriginPixel) / PixelsPerUnit;
}
inline double PixelToUnitY(double py) {
    return (OriginPixel - py) / PixelsPerUnit;
}

// A length in pixels as units.
inline double PixelsToUnits(double pixels) {
    return pixels / PixelsPerUnit;
}
// Half a length in pixels, in units (a radius from a diameter), over one division.
inline double HalfPixelsToUnits(double pixels) {
    return pixels / (2 * PixelsPerUnit);
}
// The middle of two pixels in units, over one division so that a middle on a tenth is exact.
inline double PixelMiddleToUnitX(double px1, double px2) {
    return (px1 + px2 - 2 * OriginPixel) / (2 * PixelsPerUnit);
}
inline double PixelMiddleToUnitY(double py1, double py2) {
    return (2 * OriginPixel - py1 - py2) / (2 * PixelsPerUnit);
}

// Unit to board pixel as a real, before any rounding.
inline double UnitToPixelRealX(double x) {
    return (x + BoardHalfGrid) * PixelsPerUnit;
}
inline double UnitToPixelRealY(double y) {
    return (BoardHalfGrid - y) * PixelsPerUnit;
}

// Unit to board pixel, truncating toward zero.
inline int UnitToPixelX(double x) {
    return TruncToInt(UnitToPixelRealX(x));
}
inline int UnitToPixelY(double y) {
    return TruncToInt(UnitToPixelRealY(y));
}

// A length in units as pixels: 320 / 32 * u, as a real and truncated.
inline double UnitLengthToPixelsReal(double u) {
    return PixelsPerUnit * u;
}
inline int UnitLengthToPixels(double u) {
    return TruncToInt(UnitLengthToPixelsReal(u));
}

} // namespace pelcor
