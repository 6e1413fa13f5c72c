#pragma once

#include <cstddef>
#include <string>

#include <sys/types.h>

namespace pelcor {

// The most each kind of file may hold. Far above anything the program writes, low enough
// that a wrong file named by mistake can't fill the memory.
namespace read_limit {
inline constexpr std::size_t Settings = std::size_t(1) << 20; // 1 MB
inline constexpr std::size_t Tape = std::size_t(16) << 20;
inline constexpr std::size_t Drawing = std::size_t(64) << 20;
// A picture file: room for the largest bitmap the codecs accept.
inline constexpr std::size_t Picture = std::size_t(256) << 20;
// The most pixels a picture may have, checked before its pixels are decoded.
inline constexpr long long PicturePixels = 64'000'000;
} // namespace read_limit

// Why a picture of the given size is not read ("the picture is 16221 x 15878 pixels, more
// than the 64 megapixels read").
std::string PictureTooLarge(long long width, long long height, long long maxPixels);
inline constexpr const char* NoMemoryForPicture = "there is not enough memory for the picture";

// Why a file of this kind is neither read nor replaced ("it is a folder, not a file", "it is
// not a regular file"), or nothing for a regular file.
const char* KindRefused(mode_t mode);

// What reading a file gave: its bytes, or why it was not read.
struct LoadedFile {
    std::string bytes;
    std::string error;    // empty when the file was read
    bool missing = false; // there is no such file (error says so too)
    bool ok() const { return error.empty(); }
};

// Reads a whole regular file of at most `limit` bytes. A folder, a FIFO, a device or a socket
// is refused without waiting on it, as is a file larger than the limit; the error then says
// which, in words for the information line ("it is not a regular file", "it is larger than
// 1 MB, the most read for such a file", or the system's reason such as "No such file or
// directory").
LoadedFile ReadRegularFile(const std::string& path, std::size_t limit);

} // namespace pelcor
