#include "board/BoardTools.h"
#include "board/EditFrame.h"

#include "Shapes.h"

#include <gtest/gtest.h>

#include <string>

using namespace pelcor;

namespace {

using C = EditControl;
constexpr int Bg = DefaultBackgroundColor;
const std::string Sq = "\xC2\xB2";

struct Board {
    Canvas canvas{320, 320};
    BoardRenderer renderer{canvas};
    DrawingList list;
    BoardTools tools{list, renderer};
    EditFrame frame{list, renderer};

    // A drag with a drawing tool, as the mouse makes it.
    int Drag(ToolTag tool, int x1, int y1, int x2, int y2) {
        tools.ActiveTool = tool;
        tools.MouseDown(x1, y1, false);
        tools.MouseMove(x2, y2, true);
        return tools.MouseUp(x2, y2);
    }
    int Add(const char* kind, int x1, int y1, int x2, int y2) {
        return list.AppendShape(pelcor::testing::Shape(kind, x1, y1, x2, y2), {});
    }
    std::string Text(int n) const { return DrawingList::RecordText(n, *list.ExtractShape(n)); }
    ShapeRecord At(int n) const { return *list.ExtractShape(n); }
    const ControlState& Ctl(C c) const { return frame.Control(c); }
    // The controls' captions and texts, "-" for a hidden one, each followed by "|".
    std::string Shown(std::initializer_list<C> controls) const {
        std::string out;
        for (C c : controls)
            out += (Ctl(c).Visible ? Ctl(c).Text : "-") + "|";
        return out;
    }
};

} // namespace

TEST(EditFrame, ACircleOpensInUnitsAndOkKeepsIt) {
    Board b;
    ASSERT_EQ(b.Drag(ToolTag::Circle, 160, 160, 190, 200), 1); // radius 50 on the origin
    const std::string before = b.Text(1);
    b.renderer.Settings.SelectedShape = 1;
    ASSERT_TRUE(b.frame.OpenEditFrame(1));
    EXPECT_EQ(
        b.Shown({C::EquatLabel, C::EditX1Lbl, C::EditX1,        C::EditY1Lbl,     C::EditY1,
                 C::EditX2Lbl,  C::EditX2,    C::EditY2,        C::PrbA,          C::EditA,
                 C::PrbB,       C::EditB,     C::PrbC,          C::EditC,         C::PrbHorizl,
                 C::AreaLabel,  C::EditG,     C::EditFillOnLbl, C::EditFillColor, C::FontEditButt}),
        "Edit Circle|a = |0.000|b = |0.000|r = |5|-|height|0.000|Shape|0|Shape 0,1,2,3,4|-|"
        "Rad|Area =|78.539|Fill enabled|-|-|");
    EXPECT_EQ(b.Ctl(C::EditX2).AccessibleName, "r = ");
    EXPECT_EQ(b.Ctl(C::EditColor).Color, 16777215);
    // The guide from the centre to the edge, pointing away from the origin (to the right).
    EXPECT_TRUE(b.canvas.pixel(185, 160) == 16761024 || b.canvas.pixel(185, 159) == 16761024);

    EXPECT_EQ(b.frame.Ok(), "");
    EXPECT_FALSE(b.frame.IsOpen() || b.renderer.Settings.SelectedShape);
    EXPECT_EQ(b.Text(1), before); // the box (110, 110)-(210, 210) and every other field
}

TEST(EditFrame, OkWithNothingChangedKeepsEveryRecord) {
    Board b;
    const int spots[][2] = {{13, 301}, {97, 40}, {160, 160}, {233, 187}, {301, 9}};
    const int reach[][2] = {{1, 0}, {7, 3}, {25, -31}, {-51, 17}, {-3, -64}};
    for (const auto& p : spots) {
        for (const auto& d : reach) {
            b.tools.FillMode = d[1] % 2 ? Fill::Solid : Fill::Outline;
            b.tools.FillColor = 255 * (d[1] & 7);
            for (ToolTag t : {ToolTag::Line, ToolTag::Rectangle, ToolTag::Circle, ToolTag::Ellipse,
                              ToolTag::Triangle, ToolTag::Hexagon})
                b.Drag(t, p[0], p[1], p[0] + d[0], p[1] + d[1]);
        }
    }
    for (ToolTag tag : {ToolTag::Hyper, ToolTag::Hyper1, ToolTag::Parabola})
        b.tools.AddFixedShape(tag);
    ShapeRecord polygon = b.At(b.Add("HEXAGON", 77, 201, 43, 43)); // as the frame leaves one
    polygon.Aux1 = 330, polygon.Aux2 = 2, polygon.Aux3 = 35, polygon.Aux4 = 7;
    b.list.ReplaceShape(b.list.ShapeCount(), polygon);
    ShapeRecord text = b.At(b.Add("TEXT", 31, 47, 0, 0));
    text.Text = "Note", text.FontName = "Serif", text.FontSize = "12", text.FontStyle = "Italic";
    b.list.ReplaceShape(b.list.ShapeCount(), text);
    ASSERT_GT(b.list.ShapeCount(), 150);
    for (int n = 1; n <= b.list.ShapeCount(); ++n) {
        const std::string before = b.Text(n);
        ASSERT_TRUE(b.frame.OpenEditFrame(n));
        ASSERT_EQ(b.frame.Ok(), "");
        EXPECT_EQ(b.Text(n), before);
    }
}

TEST(EditFrame, EnterAppliesTheNewValuesAndReopens) {
    Board b;
    b.Drag(ToolTag::Circle, 160, 160, 190, 200);
    b.frame.OpenEditFrame(1);
    b.frame.SetText(C::EditX2, "2.5");
    EXPECT_EQ(b.frame.Refresh(), "");
    const ShapeRecord c = b.At(1);
    EXPECT_EQ(std::make_tuple(c.X1, c.Y1, c.X2, c.Y2, c.X3),
              std::make_tuple(135, 135, 185, 185, 25));
    EXPECT_TRUE(b.frame.IsOpen());
    EXPECT_EQ(b.Ctl(C::EditX2).Text, "2.5");

    // The triangle's "Ax = " is its lower-right vertex; moving it moves the centroid.
    b.Drag(ToolTag::Triangle, 160, 160, 160, 210);
    const ShapeRecord t = b.At(2);
    b.frame.OpenEditFrame(2);
    EXPECT_EQ(b.Shown({C::EquatLabel, C::EditX1Lbl, C::EditX1, C::EditY1, C::EditX2Lbl, C::PrbA}),
              "Triangle|Ax = |4.3|-2.5|Bx = |Cx = |"); // (X4, Y4) = (203, 185)
    b.frame.SetText(C::EditX1, "5");
    EXPECT_EQ(b.frame.Ok(), "");
    EXPECT_EQ(std::make_tuple(b.At(2).X4, b.At(2).X1, b.At(2).Y1),
              std::make_tuple(210, (t.X3 + 210 + t.Aux1) / 3, (t.Y3 + t.Y4 + t.Aux2) / 3));
}

TEST(EditFrame, ABoxThatIsNotANumberChangesNothing) {
    Board b;
    b.Drag(ToolTag::Circle, 160, 160, 190, 200);
    b.Drag(ToolTag::Hexagon, 80, 80, 110, 80);
    const std::string list = b.list.Text();
    b.frame.OpenEditFrame(1);
    b.frame.SetText(C::EditX2, "abc");
    EXPECT_EQ(b.frame.Ok(), "'abc' is not a valid floating point value");
    EXPECT_EQ(b.frame.Refresh(), "'abc' is not a valid floating point value");
    EXPECT_TRUE(b.frame.IsOpen());
    EXPECT_EQ(b.Ctl(C::EditX2).Text, "abc");
    b.frame.OpenEditFrame(2);
    b.frame.SetText(C::EditY2, "6.5"); // the number of sides
    EXPECT_EQ(b.frame.Ok(), "'6.5' is not a valid integer value");
    EXPECT_EQ(b.list.Text(), list);
}

TEST(EditFrame, EachKindHasItsLayout) {
    Board b;
    b.Drag(ToolTag::Ellipse, 100, 100, 141, 160);
    b.tools.AddFixedShape(ToolTag::Parabola);
    ShapeRecord text = b.At(b.Add("TEXT", 40, 60, 0, 0));
    text.Text = "Hello", text.FontName = "Sans", text.FontSize = "10", text.FontStyle = "Bold";
    b.list.ReplaceShape(3, text);

    b.frame.OpenEditFrame(1); // the centre is the middle of 100..141, h half of 41 pixels
    EXPECT_EQ(b.Shown({C::EquatLabel, C::EditX1Lbl, C::EditX1, C::EditX2Lbl, C::EditX2, C::EditY2}),
              "Ellipse  ( x -a ) " + Sq + " / h " + Sq + " + ( y - b ) " + Sq + " / p " + Sq +
                  " - 1  = 0 |a  = |-3.95|h  = |2.05|3.000|");

    b.frame.OpenEditFrame(2);
    EXPECT_EQ(b.Shown({C::EquatLabel, C::EditX1Lbl, C::EditA, C::AreaLabel, C::EditG, C::EditX2,
                       C::EditY2, C::EditB, C::EditC, C::FillCheck}),
              " Quadratic Function y = A x " + Sq + " + B x + C |XmM=|0.5|-|-|-|-|-|-|-|");
    EXPECT_EQ(b.frame.PrbhClicked(true), ""); // the axis turns; the frame stays open
    EXPECT_TRUE(b.At(2).Y4 == 1 && b.Ctl(C::Prbh).Checked);

    b.frame.OpenEditFrame(3); // a text keeps the equation label it had
    EXPECT_EQ(b.Shown({C::EquatLabel, C::PrbA, C::EditX1Lbl, C::EditX2, C::EditC, C::FontEditButt,
                       C::FillCheck}),
              " Quadratic Function y = A x " + Sq + " + B x + C |X1 |Text |Hello|10|Font|-|");
    EXPECT_EQ(std::make_tuple(b.Ctl(C::EditX1).Left, b.Ctl(C::EditX2).Left, b.Ctl(C::EditX2).Width,
                              b.Ctl(C::EditX2).AccessibleName, b.Ctl(C::FillCheck).Enabled),
              std::make_tuple(44, 136, 150, std::string("Text "), false));
    b.frame.FontChosen({"Serif", 14, false, true, 255});
    EXPECT_EQ(b.frame.Ok(), "");
    const ShapeRecord t = b.At(3);
    EXPECT_EQ(std::make_tuple(t.FontName, t.FontSize, t.FontStyle, t.PenColor),
              std::make_tuple(std::string("Serif"), std::string("14"), std::string("Italic"), 255));
}

TEST(EditFrame, AHyperbolaWithoutHeightOpensAndKeepsItsWidth) {
    Board b;
    b.Add("HYPER", 160, 160, 300, 0);
    const std::string before = b.Text(1);
    b.frame.OpenEditFrame(1);
    EXPECT_EQ(b.Ctl(C::EditX2).Text, "undefined");
    EXPECT_EQ(b.frame.Ok(), "");
    EXPECT_EQ(b.Text(1), before);
}

TEST(EditFrame, FillColoursCancelAndClosing) {
    Board b;
    b.tools.FillMode = Fill::Solid, b.tools.FillColor = 255;
    b.Drag(ToolTag::Rectangle, 90, 80, 40, 40);
    b.frame.OpenEditFrame(1);
    EXPECT_TRUE(b.Ctl(C::FillCheck).Checked && b.Ctl(C::EditFillColor).Visible);
    b.frame.SetFillSwatch(Bg); // the background as fill keeps the fill it had
    b.frame.SetPenSwatch(65280);
    b.frame.Refresh();
    EXPECT_EQ(std::make_pair(b.At(1).FillColor, b.At(1).PenColor), std::make_pair(255, 65280));
    b.frame.FillCheckReleased(false);
    EXPECT_FALSE(b.Ctl(C::EditFillColor).Visible);
    b.frame.Refresh();
    EXPECT_EQ(std::make_pair(b.At(1).FillMode, b.At(1).FillColor),
              std::make_pair(std::string("W"), Bg));

    // Cancel after two refreshes brings back the drawing as it was when the frame opened.
    const DrawingList backup = b.list;
    for (const auto& [box, text] : {std::pair{C::EditX2, "3"}, std::pair{C::EditY2, "-3"}}) {
        b.frame.SetText(box, text);
        b.frame.Refresh();
    }
    EXPECT_NE(b.list.Text(), backup.Text());
    b.frame.Cancel(backup);
    EXPECT_EQ(b.list.Text(), backup.Text());
    EXPECT_FALSE(b.frame.IsOpen());

    // A press on the board closes the frame only while the text tool holds text.
    b.frame.OpenEditFrame(1);
    EXPECT_FALSE(b.frame.CloseEditFrame("", "Sans", 8).Closed);
    EXPECT_TRUE(b.frame.IsOpen());
    const EditFrame::CloseResult closed = b.frame.CloseEditFrame("Hi", "Sans", 9);
    ASSERT_TRUE(closed.Closed && closed.Working);
    EXPECT_EQ(closed.Working->Kind + closed.Working->FontSize, "TEXT9");
    EXPECT_FALSE(b.frame.IsOpen());
    EXPECT_EQ(b.list.Text(), backup.Text());
}

TEST(EditFrame, AbsurdValuesAreRefusedAndChangeNothing) {
    Board b;
    b.Drag(ToolTag::Circle, 160, 160, 190, 200);
    b.Drag(ToolTag::Hexagon, 80, 80, 110, 80);
    b.tools.AddFixedShape(ToolTag::Hyper1);
    const std::pair<int, C> edits[] = {
        {1, C::EditX2}, {1, C::EditX1}, {2, C::EditX2}, {3, C::EditX2}};
    for (const auto& [shape, box] : edits) {
        const std::string before = b.list.Text();
        b.frame.OpenEditFrame(shape);
        b.frame.SetText(box, "-1e300");
        EXPECT_EQ(b.frame.Refresh(), "'-1e300' is beyond what the board keeps: at most 4194304 "
                                     "pixels (419430.4 units) either way from the board's "
                                     "top-left corner")
            << ControlName(box);
        EXPECT_EQ(b.list.Text(), before) << ControlName(box);
        EXPECT_TRUE(b.frame.IsOpen());
        EXPECT_EQ(b.Ctl(box).Text, "-1e300"); // kept for correcting
    }
}

TEST(EditFrame, AValueBeyondTheBoardIsRefusedAndTheShapeStaysWhereItWas) {
    Board b;
    b.Drag(ToolTag::Circle, 160, 160, 190, 200); // radius 50 pixels on the origin
    const std::string before = b.Text(1);
    ASSERT_TRUE(b.frame.OpenEditFrame(1));
    b.frame.SetText(C::EditX2, "500000");
    const std::string refused = b.frame.Ok();
    EXPECT_NE(refused.find("'500000'"), std::string::npos) << refused;
    EXPECT_NE(refused.find("4194304 pixels"), std::string::npos) << refused;
    EXPECT_EQ(b.Text(1), before);
    EXPECT_TRUE(b.frame.IsOpen());
    // Set back, the circle is where it was, centred on the origin.
    b.frame.SetText(C::EditX2, "5");
    EXPECT_EQ(b.frame.Ok(), "");
    EXPECT_EQ(b.Text(1), before);

    // The largest radius kept on the origin: the right edge at 4194304.
    ASSERT_TRUE(b.frame.OpenEditFrame(1));
    b.frame.SetText(C::EditX2, "419414.4");
    EXPECT_EQ(b.frame.Ok(), "");
    const ShapeRecord big = b.At(1);
    EXPECT_EQ(std::make_tuple(big.X1, big.X2, big.X3), std::make_tuple(-4193984, 4194304, 4194144));
    ASSERT_TRUE(b.frame.OpenEditFrame(1));
    EXPECT_EQ(b.Ctl(C::EditX1).Text, "0.000");
    b.frame.SetText(C::EditX2, "419414.5");
    EXPECT_NE(b.frame.Ok(), "");
}

TEST(EditFrame, OkOnAnUneditedFrameKeepsAShapeBeyondTheBoard) {
    Board b;
    const int n = b.Add("LINE", 10, 20, 300000000, 20); // 3.0E8 pixels long, read from a file
    const std::string before = b.Text(n);
    ASSERT_TRUE(b.frame.OpenEditFrame(n));
    EXPECT_EQ(b.frame.Ok(), "");
    EXPECT_EQ(b.Text(n), before);
    ASSERT_TRUE(b.frame.OpenEditFrame(n));
    EXPECT_EQ(b.frame.Refresh(), "");
    EXPECT_EQ(b.Text(n), before);

    // Another value edited: the far end stays where it was.
    b.frame.SetText(C::EditY1, "3");
    EXPECT_EQ(b.frame.Ok(), "");
    const ShapeRecord moved = b.At(n);
    EXPECT_EQ(std::make_tuple(moved.X1, moved.Y1, moved.X2, moved.Y2),
              std::make_tuple(10, 130, 300000000, 20));
    // A new colour only changes the colour.
    ASSERT_TRUE(b.frame.OpenEditFrame(n));
    b.frame.SetPenSwatch(255);
    EXPECT_EQ(b.frame.Ok(), "");
    ShapeRecord recoloured = moved;
    recoloured.PenColor = 255;
    EXPECT_EQ(b.Text(n), DrawingList::RecordText(n, recoloured));
}

TEST(EditFrame, NoToolNorEditTakesTheDrawingPastWhatItsFileReadsBack) {
    Board b;
    const std::size_t most = DrawingList::kMostTextChars;
    // One text: as long as a file's text may be, and no longer. A refused text leaves the
    // pen where it was and the drawing as it was.
    EXPECT_EQ(b.tools.AddText(std::string(most, 'W'), "Sans", 8, false, 13), 1);
    const int penY = b.tools.PenY;
    const std::string one = b.list.Text();
    EXPECT_EQ(b.tools.AddText(std::string(most + 1, 'W'), "Sans", 8, false, 13), 0);
    EXPECT_EQ(b.tools.Refused,
              "the text has 32768 characters, more than the 32767 the board draws");
    EXPECT_EQ(b.tools.PenY, penY);
    EXPECT_EQ(b.list.Text(), one);
    // All the texts together (eight of the longest and eight characters more).
    for (int i = 1; i < 8; ++i)
        ASSERT_EQ(b.tools.AddText(std::string(most, 'W'), "Sans", 8, false, 13), i + 1);
    EXPECT_EQ(b.tools.AddText("123456789", "Sans", 8, false, 13), 0);
    EXPECT_EQ(b.tools.Refused, "the drawing's texts would have 262145 characters together, more "
                               "than the 262144 the board draws at once");
    EXPECT_EQ(b.tools.AddText("12345678", "Sans", 8, false, 13), 9);
    EXPECT_EQ(b.tools.Refused, "");

    // The edit frame: a longer text is refused with the reason, the record stays and the
    // frame stays open with what was typed; a text as long as it was is taken.
    const std::string before = b.Text(9);
    ASSERT_TRUE(b.frame.OpenEditFrame(9));
    b.frame.SetText(C::EditX2, "123456789");
    EXPECT_EQ(b.frame.Ok(), "The shape was not changed: the drawing's texts would have 262145 "
                            "characters together, more than the 262144 the board draws at once");
    EXPECT_EQ(b.Text(9), before);
    EXPECT_TRUE(b.frame.IsOpen());
    EXPECT_EQ(b.Ctl(C::EditX2).Text, "123456789");
    b.frame.SetText(C::EditX2, "87654321");
    EXPECT_EQ(b.frame.Ok(), "");
    EXPECT_EQ(b.At(9).Text, "87654321");

    // Shapes: up to the most a file may hold; then no tool adds one.
    while (b.list.ShapeCount() < DrawingList::kMostShapes)
        ASSERT_GT(b.Add("LINE", 1, 2, 3, 4), 0);
    const std::string full = b.list.Text();
    EXPECT_EQ(b.Drag(ToolTag::Line, 10, 10, 50, 60), 0);
    EXPECT_EQ(b.tools.Refused, "the drawing holds 100000 shapes, the most the board shows at once");
    EXPECT_EQ(b.tools.AddFixedShape(ToolTag::Parabola), 0);
    EXPECT_EQ(b.tools.AddText("x", "Sans", 8, false, 13), 0);
    EXPECT_EQ(b.list.Text(), full);
    // What the program made reads back whole.
    DrawingList back;
    EXPECT_EQ(back.SetText(full), "");
    EXPECT_EQ(back.Shapes(), b.list.Shapes());
}
