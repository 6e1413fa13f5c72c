#include "board/Selection.h"

#include <gtest/gtest.h>

#include <string>

using namespace pelcor;

namespace {

using Outcome = PickReport::Outcome;
constexpr int RingColor = 16711696;

ShapeRecord Shape(const char* kind, int x1, int y1, int x2 = 0, int y2 = 0) {
    ShapeRecord s;
    s.Kind = kind;
    s.X1 = x1, s.Y1 = y1, s.X2 = x2, s.Y2 = y2;
    return s;
}
ShapeRecord Circle(int cx, int cy, int r) {
    ShapeRecord s = Shape("CIRCLE", cx - r, cy - r, cx + r, cy + r);
    s.X3 = s.Y3 = r;
    return s;
}
ShapeRecord Triangle() { // centre (160, 160), radius 50, as the tool draws it
    ShapeRecord s = Shape("TRIANGLE", 160, 160, 50, 50);
    s.X3 = 160, s.Y3 = 110, s.X4 = 203, s.Y4 = 185, s.Aux1 = 116, s.Aux2 = 185;
    return s;
}

struct Board {
    Canvas canvas{320, 320};
    BoardRenderer renderer{canvas};
    DrawingList list;
    Selection selection{list, renderer};

    int Add(const ShapeRecord& s) { return list.AppendShape(s, {}); }
    ShapeRecord At(int n) const { return *list.ExtractShape(n); }
    int Count(int color, int cx, int cy, int half = 6) const {
        int n = 0;
        for (int y = cy - half; y <= cy + half; ++y)
            for (int x = cx - half; x <= cx + half; ++x)
                n += canvas.pixel(x, y) == color;
        return n;
    }
};

} // namespace

TEST(Selection, LowestNumberWinsStrictlyWithinThreePixels) {
    Board b;
    b.Add(Circle(100, 100, 20));
    ShapeRecord hexagon = Shape("HEXAGON", 101, 101, 30, 6);
    hexagon.Aux4 = 6;
    b.Add(hexagon);

    HitReport hit = b.selection.HitTest(102, 101); // both within 2 pixels
    EXPECT_EQ(hit.Shape, 1);
    EXPECT_EQ(b.selection.SelectedShape(), 1);
    EXPECT_EQ(b.renderer.Settings.SelectedShape, 1);
    EXPECT_EQ(hit.ImagesEdit, "circle");
    EXPECT_TRUE(hit.ShowMemo);
    EXPECT_EQ(hit.Memo.rfind(" Drawing number 1 selected, a Circle     ", 0), 0u) << hit.Memo;
    EXPECT_EQ(b.selection.Handle, DragHandle::Whole);
    EXPECT_EQ(b.selection.Width, 40);

    EXPECT_EQ(b.selection.HitTest(103, 101).Shape, 2); // exactly 3 right of the circle's
    hit = b.selection.HitTest(104, 101);               // and of the polygon's
    EXPECT_EQ(hit.Shape, 0);
    EXPECT_EQ(b.selection.SelectedShape(), 0);
    EXPECT_EQ(hit.ImagesEdit, "Not Editing");
    EXPECT_FALSE(hit.ShowMemo);
    EXPECT_EQ(b.selection.HitTest(100, 97).Shape, 0); // exactly 3 above the circle's
}

TEST(Selection, HandlesAndTheTextsOfAStraightLine) {
    Board b;
    b.Add(Shape("LINE", 10, 10, 40, 30));
    b.Add(Shape("LINE", 100, 120, 200, 120)); // horizontal
    b.Add(Triangle());
    ShapeRecord text = Shape("TEXT", 250, 250);
    text.Text = "Hi";
    b.Add(text);
    const std::string horizontal = " Horizonta Line Angle = 0.00 Parallel to X axies ";

    HitReport hit = b.selection.HitTest(150, 120);
    EXPECT_EQ(hit.Shape, 2);
    EXPECT_EQ(hit.LineOrdinal, 2);
    EXPECT_EQ(b.selection.Handle, DragHandle::Whole);
    EXPECT_EQ(hit.Memo.rfind(horizontal + " Drawing number 2 selected, a Line", 0), 0u);
    EXPECT_NE(hit.Memo.find(" Horizonta Line   y =4.000"), std::string::npos) << hit.Memo;
    hit = b.selection.HitTest(200, 121);
    EXPECT_EQ(b.selection.Handle, DragHandle::Corner);
    EXPECT_TRUE(b.selection.EndFlag);
    EXPECT_EQ(hit.Memo.rfind(horizontal, 0), 0u);
    b.selection.HitTest(99, 119);
    EXPECT_FALSE(b.selection.EndFlag);
    EXPECT_EQ(b.selection.HitTest(40, 30).Memo.rfind(" Drawing number 1", 0), 0u);

    const std::pair<int, int> vertices[] = {{160, 160}, {160, 110}, {203, 185}, {116, 185}};
    const DragHandle handles[] = {DragHandle::Whole, DragHandle::TopVertex,
                                  DragHandle::LowerRightVertex, DragHandle::LowerLeftVertex};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(b.selection.HitTest(vertices[i].first, vertices[i].second).Shape, 3);
        EXPECT_EQ(b.selection.Handle, handles[i]);
    }
    hit = b.selection.HitTest(251, 249);
    EXPECT_EQ(hit.ImagesEdit, "text");
    EXPECT_TRUE(hit.HideTextTool);
}

TEST(Selection, MovingEveryKindOfHandle) {
    Board b;
    b.Add(Shape("SQUARE", 80, 80, 120, 120));
    b.Add(Shape("ELLIPSE", 200, 40, 241, 71)); // odd width and height
    b.Add(Shape("LINE", 20, 200, 60, 240));
    b.Add(Triangle());
    auto drag = [&](int fromX, int fromY, int toX, int toY) {
        b.selection.BeginPress(fromX);
        b.selection.HitTest(fromX, fromY);
        EXPECT_TRUE(b.selection.MoveSelected(toX, toY, false, false));
        b.selection.EndPress();
    };

    drag(100, 100, 110, 90);
    EXPECT_EQ(DrawingList::RecordText(1, b.At(1)),
              ":(1)[SQUARE][90][70][130][110][0][0][0][0][0][0][0][0][16777215][9153434][W]");
    EXPECT_EQ(b.canvas.pixel(90, 70), boardcolor::CornerHandle); // repainted there
    EXPECT_NE(b.canvas.pixel(80, 80), boardcolor::CornerHandle);

    drag(220, 55, 160, 30); // the middle handle of an odd box keeps its size
    EXPECT_EQ(b.At(2).X1, 140);
    EXPECT_EQ(b.At(2).X2 - b.At(2).X1, 41);
    EXPECT_EQ(b.At(2).Y2 - b.At(2).Y1, 31);
    EXPECT_EQ(b.At(2).X3, 20);

    drag(60, 240, 70, 260); // the far end
    EXPECT_EQ(b.At(3).X1, 20);
    EXPECT_EQ(b.At(3).X2, 70);
    EXPECT_EQ(b.At(3).Y2, 260);

    drag(116, 185, 100, 200); // lower-left vertex: the centroid is the integer average
    ShapeRecord t = b.At(4);
    EXPECT_EQ(t.Aux1, 100);
    EXPECT_EQ(t.X1, (160 + 203 + 100) / 3);
    EXPECT_EQ(t.Y1, (110 + 185 + 200) / 3);
    drag(t.X1, t.Y1, t.X1 + 10, t.Y1 - 10); // the whole triangle
    EXPECT_EQ(b.At(4).X3, 170);
    EXPECT_EQ(b.At(4).Y4, 175);
    EXPECT_EQ(b.At(4).Aux2, 190);

    b.selection.HitTest(100 + 10, 90); // intersection mode: nothing moves
    EXPECT_FALSE(b.selection.MoveSelected(0, 0, false, true));
    EXPECT_EQ(b.At(1).X1, 90);
}

TEST(Selection, RotatingAPolygonWrapsItsAngle) {
    Board b;
    ShapeRecord hexagon = Shape("HEXAGON", 160, 160, 40, 6);
    hexagon.Aux1 = 15;
    hexagon.Aux4 = 6;
    b.Add(hexagon);
    b.selection.HitTest(160, 160);
    b.selection.BeginPress(200);
    const std::pair<int, int> steps[] = {{190, 55}, {200, 15}, {205, 360}, {200, 0}, {110, 360}};
    for (const auto& [x, angle] : steps) {
        b.selection.MoveSelected(x, 0, true, false);
        EXPECT_EQ(b.At(1).Aux1, angle) << x;
        EXPECT_EQ(b.At(1).X1, 160); // turning does not move it
    }
}

TEST(Selection, PickingTwoShapesForAnIntersection) {
    Board b;
    b.Add(Circle(160, 160, 50));             // radius 5 on the origin
    b.Add(Shape("LINE", 160, 160, 260, 60)); // (0, 0) to (10, 10)
    b.Add(Shape("SQUARE", 20, 20, 40, 40));
    ShapeRecord hexagon = Shape("HEXAGON", 280, 280, 20, 6);
    hexagon.Aux4 = 6;
    b.Add(hexagon);
    b.renderer.RepaintBoard(b.list);
    Selection& s = b.selection;

    EXPECT_EQ(s.PickForIntersection(160, 160, true).Result, Outcome::NotPicking);
    EXPECT_EQ(s.HitTest(160, 160).Shape, 1); // press 1: the circle
    PickReport pick = s.PickForIntersection(260, 60, true);
    EXPECT_EQ(pick.Result, Outcome::Computed);
    EXPECT_TRUE(s.FirstPickDone);
    EXPECT_EQ(pick.Hit.ImagesEdit, "line");
    EXPECT_EQ(pick.Memo, "Circle - Line Intersection   ( 3.53 , 3.53 ) , ( -3.53 , -3.53 )" +
                             std::string(21, ' '));
    EXPECT_EQ(s.SelectedShape(), 1);
    EXPECT_EQ(s.SecondSelectedShape(), 2);
    // The rings at (3.53, 3.53) and (-3.53, -3.53): pixels (195, 124) and (124, 195).
    EXPECT_GT(b.Count(RingColor, 195, 124), 10);
    EXPECT_GT(b.Count(RingColor, 124, 195), 10);
    EXPECT_EQ(pick.Rings.size(), 2u);

    EXPECT_EQ(s.PickForIntersection(0, 0, true).Result, Outcome::Cleared); // press 3
    EXPECT_EQ(s.SelectedShape() + s.SecondSelectedShape(), 0);
    EXPECT_GT(b.Count(RingColor, 195, 124), 10); // the rings stay until a repaint

    // A rectangle first: the pointer tool is asked for, nothing computed.
    s.HitTest(30, 30);
    EXPECT_EQ(s.PickForIntersection(160, 160, true).Result, Outcome::PointerTool);
    EXPECT_EQ(s.SelectedShape(), 0);
    EXPECT_FALSE(s.FirstPickDone);

    // A polygon and a line: no routine; the memo is the line's description.
    s.HitTest(280, 280);
    pick = s.PickForIntersection(260, 60, true);
    EXPECT_EQ(pick.Result, Outcome::NoRoutine);
    EXPECT_EQ(pick.Memo, pick.Hit.Memo);
    EXPECT_TRUE(pick.ShowMemo);

    // A press on nothing at the second pick clears the first.
    s.Clear();
    s.HitTest(160, 160);
    EXPECT_EQ(s.PickForIntersection(5, 300, true).Result, Outcome::NothingHit);
    EXPECT_EQ(s.SelectedShape(), 0);
}

TEST(Selection, LineThenCircleNamesTheirPlaces) {
    Board b;
    b.Add(Circle(60, 60, 10));
    b.Add(Shape("LINE", 170, 150, 260, 60)); // y = x
    b.Add(Shape("LINE", 10, 300, 30, 310));
    b.Add(Circle(160, 160, 50));
    ShapeRecord text = Shape("TEXT", 300, 20);
    b.Add(text);
    b.selection.HitTest(260, 60);
    PickReport pick = b.selection.PickForIntersection(160, 161, true);
    ASSERT_EQ(pick.Result, Outcome::Computed);
    EXPECT_NE(pick.Memo.find("Line 3 - Circle 2 Intersection  ( 3.53 , 3.53 )"), std::string::npos)
        << pick.Memo;

    // A text as the second shape ends the pick without a word.
    b.selection.PickForIntersection(0, 0, true);
    b.selection.HitTest(260, 60);
    pick = b.selection.PickForIntersection(300, 20, true);
    EXPECT_EQ(pick.Result, Outcome::SecondIsText);
    EXPECT_FALSE(pick.ShowMemo);
    EXPECT_TRUE(b.selection.FirstPickDone);
}

TEST(Selection, RingKeepsTheCanvasPenAndBrush) {
    Canvas c(320, 320);
    c.setPenColor(255);
    c.setBrushStyle(Canvas::BrushStyle::Solid);
    MarkTwoPoints(c, 0, 0, 1e300, -1e300); // the far one is clamped, not a crash
    EXPECT_EQ(c.penColor(), 255);
    EXPECT_EQ(c.brushStyle(), Canvas::BrushStyle::Solid);
    EXPECT_EQ(c.pixel(155, 160), RingColor);
    EXPECT_EQ(c.pixel(160, 155), RingColor);
    EXPECT_NE(c.pixel(160, 160), RingColor); // clear inside
}
