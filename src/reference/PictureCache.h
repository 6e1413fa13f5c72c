#pragma once

#include <QImage>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace pelcor {

// Pictures decoded once and kept while their file stays the same: a file is decoded again
// only when its size or modification time changes, so drawing the same pictures many
// times a second reads each from disk once.
class PictureCache {
public:
    using Loader = std::function<QImage(const std::string& path, std::string* error)>;

    // By default pictures are JPEG or bitmap files.
    explicit PictureCache(Loader loader = {});

    // The picture in the file at `path`; a null picture and the reason in `error` when the
    // file is missing or is no picture this program reads.
    const QImage& get(const std::string& path, std::string* error = nullptr);

    // How many times a file was decoded (a measure of the cache's use).
    int decodeCount() const { return decodes_; }

private:
    struct Entry {
        std::uintmax_t size = 0;
        std::int64_t modified = 0;
        QImage picture;
        std::string error;
    };
    Loader loader_;
    std::map<std::string, Entry> entries_;
    int decodes_ = 0;
};

} // namespace pelcor
