#include "BenchShapes.h"
#include "app/MainCalc.h"
#include "drawing/DrawingFile.h"
#include "platform/Dialogs.h"
#include "platform/Sound.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct QuietDialogs : pelcor::Dialogs {
    void showMessage(const QString&) override {}
};

struct QuietSound : pelcor::Sound {
    void beep() override {}
    void playWave(const std::string&) override {}
};

// From the end of the splash wait to the main window shown and painted: building the
// window, its start-up steps without the splash, and the first paint.
void Appear(benchmark::State& state, const std::string& programDir) {
    QuietDialogs dialogs;
    QuietSound sound;
    for (auto _ : state) {
        pelcor::MainCalcOptions options;
        options.programDir = programDir;
        options.splashTicks = 0;
        options.animate = false;
        options.dialogs = &dialogs;
        options.sound = &sound;
        pelcor::TMainCalc1 window(std::move(options));
        window.FormCreate();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}

void BM_MainWindowAppears(benchmark::State& state) {
    Appear(state, PELCOR_BIN_DIR);
}
BENCHMARK(BM_MainWindowAppears)->Unit(benchmark::kMillisecond)->Iterations(20);

void WriteFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// The same with the settings file remembering a drawing of `range(0)` records (none for 0):
// mixed, or lines alone when range(1) is 1. The program folder is a copy of build/bin made
// of links, with its own settings file.
void BM_StartUpWithADrawing(benchmark::State& state) {
    using namespace pelcor::benchshapes;
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QDir bin(PELCOR_BIN_DIR);
    for (const QString& entry : bin.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (entry.compare("Pelcor.ini", Qt::CaseInsensitive) != 0)
            QFile::link(bin.filePath(entry), folder.filePath(entry));
    const QString drawing = folder.filePath("big.pcz");
    std::string settings;
    for (int line = 1; line <= 44; ++line)
        settings += (line == 12 && count > 0 ? drawing.toStdString()
                     : line == 6             ? "3"
                                             : "") +
                    "\r\n";
    WriteFile(folder.filePath("Pelcor.ini"), settings);
    if (count > 0)
        WriteFile(drawing, pelcor::DrawingFile::FileBytes(
                               state.range(1) == 1 ? OfKind("LINE", count, 13) : Mixed(count, 13)));
    Appear(state, folder.path().toStdString());
}
BENCHMARK(BM_StartUpWithADrawing)
    ->Args({0, 0})
    ->Args({200000, 1})
    ->Args({200000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
