#include "gallery/Backgrounds.h"
#include "gallery/Clock.h"
#include "platform/Canvas.h"
#include "platform/DateTimeFormat.h"

#include <gtest/gtest.h>

using namespace pelcor;
using namespace pelcor::gallery;

namespace {

struct FixedClock : ClockSource {
    QDateTime at;
    QDateTime now() const override { return at; }
};

constexpr int Cyan = 16776960, Yellow = 65535, Red = 255;

// Whether `color` is within a pixel of (x, y): the hands are two pixels wide.
bool Near(const Canvas& c, int x, int y, int color) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (c.pixel(x + dx, y + dy) == color) return true;
    return false;
}

int Count(const Canvas& c, int color) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            n += c.pixel(x, y) == color;
    return n;
}

Canvas Cleared() {
    Canvas c(320, 320);
    ClearBoard(c, BackgroundColor, {});
    return c;
}

} // namespace

TEST(GalleryClock, AtNoonTheHandsPointUpWithTheDialOffsets) {
    const HandAngles a = ClockHandAngles(12, 0, 0);
    EXPECT_DOUBLE_EQ(a.second, -90);
    EXPECT_NEAR(a.minute, -89.929, 0.0005);
    EXPECT_NEAR(a.hour, 268.789, 0.0005);

    FixedClock source;
    source.at = QDateTime(QDate(2026, 12, 6), QTime(12, 0, 0));
    Clock clock(source);
    Canvas c = Cleared();
    EXPECT_EQ(clock.Tick(c), "12 00 00 PM");
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 6)), "06-12-2026");
    EXPECT_EQ(static_cast<int>(clock.secondEnd().y), 80);
    EXPECT_EQ(static_cast<int>(clock.hourEnd().x), 158); // 1.2 degrees short of the top
    EXPECT_TRUE(Near(c, 160, 84, Cyan));                 // the second hand, alone at the top
    EXPECT_FALSE(Near(c, 160, 200, Cyan));
    EXPECT_EQ(c.pixel(160, 160), 16771200); // the hub
    EXPECT_GT(Count(c, 16777215), 50);      // the date line
}

TEST(GalleryClock, NextTickLeavesNoTraceOfTheLastHandsOrDateLine) {
    FixedClock source;
    source.at = QDateTime(QDate(2026, 12, 6), QTime(21, 15, 30));
    Clock clock(source);
    Canvas c = Cleared();
    EXPECT_EQ(clock.Tick(c), "09 15 30 PM");
    EXPECT_TRUE(Near(c, 160, 230, Cyan));   // second hand straight down
    EXPECT_TRUE(Near(c, 220, 163, Yellow)); // minute hand 3 degrees below 3 o'clock
    EXPECT_TRUE(Near(c, 110, 154, Red));    // hour hand 6.5 degrees above 9 o'clock

    // Past midnight, with a new date: the picture is the one a clock that showed the new
    // time all along draws (the first tick leaves the hour dots hollow, later ones do not).
    source.at = QDateTime(QDate(2026, 12, 7), QTime(0, 0, 1));
    EXPECT_EQ(clock.Tick(c), "12 00 01 AM");
    EXPECT_EQ(clock.TimeText(), "12 00 01 AM");
    Clock steady(source);
    Canvas same = Cleared();
    steady.Tick(same);
    steady.Tick(same);
    EXPECT_EQ(c.image(), same.image());
    EXPECT_FALSE(Near(c, 220, 163, Yellow));
}
