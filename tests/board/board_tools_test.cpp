#include "board/BoardTools.h"

#include <gtest/gtest.h>

using namespace pelcor;

namespace {

struct Board {
    Canvas canvas{320, 320, DefaultBackgroundColor};
    DrawingList list;
    BoardRenderer renderer{canvas};
    BoardTools tools{list, renderer};
    Board() { renderer.RepaintBoard(list); }

    int drag(ToolTag tool, int x1, int y1, int x2, int y2) {
        tools.ActiveTool = tool;
        tools.MouseDown(x1, y1, false);
        tools.MouseMove((x1 + x2) / 2, (y1 + y2) / 2, true);
        tools.MouseMove(x2, y2, true);
        return tools.MouseUp(x2, y2);
    }
};

} // namespace

TEST(BoardTools, DragsAddTheShapeOfTheActiveTool) {
    Board b;
    ASSERT_EQ(b.drag(ToolTag::Line, 100, 100, 150, 120), 1);
    ShapeRecord line = *b.list.ExtractShape(1);
    EXPECT_EQ(line.Kind, "LINE");
    EXPECT_EQ(std::make_tuple(line.X1, line.Y1, line.X2, line.Y2),
              std::make_tuple(150, 120, 100, 100));
    EXPECT_EQ(line.PenColor, 16777215);

    // A circle drag of 25.6 pixels keeps the radius 25 and a box 50 wide.
    ASSERT_EQ(b.drag(ToolTag::Circle, 100, 100, 116, 120), 2); // sqrt(16² + 20²) = 25.6
    ShapeRecord circle = *b.list.ExtractShape(2);
    EXPECT_EQ(circle.Kind, "CIRCLE");
    EXPECT_EQ(circle.X2 - circle.X1, 50);
    EXPECT_EQ(std::make_tuple(circle.X1, circle.Y1, circle.X3, circle.Aux3),
              std::make_tuple(75, 75, 25, 30));

    b.tools.FillMode = Fill::Solid;
    b.tools.FillColor = 255;
    ASSERT_EQ(b.drag(ToolTag::Rectangle, 20, 20, 60, 50), 3);
    ShapeRecord box = *b.list.ExtractShape(3);
    EXPECT_EQ(box.Kind, "SQUARE");
    EXPECT_EQ(box.FillMode, "S");
    EXPECT_EQ(b.canvas.pixel(28, 44), 255); // drawn filled

    ASSERT_EQ(b.drag(ToolTag::Ellipse, 200, 200, 260, 230), 4);
    EXPECT_EQ(b.list.ExtractShape(4)->Kind, "ELLIPSE");

    ASSERT_EQ(b.drag(ToolTag::Triangle, 160, 100, 160, 140), 5);
    ShapeRecord tri = *b.list.ExtractShape(5);
    EXPECT_EQ(std::make_tuple(tri.X1, tri.Y1, tri.X2, tri.X3, tri.Y3),
              std::make_tuple(160, 100, 40, 160, 60));

    ASSERT_EQ(b.drag(ToolTag::Hexagon, 250, 80, 280, 80), 6);
    ShapeRecord hex = *b.list.ExtractShape(6);
    EXPECT_EQ(std::make_tuple(hex.Kind, hex.X2, hex.Y2, hex.Aux1, hex.Aux4),
              std::make_tuple(std::string("HEXAGON"), 30, 6, 15, 6));
    EXPECT_EQ(b.list.ShapeCount(), 6);
}

TEST(BoardTools, AClickWithoutADragOrWithThePointerAddsNothing) {
    Board b;
    b.tools.ActiveTool = ToolTag::Line;
    b.tools.MouseDown(50, 50, false);
    EXPECT_EQ(b.tools.MouseUp(50, 50), 0);
    b.tools.MouseDown(50, 50, false);
    b.tools.MouseMove(50, 50, true); // a move back to the same point has no extent
    EXPECT_EQ(b.tools.MouseUp(50, 50), 0);
    EXPECT_EQ(b.drag(ToolTag::Pointer, 10, 10, 80, 80), 0);
    b.tools.ActiveTool = ToolTag::Line;
    b.tools.MouseDown(10, 10, true); // the right button never draws
    b.tools.MouseMove(80, 80, false);
    EXPECT_EQ(b.tools.MouseUp(80, 80), 0);
    EXPECT_EQ(b.list.ShapeCount(), 0);
}

TEST(BoardTools, PreviewsEraseThemselvesAndGuidesGoAway) {
    Board b;
    const Canvas before = b.canvas;
    b.tools.ActiveTool = ToolTag::Line;
    b.tools.MouseDown(40, 250, false);
    EXPECT_EQ(b.canvas.pixel(10, 250), 8421504); // the crosshair guides are grey
    EXPECT_EQ(b.canvas.pixel(40, 300), 8421504);
    b.tools.MouseMove(100, 200, true);
    b.tools.MouseMove(100, 300, true);
    EXPECT_EQ(b.canvas.pixel(70, 225), DefaultBackgroundColor); // the first preview is erased
    EXPECT_EQ(b.canvas.pixel(70, 275), 16777215);
    b.tools.MouseMove(40, 250, false); // no button: nothing changes
    EXPECT_EQ(b.tools.MouseUp(100, 300), 0);
    EXPECT_EQ(b.canvas.image(), before.image()); // guides and preview gone after the repaint
}

TEST(BoardTools, FillToggleCursorFixedShapesAndText) {
    Board b;
    b.tools.ActiveTool = ToolTag::Circle;
    b.tools.PreviousTool = ToolTag::Circle;
    b.tools.ToggleFill();
    EXPECT_EQ(b.tools.FillMode, Fill::Solid);
    b.tools.ToggleFill();
    EXPECT_EQ(b.tools.FillMode, Fill::Outline);
    EXPECT_EQ(b.tools.ActiveTool, ToolTag::Circle);

    b.canvas.setPixel(5, 5, 1114353);
    b.canvas.setPixel(6, 5, 1048831);
    EXPECT_EQ(b.tools.CursorAt(5, 5), BoardCursor::Drag);
    EXPECT_EQ(b.tools.CursorAt(6, 5), BoardCursor::SizeAll);
    EXPECT_EQ(b.tools.CursorAt(7, 5), BoardCursor::Cross);

    EXPECT_EQ(b.tools.AddFixedShape(ToolTag::Hyper), 1);
    EXPECT_EQ(b.tools.AddFixedShape(ToolTag::Hyper1), 2);
    EXPECT_EQ(b.tools.AddFixedShape(ToolTag::Parabola), 3);
    EXPECT_EQ(b.list.ExtractShape(1)->Kind, "HYPER");
    EXPECT_EQ(b.list.ExtractShape(1)->X2, 300);
    EXPECT_EQ(b.list.ExtractShape(2)->Kind, "HYPER1");
    const ShapeRecord parabola = *b.list.ExtractShape(3);
    EXPECT_EQ(std::make_tuple(parabola.X3, parabola.Aux1, parabola.Aux2),
              std::make_tuple(5, -50, -125));

    // Text lines go one under the other; an empty text adds nothing.
    b.tools.PenX = 40;
    b.tools.PenY = 60;
    EXPECT_EQ(b.tools.AddText("first", "MS Sans Serif", 8, false, 13), 4);
    EXPECT_EQ(b.tools.AddText("", "MS Sans Serif", 8, false, 13), 0);
    EXPECT_EQ(b.tools.AddText("second [x]", "MS Sans Serif", 8, true, 13), 5);
    const ShapeRecord first = *b.list.ExtractShape(4), second = *b.list.ExtractShape(5);
    EXPECT_EQ(std::make_tuple(first.X1, first.Y1, first.FontStyle),
              std::make_tuple(40, 60, std::string("Normal")));
    EXPECT_EQ(std::make_tuple(second.X1, second.Y1, second.FontStyle),
              std::make_tuple(40, 73, std::string("Bold")));
    EXPECT_EQ(second.Text, "second (x)");
}
