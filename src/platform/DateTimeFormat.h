#pragma once

#include <QDate>
#include <QTime>

#include <string>

namespace pelcor {

// The program-wide date and time formats, kept in one place: the clock sets them, and
// every text that shows "the short date" or "the long time" (the clock's line, the print
// caption) writes with them.
//
// A date format is made of "dd" (day), "mm" (month), "yyyy" (year) and "/" (the date
// separator); a time format of "hh" (hour), "mm" (minutes), "ss" (seconds) and "AM/PM"
// (a 12-hour clock with its half-day mark). Other characters are written as they stand.
struct DateTimeFormats {
    std::string longTime = "hh:mm:ss";
    std::string shortDate = "dd/mm/yyyy";
    char dateSeparator = '/';
};

// The formats in force now.
const DateTimeFormats& CurrentDateTimeFormats();
void SetDateTimeFormats(const DateTimeFormats& formats);
// What the clock sets at every tick: "hh mm ss AM/PM", "dd/mm/yyyy" with "-".
void SetClockFormats();

// `date` in the short date format, `time` in the long time format.
std::string ShortDateText(const QDate& date);
std::string LongTimeText(const QTime& time);

} // namespace pelcor
