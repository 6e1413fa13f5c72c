// Any bytes given as a drawing file: a drawing that loads goes through everything the board
// does with one (DrawingPipeline.h) without a fault, and what the board made of it is saved
// and read back unchanged.
#include "DrawingPipeline.h"

#include "drawing/DrawingFile.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

// The desktop's font library keeps pattern data it never frees; the leak check at the end of
// a run leaves it out, and keeps watching everything else.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Texts are drawn with the desktop's fonts, which need an application object; it gets
    // arguments of its own, so it takes none of the fuzzer's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "drawing_pipeline_fuzz";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
    // A text drawn once sets up the font caches, which then stay.
    pelcor::DrawingFile::Contents warmUp;
    pelcor::DrawingFile::Parse(":(1)[TEXT][40][60][Ab][Arial][12][Bold][0][0][0][0][0][0][255][0]"
                               "[W]\r\n[\xFF]\r\nIMAGES{1}\r\n",
                               warmUp);
    pelcor::testing::RunDrawingPipeline(warmUp.list);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DrawingFile::Contents read;
    if (!DrawingFile::Parse(bytes, read).empty()) return 0;
    const std::string problem = testing::RunDrawingPipeline(read.list);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
