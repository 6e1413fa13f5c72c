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
    // Two passes over the bytes: the first sizes the text, the second writes it. Plain ASCII
    // is copied as it stands, every line end (CR LF, LF or CR) becomes CR LF, and a run of
    // other bytes is converted from Windows-1252. A file of only line ends is the largest
    // case: two bytes for each.
    const std::size_t n = bytes.size();
    std::size_t size = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        size += c == '\r'   ? (i + 1 < n && bytes[i + 1] == '\n' ? 0 : 2)
                : c == '\n' ? 2
                : c >= 0x80 ? 3 // at most three bytes in UTF-8
                            : 1;
    }
    if (n > 0 && bytes.back() != '\n' && bytes.back() != '\r') size += 2; // finished here
    std::string tape(size, '\0');
    char* out = tape.data();
    std::size_t i = 0;
    while (i < n) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            *out++ = '\r';
            *out++ = '\n';
            i += c == '\r' && i + 1 < n && bytes[i + 1] == '\n' ? 2 : 1;
            continue;
        }
        if ((c & 0x80) == 0) {
            *out++ = c;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < n && (bytes[end] & 0x80) != 0)
            ++end;
        const std::string utf8 = Cp1252ToUtf8(std::string_view(bytes).substr(i, end - i));
        out = std::copy(utf8.begin(), utf8.end(), out);
        i = end;
    }
    if (n > 0 && bytes.back() != '\n' && bytes.back() != '\r') {
        *out++ = '\r';
        *out++ = '\n';
    }
    tape.resize(static_cast<std::size_t>(out - tape.data()));
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
