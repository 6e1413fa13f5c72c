#include "platform/DateTimeFormat.h"

#include <gtest/gtest.h>

namespace pelcor {
namespace {

TEST(DateTimeFormat, TheClockFormatsHoldForEveryLaterText) {
    const DateTimeFormats before = CurrentDateTimeFormats();
    SetClockFormats();
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 6)), "06-12-2026");
    EXPECT_EQ(LongTimeText(QTime(12, 0, 0)), "12 00 00 PM");
    EXPECT_EQ(LongTimeText(QTime(0, 5, 9)), "12 05 09 AM");
    EXPECT_EQ(LongTimeText(QTime(15, 45, 12)), "03 45 12 PM");
    SetDateTimeFormats({"hh:mm:ss", "yyyy/mm/dd", '.'});
    EXPECT_EQ(ShortDateText(QDate(2026, 1, 31)), "2026.01.31");
    EXPECT_EQ(LongTimeText(QTime(15, 45, 12)), "15:45:12");
    SetDateTimeFormats(before);
}

} // namespace
} // namespace pelcor
