#pragma once

#include <QImage>
#include <string>

namespace pelcor {

// Loads a JPEG or bitmap picture, telling them apart by their first bytes. Gives a null
// image and the reason when the file is missing or is neither.
QImage LoadPicture(const std::string& path, std::string* error = nullptr);

} // namespace pelcor
