#include "app/MainCalc.h"
#include "platform/Dialogs.h"
#include "platform/Sound.h"

#include <benchmark/benchmark.h>

#include <QApplication>

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
void BM_MainWindowAppears(benchmark::State& state) {
    QuietDialogs dialogs;
    QuietSound sound;
    for (auto _ : state) {
        pelcor::MainCalcOptions options;
        options.programDir = PELCOR_BIN_DIR;
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
BENCHMARK(BM_MainWindowAppears)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
