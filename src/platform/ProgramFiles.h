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

// Where the program reads its runtime files and keeps the user's settings and tape.
struct ProgramPlaces {
    std::string programDir; // ProgramDir: the pictures, sounds, library and help
    std::string userDir;    // "Pelcor.ini" and "TotalStr.dat"
    bool installed = false;
};

// The data folder of an installed copy, relative to the folder of its executable.
inline constexpr const char* kInstalledDataDir = "../share/pelcorcalc";

// A portable copy has its runtime folders (BmpFiles, SndFiles, CalcLibrary, calculator_help)
// beside the executable and keeps everything there. Otherwise the program is installed: its
// runtime files are read from `kInstalledDataDir` and the user's files live in
// `userConfigDir`, so nothing is ever written into the install prefix.
ProgramPlaces FindProgramPlaces(const std::string& executableDir, const std::string& userConfigDir);

} // namespace pelcor
