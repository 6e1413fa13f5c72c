#include "calc/TapeFile.h"

#include "platform/Cp1252.h"
#include "platform/FileRead.h"

#include <algorithm>
#include <string_view>

namespace pelcor {

std::string TapeToFileBytes(const std::string& tape, bool* cut) {
    std::string bytes = Utf8ToCp1252(tape);
    if (cut) *cut = bytes.size() > read_limit::Tape;
    if (bytes.size() <= read_limit::Tape) return bytes;
    // The first line that starts within the last read_limit::Tape bytes; a single line longer
    // than that keeps its end.
    const std::size_t from = bytes.size() - read_limit::Tape;
    const std::size_t lineEnd = bytes.find('\n', from - 1);
    const std::size_t start =
        lineEnd == std::string::npos || lineEnd + 1 >= bytes.size() ? from : lineEnd + 1;
    return bytes.substr(start);
}

std::string TapeFromFileBytes(const std::string& bytes) {
    // One pass over the bytes: each line is converted where it stands and its line end
    // written as CR LF.
    const std::string_view all(bytes);
    std::string tape;
    tape.reserve(bytes.size() + bytes.size() / 8);
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = all.size();
        const std::string_view line = all.substr(start, end - start);
        if (std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; }))
            tape += line;
        else
            tape += Cp1252ToUtf8(line);
        tape += "\r\n";
        if (end + 1 < all.size() && all[end] == '\r' && all[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return tape;
}

std::string ReadTapeFile(const std::string& path, std::string& tape, bool* missing) {
    const LoadedFile file = ReadRegularFile(path, read_limit::Tape);
    if (missing) *missing = file.missing;
    if (!file.ok()) return file.error;
    tape = TapeFromFileBytes(file.bytes);
    return {};
}

} // namespace pelcor
