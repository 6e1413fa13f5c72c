// Start-up and opening with the largest file of each kind the program reads: the time from
// creating the main window to its first paint, and the memory it takes beyond an empty
// start (resident set, the peak during start-up and what stays afterwards).
//
// Run one case per process for clean memory figures, e.g.
//   build-rel/bench/pelcor_bench --benchmark_filter='BM_Open/tape_16MB_lines$'
#include "BenchShapes.h"
#include "app/MainCalc.h"
#include "drawing/DrawingFile.h"
#include "editor/TextEditor.h"
#include "platform/Dialogs.h"
#include "platform/FileRead.h"
#include "platform/Sound.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <functional>
#include <malloc.h>
#include <map>
#include <string>

namespace {

// The resident set of this process, from /proc/self/status ("VmRSS:" or the peak "VmHWM:").
long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == field) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

// Memory from a start point: the peak is reset there, so it counts this case only.
struct MemoryProbe {
    long base = 0;
    void Start() {
        malloc_trim(0);
        base = StatusKb("VmRSS:");
        std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak resident set
    }
    double PeakMb() const { return (StatusKb("VmHWM:") - base) / 1024.0; }
    double NowMb() const { return (StatusKb("VmRSS:") - base) / 1024.0; }
};

struct QuietDialogs : pelcor::Dialogs {
    QString open;
    void showMessage(const QString&) override {}
    QString openFileName(const QString&, int, const QString&) override { return open; }
};

struct QuietSound : pelcor::Sound {
    void beep() override {}
    void playWave(const std::string&) override {}
};

void WriteFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A program folder made of links to build/bin, with its own settings (remembering
// `drawing` when given, with `settingsLines` replacing lines of its own) and tape.
struct ProgramFolder {
    QTemporaryDir dir;
    ProgramFolder() {
        const QDir bin(PELCOR_BIN_DIR);
        for (const QString& entry : bin.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (entry.compare("Pelcor.ini", Qt::CaseInsensitive) != 0 &&
                entry.compare("TotalStr.dat", Qt::CaseInsensitive) != 0)
                QFile::link(bin.filePath(entry), dir.filePath(entry));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void Settings(const std::map<int, std::string>& lines) {
        std::string bytes;
        for (int line = 1; line <= 44; ++line) {
            const auto given = lines.find(line);
            bytes += (given != lines.end() ? given->second : line == 6 ? "3" : "") + "\r\n";
        }
        WriteFile(path("Pelcor.ini"), bytes);
    }
};

// A tape file of exactly `bytes` bytes made of `line` repeated (the last one cut).
std::string TapeOf(std::size_t bytes, const std::string& line) {
    std::string out;
    out.reserve(bytes);
    while (out.size() < bytes)
        out += line;
    out.resize(bytes);
    return out;
}

// One start-up: the window created, started and painted once, after `then` (the opening of
// a file after start) when given.
void StartUp(benchmark::State& state, ProgramFolder& folder,
             const std::function<void(pelcor::TMainCalc1&, QuietDialogs&)>& then = {}) {
    QuietDialogs dialogs;
    QuietSound sound;
    {
        // Once before measuring: the fonts, styles and plugins any start loads.
        pelcor::MainCalcOptions options;
        options.programDir = folder.path("warm").toStdString();
        QDir().mkpath(folder.path("warm"));
        options.splashTicks = 0;
        options.animate = false;
        options.dialogs = &dialogs;
        options.sound = &sound;
        pelcor::TMainCalc1 warm(std::move(options));
        warm.FormCreate();
        QApplication::processEvents();
        warm.hide();
    }
    MemoryProbe memory;
    double peak = 0, kept = 0;
    for (auto _ : state) {
        memory.Start();
        pelcor::MainCalcOptions options;
        options.programDir = folder.dir.path().toStdString();
        options.splashTicks = 0;
        options.animate = false;
        options.dialogs = &dialogs;
        options.sound = &sound;
        pelcor::TMainCalc1 window(std::move(options));
        window.FormCreate();
        if (then) then(window, dialogs);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
        peak = memory.PeakMb();
        kept = memory.NowMb();
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peak;
    state.counters["kept_MB"] = kept;
}

void BM_Open(benchmark::State& state, const std::string& what) {
    using namespace pelcor;
    ProgramFolder folder;
    std::function<void(TMainCalc1&, QuietDialogs&)> then;
    const std::size_t tapeMost = read_limit::Tape;
    if (what == "empty") {
        folder.Settings({});
    } else if (what == "tape_16MB_lines") {
        // Calculations as the keypad writes them.
        folder.Settings({});
        WriteFile(folder.path("TotalStr.dat"), TapeOf(tapeMost, "123.456 x 789 = 97406.784\r\n"));
    } else if (what == "tape_16MB_short_lines") {
        folder.Settings({});
        WriteFile(folder.path("TotalStr.dat"), TapeOf(tapeMost, "1 + 1 = 2\r\n"));
    } else if (what == "tape_16MB_line_ends") {
        // The most lines a tape file of the limit can have: empty ones.
        folder.Settings({});
        WriteFile(folder.path("TotalStr.dat"), std::string(tapeMost, '\n'));
    } else if (what.starts_with("view_tape_16MB")) {
        // "View calculations" with the largest tape, once the window is up.
        folder.Settings({});
        WriteFile(folder.path("TotalStr.dat"),
                  what == "view_tape_16MB_line_ends"
                      ? std::string(tapeMost, '\n')
                      : TapeOf(tapeMost, "123.456 x 789 = 97406.784\r\n"));
        then = [](TMainCalc1& w, QuietDialogs&) { w.menuAction("Viewcalculations1")->trigger(); };
    } else if (what == "check_pcz_drawing_100000") {
        // "Check/Edit .pcz File" with the largest drawing.
        const QString drawing = folder.path("big.pcz");
        folder.Settings({{12, drawing.toStdString()}});
        WriteFile(drawing, DrawingFile::FileBytes(benchshapes::Mixed(100000, 13)));
        then = [](TMainCalc1& w, QuietDialogs&) { w.menuAction("CheckEditpczFile1")->trigger(); };
    } else if (what == "tape_16MB_one_line") {
        folder.Settings({});
        WriteFile(folder.path("TotalStr.dat"), TapeOf(tapeMost, "1234567890 + "));
    } else if (what == "settings_1MB") {
        // Every line that takes any text, the readout and the information line the longest.
        const std::size_t half = (read_limit::Settings - 2000) / 2;
        folder.Settings({{1, std::string(half, '7')}, {14, std::string(half, 'i')}});
    } else if (what.starts_with("drawing_")) {
        const int count = std::stoi(what.substr(8));
        const QString drawing = folder.path("big.pcz");
        folder.Settings({{12, drawing.toStdString()}});
        WriteFile(drawing, DrawingFile::FileBytes(benchshapes::Mixed(count, 13)));
    } else if (what.starts_with("text_shape")) {
        // Text shapes at the font size 100,000: one of `chars` characters, or eight of the
        // most one text may have ("text_shapes_8x...").
        const bool eight = what.starts_with("text_shapes_8x");
        const std::size_t chars = std::stoul(what.substr(eight ? 14 : 11));
        DrawingList list;
        for (int i = 0; i < (eight ? 8 : 1); ++i) {
            ShapeRecord text;
            text.Kind = "TEXT";
            text.X1 = 10, text.Y1 = 10 + 30 * i;
            text.Text = std::string(chars, 'W');
            text.FontName = "Arial";
            text.FontSize = "100000";
            text.FontStyle = "Bold";
            list.AppendShape(text, NewShapeStyle{});
        }
        const QString drawing = folder.path("text.pcz");
        folder.Settings({{12, drawing.toStdString()}});
        WriteFile(drawing, DrawingFile::FileBytes(list));
    } else if (what == "editor_4MB") {
        // The text editor's largest file, opened once the window is up.
        folder.Settings({});
        std::string text;
        while (text.size() < TextEditor::kMaxFileBytes)
            text += "A line of notes for the text editor, number " + std::to_string(text.size()) +
                    "\r\n";
        text.resize(TextEditor::kMaxFileBytes);
        WriteFile(folder.path("notes.txt"), text);
        then = [&folder](TMainCalc1& w, QuietDialogs& dialogs) {
            w.menuAction("TextEditor2")->trigger();
            dialogs.open = folder.path("notes.txt");
            w.menuAction("LoadTextFile1")->trigger();
        };
    }
    StartUp(state, folder, then);
}

#define PELCOR_OPEN_CASE(name)                                                                     \
    BENCHMARK_CAPTURE(BM_Open, name, std::string(#name))                                           \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(1)                                                                            \
        ->UseRealTime()

PELCOR_OPEN_CASE(empty);
PELCOR_OPEN_CASE(tape_16MB_lines);
PELCOR_OPEN_CASE(tape_16MB_short_lines);
PELCOR_OPEN_CASE(tape_16MB_line_ends);
PELCOR_OPEN_CASE(tape_16MB_one_line);
PELCOR_OPEN_CASE(settings_1MB);
PELCOR_OPEN_CASE(drawing_100000);
PELCOR_OPEN_CASE(drawing_200000);
PELCOR_OPEN_CASE(text_shape_1000000);
PELCOR_OPEN_CASE(text_shape_32767);
PELCOR_OPEN_CASE(text_shapes_8x32767);
PELCOR_OPEN_CASE(editor_4MB);
PELCOR_OPEN_CASE(view_tape_16MB_lines);
PELCOR_OPEN_CASE(view_tape_16MB_line_ends);
PELCOR_OPEN_CASE(check_pcz_drawing_100000);

} // namespace
