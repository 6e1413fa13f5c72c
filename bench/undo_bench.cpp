#include "BenchShapes.h"
#include "Fakes.h"
#include "board/BoardModel.h"
#include "board/DrawingCommands.h"
#include "platform/Dialogs.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

namespace {

using namespace pelcor;

struct NoDialogs : Dialogs {
    void showMessage(const QString&) override {}
};

// The board as the window drives it, with a drawing of 10,000 mixed shapes loaded (no step).
struct Drawing {
    NoReporter reporter;
    NoScreens screens;
    NoDialogs dialogs;
    Canvas canvas{320, 320, DefaultBackgroundColor};
    DrawingDocument document{reporter};
    BoardModel board{document, canvas, reporter, screens};
    DrawingCommands commands{board, screens, dialogs, reporter, {nullptr, nullptr, &canvas}};

    Drawing() {
        document.list() = benchshapes::Mixed(10000, 26);
        document.ResetHistory();
        QObject::connect(&commands, &DrawingCommands::repaintRequested,
                         [this] { board.RepaintBoard(); });
    }
    // One shape moved by a drag: one step.
    void move(int number, int dx) {
        ShapeRecord s = *document.list().ExtractShape(number);
        s.X1 += dx;
        s.X2 += dx;
        document.list().ReplaceShape(number, s);
        board.CommitStep();
    }
};

long ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// One undo and one redo of a one-shape move on a 10,000-shape drawing: the steps alone.
void BM_UndoRedoAMoveOnTenThousand(benchmark::State& state) {
    Drawing d;
    d.move(5000, 3);
    for (auto _ : state) {
        if (!d.document.Undo() || !d.document.Redo()) state.SkipWithError("no step");
    }
}
BENCHMARK(BM_UndoRedoAMoveOnTenThousand)->Unit(benchmark::kMillisecond);

// The same through the Edit menu's commands, with the board repainted after each: the board
// keeps the pictures of the drawings it showed last, so each step puts one back.
void BM_UndoRedoCommandsWithRepaintOnTenThousand(benchmark::State& state) {
    Drawing d;
    d.move(5000, 3);
    for (auto _ : state) {
        d.commands.Undo();
        d.commands.Redo();
    }
    if (d.document.CanRedo()) state.SkipWithError("the redo did not happen");
}
BENCHMARK(BM_UndoRedoCommandsWithRepaintOnTenThousand)->Unit(benchmark::kMillisecond);

// One undo through the Edit menu to a drawing whose picture is not kept (a step back beyond
// the kept pictures): the board is drawn whole. 200 moves, never shown, undone one each time.
void BM_UndoBeyondTheKeptPicturesOnTenThousand(benchmark::State& state) {
    Drawing d;
    for (int i = 0; i < 200; ++i)
        d.move(1 + (i * 37) % 10000, i % 2 ? 1 : -1);
    for (auto _ : state) {
        if (!d.document.CanUndo()) state.SkipWithError("no step left");
        d.commands.Undo();
    }
}
BENCHMARK(BM_UndoBeyondTheKeptPicturesOnTenThousand)
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);

// One undo and one redo of "CLS" on a 10,000-shape drawing: the whole list comes back.
void BM_UndoRedoClsOnTenThousand(benchmark::State& state) {
    Drawing d;
    d.document.Clear();
    for (auto _ : state) {
        if (!d.document.Undo() || !d.document.Redo()) state.SkipWithError("no step");
    }
}
BENCHMARK(BM_UndoRedoClsOnTenThousand)->Unit(benchmark::kMillisecond);

// 1,000 one-shape moves on a 10,000-shape drawing, each a step: the memory they take, as
// the process's resident size grows and as the history counts its own bytes.
void BM_MemoryOfAThousandMovesOnTenThousand(benchmark::State& state) {
    for (auto _ : state) {
        Drawing d;
        const long before = ResidentBytes();
        const std::size_t stepsBefore = d.document.history().StepBytes();
        for (int i = 0; i < 1000; ++i)
            d.move(1 + (i * 37) % 10000, i % 2 ? 1 : -1);
        const long after = ResidentBytes();
        if (d.document.history().UndoSteps() != 1000) state.SkipWithError("not 1,000 steps");
        state.counters["rss_growth_MB"] = static_cast<double>(after - before) / 1e6;
        state.counters["step_MB"] =
            static_cast<double>(d.document.history().StepBytes() - stepsBefore) / 1e6;
        state.counters["committed_copy_MB"] =
            static_cast<double>(d.document.history().CommittedBytes()) / 1e6;
    }
}
BENCHMARK(BM_MemoryOfAThousandMovesOnTenThousand)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
