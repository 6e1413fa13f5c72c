#include "board/BoardTools.h"

#include <benchmark/benchmark.h>

namespace {

// One drag step of the circle tool on a board of 1,000 shapes: every shape redrawn from
// the list, then the preview and the axes.
void BM_DragStepOnAThousandShapes(benchmark::State& state) {
    pelcor::Canvas canvas(320, 320, pelcor::DefaultBackgroundColor);
    pelcor::DrawingList list;
    pelcor::BoardRenderer renderer(canvas);
    pelcor::BoardTools tools(list, renderer);
    const int kinds[] = {pelcor::tool::Line,    pelcor::tool::Rectangle, pelcor::tool::Circle,
                         pelcor::tool::Ellipse, pelcor::tool::Triangle,  pelcor::tool::Hexagon};
    for (int i = 0; list.ShapeCount() < 1000; ++i) {
        const int x = 20 + (i * 37) % 280, y = 20 + (i * 53) % 280;
        tools.ActiveTool = kinds[i % 6];
        tools.MouseDown(x, y, false);
        tools.MouseMove(x + 5 + i % 15, y + 7 + i % 11, true);
        tools.MouseUp(x + 5 + i % 15, y + 7 + i % 11);
    }
    tools.ActiveTool = pelcor::tool::Circle;
    tools.MouseDown(160, 160, false);
    int step = 0;
    for (auto _ : state) {
        ++step;
        tools.MouseMove(160 + step % 60, 160 + step % 40, true);
        benchmark::DoNotOptimize(canvas.pixel(0, 0));
    }
}
BENCHMARK(BM_DragStepOnAThousandShapes)->Unit(benchmark::kMillisecond);

} // namespace
