#include "converter/Conversion.h"
#include "converter/UnitTables.h"
#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace pelcor;

namespace {

const UnitCategory& Cat(std::string_view key) {
    const int i = CategoryIndex(key);
    EXPECT_GE(i, 0) << key;
    return Categories()[i];
}

// The cell texts of a conversion that must succeed.
std::vector<std::string> Cells(std::string_view key, std::size_t source, std::string_view input) {
    const ConversionResult r = ConvertFrom(Cat(key), source, input);
    EXPECT_TRUE(r.ok()) << r.error;
    return r.cells;
}

const std::string kSq = "\xC2\xB2";
const std::string kCu = "\xC2\xB3";

} // namespace

TEST(UnitTables, EveryUnitConvertedToTheBaseShowsItsFactor) {
    constexpr double pi = std::numbers::pi;
    struct Expected {
        const char* key;
        std::size_t base;
        std::vector<double> factors; // as the unit tables list them, in display order
    };
    const Expected tables[] = {
        {"Area",
         2,
         {0.000001, 0.0001, 1, 100, 10000, 1000000, 0.00064516, 0.09290304, 0.83612736,
          4046.8564224, 2589988.110336}},
        {"Mass",
         3,
         {0.000001, 0.001, 0.0002, 1, 1000, 0.028349523125, 0.45359237, 0.0017718451953125}},
        {"Distance", 3, {0.001, 0.01, 0.1, 1, 10, 100, 1000, 0.0254, 0.3048, 0.9144, 1609.344}},
        {"Volume",
         1,
         {0.001, 1, 1000, 0.00492892159375, 0.473176473, 0.946352946, 3.785411784, 0.016387064,
          28.316846592, 0.0295735295625, 158.987294928}},
        {"Velocity", 0, {1, 1 / 3.6, 0.3048, 0.44704}},
        {"Power", 0, {1, 1000, 1000000, 735.49875, 0.001163, 1055.05585262 / 3600}},
        {"Pressure",
         0,
         {1, 100, 1000, 100000, 101325, 249.08891, 25.4 * 101325 / 760, 101325.0 / 760,
          4.4482216152605 / 0.00064516, 98066.5}},
        // The electron-volt is the SI's exact 1.602176634E-19 J.
        {"Energy", 0, {1, 1.602176634E-19, 4.1868, 4186.8, 3600000, 0.3048 * 4.4482216152605}},
        // The second density unit is grams per cubic metre.
        {"Density",
         0,
         {1, 0.001, 0.028349523125 / 0.028316846592, 0.45359237 / 0.028316846592,
          0.45359237 / 0.000016387064}},
        {"Time",
         2,
         {0.000000001, 0.001, 1, 60, 3600, 86400, 604800, 2629800, 31557600, 3155760000,
          31557600000}},
        {"Angles", 0, {1, pi / 180, pi / 10800, pi / 648000, pi / 200, pi / 20000, pi / 2}},
        {"Force",
         0,
         {1, 0.001, 0.00001, 1000, 0.00980665, 0.138254954376, 0.27801385095378125,
          4.4482216152605}},
    };
    for (const Expected& t : tables) {
        const UnitCategory& cat = Cat(t.key);
        ASSERT_EQ(cat.units.size(), t.factors.size()) << t.key;
        for (std::size_t s = 0; s < t.factors.size(); ++s) {
            if (s == t.base) continue;
            const std::vector<std::string> cells = Cells(t.key, s, "1");
            ASSERT_EQ(cells.size(), t.factors.size());
            EXPECT_EQ(ExtractNumber(cells[t.base]), FormatGeneral(t.factors[s]))
                << t.key << " unit " << s << ": " << cells[t.base];
            // And one base unit is the reciprocal in that unit.
            const std::vector<std::string> back = Cells(t.key, t.base, "1");
            EXPECT_EQ(ExtractNumber(back[s]), FormatGeneral(1 / t.factors[s])) << t.key << s;
        }
    }
}

TEST(UnitTables, ConversionsThereAndBackReturnTheInput) {
    for (const UnitCategory& cat : Categories()) {
        for (double x : {123.456, -0.0375, 7.25E9}) {
            const std::string input = FormatGeneral(x);
            for (std::size_t s = 0; s < cat.units.size(); ++s) {
                const std::vector<std::string> there = Cells(cat.key, s, input);
                for (std::size_t t = 0; t < cat.units.size(); ++t) {
                    if (t == s) continue;
                    const std::vector<std::string> back =
                        Cells(cat.key, t, ExtractNumber(there[t]));
                    const double got = *ParseNumber(ExtractNumber(back[s]));
                    // Temperatures are shifted by up to 459.67 on the way.
                    const double scale = cat.temperature ? std::abs(x) + 500 : std::abs(x);
                    EXPECT_NEAR(got, x, scale * 1E-13)
                        << cat.key << " " << s << " -> " << t << " -> " << s;
                }
            }
        }
    }
}

TEST(UnitTables, SecondDensityUnitIsGramsPerCubicMetreEveryWay) {
    using std::string;
    // 1000 g/m³ is 1 kg/m³, and 1 kg/m³ is 1000 g/m³.
    EXPECT_EQ(Cells("Density", 1, "1000")[0], "1 Kg/m " + kCu);
    EXPECT_EQ(Cells("Density", 0, "1")[1], "1000 gr/m " + kCu);
    // 1 lb/ft³ = 16.0184633739601 kg/m³ = 16018.4633739601 g/m³.
    EXPECT_EQ(Cells("Density", 3, "1")[1], "16018.4633739601 gr/m " + kCu);
    // The route through kg/m³ agrees with the direct one for every other unit.
    for (std::size_t u = 2; u < 5; ++u) {
        const double direct = *ParseNumber(ExtractNumber(Cells("Density", 1, "5000")[u]));
        const double viaKg = *ParseNumber(ExtractNumber(Cells("Density", 0, "5")[u]));
        EXPECT_DOUBLE_EQ(direct, viaKg) << u;
    }
}

TEST(UnitTables, TemperatureFixedPoints) {
    using temperature::Celsius;
    using temperature::Fahrenheit;
    using temperature::Kelvin;
    const std::vector<std::string> minus40 = Cells("Temp", Celsius, "-40");
    EXPECT_EQ(minus40[Fahrenheit], "-40 F ");
    EXPECT_EQ(minus40[Kelvin], "233.15 K ");
    EXPECT_EQ(Cells("Temp", Fahrenheit, "-40")[Celsius], "-40 C ");
    const std::vector<std::string> freezing = Cells("Temp", Celsius, "0");
    EXPECT_EQ(freezing, (std::vector<std::string>{"32 F ", "0 C ", "273.15 K "}));
    const std::vector<std::string> boiling = Cells("Temp", Celsius, "100");
    EXPECT_EQ(boiling, (std::vector<std::string>{"212 F ", "100 C ", "373.15 K "}));
    EXPECT_EQ(Cells("Temp", Fahrenheit, "212")[Kelvin], "373.15 K ");
    const std::vector<std::string> absolute = Cells("Temp", Kelvin, "0");
    EXPECT_EQ(absolute, (std::vector<std::string>{"-459.67 F ", "-273.15 C ", "0 K "}));
    EXPECT_EQ(Cells("Temp", Fahrenheit, "-459.67")[Kelvin], "0 K ");
    const std::vector<std::string> zeroF = Cells("Temp", Fahrenheit, "0");
    EXPECT_EQ(zeroF[Celsius], "-17.7777777777778 C ");
    EXPECT_EQ(zeroF[Kelvin], "255.372222222222 K ");
}

TEST(UnitTables, ResultTextsCarryTheirSuffixesAndLiterals) {
    // The source cell shows the input exactly as typed.
    const std::vector<std::string> mile = Cells("Distance", 10, "1.0");
    EXPECT_EQ(mile, (std::vector<std::string>{"1609344 mm ", "160934.4 cm ", "16093.44 dcm ",
                                              "1609.344 m ", "160.9344 decm ", "16.09344 hm ",
                                              "1.609344 Km ", "63360 in ", "5280 ft ", "1760 ya ",
                                              "1.0 mi "}));
    const std::vector<std::string> km2 = Cells("Area", 5, "1");
    EXPECT_EQ(km2[0], "1000000000000 mm " + kSq);
    EXPECT_EQ(km2[9], "247.105381467165 acres ");
    EXPECT_EQ(km2[10], "0.386102158542446 mi " + kSq);
    EXPECT_EQ(Cells("Pressure", 0, "98066.5")[9], "1 Kgf/cm " + kSq);
    EXPECT_EQ(Cells("Density", 4, "1")[0], "27679.9047102031 Kg/m " + kCu);

    EXPECT_EQ(Cells("Velocity", 1, "1")[0], "0.277777777777778 m/s ");
    EXPECT_EQ(Cells("Energy", 0, "1")[1], "6.24150907446076E18 eV ");
    EXPECT_EQ(Cells("Mass", 1, "1")[4], "1E-6 t ");
    EXPECT_EQ(Cells("Distance", 8, "1")[9], "0.333333333333333 ya ");
    const std::vector<std::string> pound = Cells("Mass", 6, "1");
    EXPECT_EQ(pound[5], "16 oz ");
    EXPECT_EQ(pound[7], "256 dr ");
    EXPECT_EQ(Cells("Volume", 5, "1")[4], "2 pt ");
    EXPECT_EQ(Cells("Volume", 6, "1")[7], "231 cu.in ");
    EXPECT_EQ(Cells("Time", 2, "1")[0], "1000000000 ns");
    EXPECT_EQ(Cells("Time", 0, "1")[2], "1E-9 sec");
    EXPECT_EQ(Cells("Time", 8, "1")[4], "8766 hrs");
    EXPECT_EQ(Cells("Angles", 0, "1")[1], "57.2957795130823 deg ");
    EXPECT_EQ(Cells("Angles", 6, "1")[1], "90 deg ");
    EXPECT_EQ(Cells("Force", 1, "0.1")[0], "0.0001 N ");
    EXPECT_EQ(Cells("Force", 3, "0.00000005")[0], "5E-5 N ");

    // Suffixes that depend on the source unit, and only for that source.
    EXPECT_EQ(Cells("Distance", 9, "1")[4], "0.09144 decam ");
    EXPECT_EQ(Cells("Distance", 8, "1")[4], "0.03048 decm ");
    EXPECT_EQ(Cells("Mass", 0, "453592.37")[6], "1 lb");
    EXPECT_EQ(Cells("Mass", 1, "453.59237")[6], "1 lb ");
    const std::vector<std::string> second = Cells("Time", 2, "1");
    EXPECT_EQ(second[1], "1000 ms ");
    EXPECT_EQ(second[2], "1 sec ");
    EXPECT_EQ(Cells("Time", 4, "1")[1], "3600000 ms");
    EXPECT_EQ(Cells("Time", 3, "2")[3], "2 min ");
    EXPECT_EQ(Cells("Time", 0, "1")[9], "3.1688087814029E-19 cent");
    EXPECT_EQ(Cells("Time", 1, "1")[9], "3.1688087814029E-13 cen");
}

TEST(Conversion, BadInputIsRefusedWithAMessageAndNoCells) {
    const std::pair<const char*, std::size_t> bad[] = {
        {"abc", 0},  {"", 0},    {"1E", 0},  {"1..2", 0}, {"1.2.3", 0}, {"1E400", 0},
        {"12kg", 0}, {"--1", 0}, {"nan", 0}, {"inf", 0},  {"0x10", 0},
    };
    for (const auto& [input, unit] : bad) {
        for (const UnitCategory& cat : Categories()) {
            const ConversionResult r = ConvertFrom(cat, unit, input);
            EXPECT_FALSE(r.ok()) << input;
            EXPECT_TRUE(r.cells.empty()) << input;
            EXPECT_EQ(r.error, "'" + std::string(input) + "' is not a valid floating point value");
        }
    }
    // A number whose conversion leaves double precision: refused, never "inf".
    const ConversionResult huge = ConvertFrom(Cat("Time"), 10, "1E300");
    EXPECT_FALSE(huge.ok());
    EXPECT_TRUE(huge.cells.empty());
    EXPECT_EQ(huge.error, "'1E300' is too large to convert");
    EXPECT_FALSE(ConvertFrom(Cat("Temp"), temperature::Kelvin, "1.7E308").ok());
    // Extremes that stay in range convert, with no "inf" or "nan" anywhere.
    for (const char* input : {"1E300", "-1E300", "1E-300", "4.9E-324", "0", "-0"}) {
        for (const UnitCategory& cat : Categories()) {
            for (std::size_t s = 0; s < cat.units.size(); ++s) {
                const ConversionResult r = ConvertFrom(cat, s, input);
                for (const std::string& cell : r.cells) {
                    EXPECT_EQ(cell.find("inf"), std::string::npos) << cell;
                    EXPECT_EQ(cell.find("nan"), std::string::npos) << cell;
                }
            }
        }
    }
}

TEST(Conversion, RecomputationGuardsAndUnfinishedNumbers) {
    for (const char* skipped : {"", "-", "."})
        EXPECT_TRUE(SkipsRecomputation(skipped)) << skipped;
    for (const char* converted : {"0", "-1", ".5", "1E"})
        EXPECT_FALSE(SkipsRecomputation(converted)) << converted;
    for (const char* unfinished : {"+", "-.", "1E", "1e", "1E-", "-2.5E+"})
        EXPECT_TRUE(IsUnfinishedNumber(unfinished)) << unfinished;
    for (const char* other : {"4", "-4", "abc", "1..", "1E5", "E5", "1 2", "--"})
        EXPECT_FALSE(IsUnfinishedNumber(other)) << other;
}

TEST(Conversion, ExtractNumberKeepsOnlyTheNumber) {
    EXPECT_EQ(ExtractNumber("1609344 mm "), "1609344");
    EXPECT_EQ(ExtractNumber("6.241460122E18 eV "), "6.241460122E18");
    EXPECT_EQ(ExtractNumber("-17.7777777777778 C "), "-17.7777777777778");
    EXPECT_EQ(ExtractNumber("2.5 cu.ft "), "2.5");
    EXPECT_EQ(ExtractNumber("1.5E-6 Kgf/cm " + kSq), "1.5E-6");
    EXPECT_EQ(ExtractNumber("27679.9047102031 lb/in " + kCu), "27679.9047102031");
    EXPECT_EQ(ExtractNumber("1000 ns"), "1000");
    // A digit inside the suffix is not part of the number.
    EXPECT_EQ(ExtractNumber("0.401463076 inH2O "), "0.401463076");
    // The input as typed: blanks around it, a lower-case exponent, a trailing point.
    EXPECT_EQ(ExtractNumber("  12  mi "), "12");
    EXPECT_EQ(ExtractNumber("1e3 m "), "1E3");
    EXPECT_EQ(ExtractNumber("5. m "), "5");
    EXPECT_EQ(ExtractNumber(""), "0");
    EXPECT_EQ(ExtractNumber(". m "), "0");
}

TEST(Conversion, WindowSizeSteps) {
    const std::vector<int> opening = ResizeSteps(20, 15, 350, 350);
    ASSERT_EQ(opening.size(), 22u);
    EXPECT_EQ(opening.front(), 35);
    EXPECT_EQ(opening[opening.size() - 2], 335);
    EXPECT_EQ(opening.back(), 350);
    const std::vector<int> widening = ResizeSteps(280, 15, 600, 600);
    EXPECT_EQ(std::vector<int>(widening.end() - 3, widening.end()),
              (std::vector<int>{595, 610, 600}));
    EXPECT_TRUE(ResizeSteps(600, 15, 600, 600).empty());
    EXPECT_EQ(ResizeSteps(600, -15, 281).back(), 270);
    EXPECT_EQ(ResizeSteps(350, -15, 51).back(), 50);
}
