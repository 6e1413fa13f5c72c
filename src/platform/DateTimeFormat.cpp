#include "platform/DateTimeFormat.h"

#include <cstdio>

namespace pelcor {

namespace {

DateTimeFormats& Formats() {
    static DateTimeFormats formats;
    return formats;
}

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

bool At(const std::string& format, std::size_t i, const char* word) {
    return format.compare(i, std::char_traits<char>::length(word), word) == 0;
}

} // namespace

const DateTimeFormats& CurrentDateTimeFormats() {
    return Formats();
}

void SetDateTimeFormats(const DateTimeFormats& formats) {
    Formats() = formats;
}

void SetClockFormats() {
    SetDateTimeFormats({"hh mm ss AM/PM", "dd/mm/yyyy", '-'});
}

std::string ShortDateText(const QDate& date) {
    const DateTimeFormats& f = Formats();
    std::string text;
    for (std::size_t i = 0; i < f.shortDate.size();) {
        if (At(f.shortDate, i, "yyyy")) {
            text += std::to_string(date.year());
            i += 4;
        } else if (At(f.shortDate, i, "dd")) {
            text += TwoDigits(date.day());
            i += 2;
        } else if (At(f.shortDate, i, "mm")) {
            text += TwoDigits(date.month());
            i += 2;
        } else {
            text += f.shortDate[i] == '/' ? f.dateSeparator : f.shortDate[i];
            ++i;
        }
    }
    return text;
}

std::string LongTimeText(const QTime& time) {
    const std::string& format = Formats().longTime;
    const bool halfDays = format.find("AM/PM") != std::string::npos;
    std::string text;
    for (std::size_t i = 0; i < format.size();) {
        if (At(format, i, "AM/PM")) {
            text += time.hour() < 12 ? "AM" : "PM";
            i += 5;
        } else if (At(format, i, "hh")) {
            int hour = time.hour();
            if (halfDays) hour = hour % 12 == 0 ? 12 : hour % 12;
            text += TwoDigits(hour);
            i += 2;
        } else if (At(format, i, "mm")) {
            text += TwoDigits(time.minute());
            i += 2;
        } else if (At(format, i, "ss")) {
            text += TwoDigits(time.second());
            i += 2;
        } else {
            text += format[i++];
        }
    }
    return text;
}

} // namespace pelcor
