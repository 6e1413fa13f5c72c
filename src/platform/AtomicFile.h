#pragma once

#include <string>

namespace pelcor {

// Writes bytes to a temporary file in the target's folder and renames it over the target,
// so a crash or a full disk never leaves a half-written file. Returns an empty text on
// success, otherwise what went wrong; the target is untouched on failure.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// Reads a whole file. Returns false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace pelcor
