#pragma once

#include <QImage>

#include <span>

namespace pelcor::assetgen {

inline constexpr int kGlyphWidth = 24;
inline constexpr int kGlyphHeight = 20;

enum class Glyph {
    Pointer,
    Move,
    Line,
    Box,
    Fill,
    Circle,
    Hyperbola,
    RectHyperbola,
    Parabola,
    Triangle,
    Ellipse,
    Rotate,
    Hex,
    Eraser,
    Colours,
    Text,
    Speaker,
    Screen,
};

// The first look is the button at rest. For the tools the second look is the button while
// its tool is active: sunken, on an orange background. The fill button's second look shows
// a filled square. The sound and screen-picture switches show "on" first and "off" second,
// both on the plain background.
enum class Look { Normal, Second };

struct GlyphFiles {
    Glyph glyph;
    const char* normalFile;
    const char* secondFile;
};

// Every toolbar glyph with the file names the program loads from BmpFiles.
std::span<const GlyphFiles> AllGlyphs();

// A kGlyphWidth x kGlyphHeight picture of the glyph.
QImage DrawGlyph(Glyph glyph, Look look);

} // namespace pelcor::assetgen
