#include "platform/AtomicFile.h"

#include "platform/FileRead.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelcor {

namespace {

// A name in the target's folder that no other writer uses at the same time.
std::string TemporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const size_t slash = target.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return target.substr(0, nameStart) + "." + target.substr(nameStart) + "." +
           std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
           std::to_string(static_cast<unsigned long long>(now) % 1000000007ull) + ".tmp";
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    // A link is followed: the file it names is replaced and the link stays a link.
    std::string target = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    // An existing file keeps its permissions; a new one gets the usual ones (umask applies).
    mode_t mode = 0666;
    bool existing = false;
    if (::stat(target.c_str(), &info) == 0) {
        if (const char* why = KindRefused(info.st_mode)) return why;
        // A file the user may not write stays as it is, though its folder would let a new
        // file take its name.
        if (::access(target.c_str(), W_OK) != 0) return std::strerror(errno);
        mode = info.st_mode & 07777;
        existing = true;
    }

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TemporaryName(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) return std::strerror(errno);
    }
    if (fd < 0) return std::strerror(EEXIST);

    bool ok = WriteAll(fd, bytes) && (!existing || ::fchmod(fd, mode) == 0) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return std::strerror(error);
    }
    return {};
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    LoadedFile read = ReadRegularFile(path, read_limit::Picture);
    if (!read.ok()) return false;
    bytes = std::move(read.bytes);
    return true;
}

} // namespace pelcor
