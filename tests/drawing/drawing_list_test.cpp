#include "drawing/Coordinates.h"
#include "drawing/DrawingList.h"

#include "Shapes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

using namespace pelcor;

namespace {

const std::string CrLf = "\r\n";
const std::string Marker = "[\xFF]";

using pelcor::testing::Shape;

ShapeRecord TextShape(std::string text, int x, int y) {
    ShapeRecord s;
    s.Kind = "TEXT";
    s.X1 = x;
    s.Y1 = y;
    s.Text = std::move(text);
    s.FontName = "Arial";
    s.FontSize = "12";
    s.FontStyle = "Bold";
    return s;
}

// The first line of a white line and a filled red circle on a fresh board.
DrawingList LineAndCircle() {
    DrawingList list;
    list.AppendShape(Shape("LINE", 150, 120, 100, 100), NewShapeStyle{});
    ShapeRecord circle = Shape("CIRCLE", 110, 110, 210, 210);
    circle.X3 = circle.Y3 = 50;
    circle.Aux3 = 30;
    list.AppendShape(circle, NewShapeStyle{255, 65280, Fill::Solid, DefaultBackgroundColor});
    return list;
}

} // namespace

TEST(DrawingList, WritesRecordsAndListByteForByte) {
    DrawingList list;
    EXPECT_EQ(list.Text(), "\xFF"); // the start-up empty drawing
    EXPECT_EQ(list.ShapeCount(), 0);

    list = LineAndCircle();
    const std::string line1 =
        ":(1)[LINE][150][120][100][100][0][0][0][0][0][0][0][0][16777215][9153434][W]";
    const std::string line2 =
        ":(2)[CIRCLE][110][110][210][210][50][50][0][0][0][0][30][0][255][65280][S]";
    EXPECT_EQ(list.Text(), line1 + CrLf + line2 + CrLf + Marker);
    EXPECT_EQ(list.ShapeCount(), 2);
    EXPECT_EQ(DrawingList::RecordText(2, *list.ExtractShape(2)), line2);

    // An outline-only shape takes the background colour as its fill colour, whatever the
    // current fill colour; negative numbers keep their sign. An ellipse stores its half
    // width and height, never negative, and a text shape writes its six strings.
    DrawingList more;
    more.AppendShape(Shape("ELLIPSE", 10, 50, 35, -7),
                     NewShapeStyle{128, 255, Fill::Outline, 1234});
    ShapeRecord text = TextShape("Area = 3°", -5, 300);
    text.TextRes5 = "x";
    more.AppendShape(text, NewShapeStyle{0, 65535, Fill::Solid, 1234});
    EXPECT_EQ(more.Text(),
              ":(1)[ELLIPSE][10][50][35][-7][12][28][0][0][0][0][0][0][128][1234][W]\r\n"
              ":(2)[TEXT][-5][300][Area = 3\xB0][Arial][12][Bold][0][0][0][0][0][0][0][65535]"
              "[S]\r\n[\xFF]");
}

TEST(DrawingList, AddsNothingForAClickWithoutADragOrWithoutAKind) {
    DrawingList list;
    for (const char* k : {"LINE", "SQUARE", "CIRCLE", "ELLIPSE"})
        EXPECT_EQ(list.AppendShape(Shape(k, 40, 40, 40, 40), NewShapeStyle{}), 0) << k;
    EXPECT_EQ(list.AppendShape(Shape("", 1, 2, 3, 4), NewShapeStyle{}), 0);
    EXPECT_EQ(list.Text(), "\xFF");
    // Other kinds have their own second point; a polygon at one point is a shape.
    EXPECT_EQ(list.AppendShape(Shape("HEXAGON", 40, 40, 40, 40), NewShapeStyle{}), 1);
    EXPECT_EQ(list.AppendShape(Shape("LINE", 40, 40, 40, 41), NewShapeStyle{}), 2);
}

TEST(DrawingList, ParsingWhatWasWrittenGivesTheSameRecords) {
    DrawingList list = LineAndCircle();
    ShapeRecord tri = Shape("TRIANGLE", -2147483647 - 1, 2147483647, 17, 17);
    tri.X3 = 1;
    tri.Y3 = -2;
    tri.X4 = 3;
    tri.Y4 = -4;
    tri.Aux1 = 5;
    tri.Aux2 = -6;
    list.AppendShape(tri, NewShapeStyle{1, 2, Fill::Solid, 3});
    list.AppendShape(TextShape("Naïve – “quoted” ÿ", 20, 20), NewShapeStyle{});
    ShapeRecord odd = Shape("SOMETHING", 1, 1, 2, 2); // an unknown kind is kept as it is
    list.AppendShape(odd, NewShapeStyle{});

    DrawingList copy;
    ASSERT_EQ(copy.SetText(list.Text()), "");
    EXPECT_EQ(copy.Shapes(), list.Shapes());
    EXPECT_EQ(copy.Text(), list.Text());
    EXPECT_EQ(copy.ExtractShape(4)->Text, "Naïve – “quoted” ÿ");
    EXPECT_FALSE(copy.ExtractShape(6).has_value());
    EXPECT_FALSE(copy.ExtractShape(0).has_value());

    // Both empty forms read back as themselves.
    for (const std::string& empty : {std::string("\xFF"), Marker}) {
        ASSERT_EQ(copy.SetText(empty), "");
        EXPECT_EQ(copy.ShapeCount(), 0);
        EXPECT_EQ(copy.Text(), empty);
    }
}

TEST(DrawingList, TextShapesCannotBreakTheRecordStructure) {
    DrawingList list;
    list.AppendShape(TextShape("a[1]\r\nb\nc\rd]", 10, 10), NewShapeStyle{});
    EXPECT_EQ(list.ExtractShape(1)->Text, "a(1) b c d)");
    ShapeRecord replaced = TextShape("[x]", 10, 10);
    replaced.FontName = "Odd]\nName";
    ASSERT_TRUE(list.ReplaceShape(1, replaced));
    EXPECT_EQ(list.ExtractShape(1)->Text, "(x)");
    EXPECT_EQ(list.ExtractShape(1)->FontName, "Odd) Name");
    DrawingList copy;
    EXPECT_EQ(copy.SetText(list.Text()), "");
    EXPECT_EQ(copy.Shapes(), list.Shapes());
}

TEST(DrawingList, DeletingRenumbersTheRecordsAfterIt) {
    DrawingList list;
    for (int i = 1; i <= 12; ++i)
        list.AppendShape(Shape("LINE", i, i, i + 100, i), NewShapeStyle{});
    const auto removed = list.DeleteShape(2);
    ASSERT_TRUE(removed.has_value());
    EXPECT_EQ(removed->X1, 2);
    EXPECT_EQ(list.ShapeCount(), 11);

    // Every line of the text carries its place as its number; two-digit numbers were
    // replaced whole, and the shapes kept their order.
    const std::string text = list.Text();
    std::size_t pos = 0;
    for (int n = 1; n <= 11; ++n) {
        const std::size_t end = text.find(CrLf, pos);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(pos, end - pos);
        const std::string o = std::to_string(n == 1 ? 1 : n + 1);
        const std::string o100 = std::to_string((n == 1 ? 1 : n + 1) + 100);
        EXPECT_EQ(line, ":(" + std::to_string(n) + ")[LINE][" + o + "][" + o + "][" + o100 + "][" +
                            o + "][0][0][0][0][0][0][0][0][16777215][9153434][W]");
        pos = end + 2;
    }
    EXPECT_EQ(text.substr(pos), Marker);
    EXPECT_EQ(text.find(":(12)"), std::string::npos);

    // A number that does not exist changes nothing.
    EXPECT_FALSE(list.DeleteShape(12).has_value());
    EXPECT_FALSE(list.DeleteShape(0).has_value());
    EXPECT_EQ(list.Text(), text);

    // Deleting the only shape leaves the end marker alone; the next shape is number 1.
    DrawingList one;
    one.AppendShape(Shape("SQUARE", 1, 1, 5, 5), NewShapeStyle{});
    one.DeleteShape(1);
    EXPECT_EQ(one.Text(), Marker);
    EXPECT_EQ(one.AppendShape(Shape("SQUARE", 1, 1, 5, 5), NewShapeStyle{}), 1);
    EXPECT_EQ(one.Text().substr(0, 4), ":(1)");
    one.Clear();
    EXPECT_EQ(one.Text(), "\xFF");
}

TEST(DrawingList, ReplacingKeepsTheNumberAndPlace) {
    DrawingList list = LineAndCircle();
    const std::string before = list.Text();
    ShapeRecord moved = *list.ExtractShape(1);
    moved.X1 += 7;
    ASSERT_TRUE(list.ReplaceShape(1, moved));
    EXPECT_EQ(list.Text(), ":(1)[LINE][157]" + before.substr(15));
    EXPECT_FALSE(list.ReplaceShape(3, moved));
    EXPECT_EQ(list.ShapeCount(), 2);
}

TEST(DrawingList, RefusesDamagedTextAndKeepsTheDrawing) {
    const std::string good =
        ":(1)[LINE][150][120][100][100][0][0][0][0][0][0][0][0][16777215][9153434][W]";
    const std::string text2 = ":(2)[TEXT][1][2][Hi][Arial][x9][Bold][0][0][0][0][0][0][0][0][W]";
    struct Case {
        std::string text;
        std::string expect; // a part of the message
    };
    const Case cases[] = {
        {good + CrLf + Marker.substr(0, 2), "end marker"}, // cut in the marker
        {good.substr(0, 40), "end marker"},                // truncated last record
        {good.substr(0, 40) + Marker, "line end"},         // truncated, then marker
        {good + Marker, "line end"},                       // no CR LF
        {good.substr(0, 9) + good.substr(10) + CrLf + Marker, "not closed"}, // lost "]"
        {":(1)[LINE]150][120]" + CrLf + Marker, "field is missing"},
        {good.substr(0, good.size() - 3) + CrLf + Marker, "field is missing"}, // 15 fields
        {good + "x" + CrLf + Marker, "after the last field"},
        {":(1)[LINE][1x0][120][100][100][0][0][0][0][0][0][0][0][1][2][W]" + CrLf + Marker,
         "'1x0' is not a valid integer value"},
        {":(1)[LINE][1][2][3][4][0][0][0][0][0][0][0][0][red][2][W]" + CrLf + Marker,
         "'red' is not a valid integer value"},
        {":(1)[LINE][99999999999][2][3][4][0][0][0][0][0][0][0][0][1][2][W]" + CrLf + Marker,
         "not a valid integer"},
        {good + CrLf + text2 + CrLf + Marker, "'x9' is not a valid integer value"},
        {":(2)" + good.substr(4) + CrLf + Marker, "wrong number"},
        {good + CrLf + good + CrLf + Marker, "Shape record 2"},
        {"LINE" + CrLf + Marker, "does not begin"},
        {good + "\r" + CrLf + Marker, "stray line break"},
        {good + CrLf + Marker + CrLf, "end marker"},
        {"", "end marker"},
    };
    DrawingList list = LineAndCircle();
    const std::string before = list.Text();
    for (const Case& c : cases) {
        const std::string message = list.SetText(c.text);
        EXPECT_NE(message.find(c.expect), std::string::npos) << c.expect << " -> " << message;
        EXPECT_EQ(list.Text(), before) << c.text;
    }
}

TEST(DrawingList, ADrawingPastWhatTheBoardShowsAtOnceIsRefusedWithItsReason) {
    // The most shapes read; one more is refused before anything changes.
    DrawingList most;
    for (int i = 0; i < DrawingList::kMostShapes; ++i)
        most.AppendShape(Shape("LINE", i % 300, 1, 5, 9), NewShapeStyle{});
    const std::string mostText = most.Text();
    DrawingList list = LineAndCircle();
    EXPECT_EQ(list.SetText(mostText), "");
    EXPECT_EQ(list.ShapeCount(), DrawingList::kMostShapes);
    // (The list itself takes no more: the file with one more record is written here.)
    EXPECT_EQ(most.AppendShape(Shape("LINE", 1, 1, 5, 9), NewShapeStyle{}), 0);
    std::string pastMost = mostText;
    pastMost.insert(pastMost.size() - EndMarker.size(),
                    DrawingList::RecordText(DrawingList::kMostShapes + 1,
                                            DrawingList::Storable(Shape("LINE", 1, 1, 5, 9))) +
                        "\r\n");
    list = LineAndCircle();
    const std::string before = list.Text();
    EXPECT_EQ(list.SetText(pastMost), "The drawing holds 100001 shapes, more than the 100000 "
                                      "the board shows at once");
    EXPECT_EQ(list.Text(), before);

    // A text as long as the text tool takes, counted in characters, not bytes.
    auto texts = [](std::initializer_list<std::string> words) {
        std::string text;
        int number = 0;
        for (const std::string& w : words)
            text += DrawingList::RecordText(++number, DrawingList::Storable(TextShape(w, 1, 2))) +
                    "\r\n";
        return text + std::string(EndMarker);
    };
    std::string longest;
    for (std::size_t i = 0; i < DrawingList::kMostTextChars; ++i)
        longest += "\xC3\xA9"; // é, one byte in the file
    EXPECT_EQ(list.SetText(texts({"a", longest})), "");
    EXPECT_EQ(list.SetText(texts({"a", longest + "x"})),
              "Shape record 2: its text has 32768 characters, more than the 32767 the board "
              "draws");
    // All the texts together.
    const std::string w(DrawingList::kMostTextChars, 'W');
    EXPECT_EQ(list.SetText(texts({w, w, w, w, w, w, w, w, "12345678"})), "");
    EXPECT_EQ(list.SetText(texts({w, w, w, w, w, w, w, w, "123456789"})),
              "The drawing's texts have more than 262144 characters together, more than the "
              "board draws at once");
}

TEST(DrawingList, CopiesKeepTheirOwnRecordsWhicheverChanges) {
    const DrawingList original = LineAndCircle();
    const std::string text = original.Text();
    DrawingList copy = original;
    copy.ReplaceShape(1, Shape("LINE", 1, 2, 3, 4));
    copy.AppendShape(Shape("SQUARE", 1, 2, 30, 40), NewShapeStyle{});
    copy.DeleteShape(2);
    EXPECT_EQ(original.Text(), text);
    EXPECT_EQ(copy.ShapeCount(), 2);

    DrawingList changed = original;
    const DrawingList kept = changed;
    changed.DeleteShape(1);
    changed.Clear();
    EXPECT_EQ(kept.Text(), text);
    DrawingList moved = std::move(changed);
    EXPECT_EQ(changed.ShapeCount(), 0);
    changed.AppendShape(Shape("LINE", 1, 2, 3, 4), NewShapeStyle{});
    EXPECT_EQ(moved.Text(), std::string(EndSignal));
    EXPECT_EQ(kept.Text(), text);
}

TEST(DrawingList, FieldsAreReadOneByOne) {
    FieldReader reader("xx[LINE][][-5]  [a b][");
    EXPECT_EQ(reader.NextField(), "LINE");
    EXPECT_EQ(reader.FieldCursor(), 2u);
    EXPECT_EQ(reader.NextField(), "0"); // an empty field reads as "0"
    EXPECT_EQ(reader.NextField(), "-5");
    EXPECT_EQ(reader.NextField(), "a b");
    EXPECT_EQ(reader.FieldCursor(), 16u);
    EXPECT_EQ(reader.NextField(), "\xFF"); // no closing bracket: the end signal
    EXPECT_EQ(reader.NextField(), "\xFF"); // no opening bracket either
    EXPECT_EQ(reader.NextField(), "\xFF");

    // Empty fields of a record read as 0.
    DrawingList list;
    ASSERT_EQ(list.SetText(":(1)[SQUARE][][5][][9][][][][][][][][][][][]\r\n[\xFF]"), "");
    const ShapeRecord s = *list.ExtractShape(1);
    EXPECT_EQ(s.X1, 0);
    EXPECT_EQ(s.Y1, 5);
    EXPECT_EQ(s.Y2, 9);
    EXPECT_EQ(s.FillMode, "0");
}

TEST(DrawingList, FindsTheListPartOfAFile) {
    // A text shape that reads "ÿ" writes the end marker's bytes inside its record; only a
    // marker that begins a line ends the list.
    DrawingList list;
    list.AppendShape(TextShape("\xC3\xBF", 1, 1), NewShapeStyle{});
    const std::string file = list.Text() + "\r\nIMAGES{1}\r\nrest";
    const auto length = DrawingList::ListLength(file);
    ASSERT_TRUE(length.has_value());
    EXPECT_EQ(file.substr(0, *length), list.Text());
    EXPECT_EQ(DrawingList::ListLength("[\xFF]\r\nIMAGES{0}\r\n"), 3u);
    EXPECT_FALSE(DrawingList::ListLength("\xFF\r\nIMAGES{0}\r\n").has_value());
}

TEST(BoardCoordinates, ConvertWithTruncationTowardZero) {
    EXPECT_DOUBLE_EQ(PixelToUnitX(160), 0);
    EXPECT_DOUBLE_EQ(PixelToUnitX(165), 0.5);
    EXPECT_DOUBLE_EQ(PixelToUnitY(0), 16);
    EXPECT_DOUBLE_EQ(PixelToUnitY(325), -16.5);
    EXPECT_EQ(UnitToPixelX(1.26), 172);
    EXPECT_EQ(UnitToPixelY(1.26), 147);
    EXPECT_EQ(UnitToPixelX(-16.15), -1); // -1.5 truncates to -1, not -2
    EXPECT_EQ(UnitToPixelY(16.09), 0);   // -0.9 truncates to 0
    EXPECT_EQ(UnitToPixelY(-3.99), 199);
    EXPECT_EQ(UnitLengthToPixels(16), 160);
    EXPECT_EQ(UnitLengthToPixels(-0.35), -3);
    // Out-of-range reals never make the conversion undefined.
    EXPECT_EQ(TruncToInt(std::nan("")), 0);
    EXPECT_EQ(TruncToInt(1e300), INT_MAX);
    EXPECT_EQ(TruncToInt(-std::numeric_limits<double>::infinity()), INT_MIN);
}
