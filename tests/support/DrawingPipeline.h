#pragma once

// Everything the drawing board does with a drawing, run on one: drawn in every display mode,
// every shape in every form and fill, measured and described, the first ten intersected in
// pairs, each opened in the edit frame and applied, moved and turned a few pixels, and the
// result saved and read back. Shared by the fuzz target of the drawing pipeline and the
// tests of extreme coordinates; header only, as the fuzz target is built apart.

#include "board/BoardRenderer.h"
#include "board/EditFrame.h"
#include "board/Selection.h"
#include "drawing/Coordinates.h"
#include "drawing/DrawingFile.h"
#include "geometry/Intersections.h"
#include "geometry/ShapeMeasure.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <string>
#include <vector>

namespace pelcor::testing {

// The forms a shape's kind draws, by Aux2; one (its own) for the kinds without forms.
inline std::vector<int> FormsOf(const ShapeRecord& shape) {
    switch (shape.KindCode()) {
    case ShapeKind::Circle: return {0, 1, 2, 3, 4, 5};
    case ShapeKind::Hexagon: return {0, 1, 2, 3};
    default: return {shape.Aux2};
    }
}

// Draws the board in every display mode, with the selection on none, the first and the last
// shape, the shapes painted over drawn and passed over, and in move mode.
inline void DrawInEveryMode(BoardRenderer& renderer, const DrawingList& list) {
    const BoardSettings start = renderer.Settings;
    for (int mode = 0; mode < 4; ++mode) {
        renderer.Settings.WireFrame = (mode & 1) != 0;
        renderer.Settings.BlackWhite = (mode & 2) != 0;
        renderer.DrawCoveredShapes = mode == 3;
        for (int selected : {0, 1, list.ShapeCount()}) {
            renderer.Settings.SelectedShape = selected;
            renderer.RepaintBoard(list);
        }
    }
    renderer.DrawCoveredShapes = false;
    renderer.Settings = start;
    renderer.Settings.MoveMode = true;
    renderer.Settings.HandlesSuppressed = true;
    renderer.RepaintBoard(list);
    renderer.Settings = start;
}

// Runs `drawing` through the board. Returns an empty text, or the first thing that went
// wrong: the drawing the board made does not read back as it was written.
inline std::string RunDrawingPipeline(const DrawingList& drawing, int shapesEdited = 10) {
    Canvas canvas(BoardSize, BoardSize, DefaultBackgroundColor);
    BoardRenderer renderer(canvas);
    DrawingList list = drawing;
    const int count = list.ShapeCount();

    DrawInEveryMode(renderer, list);
    // Every form and fill of each shape, plain and highlighted.
    for (const ShapeRecord& shape : drawing.Shapes()) {
        for (const char* fill : {"S", "W"}) {
            for (int form : FormsOf(shape)) {
                ShapeRecord variant = shape;
                variant.FillMode = fill;
                variant.Aux2 = form;
                for (int number : {0, 1}) {
                    renderer.Settings.SelectedShape = 1;
                    renderer.SetShapeColors(variant);
                    renderer.DrawShape(variant, number);
                }
            }
        }
    }
    renderer.Settings = {};

    // Measured and described, as a press on its handle does.
    int linesBefore = 0;
    std::vector<std::optional<ShapeParameters>> parameters;
    for (int n = 1; n <= count; ++n) {
        const ShapeRecord& shape = drawing.Shapes()[static_cast<std::size_t>(n - 1)];
        const ShapeMeasurement measured = MeasureShape(shape);
        DescribeShape(measured, n, linesBefore + 1);
        if (shape.Kind == kind::Line) ++linesBefore;
        if (n <= 10) parameters.push_back(IntersectionParameters(shape));
    }
    // Every ordered pair of the first ten.
    for (std::size_t i = 0; i < parameters.size(); ++i)
        for (std::size_t j = 0; j < parameters.size(); ++j)
            if (i != j && parameters[i] && parameters[j])
                Intersect(*parameters[i], *parameters[j], "", 1, 1);

    // The first `shapesEdited` shapes each selected, edited, moved and turned (each step
    // repaints the whole board, as on screen).
    Selection selection(list, renderer);
    EditFrame frame(list, renderer);
    for (int n = 1; n <= std::min(count, shapesEdited); ++n) {
        const ShapeRecord shape = list.Shapes()[static_cast<std::size_t>(n - 1)];
        if (frame.OpenEditFrame(n)) {
            frame.Refresh();
            frame.PrbhClicked(frame.Working().Y4 == 0);
            frame.FillCheckReleased(frame.Working().FillMode != "S");
            frame.Ok();
        }
        // The press lands on the shape's first point, where the board's mouse could be.
        const int x = std::clamp(shape.X1, -CoordinateLimit, CoordinateLimit);
        const int y = std::clamp(shape.Y1, -CoordinateLimit, CoordinateLimit);
        selection.BeginPress(x);
        selection.HitTest(x, y);
        selection.SetSelectedShape(n);
        for (DragHandle handle : {DragHandle::Whole, DragHandle::Corner, DragHandle::TopVertex,
                                  DragHandle::LowerRightVertex, DragHandle::LowerLeftVertex}) {
            selection.Handle = handle;
            selection.EndFlag = !selection.EndFlag;
            selection.MoveSelected(x + 3, y - 2, false, false);
        }
        selection.Width = static_cast<long long>(shape.X2) - shape.X1;
        selection.Height = static_cast<long long>(shape.Y2) - shape.Y1;
        selection.Handle = DragHandle::Whole;
        selection.MoveSelected(x - 5, y + 4, false, false);
        selection.MoveSelected(x - 9, y, true, false); // turned, if a polygon
        selection.EndPress();
    }
    selection.Clear();
    renderer.RepaintBoard(list);

    // What the board made is saved and read back unchanged.
    const std::string bytes = DrawingFile::FileBytes(list);
    DrawingFile::Contents back;
    if (const std::string error = DrawingFile::Parse(bytes, back); !error.empty())
        return "the drawing after editing does not load: " + error;
    if (back.list.Text() != list.Text()) return "the drawing after editing reads back otherwise";
    return {};
}

} // namespace pelcor::testing
