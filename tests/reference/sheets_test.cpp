#include "platform/Canvas.h"
#include "reference/ElectricalReference.h"
#include "reference/FormulaSheets.h"
#include "reference/FormulaTopics.h"

#include <gtest/gtest.h>

#include <QRect>

using namespace pelcor;

namespace {

constexpr int Board = 154 + 256 * 171 + 65536 * 139;
constexpr int Aqua = 16776960, Yellow = 65535, Red = 255, Black = 0, Green = 256 * 128;
constexpr int Cream = 255 + 256 * 251 + 65536 * 240;

bool HasColor(const Canvas& c, QRect box, int color) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (c.pixel(x, y) == color) return true;
    return false;
}

// Whether the text shows on the canvas: some pixel of its box has its colour.
bool Painted(Canvas& c, const SheetText& t) {
    c.setFont(t.font, t.size, t.color, t.bold);
    const QString s = QString::fromStdString(t.text);
    return HasColor(c, QRect(t.x, t.y, c.textWidth(s), c.textHeight(s)), t.color);
}

// "text@x,y" of the texts from `first` to before `last`.
std::string Places(const std::vector<SheetText>& texts, size_t first, size_t last) {
    std::string out;
    for (size_t i = first; i < last && i < texts.size(); ++i)
        out += (i > first ? " " : "") + texts[i].text + "@" + std::to_string(texts[i].x) + "," +
               std::to_string(texts[i].y);
    return out;
}

} // namespace

TEST(TrigSheets, GridAxesTrianglesArcsAndFigures) {
    Canvas c(320, 320);
    DrawTrigSheet(c, TrigSheet::RadiusOfCircumscribed, Board, 160, 160);
    EXPECT_EQ(c.pixel(114, 110), 166 + 256 * 202 + 65536 * 240); // the radius
    EXPECT_TRUE(HasColor(c, QRect(0, 120, 8, 40), Red));         // the circle's left edge
    DrawTrigSheet(c, TrigSheet::Angles, Board, 160, 160);
    EXPECT_EQ(c.pixel(10, 10), Board);
    EXPECT_EQ(c.pixel(20, 10), 150 + 256 * 150 + 65536 * 150);   // grid
    EXPECT_EQ(c.pixel(160, 250), 112 + 256 * 150 + 65536 * 150); // axes
    EXPECT_EQ(c.pixel(100, 160), Green);                         // the bottom side, over the axis
    EXPECT_EQ(c.pixel(226, 115), Green);                         // the right side
    EXPECT_EQ(c.pixel(206, 127), Yellow);                        // 270 degrees around (206, 160)
    EXPECT_EQ(c.pixel(68, 153), Yellow);                         // 350 degrees around (26, 160)
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
        EXPECT_EQ(Places(drawn, 0, e.oblique ? 6 : 3),
                  e.oblique ? "c@118,90 b@132,163 a@230,110 ø@86,136 ß@191,136 µ@221,81"
                            : "C@100,160 B@235,55 A@235,175");
        const auto& lines = TrigSheetData(*sheet).lines;
        ASSERT_EQ(lines.size(), static_cast<size_t>(e.lines));
        for (int i = 0; i < e.lines; ++i) {
            const SheetText& t = drawn[drawn.size() - e.lines + i];
            EXPECT_EQ(t, (SheetText{5, e.firstY + 15 * i, Aqua, e.size, false, lines[i]}));
            EXPECT_TRUE(Painted(c, t)) << t.text;
        }
        for (const SheetText& t : drawn)
            EXPECT_EQ(t.color, Aqua);
    }
    EXPECT_FALSE(TrigSheetOfMenuItem("Law of Tangents"));
}

TEST(TrigSheets, KeyLinesAsWrittenAndTheFalseOnesCorrected) {
    auto line = [](TrigSheet s, int i) { return std::string(TrigSheetData(s).lines[i]); };
    // Kept byte for byte, odd spacing and spelling included.
    EXPECT_EQ(line(TrigSheet::Angles, 1), "2.  cos ø = ( c ² + b ² - a ² ) / 2.b.c ");
    EXPECT_EQ(line(TrigSheet::HeronsFormula, 1), " 2. Semiperiimeter  s = ½(a + b + c)");
    // Corrected: the angle facing each side, the missing bracket and parentheses.
    EXPECT_EQ(line(TrigSheet::BasicIdentities, 7), "8. cot x = cosx / sinx ");
    EXPECT_EQ(line(TrigSheet::LawOfCosines, 1), " 2.  b² = a ² + c ² - 2ac cos µ");
    EXPECT_EQ(line(TrigSheet::LawOfCosines, 2), " 3.  c² = a ² + b ² - 2ab cos ß");
    EXPECT_EQ(line(TrigSheet::LawOfSines, 0), " 1.  sin ø / a = sin µ / b = sin ß / c");
    EXPECT_EQ(line(TrigSheet::Angles, 2), "3.  sin (ø / 2)  =  Sqrt [(s -b)(s - c) / b.c]");
    EXPECT_EQ(line(TrigSheet::MollweidesFormula, 0),
              " 1.  (a - b) / c  = [sin ½ ( ø - µ)] / cos ½ß");
    EXPECT_EQ(line(TrigSheet::NewtonsFormula, 2), " 3.  (b + c) / a  = [cos ½ ( µ - ß)] / sin ½ø");
    EXPECT_EQ(line(TrigSheet::DoubleAngle, 3), "4. tan 2x = 2 tan x / (1 - tan²x)");
    // The right triangle's sides are named where they lie.
    Canvas c(320, 320);
    std::vector<SheetText> drawn;
    DrawTrigSheet(c, TrigSheet::RightTriangleDefinition, Board, 160, 160, &drawn);
    EXPECT_EQ(Places(drawn, 3, 7), "ops@240,120 hyp@155,105 ø@150,150 adj@160,178");
}

TEST(FormulaTopics, ChooserAndTopicsAreWrittenInTheirPlaces) {
    Canvas c(320, 320);
    std::vector<SheetText> drawn;
    DrawChooser(c, &drawn);
    EXPECT_EQ(c.pixel(300, 300), Cream);
    ASSERT_EQ(drawn.size(), 8u);
    EXPECT_EQ(drawn[0], (SheetText{70, 20, Red, 12, true, "Select a formula group form"}));
    EXPECT_EQ(drawn[7], (SheetText{5, 86, Black, 12, true, "<----------"}));
    for (const SheetText& t : drawn)
        EXPECT_TRUE(Painted(c, t)) << t.text;

    for (int tag = 401; tag <= 414; ++tag) {
        SCOPED_TRACE(tag);
        drawn.clear();
        ASSERT_TRUE(DrawTopic(c, tag, &drawn));
        EXPECT_EQ(c.pixel(319, 319), Cream);
        EXPECT_EQ(drawn, TopicTexts(tag));
        for (const SheetText& t : drawn)
            EXPECT_TRUE(Painted(c, t)) << t.text;
    }
    EXPECT_EQ(TopicCaption(402), "Electrostatic Force  ");
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
    EXPECT_TRUE(has(401, {30, 90, Black, 10, true, "G = 6.67x10^-11 Nm²/kg²   (in MKS system)"}));
    EXPECT_TRUE(has(402, {30, 70, Black, 10, true, "K = 8.99x10^9 Nm2/C2    (in MKS system)"}));
    EXPECT_TRUE(has(409, {80, 270, Black, 10, true, "F  =  qV * B  =  qVB Sinø"}));
    for (const auto& [x, y] : {std::pair{20, 40}, {145, 150}, {115, 200}, {90, 250}})
        EXPECT_TRUE(has(412, {x, y, Black, 10, false, "λ", "DejaVu Sans"}));
    int rows = 0;
    for (const SheetText& t : TopicTexts(408))
        if (t.text == "x       x       x       x       x       x       x       x") {
            EXPECT_EQ(t.y, 40 + 22 * rows++);
        }
    EXPECT_EQ(rows, 9);
}

TEST(ElectricalReference, SixteenLinesEachEndedByACarriageReturn) {
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
}
