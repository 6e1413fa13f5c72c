#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using pelcor::FormatGeneral;
using pelcor::ParseInteger;
using pelcor::ParseNumber;

TEST(NumberText, WritesFifteenSignificantDigitsAndSwitchesToExponentAtTheBoundaries) {
    EXPECT_EQ(FormatGeneral(3.1415926535897932385), "3.14159265358979");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(-0.0), "0");
    EXPECT_EQ(FormatGeneral(8), "8");
    EXPECT_EQ(FormatGeneral(-2.5), "-2.5");
    EXPECT_EQ(FormatGeneral(1e20), "1E20");
    EXPECT_EQ(FormatGeneral(1.5e-6), "1.5E-6");
    EXPECT_EQ(FormatGeneral(5e-5), "5E-5");
    EXPECT_EQ(FormatGeneral(0.0001), "0.0001");
    EXPECT_EQ(FormatGeneral(-0.0001), "-0.0001");
    EXPECT_EQ(FormatGeneral(999999999999999.0), "999999999999999");
    EXPECT_EQ(FormatGeneral(1e15), "1E15");
    EXPECT_EQ(FormatGeneral(-1.25e100), "-1.25E100");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneral(2.1), "2.1");
    EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0.333333333333333");
    // Never "inf" or "nan" on screen.
    EXPECT_EQ(FormatGeneral(HUGE_VAL), "0");
    EXPECT_EQ(FormatGeneral(std::nan("")), "0");
}

TEST(NumberText, ReadsPointAndExponentAndRefusesAnythingElse) {
    EXPECT_EQ(ParseNumber("12.5"), 12.5);
    EXPECT_EQ(ParseNumber("-1E-2"), -0.01);
    EXPECT_EQ(ParseNumber("12E+5"), 12e5);
    EXPECT_EQ(ParseNumber("12e5"), 12e5);
    EXPECT_EQ(ParseNumber("0."), 0.0);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber(" 7 "), 7.0);
    EXPECT_EQ(ParseNumber("+3"), 3.0);
    for (const char* bad : {"", "-", ".", "5E-", "5E", "E5", "1-2", "1.2.3", "12,5", "abc", "1E400",
                            "--1", "0x10", "inf", "nan"})
        EXPECT_FALSE(ParseNumber(bad).has_value()) << bad;

    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("-7"), -7);
    EXPECT_FALSE(ParseInteger("4.2").has_value());
    EXPECT_FALSE(ParseInteger("99999999999").has_value());
}

TEST(NumberText, EverythingWrittenReadsBackIncludingTheLargestNumbers) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(FormatGeneral(largest), "1.79769313486232E308"); // just past the largest double
    EXPECT_EQ(ParseNumber("1.79769313486232E308"), largest);
    EXPECT_EQ(ParseNumber("-1.79769313486232E308"), -largest);
    EXPECT_EQ(ParseNumber("0.179769313486232E309"), largest);
    for (const char* beyond : {"1.79769313486233E308", "1.8E308", "1E309", "1E99999999999"})
        EXPECT_FALSE(ParseNumber(beyond).has_value()) << beyond;

    // Written, read and written again gives the same text, across the whole range.
    for (double v : {largest, std::nextafter(largest, 0.0), 1.797693134862315e308, 1e308,
                     std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                     1.0 / 3.0, 123456789012345678.0, 0.000099999999999999999}) {
        for (double signedValue : {v, -v}) {
            const std::string text = FormatGeneral(signedValue);
            const auto back = ParseNumber(text);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(FormatGeneral(*back), text);
        }
    }
}
