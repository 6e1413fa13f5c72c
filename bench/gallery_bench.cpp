#include "gallery/Gallery.h"
#include "platform/Canvas.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pelcor::gallery;

// The clock one second further at every reading.
class SteppingClock : public ClockSource {
public:
    QDateTime now() const override { return at_ = at_.addSecs(1); }

private:
    mutable QDateTime at_{QDate(2026, 12, 6), QTime(9, 15, 30)};
};

// One figure drawn from a cleared picture, as an arrow shows it; the solids' index + 100
// are their wire frames.
void BM_ShowFigure(benchmark::State& state) {
    SteppingClock source;
    Gallery gallery(source);
    gallery.SetFigureIndex(static_cast<int>(state.range(0) % 100));
    if (state.range(0) >= 100) gallery.SetSolidMode(SolidMode::Wire);
    pelcor::Canvas canvas(320, 320);
    for (auto _ : state) {
        gallery.ShowFigure(canvas, {});
        benchmark::DoNotOptimize(canvas.pixel(160, 160));
    }
}
BENCHMARK(BM_ShowFigure)->DenseRange(0, 14)->DenseRange(101, 105)->Unit(benchmark::kMillisecond);

// One tick of the running clock: the last hands erased, the dial and new hands drawn.
void BM_ClockTick(benchmark::State& state) {
    SteppingClock source;
    Gallery gallery(source);
    pelcor::Canvas canvas(320, 320);
    gallery.ShowFigure(canvas, {});
    for (auto _ : state) {
        gallery.ClockTick(canvas);
        benchmark::DoNotOptimize(canvas.pixel(160, 160));
    }
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

} // namespace
