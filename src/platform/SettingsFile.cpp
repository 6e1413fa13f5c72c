#include "platform/SettingsFile.h"

#include "platform/Cp1252.h"
#include "platform/FileRead.h"
#include "platform/NumberText.h"
#include "platform/TextLines.h"

#include <cmath>
#include <vector>

namespace pelcor {

namespace {

int ReadInt(const std::string& line) {
    if (auto v = ParseInteger(line)) return *v;
    // A number written with a point or an exponent still counts as its whole part.
    if (auto d = ParseNumber(line); d && std::fabs(*d) < 2e9) return static_cast<int>(*d);
    return 0;
}

} // namespace

Settings Settings::FromFileBytes(const std::string& bytes) {
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(bytes))
        lines.push_back(Cp1252ToUtf8(line));
    lines.resize(kLines);
    auto line = [&lines](int n) -> const std::string& { return lines[n - 1]; };

    Settings s;
    // The readout and the memories hold numbers as typed; anything else reads as "0".
    auto number = [](const std::string& text) {
        return ParseNumber(text) ? text : std::string("0");
    };
    s.readout = number(line(1));
    for (int m = 0; m < 4; ++m)
        s.memories[m] = number(line(2 + m));
    s.displayMode = ReadInt(line(6));
    if (s.displayMode < 0 || s.displayMode > 4) s.displayMode = 0;
    s.shapeCount = ReadInt(line(7));
    s.reserved1 = ReadInt(line(8));
    s.reserved2 = ReadInt(line(9));
    s.galleryPosition = ReadInt(line(10));
    if (s.galleryPosition < 0 || s.galleryPosition > 14) s.galleryPosition = 0;
    s.boardCleared = !line(11).empty();
    s.drawingFile = line(12);
    s.sidePicture = line(13);
    s.info = line(14);
    for (int i = 0; i < kPersonal; ++i) {
        s.personalTitles[i] = line(15 + i);
        const std::string& value = line(29 + i);
        if (!value.empty()) s.personalValues[i] = ParseNumber(value).value_or(0.0);
    }
    s.soundEnabled = line(43) == "1";
    s.soundOnAllErrors = line(44) == "1";
    return s;
}

std::string Settings::ReadFile(const std::string& path, Settings& out, bool* missing) {
    const LoadedFile file = ReadRegularFile(path, read_limit::Settings);
    if (missing) *missing = file.missing;
    if (!file.ok()) return file.error;
    out = FromFileBytes(file.bytes);
    return {};
}

std::string Settings::ToFileBytes() const {
    std::string out;
    auto add = [&out](std::string text) {
        // One value a line: a line break inside a text would shift every line after it.
        for (char& c : text)
            if (c == '\r' || c == '\n') c = ' ';
        out += Utf8ToCp1252(text) + "\r\n";
    };
    add(readout);
    for (const std::string& m : memories)
        add(m);
    for (int v : {displayMode, shapeCount, reserved1, reserved2, galleryPosition})
        add(std::to_string(v));
    add(boardCleared ? "True" : "");
    add(drawingFile);
    add(sidePicture);
    add(info);
    for (const std::string& t : personalTitles)
        add(t);
    for (const auto& v : personalValues)
        add(v ? FormatGeneral(*v) : "");
    add(soundEnabled ? "1" : "0");
    add(soundOnAllErrors ? "1" : "0");
    return out;
}

} // namespace pelcor
