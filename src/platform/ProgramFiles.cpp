#include "platform/ProgramFiles.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pelcor {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

} // namespace

ProgramFiles::ProgramFiles(std::string programDir) : dir_(std::move(programDir)) {
    while (dir_.size() > 1 && (dir_.back() == '/' || dir_.back() == '\\'))
        dir_.pop_back();
}

std::string ProgramFiles::resolve(std::string_view relativeName) const {
    fs::path path(dir_);
    size_t start = 0;
    while (start <= relativeName.size()) {
        size_t end = relativeName.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = relativeName.size();
        std::string_view part = relativeName.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        fs::path exact = path / std::string(part);
        std::error_code ec;
        if (!fs::exists(exact, ec) && fs::is_directory(path, ec)) {
            for (const auto& entry : fs::directory_iterator(path, ec)) {
                if (SameIgnoringCase(entry.path().filename().string(), part)) {
                    exact = entry.path();
                    break;
                }
            }
        }
        path = exact;
    }
    return path.string();
}

bool ProgramFiles::exists(std::string_view relativeName) const {
    std::error_code ec;
    return fs::is_regular_file(resolve(relativeName), ec);
}

ProgramPlaces FindProgramPlaces(const std::string& executableDir,
                                const std::string& userConfigDir) {
    const ProgramFiles beside(executableDir);
    for (const char* folder : {"BmpFiles", "SndFiles", "CalcLibrary", "calculator_help"}) {
        std::error_code ec;
        if (fs::is_directory(beside.resolve(folder), ec))
            return {beside.dir(), beside.dir(), false};
    }
    std::error_code ec;
    fs::path data = fs::path(beside.dir()) / kInstalledDataDir;
    const fs::path normal = fs::weakly_canonical(data, ec);
    if (!ec) data = normal;
    return {data.lexically_normal().string(), ProgramFiles(userConfigDir).dir(), true};
}

} // namespace pelcor
