#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <climits>

using pelcor::Canvas;

TEST(Canvas, DrawsExactColoursWithoutSmoothing) {
    const int background = 9153434, red = 255, blue = 16711680;
    Canvas c(40, 40, background);
    EXPECT_EQ(c.pixel(0, 0), background);

    c.setPenColor(red);
    c.moveTo(2, 2);
    c.lineTo(10, 2);
    EXPECT_EQ(c.pixel(2, 2), red);
    EXPECT_EQ(c.pixel(9, 2), red);
    EXPECT_EQ(c.pixel(10, 2), background); // the end point is left out
    EXPECT_EQ(c.penX(), 10);

    c.setBrushColor(blue);
    c.setBrushStyle(Canvas::BrushStyle::Solid);
    c.rectangle(20, 20, 30, 30);
    EXPECT_EQ(c.pixel(20, 20), red);        // outline
    EXPECT_EQ(c.pixel(25, 25), blue);       // fill
    EXPECT_EQ(c.pixel(29, 29), red);        // last row and column inside
    EXPECT_EQ(c.pixel(30, 30), background); // right and bottom edges left out

    c.setPixel(1, 1, 12345);
    EXPECT_EQ(c.pixel(1, 1), 12345);
    EXPECT_EQ(c.pixel(-1, 5), -1);

    // Every pixel is one of the colours drawn: nothing blended.
    c.ellipse(2, 10, 18, 38);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const int p = c.pixel(x, y);
            EXPECT_TRUE(p == background || p == red || p == blue || p == 12345) << x << "," << y;
        }
}

namespace {

// Pixels of `color` in the box [x1, x2) x [y1, y2).
int Count(const Canvas& c, int color, int x1, int y1, int x2, int y2) {
    int n = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            n += c.pixel(x, y) == color;
    return n;
}

} // namespace

TEST(Canvas, DottedPensAndHatchedBrushes) {
    const int background = 9153434, red = 255, green = 65280;
    Canvas c(60, 60, background);
    c.setPenColor(red);
    c.setPenStyle(Canvas::PenStyle::Dot);
    c.setBrushStyle(Canvas::BrushStyle::Clear);
    c.moveTo(0, 1);
    c.lineTo(30, 1);
    EXPECT_EQ(Count(c, red, 0, 1, 30, 2), 10); // one pixel in three
    EXPECT_EQ(Count(c, background, 0, 1, 30, 2), 20);
    EXPECT_EQ(c.pixel(30, 1), background);

    // With a solid brush the gaps take the brush colour.
    c.setBrushColor(green);
    c.setBrushStyle(Canvas::BrushStyle::Solid);
    c.moveTo(0, 3);
    c.lineTo(30, 3);
    EXPECT_EQ(Count(c, red, 0, 3, 30, 4), 10);
    EXPECT_EQ(Count(c, green, 0, 3, 30, 4), 20);
    EXPECT_EQ(c.pixel(30, 3), background);

    // A diagonal-cross brush hatches and leaves the pixels between its lines alone.
    c.setPenStyle(Canvas::PenStyle::Solid);
    c.setBrushStyle(Canvas::BrushStyle::DiagCross);
    c.rectangle(10, 10, 50, 50);
    const int hatch = Count(c, green, 11, 11, 49, 49);
    EXPECT_GT(hatch, 38 * 38 / 8);
    EXPECT_LT(hatch, 38 * 38 / 2);
    EXPECT_EQ(hatch + Count(c, background, 11, 11, 49, 49), 38 * 38);
    EXPECT_EQ(Count(c, red, 10, 10, 50, 11), 40); // the outline, top and bottom rows
    EXPECT_EQ(Count(c, red, 10, 49, 50, 50), 40);
    EXPECT_EQ(Count(c, red, 10, 50, 50, 51), 0);

    // fillRect takes the brush and leaves out the right and bottom edges.
    c.setBrushStyle(Canvas::BrushStyle::Solid);
    c.fillRect(0, 52, 5, 55);
    EXPECT_EQ(Count(c, green, 0, 52, 6, 56), 15);
    c.setBrushStyle(Canvas::BrushStyle::Clear);
    c.fillRect(0, 0, 60, 60);
    EXPECT_EQ(Count(c, green, 0, 52, 6, 56), 15);
}

TEST(Canvas, PenModesAndEllipseBoxes) {
    const int background = 9153434, blue = 16711680;
    Canvas c(40, 40, background);
    c.setPenColor(blue);
    c.setBrushStyle(Canvas::BrushStyle::Clear);
    c.setPenMode(Canvas::PenMode::Xor);
    c.moveTo(0, 5);
    c.lineTo(20, 5);
    EXPECT_EQ(c.pixel(3, 5), background ^ blue);
    c.moveTo(0, 5);
    c.lineTo(20, 5); // a second time: the picture is back
    EXPECT_EQ(Count(c, background, 0, 0, 40, 40), 40 * 40);
    c.setPenMode(Canvas::PenMode::Copy);

    // An ellipse in (10, 10)-(30, 20) touches columns 10 and 29 and rows 10 and 19 only.
    c.ellipse(10, 10, 30, 20);
    EXPECT_GT(Count(c, blue, 10, 10, 11, 20), 0);
    EXPECT_GT(Count(c, blue, 29, 10, 30, 20), 0);
    EXPECT_GT(Count(c, blue, 10, 10, 30, 11), 0);
    EXPECT_GT(Count(c, blue, 10, 19, 30, 20), 0);
    EXPECT_EQ(Count(c, blue, 0, 0, 40, 40),
              Count(c, blue, 10, 10, 30, 20)); // nothing outside its box
    EXPECT_EQ(c.pixel(20, 15), background);
}

TEST(Canvas, TextBackgroundFollowsTheBrush) {
    const int background = 9153434, black = 0, white = 16777215;
    Canvas c(100, 40, background);
    c.setFont("Arial", 10, black);
    c.setBrushColor(white);
    c.setBrushStyle(Canvas::BrushStyle::Clear);
    c.textOut(2, 2, "Ab");
    EXPECT_GT(Count(c, black, 0, 0, 100, 40), 5);
    EXPECT_EQ(Count(c, white, 0, 0, 100, 40), 0); // transparent
    EXPECT_EQ(c.penX(), 2 + c.textWidth("Ab"));
    c.setBrushStyle(Canvas::BrushStyle::Solid);
    c.textOut(50, 2, "Ab");
    EXPECT_GT(Count(c, white, 50, 2, 50 + c.textWidth("Ab"), 2 + c.textHeight("Ab")), 20);
    EXPECT_GT(c.textHeight("Ab"), 10);
}

TEST(Canvas, ExtremeCoordinatesAndSizesAreSafe) {
    const int background = 9153434, red = 255;
    Canvas c(50, 50, background);
    c.setPenColor(red);
    c.setBrushColor(red);
    c.setBrushStyle(Canvas::BrushStyle::Solid);
    c.rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(Count(c, red, 0, 0, 50, 50), 50 * 50); // all inside, the outline far away
    c.clear(background);
    c.moveTo(INT_MIN, 25);
    c.lineTo(INT_MAX, 25);
    EXPECT_EQ(Count(c, red, 0, 25, 50, 26), 50);
    c.ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    c.setFont("Arial", INT_MAX, red);
    c.textOut(0, 0, "W");
    c.setFontSize(INT_MIN);
    EXPECT_GT(c.textHeight("W"), 0);
}
