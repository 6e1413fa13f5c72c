#pragma once

#include "platform/Surface.h"

#include <QPainterPath>
#include <QPen>

#include <vector>

class QPainter;

namespace pelcor {

// A surface that draws shapes, not pixels: the picture goes to a QPainter on an SVG
// generator, a PDF writer or a printer, whose coordinates the caller has made the picture's
// pixels (0..width, 0..height); the painter is clipped to the picture.
//
// It draws what the exact-pixel Canvas draws, as a picture of the same size:
// - pixel (x, y) is the square from (x, y) to (x + 1, y + 1), so lines, outlines and
//   points run through pixel centres, and a pen one pixel wide covers the pixels the
//   canvas lights;
// - the lines drawn one after another with one pen are one path; outlines and fills of
//   rectangles and ellipses are paths with their pen and brush;
// - the points of one colour set one after another are the points of a curve: points
//   within two pixels of each other are joined by a polyline that passes within three
//   quarters of a pixel of each one's centre (a curve's neighbouring branches each keep
//   their own line); single points are squares;
// - the dotted pen is a dash pattern of one on, two off, its gaps in the brush colour while
//   the brush is solid; the diagonal-cross brush is its hatch of lines eight pixels apart
//   on the picture's diagonals, cut to the shape;
// - texts are texts in their fonts, laid out as on the screen, with their background box
//   while the brush is solid;
// - the pen modes draw as copying (xor has no meaning on paper);
// - a stretched picture stays a picture.
class VectorSurface final : public Surface {
public:
    VectorSurface(QPainter& painter, int width, int height);
    ~VectorSurface() override;
    VectorSurface(const VectorSurface&) = delete;
    VectorSurface& operator=(const VectorSurface&) = delete;

    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    void setPixel(int x, int y, int color) override;
    void setPixels(const QPoint* points, std::size_t count, int color) override;
    void stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture) override;
    void clear(int color) override;

    // Draws what is still gathered (lines, points) and gives the painter back as it was.
    // Drawing after it is not allowed.
    void finish();

private:
    // What the gathered lines are drawn with.
    struct LinePen {
        int color = 0, width = 1;
        PenStyle style = PenStyle::Solid;
        int gapColor = -1; // the dotted pen's gaps, or -1 for none
        bool operator==(const LinePen&) const = default;
    };
    LinePen currentLinePen() const;
    QPen pen(int color, int width, PenStyle style) const;
    // Strokes a path with the current pen (and the dotted pen's gaps).
    void strokePath(const QPainterPath& path, const LinePen& linePen);
    // Fills `area` with the brush; `inside` is where a hatch may go.
    void fillArea(const QPainterPath& area, const QPainterPath& inside);
    // A rectangle's or an ellipse's outline in the pen, filled with the brush.
    void outlineAndFill(const QPainterPath& outline, const QPainterPath& inside);
    void flush();
    void flushLines();
    void flushPoints();

    QPainter& painter_;
    bool finished_ = false;
    QPainterPath lines_; // the lines gathered so far
    LinePen linesPen_;
    QPointF linesEnd_;
    std::vector<QPoint> points_; // the points gathered so far
    int pointsColor_ = 0;
};

} // namespace pelcor
