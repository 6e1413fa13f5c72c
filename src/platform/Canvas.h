#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

class QFont;
class QPainter;

namespace pelcor {

// A drawing surface with exact pixel colours: a 24-bit picture drawn without antialiasing.
// Colours are the program's integers (red + 256 green + 65536 blue).
//
// It follows the desktop's drawing conventions:
// - lineTo leaves out its end pixel (for pens one pixel wide); rectangle, ellipse and
//   fillRect leave out the right and bottom edges of their box;
// - an ellipse is the set of pixels whose centres lie inside the ellipse inscribed in its
//   box; its outline is those with a neighbour outside;
// - a dotted pen draws one pixel in three; the gaps take the brush colour while the brush
//   is solid and are left untouched otherwise;
// - a diagonal-cross brush is the desktop's 8 x 8 hatch, anchored at the picture's corner;
// - a solid brush fills; a clear brush leaves the inside untouched; a diagonal-cross brush
//   sets only its hatch's pixels;
// - text has its background filled in the brush colour only while the brush is solid;
// - the pen mode combines the pen and brush with what is there: copy replaces it, xor and
//   not-xor mix the bits (drawing twice with xor restores the picture).
class Canvas {
public:
    enum class PenStyle { Solid, Dot };
    enum class BrushStyle { Solid, Clear, DiagCross };
    enum class PenMode { Copy, Xor, NotXor };

    Canvas(int width, int height, int background = 16777215);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    void resize(int width, int height, int background);

    // Pen
    void setPenColor(int color) {
        penColor_ = color;
        penRgb_ = Rgb(color);
    }
    int penColor() const { return penColor_; }
    void setPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
    int penWidth() const { return penWidth_; }
    void setPenStyle(PenStyle style) { penStyle_ = style; }
    PenStyle penStyle() const { return penStyle_; }
    void setPenMode(PenMode mode) { penMode_ = mode; }
    PenMode penMode() const { return penMode_; }

    // Brush
    void setBrushColor(int color) {
        brushColor_ = color;
        brushRgb_ = Rgb(color);
    }
    int brushColor() const { return brushColor_; }
    void setBrushStyle(BrushStyle style) { brushStyle_ = style; }
    BrushStyle brushStyle() const { return brushStyle_; }

    // Font. Sizes are points at the desktop's 96 dots per inch.
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

    // Drawing
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    int penX() const { return penX_; }
    int penY() const { return penY_; }
    void rectangle(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    void fillRect(int x1, int y1, int x2, int y2);
    void textOut(int x, int y, const QString& text);
    int textHeight(const QString& text) const;
    int textWidth(const QString& text) const;
    // The colour of a pixel, or -1 outside the picture.
    int pixel(int x, int y) const;
    // Sets one pixel; outside the picture nothing happens.
    void setPixel(int x, int y, int color);
    // Sets each of `count` pixels, as setPixel does.
    void setPixels(const QPoint* points, std::size_t count, int color);
    void stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture);
    void clear(int color);

    // A number that changes whenever the picture may have changed. Two canvases showing the
    // same number show the same picture (a copy keeps its original's number).
    std::uint64_t generation() const { return generation_; }

private:
    struct TextPicture; // the pixels of a text in a font, kept for drawing it again

    static QRgb Rgb(int color) {
        return 0xFF000000u | (static_cast<QRgb>(color & 0xFF) << 16) |
               static_cast<QRgb>(color & 0xFF00) | (static_cast<QRgb>(color >> 16) & 0xFFu);
    }
    QFont font() const;
    void begin(QPainter& p);
    void touch();
    QRgb* row(int y) { return rows_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    // Makes the pixels writable; every drawing that writes them directly starts here.
    void startWriting();
    // The pixels from..to (inclusive, on the picture) of row y in `rgb`, combined with what
    // is there by the pen mode.
    void span(int y, int from, int to, QRgb rgb);
    // The brush over the pixels from..to (inclusive, on the picture) of row y.
    void brushSpan(int y, int from, int to);
    // One pixel in `rgb`, combined by the pen mode; clipped.
    void plot(int x, int y, QRgb rgb);
    // The brush over the pixels x1..x2 - 1, y1..y2 - 1, clipped.
    void fillBox(long long x1, long long y1, long long x2, long long y2);
    void dottedEllipse(int x1, int y1, int x2, int y2);
    const TextPicture& textPicture(const QString& text) const;
    void qtEllipse(int x1, int y1, int x2, int y2);
    // Strokes with the pen: the gaps of a dotted pen first in the brush colour when the
    // brush is solid, then the pen itself.
    template <typename Draw> void stroke(QPainter& p, Draw draw);

    QImage image_;
    int penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    int brushColor_ = 16777215;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QString fontName_ = "Arial";
    int fontSize_ = 8;
    int fontColor_ = 0;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    int penX_ = 0;
    int penY_ = 0;
    QRgb penRgb_ = Rgb(0);
    QRgb brushRgb_ = Rgb(16777215);
    std::uint64_t generation_ = 0;
    QRgb* rows_ = nullptr; // valid between startWriting and the end of that drawing
    std::ptrdiff_t stride_ = 0;
    struct TextPictures;
    // Shared by copies: each picture is found by its font and text.
    mutable std::shared_ptr<TextPictures> textPictures_;
};

// A line from (x1, y1) to (x2, y2) in the canvas's pen; the pen ends at (x2, y2).
inline void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

} // namespace pelcor
