#include "reference/PictureCache.h"

#include "platform/Pictures.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pelcor {

PictureCache::PictureCache(Loader loader) : loader_(std::move(loader)) {
    if (!loader_)
        loader_ = [](const std::string& path, std::string* error) {
            return LoadPicture(path, error);
        };
}

const QImage& PictureCache::get(const std::string& path, std::string* error) {
    static const QImage none;
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    const auto modified = ec ? fs::file_time_type{} : fs::last_write_time(path, ec);
    if (ec) {
        entries_.erase(path);
        if (error) *error = "file cannot be read";
        return none;
    }
    const std::int64_t stamp = modified.time_since_epoch().count();
    auto it = entries_.find(path);
    if (it == entries_.end() || it->second.size != size || it->second.modified != stamp) {
        Entry entry{size, stamp, {}, {}};
        entry.picture = loader_(path, &entry.error);
        if (entry.picture.isNull() && entry.error.empty()) entry.error = "not a picture";
        ++decodes_;
        it = entries_.insert_or_assign(path, std::move(entry)).first;
    }
    if (error) *error = it->second.error;
    return it->second.picture;
}

} // namespace pelcor
