#include "platform/Canvas.h"

#include <gtest/gtest.h>

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
