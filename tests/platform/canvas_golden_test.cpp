// The canvas's primitives in every pen style, pen mode, brush and width, at random places on
// and off the picture, compared pixel for pixel with reference pictures in golden/ that were
// drawn before the canvas had its fast paths.

#include "GoldenImage.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <climits>

using pelcor::Canvas;

namespace {

const QString kFolder = PELCOR_GOLDEN_DIR;
const int kColors[] = {255, 65280, 16711680, 0, 16777215, 65535, 8388736, 4227327, 9153434};

using pelcor::golden::Rng;

// `count` random primitives; boxes are mostly small, some far beyond the picture.
void Scatter(Canvas& c, Rng& r, int count) {
    for (int i = 0; i < count; ++i) {
        c.setPenColor(r.of(kColors));
        c.setBrushColor(r.of(kColors));
        const int x1 = r.in(-40, 360), y1 = r.in(-40, 360);
        const int size = r.in(0, 9) == 0 ? 400 : r.in(0, 3) == 0 ? 6 : 90;
        const int x2 = x1 + r.in(-size, size), y2 = y1 + r.in(-size, size);
        switch (r.in(0, 5)) {
        case 0: c.moveTo(x1, y1), c.lineTo(x2, y2); break;
        case 1: c.rectangle(x1, y1, x2, y2); break;
        case 2:
        case 3: c.ellipse(x1, y1, x2, y2); break;
        case 4: c.fillRect(x1, y1, x2, y2); break;
        default: c.setPixel(x1, y1, r.of(kColors)); break;
        }
    }
}

// Every pen style with every brush style, in the given pen mode and width.
QImage Styles(unsigned seed, Canvas::PenMode mode, int width) {
    Canvas c(320, 320, 9153434);
    Rng r(seed);
    c.setPenMode(mode);
    c.setPenWidth(width);
    for (auto pen : {Canvas::PenStyle::Solid, Canvas::PenStyle::Dot})
        for (auto brush : {Canvas::BrushStyle::Solid, Canvas::BrushStyle::Clear,
                           Canvas::BrushStyle::DiagCross}) {
            c.setPenStyle(pen);
            c.setBrushStyle(brush);
            Scatter(c, r, 40);
        }
    return c.image();
}

// Ellipses and rectangles of every small size, the sizes where rounding decides.
QImage SmallBoxes() {
    Canvas c(320, 320, 16777215);
    int i = 0;
    for (int h = 0; h <= 12; ++h)
        for (int w = 0; w <= 12; ++w, ++i) {
            const int x = 2 + w * 24 + (w * w) / 2 % 5, y = 2 + h * 24;
            c.setPenColor(kColors[i % 8]);
            c.setBrushColor(kColors[(i + 3) % 8]);
            c.setBrushStyle(i % 3 == 0   ? Canvas::BrushStyle::Solid
                            : i % 3 == 1 ? Canvas::BrushStyle::DiagCross
                                         : Canvas::BrushStyle::Clear);
            c.setPenStyle(i % 4 == 3 ? Canvas::PenStyle::Dot : Canvas::PenStyle::Solid);
            if (i % 2)
                c.ellipse(x, y, x + w, y + h);
            else
                c.rectangle(x + w, y + h, x, y); // corners given either way round
            c.ellipse(x + 13, y, x + 13 + w, y + h);
        }
    return c.image();
}

// Lines in every direction from inside and from far outside, and text.
QImage LinesAndText() {
    Canvas c(320, 320, 9153434);
    for (int a = 0; a < 72; ++a) {
        c.setPenColor(kColors[a % 8]);
        c.setPenStyle(a % 5 == 4 ? Canvas::PenStyle::Dot : Canvas::PenStyle::Solid);
        c.setBrushStyle(a % 3 == 0 ? Canvas::BrushStyle::Solid : Canvas::BrushStyle::Clear);
        const double t = a * 5 * 3.14159265358979 / 180;
        c.moveTo(80, 80);
        c.lineTo(80 + static_cast<int>(70 * std::cos(t)), 80 + static_cast<int>(70 * std::sin(t)));
        c.moveTo(240 + a % 3, 80);
        c.lineTo(240 + static_cast<int>(4000000 * std::cos(t)),
                 80 + static_cast<int>(4000000 * std::sin(t)));
    }
    c.setPenStyle(Canvas::PenStyle::Solid);
    const int far[][4] = {{INT_MIN, 170, INT_MAX, 171}, {-5, -5, 330, 330}, {319, 0, 0, 319},
                          {10, 175, 10, 175},           {20, 175, 21, 175}, {30, 175, 30, 176},
                          {-1, 180, 320, 180},          {160, -1, 160, 321}};
    for (const auto& l : far) {
        c.moveTo(l[0], l[1]);
        c.lineTo(l[2], l[3]);
    }
    const char* fonts[] = {"Arial", "Times New Roman", "Courier New"};
    for (int i = 0; i < 9; ++i) {
        c.setFont(fonts[i % 3], 7 + 2 * i, kColors[i % 8], i % 2 == 1, i % 3 == 2);
        c.setBrushColor(kColors[(i + 2) % 8]);
        c.setBrushStyle(i % 2 ? Canvas::BrushStyle::Solid : Canvas::BrushStyle::Clear);
        c.textOut(-10 + i * 12, 185 + i * 14, "Wq 3.5 [z]");
    }
    QImage picture(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            picture.setPixel(x, y, qRgb(x * 36, y * 60, 128));
    c.stretchDraw(250, 250, 310, 300, picture);
    c.stretchDraw(300, 200, 340, 230, picture);
    return c.image();
}

} // namespace

TEST(CanvasGolden, EveryPenBrushModeAndWidth) {
    using M = Canvas::PenMode;
    EXPECT_TRUE(pelcor::golden::Matches(
        pelcor::golden::Sheet({Styles(1, M::Copy, 1), Styles(2, M::Xor, 1), Styles(3, M::NotXor, 1),
                               Styles(4, M::Copy, 3), Styles(5, M::Xor, 2), SmallBoxes(),
                               LinesAndText()},
                              4),
        kFolder, "canvas.png"));
}
