#pragma once

#include <optional>
#include <string>

namespace pelcor {

// The settings kept between runs in "Pelcor.ini": 44 lines, one value each, in a fixed
// order, no sections or keys. Text inside is UTF-8; the file is Windows-1252 with CR LF.
struct Settings {
    static constexpr int kLines = 44;
    static constexpr int kPersonal = 14;

    std::string readout = "0";
    std::string memories[4] = {"0", "0", "0", "0"};
    int displayMode = 0;
    int shapeCount = 0;
    int reserved1 = 0; // kept for the file's layout
    int reserved2 = 0;
    int galleryPosition = 0;
    bool boardCleared = false;
    std::string drawingFile;
    std::string sidePicture;
    std::string info;
    std::string personalTitles[kPersonal];
    std::optional<double> personalValues[kPersonal];
    bool soundEnabled = true;
    bool soundOnAllErrors = true;

    // Reads the file's bytes. Missing lines read as empty lines, extra lines are ignored,
    // and a value that is not a number where one is expected reads as 0.
    static Settings FromFileBytes(const std::string& bytes);
    // Reads the settings file at `path`: a regular file of at most read_limit::Settings
    // bytes. Returns an empty text and sets `out`, or why the file was not read, leaving
    // `out` as it was; `missing` (when given) tells a file that is not there, as at the first
    // start.
    static std::string ReadFile(const std::string& path, Settings& out, bool* missing = nullptr);
    // The 44 lines, each ended by CR LF.
    std::string ToFileBytes() const;
};

} // namespace pelcor
