#include "Fakes.h"
#include "reference/ElectricalReference.h"
#include "reference/FormulaSheets.h"
#include "reference/FormulaTopics.h"

#include <gtest/gtest.h>

#include <QRect>

using namespace pelcor;

namespace {

constexpr int Board = 154 + 256 * 171 + 65536 * 139;
constexpr int Grey = 150 + 256 * 150 + 65536 * 150;
constexpr int AxisColor = 112 + 256 * 150 + 65536 * 150;
constexpr int Green = 256 * 128, Aqua = 16776960, Yellow = 65535, Red = 255, Black = 0;
constexpr int LightBlue = 166 + 256 * 202 + 65536 * 240;
constexpr int Cream = 255 + 256 * 251 + 65536 * 240;

bool HasColor(const Canvas& c, QRect box, int color) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (c.pixel(x, y) == color) return true;
    return false;
}

// The box a text was written in, on the canvas it was written on.
QRect TextBox(Canvas& c, const SheetText& t) {
    c.setFont(t.font, t.size, t.color, t.bold);
    const QString s = QString::fromStdString(t.text);
    return QRect(t.x, t.y, c.textWidth(s), c.textHeight(s));
}

} // namespace

TEST(TrigSheets, GridAxesTrianglesArcsAndFigures) {
    Canvas c(320, 320);
    DrawTrigSheet(c, TrigSheet::RadiusOfCircumscribed, Board, 160, 160);
    EXPECT_EQ(c.pixel(114, 110), LightBlue);
    EXPECT_TRUE(HasColor(c, QRect(0, 120, 8, 40), Red)); // the circle's left edge
    DrawTrigSheet(c, TrigSheet::Angles, Board, 160, 160);
    EXPECT_EQ(c.pixel(10, 10), Board);
    EXPECT_EQ(c.pixel(20, 10), Grey);
    EXPECT_EQ(c.pixel(10, 300), Grey);
    EXPECT_EQ(c.pixel(160, 250), AxisColor);
    EXPECT_EQ(c.pixel(250, 160), AxisColor);
    EXPECT_EQ(c.pixel(100, 160), Green);          // the bottom side, over the axis
    EXPECT_EQ(c.pixel(226, 115), Green);          // the right side
    EXPECT_EQ(c.pixel(206, 127), Yellow);         // 270 degrees on the arc around (206, 160)
    EXPECT_EQ(c.pixel(26 + 42, 160 - 7), Yellow); // 350 degrees around (26, 160)
    // Nothing is left of the sheet before.
    EXPECT_EQ(c.pixel(114, 110), Board);
    EXPECT_FALSE(HasColor(c, QRect(0, 0, 320, 320), Red));

    DrawTrigSheet(c, TrigSheet::BasicIdentities, Board, 160, 160);
    EXPECT_EQ(c.pixel(209, 160), Red); // the right-angle mark
    EXPECT_EQ(c.pixel(220, 148), Red);
    EXPECT_EQ(c.pixel(234, 120), Green);
    EXPECT_EQ(c.pixel(163, 152), Yellow); // 330 degrees around (126, 173)
}

TEST(TrigSheets, EveryMenuItemDrawsItsTitleLettersAndLines) {
    const struct {
        const char* menu;
        const char* title;
        int size, lines, firstY;
        bool oblique;
    } expected[] = {
        {"Angles", "Angles", 10, 4, 5, true},
        {"Area", "Area Formulas", 10, 6, 5, true},
        {"Basic Identities", "Basic Identities", 10, 8, 5, false},
        {"Double Angle", "Double Angle", 10, 4, 5, false},
        {"Herons Formula", "Herons Formula", 10, 2, 5, true},
        {"Law of Cosines", "Law of Cosines", 10, 3, 5, true},
        {"Law of Sines", " Law of Sines", 10, 1, 5, true},
        {"Law of Tangent", "Law of Tangent", 8, 3, 5, true},
        {"MollweidesFormula", "Mollweides Formula", 10, 3, 5, true},
        {"Newtons Formula", "Newtons Formula", 10, 3, 5, true},
        {"Product To Sum", "Product to Sum", 10, 3, 5, false},
        {"Pythagorean Indentities", "Pythagorean Identities", 10, 3, 5, true},
        {"Radius of Circumscribed", "Radius of Circumscribed", 8, 2, 20, true},
        {"Radius of Inscribed", "Radius of Inscribed", 10, 2, 5, true},
        {"Right Triangle Definition", "Right Triangle Definition", 10, 6, 5, false},
        {"Sum and Difference", "Sum and Difference", 8, 3, 5, false},
        {"Sum To Product", "Sum to Product", 8, 4, 5, false},
        {"Symmetry Properties", "Symmetry Properties", 10, 6, 5, false},
        {"Triangle Sides", "Triangle Sides", 10, 3, 5, true},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.menu);
        const auto sheet = TrigSheetOfMenuItem(e.menu);
        ASSERT_TRUE(sheet);
        EXPECT_EQ(std::string(TrigSheetData(*sheet).title), e.title);
        Canvas c(320, 320);
        std::vector<SheetText> drawn;
        DrawTrigSheet(c, *sheet, Board, 160, 160, &drawn);
        // The triangle's letters first, then the lines 15 pixels apart, each painted.
        const std::vector<SheetText> letters =
            e.oblique ? std::vector<SheetText>{{118, 90, Aqua, 14, false, "c"},
                                               {132, 163, Aqua, 14, false, "b"},
                                               {230, 110, Aqua, 14, false, "a"},
                                               {86, 136, Aqua, 14, false, "ø"},
                                               {191, 136, Aqua, 14, false, "ß"},
                                               {221, 81, Aqua, 14, false, "µ"}}
                      : std::vector<SheetText>{{100, 160, Aqua, 14, false, "C"},
                                               {235, 55, Aqua, 14, false, "B"},
                                               {235, 175, Aqua, 14, false, "A"}};
        ASSERT_GE(drawn.size(), letters.size() + e.lines);
        EXPECT_TRUE(std::equal(letters.begin(), letters.end(), drawn.begin()));
        const auto& lines = TrigSheetData(*sheet).lines;
        ASSERT_EQ(lines.size(), static_cast<size_t>(e.lines));
        for (int i = 0; i < e.lines; ++i) {
            const SheetText& t = drawn[drawn.size() - e.lines + i];
            EXPECT_EQ(t, (SheetText{5, e.firstY + 15 * i, Aqua, e.size, false, lines[i]}));
            EXPECT_TRUE(HasColor(c, TextBox(c, t), Aqua)) << t.text;
        }
    }
    EXPECT_FALSE(TrigSheetOfMenuItem("Law of Tangents"));
}

TEST(TrigSheets, KeyLinesAsWrittenAndTheFalseOnesCorrected) {
    auto line = [](TrigSheet s, int i) { return std::string(TrigSheetData(s).lines[i]); };
    // Kept byte for byte, odd spacing and spelling included.
    EXPECT_EQ(line(TrigSheet::Angles, 1), "2.  cos ø = ( c ² + b ² - a ² ) / 2.b.c ");
    EXPECT_EQ(line(TrigSheet::HeronsFormula, 1), " 2. Semiperiimeter  s = ½(a + b + c)");
    EXPECT_EQ(line(TrigSheet::SymmetryProperties, 3), " 4.  csc  (- x) = - csc x");
    EXPECT_EQ(line(TrigSheet::SumAndDifference, 1),
              " 2.  cos (x ± y) = cos x . cos y  -+  sin x . sin y");
    // Corrected: the angle facing each side, the missing bracket and parentheses.
    EXPECT_EQ(line(TrigSheet::BasicIdentities, 7), "8. cot x = cosx / sinx ");
    EXPECT_EQ(line(TrigSheet::LawOfCosines, 1), " 2.  b² = a ² + c ² - 2ac cos µ");
    EXPECT_EQ(line(TrigSheet::LawOfCosines, 2), " 3.  c² = a ² + b ² - 2ab cos ß");
    EXPECT_EQ(line(TrigSheet::LawOfSines, 0), " 1.  sin ø / a = sin µ / b = sin ß / c");
    EXPECT_EQ(line(TrigSheet::Angles, 2), "3.  sin (ø / 2)  =  Sqrt [(s -b)(s - c) / b.c]");
    EXPECT_EQ(line(TrigSheet::Area, 0), " 1.  Area = [c ² sin ø. sin µ] / 2.sin ß");
    EXPECT_EQ(line(TrigSheet::HeronsFormula, 0), " 1. Area  = Sqrt [s ( s - a)(s - b)(s - c)]");
    EXPECT_EQ(line(TrigSheet::MollweidesFormula, 0),
              " 1.  (a - b) / c  = [sin ½ ( ø - µ)] / cos ½ß");
    EXPECT_EQ(line(TrigSheet::NewtonsFormula, 2), " 3.  (b + c) / a  = [cos ½ ( µ - ß)] / sin ½ø");
    EXPECT_EQ(line(TrigSheet::TriangleSides, 0), " 1.  a = b.cos ß +  c.cosµ");
    EXPECT_EQ(line(TrigSheet::DoubleAngle, 3), "4. tan 2x = 2 tan x / (1 - tan²x)");
    // The right triangle's sides are named where they lie.
    Canvas c(320, 320);
    std::vector<SheetText> drawn;
    DrawTrigSheet(c, TrigSheet::RightTriangleDefinition, Board, 160, 160, &drawn);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), SheetText{155, 105, Aqua, 10, false, "hyp"}),
              drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), SheetText{160, 178, Aqua, 10, false, "adj"}),
              drawn.end());
}

TEST(FormulaTopics, ChooserAndTopicsAreWrittenInTheirPlaces) {
    Canvas c(320, 320);
    std::vector<SheetText> drawn;
    DrawChooser(c, &drawn);
    EXPECT_EQ(c.pixel(300, 300), Cream);
    ASSERT_EQ(drawn.size(), 8u);
    EXPECT_EQ(drawn[0], (SheetText{70, 20, Red, 12, true, "Select a formula group form"}));
    EXPECT_EQ(drawn[3], (SheetText{70, 86, Red, 12, true, "to display the information."}));
    EXPECT_EQ(drawn[7], (SheetText{5, 86, Black, 12, true, "<----------"}));
    EXPECT_TRUE(HasColor(c, TextBox(c, drawn[1]), Red));
    EXPECT_TRUE(HasColor(c, TextBox(c, drawn[4]), Black));

    for (int tag = 401; tag <= 414; ++tag) {
        SCOPED_TRACE(tag);
        drawn.clear();
        ASSERT_TRUE(DrawTopic(c, tag, &drawn));
        EXPECT_EQ(c.pixel(319, 319), Cream);
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.front().color, Red);
        EXPECT_EQ(drawn.front().size, 12);
        for (const SheetText& t : drawn)
            EXPECT_TRUE(HasColor(c, TextBox(c, t), t.color)) << t.text;
    }
    EXPECT_EQ(TopicCaption(402), "Electrostatic Force  ");
    EXPECT_EQ(TopicCaption(414), "Energy");
    const QImage before = c.image();
    EXPECT_FALSE(DrawTopic(c, 400, &drawn));
    EXPECT_EQ(c.image(), before);

    auto has = [](int tag, const SheetText& t) {
        const auto& all = TopicTexts(tag);
        return std::find(all.begin(), all.end(), t) != all.end();
    };
    EXPECT_TRUE(has(413, {30, 100, Red, 10, true, "Water freezes:"}));
    EXPECT_TRUE(has(413, {30, 115, Black, 10, true, "Fahrenheit = 32 F degrees:"}));
    EXPECT_TRUE(has(413, {30, 185, Black, 10, true, "Fahrenheit = -459.67 degrees:"}));
    EXPECT_TRUE(has(413, {30, 200, Black, 10, true, "Celcius       = -273 degrees:"}));
    EXPECT_TRUE(has(401, {30, 90, Black, 10, true, "G = 6.67x10^-11 Nm²/kg²   (in MKS system)"}));
    EXPECT_TRUE(has(402, {30, 70, Black, 10, true, "K = 8.99x10^9 Nm2/C2    (in MKS system)"}));
    EXPECT_TRUE(has(409, {80, 270, Black, 10, true, "F  =  qV * B  =  qVB Sinø"}));
    EXPECT_TRUE(
        has(411, {30, 250, Black, 10, true, "Power  =  P  =  I² * R   =   V * I   =   Watts"}));
    for (const auto& [x, y] : {std::pair{20, 40}, {145, 150}, {115, 200}, {90, 250}})
        EXPECT_TRUE(has(412, {x, y, Black, 10, false, "λ", "DejaVu Sans"}));
    int rows = 0;
    for (const SheetText& t : TopicTexts(408))
        if (t.text == "x       x       x       x       x       x       x       x") {
            EXPECT_EQ(t.y, 40 + 22 * rows++);
        }
    EXPECT_EQ(rows, 9);
}

TEST(ElectricalReference, SixteenLinesAndTheToggle) {
    EXPECT_EQ(ElectricalReference::Text(),
              "1 Farad       = 1 Coulomb / 1 Volt\r"
              "1 Coulomb = 1 Ampere * 1 Second\r"
              "1 Volt         = 1 Joule / 1 Coulomb\r"
              "1 Volt         = 1 Ampere * 1 Ohm  = (1 Watt / 1 Ampere)\r"
              "1 Ampere   = 1 Coulomb / 1 Second\r"
              "1 Ampere   = 1 Volt / 1 Ohm\r"
              "1 Ohm        = 1 Volt / 1 Ampere\r"
              "1 Watt        = 1 Ampere² * 1 Ohm = (1 Joule / 1 Second)\r"
              "1 Watt        = 1 Ampere * 1 Volt\r"
              "1 Henry      = 1 Volt * (1 Second / 1 Ampere)\r"
              "1 Tesla       = 1 Weber / 1 meter²\r"
              "1 Tesla       = 1 Newton / (1 Ampere * 1 Meter)\r"
              "1 Tesla       = 10000 gauss\r"
              "1 Joule       = 1 kg * (1 Meter²/ 1 second²)\r"
              "1 Joule      = (1 Newton * 1 Meter)\r"
              "1 Newton   = 1 kg * (1 Meter per sec per sec)\r");

    FakeScreens screens;
    screens.mode = DisplayMode::Gallery;
    ElectricalReference ref(screens);
    EXPECT_EQ(ref.toggle(true), ElectricalReference::Toggle::Ignored);
    EXPECT_EQ(screens.mode, DisplayMode::Gallery);
    EXPECT_EQ(screens.title, "old title");
    EXPECT_TRUE(screens.timerRunning);

    EXPECT_EQ(ref.toggle(false), ElectricalReference::Toggle::Opened);
    EXPECT_EQ(screens.mode, DisplayMode::Reference);
    EXPECT_EQ(screens.shows, 1);
    EXPECT_EQ(screens.title, "");
    EXPECT_FALSE(screens.timerRunning);

    EXPECT_EQ(ref.toggle(false), ElectricalReference::Toggle::Closed);
    EXPECT_EQ(screens.mode, DisplayMode::Gallery);
    EXPECT_EQ(screens.shows, 2);
    EXPECT_TRUE(screens.timerRunning);

    // Reached by stepping the screens from the board, it goes back there.
    screens.mode = DisplayMode::Reference;
    ref.shownFrom(DisplayMode::Board);
    EXPECT_EQ(ref.toggle(false), ElectricalReference::Toggle::Closed);
    EXPECT_EQ(screens.mode, DisplayMode::Board);
}
