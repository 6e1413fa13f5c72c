// The board written as a vector picture: "Export Graphics Image" as SVG and PDF of a drawing
// of 10,000 shapes of every kind, the picture drawn and its file's bytes made (the file
// itself is not written).

#include "BenchShapes.h"
#include "board/BoardRenderer.h"
#include "platform/VectorPicture.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pelcor;

// `covered`: every shape is written, even those the filled rectangles drawn after them hide
// (the export leaves those out, as the screen does).
void Export(benchmark::State& state, VectorFormat format, bool covered) {
    const DrawingList list = benchshapes::Mixed(10000, 26);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const QByteArray file = VectorPictureBytes(format, 320, 320, [&](Surface& surface) {
            BoardRenderer renderer(surface);
            renderer.DrawCoveredShapes = covered;
            renderer.RepaintBoard(list);
        });
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_kb"] = static_cast<double>(bytes) / 1024;
}

void BM_SvgExportOfTenThousandShapes(benchmark::State& state) {
    Export(state, VectorFormat::Svg, false);
}
BENCHMARK(BM_SvgExportOfTenThousandShapes)->Unit(benchmark::kMillisecond);

void BM_SvgExportOfTenThousandShapesAllWritten(benchmark::State& state) {
    Export(state, VectorFormat::Svg, true);
}
BENCHMARK(BM_SvgExportOfTenThousandShapesAllWritten)->Unit(benchmark::kMillisecond);

void BM_PdfExportOfTenThousandShapes(benchmark::State& state) {
    Export(state, VectorFormat::Pdf, false);
}
BENCHMARK(BM_PdfExportOfTenThousandShapes)->Unit(benchmark::kMillisecond);

} // namespace
