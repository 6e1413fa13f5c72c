#include "board/DrawingDocument.h"

#include "drawing/DrawingFile.h"
#include "platform/AtomicFile.h"

#include <sys/stat.h>

namespace pelcor {

bool DrawingDocument::Write(const std::string& name) {
    if (name.empty()) {
        reporter_.showInfo("*** Invalid - file name missing ***");
        reporter_.beep();
        return false;
    }
    const std::string path = DrawingFile::WithExtension(name);
    const std::string failure = WriteFileAtomically(path, DrawingFile::FileBytes(list_));
    if (!failure.empty()) {
        reporter_.showInfo("*** The drawing was not saved in " + path + ": " + failure + " ***");
        reporter_.beep();
        return false;
    }
    shownFile_ = path;
    fileName_ = path;
    SetBaseline();
    return true;
}

bool DrawingDocument::Read(const std::string& name) {
    if (name.empty()) return false;
    fileName_ = name;
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        reporter_.showInfo("*** Invalid file name error ***" + name);
        reporter_.beep();
        return false;
    }
    // The file is read and checked whole before anything on screen changes.
    DrawingFile::Contents contents;
    const std::string problem = DrawingFile::ReadFile(name, contents);
    if (!problem.empty()) {
        reporter_.showInfo("*** Not loaded: " + name + " - " + problem + " ***");
        reporter_.beep();
        return false;
    }
    shownFile_ = name;
    Commit(); // a change not yet a step stays one of its own
    list_ = std::move(contents.list);
    Commit();
    SetBaseline();
    return true;
}

void DrawingDocument::Clear() {
    Commit();
    list_.Clear();
    Commit();
}

} // namespace pelcor
