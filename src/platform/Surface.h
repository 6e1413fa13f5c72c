#pragma once

#include "platform/Colors.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>

namespace pelcor {

// What the board, the gallery and the sheets draw on: a pen, a brush and a font, and the
// drawing operations of a picture whose coordinates are pixels. Two surfaces implement it:
// the exact-pixel `Canvas` (the screen, the exported JPEG and bitmap pictures) and the
// `VectorSurface` (SVG and PDF pictures, printing at the printer's resolution). The same
// drawing code draws on either.
//
// Colours are the program's integers (red + 256 green + 65536 blue). Sizes of fonts are
// points at the desktop's 96 dots per inch; texts are laid out with the screen's metrics on
// every surface, so a picture has the same layout wherever it is drawn.
class Surface {
public:
    enum class PenStyle { Solid, Dot };
    enum class BrushStyle { Solid, Clear, DiagCross };
    enum class PenMode { Copy, Xor, NotXor };

    Surface(int width, int height) : width_(width), height_(height) {}
    virtual ~Surface() = default;

    int width() const { return width_; }
    int height() const { return height_; }

    // Pen
    void setPenColor(int color) { penColor_ = color; }
    int penColor() const { return penColor_; }
    void setPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
    int penWidth() const { return penWidth_; }
    void setPenStyle(PenStyle style) { penStyle_ = style; }
    PenStyle penStyle() const { return penStyle_; }
    void setPenMode(PenMode mode) { penMode_ = mode; }
    PenMode penMode() const { return penMode_; }

    // Brush
    void setBrushColor(int color) { brushColor_ = color; }
    int brushColor() const { return brushColor_; }
    void setBrushStyle(BrushStyle style) { brushStyle_ = style; }
    BrushStyle brushStyle() const { return brushStyle_; }

    // Font
    void setFont(const QString& name, int pointSize, int color, bool bold = false,
                 bool italic = false);
    void setFontName(const QString& name) { fontName_ = name; }
    const QString& fontName() const { return fontName_; }
    void setFontSize(int pointSize) { fontSize_ = pointSize; }
    int fontSize() const { return fontSize_; }
    void setFontStyle(bool bold, bool italic) {
        fontBold_ = bold;
        fontItalic_ = italic;
    }
    bool fontBold() const { return fontBold_; }
    bool fontItalic() const { return fontItalic_; }
    void setFontColor(int color) { fontColor_ = color; }
    int fontColor() const { return fontColor_; }
    // The font as the desktop draws it: the size in pixels, without smoothing.
    QFont font() const;

    // Drawing
    void moveTo(int x, int y) {
        penX_ = x;
        penY_ = y;
    }
    int penX() const { return penX_; }
    int penY() const { return penY_; }
    // A line from the pen to (x, y) in the pen; the pen ends there.
    virtual void lineTo(int x, int y) = 0;
    // The outline of the box (x1, y1)-(x2, y2) in the pen, its inside in the brush.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // The ellipse inscribed in the box, outlined in the pen and filled with the brush.
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    // The box in the brush, without outline.
    virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
    // A text in the font with its top-left corner at (x, y); the pen ends after it.
    virtual void textOut(int x, int y, const QString& text) = 0;
    int textHeight(const QString& text) const;
    int textWidth(const QString& text) const;
    // One pixel, or each of `count` pixels, in `color`. Points of one colour set one after
    // another are the points of a curve.
    virtual void setPixel(int x, int y, int color) = 0;
    virtual void setPixels(const QPoint* points, std::size_t count, int color) = 0;
    // A picture stretched over the box.
    virtual void stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture) = 0;
    // The whole surface in `color`.
    virtual void clear(int color) = 0;

    // Takes another surface's pen, brush, font and pen position, so that a picture drawn
    // again here starts as the other one's drawing did.
    void takeStyle(const Surface& other);

    // A number that changes whenever the picture may have changed.
    std::uint64_t generation() const { return generation_; }

protected:
    Surface(const Surface&) = default;
    Surface& operator=(const Surface&) = default;

    void setSize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    void touch();
    // Puts the corners of an upright box in order and holds them just outside the picture:
    // edges beyond it are not seen either way, and the box's sizes can never overflow.
    void HoldBox(int& x1, int& y1, int& x2, int& y2) const;

private:
    int width_ = 0, height_ = 0;
    int penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    int brushColor_ = colors::White;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QString fontName_ = "Arial";
    int fontSize_ = 8;
    int fontColor_ = 0;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    int penX_ = 0;
    int penY_ = 0;
    std::uint64_t generation_ = 0;
};

// How to draw a whole picture again, on any surface of its size.
using SurfaceDrawing = std::function<void(Surface&)>;

// A line from (x1, y1) to (x2, y2) in the surface's pen; the pen ends at (x2, y2).
inline void Line(Surface& surface, int x1, int y1, int x2, int y2) {
    surface.moveTo(x1, y1);
    surface.lineTo(x2, y2);
}

} // namespace pelcor
