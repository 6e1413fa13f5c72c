#pragma once

#include "platform/Surface.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelcor {

// The colours of the reference sheets.
namespace sheetcolor {
inline constexpr int Grid = 150 + 256 * 150 + 65536 * 150;
inline constexpr int Axis = 112 + 256 * 150 + 65536 * 150;
inline constexpr int Green = 256 * 128;
inline constexpr int Aqua = 256 * 255 + 65536 * 255;
inline constexpr int Yellow = 255 + 256 * 255;
inline constexpr int Red = 255;
inline constexpr int Blue = 65536 * 255;
inline constexpr int Black = 0;
inline constexpr int LightBlue = 166 + 256 * 202 + 65536 * 240;
inline constexpr int Cream = 255 + 256 * 251 + 65536 * 240;
} // namespace sheetcolor

// The font the sheets write in, and the one whose Greek letters stand in for lambda.
inline constexpr const char* SheetFont = "Arial";
inline constexpr const char* GreekFont = "DejaVu Sans";

// One text of a sheet: its top-left corner, colour, size in points, style and font.
struct SheetText {
    int x = 0;
    int y = 0;
    int color = 0;
    int size = 10;
    bool bold = false;
    std::string text; // UTF-8
    const char* font = SheetFont;

    // The font is compared by its name: the same name may sit at different addresses.
    bool operator==(const SheetText& o) const {
        return x == o.x && y == o.y && color == o.color && size == o.size && bold == o.bold &&
               text == o.text && std::string_view(font) == std::string_view(o.font);
    }
};

// Writes sheet texts on a canvas with a clear background, and when given a log keeps what
// it wrote in order (what a reader of the screen gets, and what tests compare).
class SheetWriter {
public:
    explicit SheetWriter(Surface& canvas, std::vector<SheetText>* log = nullptr)
        : canvas_(canvas), log_(log) {}

    void write(const SheetText& text);
    void write(int x, int y, int color, int size, bool bold, const std::string& text) {
        write(SheetText{x, y, color, size, bold, text});
    }

private:
    Surface& canvas_;
    std::vector<SheetText>* log_;
};

} // namespace pelcor
