#include "gallery/Clock.h"

#include "gallery/GalleryPaint.h"
#include "platform/DateTimeFormat.h"

#include <cmath>
#include <utility>

namespace pelcor::gallery {

namespace {

class DesktopClock : public ClockSource {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

constexpr int LightGrey = 15264976;
constexpr int HubBlue = 16771200;

// Two digits of `text` from position `at`, 0 where there are none.
int TwoDigits(const std::string& text, std::size_t at) {
    int n = 0;
    for (std::size_t i = at; i < at + 2 && i < text.size(); ++i)
        if (text[i] >= '0' && text[i] <= '9') n = n * 10 + (text[i] - '0');
    return n;
}

QString DateLine(const QDate& date, const std::string& timeText) {
    return QString::fromStdString("Date " + ShortDateText(date) + "        Time " + timeText);
}

Clock::End HandEnd(double angle, int length) {
    return {Clock::CentreX + length * std::cos(angle * Rad),
            Clock::CentreY + length * std::sin(angle * Rad)};
}

} // namespace

ClockSource& SystemClock() {
    static DesktopClock clock;
    return clock;
}

HandAngles ClockHandAngles(int hour, int minute, int second) {
    HandAngles a;
    a.second = (second - 15) * 6.0;
    a.minute = (minute - 15) * 6.0 + a.second / 60 + 1.5707963267948966;
    a.hour = (hour * 5 - 15) * 6.0 + a.minute / 12 + 6.283185307179586;
    return a;
}

void Clock::DrawHands(Surface& canvas, int hourColor, int minuteColor, int secondColor) const {
    const std::pair<End, int> hands[] = {
        {hour_, hourColor}, {minute_, minuteColor}, {second_, secondColor}};
    for (const auto& [end, color] : hands) {
        canvas.setPenColor(color);
        Line(canvas, CentreX, CentreY, Trunc(end.x), Trunc(end.y));
    }
}

const std::string& Clock::Tick(Surface& canvas) {
    const QDateTime now = source_.now();

    // Paint over the last tick's hands and date line. Before the first tick there is no
    // line yet: the one it would have been stands in.
    canvas.setPenWidth(2);
    DrawHands(canvas, BackgroundColor, BackgroundColor, BackgroundColor);
    canvas.setFontColor(BackgroundColor);
    canvas.setFontSize(10);
    canvas.setFontStyle(false, false);
    canvas.textOut(18, 300, line_.isEmpty() ? DateLine(now.date(), timeText_) : line_);

    SetClockFormats();
    timeText_ = LongTimeText(now.time());
    const HandAngles angles =
        ClockHandAngles(TwoDigits(timeText_, 0), TwoDigits(timeText_, 3), TwoDigits(timeText_, 6));
    second_ = HandEnd(angles.second, SecondLength);
    minute_ = HandEnd(angles.minute, MinuteLength);
    hour_ = HandEnd(angles.hour, HourLength);

    // The dial: minute dots, then the larger hour dots.
    canvas.setPenColor(Black);
    canvas.setPenWidth(1);
    for (int step : {6, 30}) {
        const int r = step == 6 ? 1 : 2;
        for (int d = 0; d < 360; d += step) {
            const int x = Trunc(CentreX + 77 * std::sin(d * Rad));
            const int y = Trunc(CentreY + 77 * std::cos(d * Rad));
            canvas.ellipse(x - r, y - r, x + r, y + r);
        }
    }
    canvas.setFontSize(12);
    canvas.setFontColor(LightGrey);
    canvas.textOut(150, 55, "12");
    canvas.textOut(155, 250, "6");
    canvas.textOut(60, 151, "9");
    canvas.textOut(249, 151, "3");

    canvas.setPenWidth(2);
    DrawHands(canvas, Red, Yellow, Cyan);
    SetBrush(canvas, HubBlue);
    canvas.setPenColor(Cyan);
    canvas.ellipse(153, 153, 167, 167);

    canvas.setPenWidth(1);
    canvas.setBrushStyle(Surface::BrushStyle::Clear);
    canvas.setFontColor(White);
    canvas.setFontSize(10);
    canvas.setFontStyle(false, false);
    line_ = DateLine(now.date(), timeText_);
    canvas.textOut(18, 300, line_);
    return timeText_;
}

} // namespace pelcor::gallery
