#pragma once

#include <string>
#include <string_view>

namespace pelcor {

// The program's own folder and the files beside it. Names are written as the program
// writes them, with backslashes ("BmpFiles\Pointer.bmp"); each component is found without
// regard to case, so "BMPFiles" and "BmpFiles" are the same folder.
class ProgramFiles {
public:
    explicit ProgramFiles(std::string programDir);

    const std::string& dir() const { return dir_; }

    // The real path of a name relative to the program folder. A component that does not
    // exist is kept as written, so the result names where the file would be.
    std::string resolve(std::string_view relativeName) const;

    bool exists(std::string_view relativeName) const;

private:
    std::string dir_;
};

} // namespace pelcor
