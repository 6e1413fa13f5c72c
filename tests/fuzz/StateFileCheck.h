#pragma once
// What the settings and tape targets check of the files kept between runs: a start that
// refuses the file (too large, a folder, a FIFO) leaves it as it was through the following
// save, which goes beside it; and whatever is saved reads back as saved.
#include "platform/FileRead.h"
#include "platform/StateFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelcor::fuzz {

inline std::string FuzzFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "statefileXXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    return folder;
}

inline void WriteBytes(const std::string& path, const std::string& bytes, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) std::abort();
    if (!bytes.empty() && ::write(fd, bytes.data(), bytes.size()) < 0) std::abort();
    // A larger size is made sparse: no bytes are written for it.
    if (size > bytes.size() && ::ftruncate(fd, static_cast<off_t>(size)) != 0) std::abort();
    ::close(fd);
}

// The first byte picks what lies at the file's name and beside it; the rest are its bytes.
// `resave` turns the bytes read into the bytes the program saves.
inline void CheckStateFile(const std::uint8_t* data, std::size_t size, const char* name,
                           std::size_t limit,
                           const std::function<std::string(const std::string&)>& resave) {
    if (size == 0) return;
    namespace fs = std::filesystem;
    const int shape = data[0] % 6;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const fs::path folder = FuzzFolder();
    const std::string path = (folder / name).string();
    const std::string beside = path + ".new";
    std::error_code ec;
    fs::remove_all(path, ec);
    fs::remove_all(beside, ec);

    switch (shape) {
    case 0: WriteBytes(path, bytes, bytes.size()); break;
    case 1: WriteBytes(path, bytes, limit + 1 + bytes.size()); break; // over the limit
    case 2: fs::create_directory(path); break;
    case 3:
        if (::mkfifo(path.c_str(), 0600) != 0) std::abort();
        break;
    case 4: // refused, with what an earlier exit kept beside it
        WriteBytes(path, {}, limit + 1);
        WriteBytes(beside, bytes, bytes.size());
        break;
    case 5: // both refused
        WriteBytes(path, {}, limit + 1);
        fs::create_directory(beside);
        break;
    }
    struct stat before {};
    const bool there = ::lstat(path.c_str(), &before) == 0;

    StateFile file(path, limit);
    const LoadedFile loaded = file.Load();
    const std::string saved = resave(loaded.ok() ? loaded.bytes : std::string());
    const std::string failure = file.Save(saved);

    if (file.refused()) {
        // Left exactly as it was.
        struct stat after {};
        if (!there || ::lstat(path.c_str(), &after) != 0) std::abort();
        if ((after.st_mode & S_IFMT) != (before.st_mode & S_IFMT)) std::abort();
        if (after.st_size != before.st_size || after.st_ino != before.st_ino) std::abort();
        if (file.saveTarget() == path) std::abort();
    }
    if (!file.saveTarget().empty()) {
        if (!failure.empty()) std::abort();
        // What was saved is read back, at the next start, as saved.
        StateFile next(path, limit);
        const LoadedFile again = next.Load();
        if (!again.ok() || again.bytes != saved) std::abort();
    } else if (failure.empty()) {
        std::abort(); // nothing could be written, and that is said
    }
}

} // namespace pelcor::fuzz
