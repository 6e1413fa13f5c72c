#include "calc/TapeFile.h"

#include "platform/Cp1252.h"
#include "platform/FileRead.h"
#include "platform/TextLines.h"

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
    std::string tape;
    for (const std::string& line : SplitLines(bytes))
        tape += Cp1252ToUtf8(line) + "\r\n";
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
