#include "platform/FileRead.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelcor {

namespace {

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t MB = std::size_t(1) << 20;
    if (bytes >= MB && bytes % MB == 0) return std::to_string(bytes / MB) + " MB";
    return std::to_string(bytes) + " bytes";
}

LoadedFile Refused(std::string why, bool missing = false) {
    LoadedFile out;
    out.error = std::move(why);
    out.missing = missing;
    return out;
}

LoadedFile SystemError(int error) {
    return Refused(std::strerror(error), error == ENOENT);
}

std::string TooLarge(std::size_t limit) {
    return "it is larger than " + SizeText(limit) + ", the most read for such a file";
}

} // namespace

const char* KindRefused(mode_t mode) {
    if (S_ISREG(mode)) return nullptr;
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    return "it is not a regular file";
}

std::string PictureTooLarge(long long width, long long height, long long maxPixels) {
    std::string most = maxPixels % 1'000'000 == 0
                           ? std::to_string(maxPixels / 1'000'000) + " megapixels"
                           : std::to_string(maxPixels) + " pixels";
    return "the picture is " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels, more than the " + most + " read";
}

LoadedFile ReadRegularFile(const std::string& path, std::size_t limit) {
    // Looking first opens nothing, so a FIFO or a device is refused without touching it; the
    // check after opening covers a file swapped in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return SystemError(errno);
    if (const char* why = KindRefused(info.st_mode)) return Refused(why);

    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return SystemError(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0) return SystemError(errno);
    if (const char* why = KindRefused(info.st_mode)) return Refused(why);
    if (static_cast<unsigned long long>(info.st_size) > limit) return Refused(TooLarge(limit));

    LoadedFile out;
    try {
        out.bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t have = 0;
        for (;;) {
            // One byte more than the limit allows tells a file that grew while being read.
            if (have == out.bytes.size()) {
                if (have > limit) return Refused(TooLarge(limit));
                out.bytes.resize(std::min(limit + 1, have + (std::size_t(64) << 10)));
            }
            const ssize_t n = ::read(fd, out.bytes.data() + have, out.bytes.size() - have);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return SystemError(errno);
            if (n == 0) break;
            have += static_cast<std::size_t>(n);
        }
        if (have > limit) return Refused(TooLarge(limit));
        out.bytes.resize(have);
    } catch (const std::bad_alloc&) {
        return Refused("there is not enough memory to read it");
    }
    return out;
}

} // namespace pelcor
