#include "platform/FormatNumber.h"

#include <gtest/gtest.h>

#include <limits>

using namespace pelcor;

namespace {

TEST(FormatNumber, WholeNumbersGetThePointAndThePatternsZeros) {
    EXPECT_EQ(FormatNumber(5, "###.###"), "5.000");
    EXPECT_EQ(FormatNumber(0, "###.###"), "0.000");
    EXPECT_EQ(FormatNumber(-0.0, "###.###"), "0.000");
    EXPECT_EQ(FormatNumber(1000, "###.###"), "1000.000");
    EXPECT_EQ(FormatNumber(7, "###.##"), "7.00");
    EXPECT_EQ(FormatNumber(7, "###.#"), "7.0");
    EXPECT_EQ(FormatNumber(-12, "##.##"), "-12.00");
}

TEST(FormatNumber, FractionsAreCutToThePatternsPlacesNeverRounded) {
    EXPECT_EQ(FormatNumber(3.14159265, "###.###"), "3.141");
    EXPECT_EQ(FormatNumber(123.4567, "###.###"), "123.456");
    EXPECT_EQ(FormatNumber(12.3456, "###.##"), "12.34");
    EXPECT_EQ(FormatNumber(2.99, "###.#"), "2.9");
    EXPECT_EQ(FormatNumber(9.999, "##.##"), "9.99");
    // Shorter fractions stay as they are, without zeros added.
    EXPECT_EQ(FormatNumber(12.5, "###.###"), "12.5");
    EXPECT_EQ(FormatNumber(12.5, "##.##"), "12.5");
}

TEST(FormatNumber, NegativeValuesKeepTheirSignAndCutTowardZero) {
    EXPECT_EQ(FormatNumber(-2.75, "###.###"), "-2.75");
    EXPECT_EQ(FormatNumber(-3.14159, "###.##"), "-3.14");
    EXPECT_EQ(FormatNumber(-2.99, "###.#"), "-2.9");
    // The sign is kept even where it does not fit the pattern's width.
    EXPECT_EQ(FormatNumber(-12.5, "##.##"), "-12.5");
    EXPECT_EQ(FormatNumber(-15.678, "##.##"), "-15.67");
    EXPECT_EQ(FormatNumber(-123.5, "###.###"), "-123.5");
}

TEST(FormatNumber, ValuesBelowOne) {
    EXPECT_EQ(FormatNumber(0.5, "###.###"), "0.5");
    EXPECT_EQ(FormatNumber(0.1, "###.###"), "0.1");
    EXPECT_EQ(FormatNumber(0.999, "##.##"), "0.99");
    EXPECT_EQ(FormatNumber(-0.25, "###.###"), "-0.25");
    EXPECT_EQ(FormatNumber(-0.123456, "###.###"), "-0.123");
    EXPECT_EQ(FormatNumber(0.0005, "###.###"), "0.000");
    EXPECT_EQ(FormatNumber(0.05, "###.#"), "0.0");
}

TEST(FormatNumber, IntegerDigitsBeyondThePatternsWidthAreKept) {
    EXPECT_EQ(FormatNumber(1234.5, "###.###"), "1234.5");
    EXPECT_EQ(FormatNumber(1024.5678, "###.##"), "1024.56");
    EXPECT_EQ(FormatNumber(12345678, "###.###"), "12345678.000");
}

TEST(FormatNumber, ValuesTheGeneralFormWritesWithAnExponentAreWrittenPlain) {
    // 0.000001 is "1E-6" in the general form: cut to three places it is zero.
    EXPECT_EQ(FormatNumber(0.000001, "###.###"), "0.000");
    EXPECT_EQ(FormatNumber(-0.0000015, "###.##"), "-0.00");
    // A pattern with enough places shows the leading digits, still cut.
    EXPECT_EQ(FormatNumber(0.00001239, "#.#######"), "0.0000123");
    EXPECT_EQ(FormatNumber(-0.00001239, "#.######"), "-0.000012");
    EXPECT_EQ(FormatNumber(1e20, "###.###"), "100000000000000000000.000");
    EXPECT_EQ(FormatNumber(1.5e15, "###.#"), "1500000000000000.0");
}

TEST(FormatNumber, NonFiniteValuesAreWrittenAsZero) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "###.###"), "0.000");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "###.##"), "0.00");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "##.##"), "0.00");
}

} // namespace
