#include "board/Selection.h"

#include "Shapes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pelcor;

namespace {

using Outcome = PickReport::Outcome;
constexpr int RingColor = 16711696;

using pelcor::testing::Circle;
using pelcor::testing::Shape;
using pelcor::testing::Triangle;

// The first points of a record: X1, Y1, X2, Y2, X3.
std::vector<int> Points(const ShapeRecord& s) {
    return {s.X1, s.Y1, s.X2, s.Y2, s.X3};
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
    b.Add(Shape("HEXAGON", 101, 101, 30, 6));

    HitReport hit = b.selection.HitTest(102, 101); // both within 2 pixels
    EXPECT_EQ(std::make_tuple(hit.Shape, b.renderer.Settings.SelectedShape, hit.ImagesEdit),
              std::make_tuple(1, 1, std::string("circle")));
    EXPECT_EQ(hit.Memo.rfind(" Drawing number 1 selected, a Circle     ", 0), 0u) << hit.Memo;
    EXPECT_EQ(std::make_pair(b.selection.Handle, b.selection.Width),
              std::make_pair(DragHandle::Whole, 40LL));
    EXPECT_EQ(b.selection.HitTest(103, 101).Shape, 2); // exactly 3 right of the circle's
    hit = b.selection.HitTest(104, 101);               // and of the polygon's
    EXPECT_EQ(std::make_tuple(hit.Shape, b.selection.SelectedShape(), hit.ImagesEdit, hit.ShowMemo),
              std::make_tuple(0, 0, std::string("Not Editing"), false));
    EXPECT_EQ(b.selection.HitTest(100, 97).Shape, 0); // exactly 3 above the circle's
}

TEST(Selection, MovingEveryKindOfHandle) {
    Board b;
    b.Add(Shape("SQUARE", 80, 80, 120, 120));
    b.Add(Shape("ELLIPSE", 200, 40, 241, 71)); // odd width and height
    b.Add(Shape("LINE", 20, 200, 60, 200));    // horizontal
    b.Add(Triangle());
    auto drag = [&](int fromX, int fromY, int toX, int toY) {
        b.selection.BeginPress(fromX);
        const HitReport hit = b.selection.HitTest(fromX, fromY);
        EXPECT_TRUE(b.selection.MoveSelected(toX, toY, false, false));
        b.selection.EndPress();
        return hit;
    };

    drag(100, 100, 110, 90);
    EXPECT_EQ(DrawingList::RecordText(1, b.At(1)),
              ":(1)[SQUARE][90][70][130][110][0][0][0][0][0][0][0][0][16777215][9153434][W]");
    EXPECT_EQ(b.canvas.pixel(90, 70), colors::CornerHandle); // repainted there
    EXPECT_NE(b.canvas.pixel(80, 80), colors::CornerHandle);

    drag(220, 55, 160, 30); // the middle handle of an odd box keeps its size
    EXPECT_EQ(Points(b.At(2)), (std::vector<int>{140, 15, 181, 46, 20}));

    const HitReport end = drag(62, 201, 70, 260); // the far end of a horizontal line
    EXPECT_TRUE(b.selection.EndFlag);
    EXPECT_EQ(end.Memo.rfind(" Horizonta Line Angle = 0.00 Parallel to X axies  Drawing number 3 "
                             "selected, a Line",
                             0),
              0u);
    EXPECT_EQ(Points(b.At(3)), (std::vector<int>{20, 200, 70, 260, 0}));

    drag(116, 185, 100, 200); // lower-left vertex: the centroid is the integer average
    const ShapeRecord t = b.At(4);
    EXPECT_EQ(std::make_tuple(t.Aux1, t.Aux2, t.X1, t.Y1),
              std::make_tuple(100, 200, (160 + 203 + 100) / 3, (110 + 185 + 200) / 3));
    drag(t.X1, t.Y1, t.X1 + 10, t.Y1 - 10); // the whole triangle
    EXPECT_EQ(std::make_tuple(b.At(4).X3, b.At(4).Y4, b.At(4).Aux2),
              std::make_tuple(170, 175, 190));

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
        EXPECT_EQ(std::make_pair(b.At(1).Aux1, b.At(1).X1), std::make_pair(angle, 160)) << x;
    }
}

TEST(Selection, PickingTwoShapesForAnIntersection) {
    Board b;
    b.Add(Circle(160, 160, 50));             // radius 5 on the origin
    b.Add(Shape("LINE", 160, 160, 260, 60)); // (0, 0) to (10, 10)
    b.Add(Shape("SQUARE", 20, 20, 40, 40));
    b.Add(Shape("HEXAGON", 280, 280, 20, 6));
    b.renderer.RepaintBoard(b.list);
    Selection& s = b.selection;

    EXPECT_EQ(s.PickForIntersection(160, 160, true).Result, Outcome::NotPicking);
    EXPECT_EQ(s.HitTest(160, 160).Shape, 1); // press 1: the circle
    PickReport pick = s.PickForIntersection(260, 60, true);
    EXPECT_TRUE(pick.Result == Outcome::Computed && s.FirstPickDone);
    EXPECT_EQ(pick.Memo, "Circle - Line Intersection   ( 3.53 , 3.53 ) , ( -3.53 , -3.53 )" +
                             std::string(21, ' '));
    EXPECT_EQ(std::make_pair(s.SelectedShape(), s.SecondSelectedShape()), std::make_pair(1, 2));
    // The rings at (3.53, 3.53) and (-3.53, -3.53): pixels (195, 124) and (124, 195).
    EXPECT_GT(b.Count(RingColor, 195, 124), 10);
    EXPECT_GT(b.Count(RingColor, 124, 195), 10);

    EXPECT_EQ(s.PickForIntersection(0, 0, true).Result, Outcome::Cleared); // press 3
    EXPECT_EQ(s.SelectedShape() + s.SecondSelectedShape(), 0);
    EXPECT_GT(b.Count(RingColor, 195, 124), 10); // the rings stay until a repaint

    // A rectangle first: the pointer tool is asked for, nothing computed.
    s.HitTest(30, 30);
    EXPECT_EQ(s.PickForIntersection(160, 160, true).Result, Outcome::PointerTool);
    EXPECT_FALSE(s.SelectedShape() || s.FirstPickDone);

    // A polygon and a line: no routine; the memo is the line's description.
    s.HitTest(280, 280);
    pick = s.PickForIntersection(260, 60, true);
    EXPECT_TRUE(pick.Result == Outcome::NoRoutine && pick.ShowMemo);
    EXPECT_EQ(pick.Memo, pick.Hit.Memo);

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
    b.Add(Shape("TEXT", 300, 20));
    b.selection.HitTest(260, 60);
    PickReport pick = b.selection.PickForIntersection(160, 161, true);
    ASSERT_EQ(pick.Result, Outcome::Computed);
    EXPECT_NE(pick.Memo.find("Line 3 - Circle 2 Intersection  ( 3.53 , 3.53 )"), std::string::npos)
        << pick.Memo;

    // A text as the second shape ends the pick without a word.
    b.selection.PickForIntersection(0, 0, true);
    b.selection.HitTest(260, 60);
    pick = b.selection.PickForIntersection(300, 20, true);
    EXPECT_TRUE(pick.Result == Outcome::SecondIsText && !pick.ShowMemo &&
                b.selection.FirstPickDone);
}
