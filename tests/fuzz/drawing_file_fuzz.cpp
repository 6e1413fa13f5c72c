// Any bytes given to the drawing-file loader give a drawing or a message; a drawing that
// loads writes a file that loads back to the same drawing.
#include "drawing/DrawingFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DrawingFile::Contents read;
    const std::string message = DrawingFile::Parse(bytes, read);
    if (!message.empty()) {
        if (read.shapeCount != 0 || read.list.ShapeCount() != 0) std::abort(); // untouched
        return 0;
    }
    if (read.shapeCount != read.list.ShapeCount()) std::abort();
    const std::string written = DrawingFile::FileBytes(read.list);
    DrawingFile::Contents again;
    if (!DrawingFile::Parse(written, again).empty()) std::abort();
    if (again.list.Text() != read.list.Text() || DrawingFile::FileBytes(again.list) != written)
        std::abort();
    return 0;
}
