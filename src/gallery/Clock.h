#pragma once

#include "platform/Surface.h"

#include <QDateTime>

#include <string>

namespace pelcor::gallery {

// Where the clock reads the date and time; tests give their own.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual QDateTime now() const = 0;
};

// The desktop's clock.
ClockSource& SystemClock();

// The hands' directions in degrees, clockwise from 3 o'clock, for a time read off a
// 12-hour dial. The minute and hour hands carry the dial's two fixed offsets (about 1.57
// and 6.28 degrees).
struct HandAngles {
    double second, minute, hour;
};
HandAngles ClockHandAngles(int hour, int minute, int second);

// The gallery's analogue clock on a 320 x 320 picture. Each tick paints over the previous
// hands and date line in the background colour, then draws the dial, the new hands, the
// hub and the date line.
class Clock {
public:
    static constexpr int CentreX = 160, CentreY = 160;
    static constexpr int SecondLength = 80, MinuteLength = 70, HourLength = 60;

    explicit Clock(ClockSource& source) : source_(source) {}

    // One tick; returns this tick's time text, such as "03 45 12 PM". Sets the program's
    // date and time formats to the clock's.
    const std::string& Tick(Surface& canvas);
    // The time text of the last tick; empty before the first.
    const std::string& TimeText() const { return timeText_; }

    struct End {
        double x = 0, y = 0;
    };
    // The hands' end points drawn at the last tick ((0, 0) before the first).
    End hourEnd() const { return hour_; }
    End minuteEnd() const { return minute_; }
    End secondEnd() const { return second_; }

private:
    void DrawHands(Surface& canvas, int hourColor, int minuteColor, int secondColor) const;

    ClockSource& source_;
    End hour_, minute_, second_;
    std::string timeText_;
    QString line_; // the date line drawn at the last tick
};

} // namespace pelcor::gallery
