#pragma once

#include "platform/Surface.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

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
class Canvas final : public Surface {
public:
    Canvas(int width, int height, int background = colors::White);

    const QImage& image() const { return image_; }
    void resize(int width, int height, int background);
    // Puts back a picture taken earlier with image(): the same pixels, the pen, brush and
    // font as they are. False, with no change, for a picture of another size or format.
    bool restore(const QImage& picture);

    // Drawing
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    // The colour of a pixel, or -1 outside the picture.
    int pixel(int x, int y) const;
    // Sets one pixel; outside the picture nothing happens.
    void setPixel(int x, int y, int color) override;
    // Sets each of `count` pixels, as setPixel does.
    void setPixels(const QPoint* points, std::size_t count, int color) override;
    void stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture) override;
    void clear(int color) override;

private:
    struct TextPicture; // the pixels of a text in a font, kept for drawing it again

    static QRgb Rgb(int color) {
        return 0xFF000000u | (static_cast<QRgb>(color & 0xFF) << 16) |
               static_cast<QRgb>(color & 0xFF00) | (static_cast<QRgb>(color >> 16) & 0xFFu);
    }
    void begin(QPainter& p);
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
    QRgb penRgb_ = Rgb(0); // the pen's and the brush's colours, taken by startWriting
    QRgb brushRgb_ = Rgb(colors::White);
    QRgb* rows_ = nullptr; // valid between startWriting and the end of that drawing
    std::ptrdiff_t stride_ = 0;
    struct TextPictures;
    // Shared by copies: each picture is found by its font and text.
    mutable std::shared_ptr<TextPictures> textPictures_;
};

} // namespace pelcor
