#pragma once

#include "platform/FileRead.h"

#include <cstddef>
#include <string>

namespace pelcor {

// A file beside the program that keeps state between runs ("Pelcor.ini", "TotalStr.dat"):
// read once at start, written at exit. A file that is there but refused at start (too large,
// not a regular file, unreadable) is never written over: the exit writes beside it instead,
// to the same name with ".new" added, and a later start that still refuses the file reads
// that one in its place. So nothing the user had is lost, and what the program writes it
// reads back.
class StateFile {
public:
    StateFile(std::string path, std::size_t limit);

    const std::string& path() const { return path_; }
    std::string besidePath() const { return path_ + ".new"; }

    // Reads the file, or the one beside it when the file is refused; decides where Save
    // writes. The result is the file's own refusal when neither could be read.
    LoadedFile Load();

    // Whether the start refused the file itself, and why ("it is larger than 1 MB, ...").
    bool refused() const { return !refusal_.empty(); }
    const std::string& refusal() const { return refusal_; }
    // The file beside it was read in its place.
    bool readBeside() const { return readBeside_; }
    // Where Save writes: the file, or the one beside it after a refusal; empty when both
    // were refused, and then nothing is written.
    const std::string& saveTarget() const { return target_; }

    // Writes `bytes` to the save target in one step. Returns an empty text, or what went
    // wrong.
    std::string Save(const std::string& bytes) const;

private:
    std::string path_;
    std::size_t limit_;
    std::string target_;
    std::string refusal_;
    bool readBeside_ = false;
};

} // namespace pelcor
