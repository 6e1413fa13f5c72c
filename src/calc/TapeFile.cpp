#include "calc/TapeFile.h"

#include "platform/Cp1252.h"
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

} // namespace pelcor
