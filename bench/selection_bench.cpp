#include "Fakes.h"
#include "board/BoardModel.h"
#include "board/Selection.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pelcor;

// `count` shapes away from the bottom-right corner, of the six kinds the drawing tools
// make; with `curves` four in ten are the toolbar's hyperbolas and parabola and texts
// instead, so that every kind has about its share.
void AddShapes(DrawingList& list, int count, bool curves) {
    const char* tools[] = {"LINE", "SQUARE", "CIRCLE", "ELLIPSE", "TRIANGLE", "HEXAGON"};
    const char* others[] = {"HYPER", "HYPER1", "PARABOLA", "TEXT"};
    for (int i = 0; list.ShapeCount() < count; ++i) {
        const int x = 20 + (i * 37) % 240, y = 20 + (i * 53) % 240, d = 5 + i % 15;
        ShapeRecord s;
        s.Kind = curves && i % 10 >= 6 ? others[i % 10 - 6] : tools[i % 6];
        s.X1 = x, s.Y1 = y, s.X2 = x + d, s.Y2 = y + d;
        if (s.Kind == "CIRCLE" || s.Kind == "ELLIPSE") s.X3 = s.Y3 = d / 2, s.Aux3 = 30;
        if (s.Kind == "TRIANGLE")
            s.X2 = s.Y2 = d, s.X3 = x, s.Y3 = y - d, s.X4 = x + d, s.Y4 = y + d / 2, s.Aux1 = x - d,
            s.Aux2 = y + d / 2;
        if (s.Kind == "HEXAGON") s.X2 = d, s.Y2 = 6, s.Aux1 = 15, s.Aux3 = 30, s.Aux4 = 6;
        if (s.Kind == "HYPER") s.X2 = 300, s.Y2 = 200;
        if (s.Kind == "HYPER1") s.X2 = 50, s.Y2 = 0;
        if (s.Kind == "PARABOLA") s.X2 = s.Y2 = 0, s.X3 = 5, s.Aux1 = -50, s.Aux2 = -125;
        if (s.Kind == "TEXT") {
            s.Text = "Text";
            s.FontName = "Sans";
            s.FontSize = std::to_string(8);
        }
        list.AppendShape(s, {});
    }
}

struct Board {
    Canvas canvas{320, 320, DefaultBackgroundColor};
    DrawingList list;
    BoardRenderer renderer{canvas};
    Selection selection{list, renderer};

    Board(int count, bool curves) { AddShapes(list, count, curves); }
};

ShapeRecord Circle(int cx, int cy, int r) {
    ShapeRecord circle;
    circle.Kind = "CIRCLE";
    circle.X1 = cx - r, circle.Y1 = cy - r;
    circle.X2 = cx + r, circle.Y2 = cy + r;
    circle.X3 = circle.Y3 = r;
    return circle;
}

// The board as the window drives it, on a board of `count` shapes and a circle about
// (300, 300) after them.
struct Window {
    NoReporter reporter;
    NoScreens screens;
    Canvas canvas{320, 320, DefaultBackgroundColor};
    DrawingDocument document{reporter};
    BoardModel model{document, canvas, reporter, screens};

    Window(int count, bool curves) {
        AddShapes(document.list(), count, curves);
        document.list().AppendShape(Circle(300, 300, 10), {});
        model.SelectTool(ToolTag::Pointer);
        model.RepaintBoard();
    }
};

// A press on the handle of the last of 10,000 shapes: the whole list is searched.
void BM_HitTestLastOfTenThousand(benchmark::State& state) {
    Board b(9999, true);
    b.list.AppendShape(Circle(300, 300, 10), {});
    for (auto _ : state) {
        const HitReport hit = b.selection.HitTest(300, 301);
        if (hit.Shape != 10000) state.SkipWithError("the last shape was not hit");
        benchmark::DoNotOptimize(hit.Memo.data());
    }
}
BENCHMARK(BM_HitTestLastOfTenThousand)->Unit(benchmark::kMicrosecond);

// The same press through the board's mouse, with its release: the pointer tool is chosen
// (two passes over the shapes), the hit test, and the release's repaint of the board.
void BM_PressAndReleaseOnTheLastOfTenThousand(benchmark::State& state) {
    Window w(9999, true);
    for (auto _ : state) {
        w.model.MouseDown(300, 300, false);
        w.model.MouseUp(300, 300);
        if (w.model.selection().SelectedShape() != 10000)
            state.SkipWithError("the last shape was not selected");
    }
}
BENCHMARK(BM_PressAndReleaseOnTheLastOfTenThousand)->Unit(benchmark::kMillisecond);

// One drag step of the selected circle through the board's mouse, among 1,000 shapes.
void BM_MouseDragStepOnAThousandMixedShapes(benchmark::State& state) {
    Window w(1000, true);
    w.model.MouseDown(300, 300, false);
    if (!w.model.MoveByPress()) state.SkipWithError("no move started");
    int step = 0;
    for (auto _ : state) {
        ++step;
        w.model.MouseMove(290 + step % 20, 290 + step % 15, true, false);
        benchmark::DoNotOptimize(w.canvas.pixel(0, 0));
    }
}
BENCHMARK(BM_MouseDragStepOnAThousandMixedShapes)->Unit(benchmark::kMillisecond);

// One drag step of a selected rectangle: its record rewritten and the board repainted.
void DragStep(benchmark::State& state, bool curves) {
    Board b(1000, curves);
    const int number = b.list.AppendShape(
        [] {
            ShapeRecord r;
            r.Kind = "SQUARE";
            r.X1 = r.Y1 = 280;
            r.X2 = r.Y2 = 300;
            return r;
        }(),
        {});
    b.selection.HitTest(290, 290);
    if (b.selection.SelectedShape() != number) state.SkipWithError("nothing selected");
    int step = 0;
    for (auto _ : state) {
        ++step;
        b.selection.MoveSelected(280 + step % 20, 280 + step % 15, false, false);
        benchmark::DoNotOptimize(b.canvas.pixel(0, 0));
    }
}
void BM_DragSelectedOnAThousandToolShapes(benchmark::State& state) {
    DragStep(state, false);
}
void BM_DragSelectedOnAThousandMixedShapes(benchmark::State& state) {
    DragStep(state, true);
}
BENCHMARK(BM_DragSelectedOnAThousandToolShapes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragSelectedOnAThousandMixedShapes)->Unit(benchmark::kMillisecond);

// The repaint alone, for comparison: what the drag step costs beyond it is the move's own.
// A pixel is set first, as any other drawing would: a pass asked for again over its own
// unchanged picture is skipped, and would measure nothing.
void Repaint(benchmark::State& state, bool curves) {
    Board b(1001, curves);
    int step = 0;
    for (auto _ : state) {
        ++step;
        b.canvas.setPixel(step % 320, 5, step);
        b.renderer.RepaintBoard(b.list);
        benchmark::DoNotOptimize(b.canvas.pixel(0, 0));
    }
}
void BM_RepaintAThousandToolShapes(benchmark::State& state) {
    Repaint(state, false);
}
void BM_RepaintAThousandMixedShapes(benchmark::State& state) {
    Repaint(state, true);
}
BENCHMARK(BM_RepaintAThousandToolShapes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintAThousandMixedShapes)->Unit(benchmark::kMillisecond);

} // namespace
