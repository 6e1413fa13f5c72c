#include "calc/TapeFile.h"

#include "platform/Cp1252.h"
#include "platform/FileRead.h"
#include "platform/TextLines.h"

namespace pelcor {

std::string TapeToFileBytes(const std::string& tape) {
    return Utf8ToCp1252(tape);
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
