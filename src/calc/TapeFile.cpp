#include "calc/TapeFile.h"

#include "platform/Cp1252.h"

namespace pelcor {

std::string TapeToFileBytes(const std::string& tape) {
    return Utf8ToCp1252(tape);
}

std::string TapeFromFileBytes(const std::string& bytes) {
    std::string tape;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        tape += Cp1252ToUtf8(bytes.substr(start, end - start));
        tape += "\r\n";
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return tape;
}

} // namespace pelcor
