#pragma once

#include <string>

namespace pelcor {

// Writes bytes to a temporary file in the target's folder and renames it over the target,
// so a crash or a full disk never leaves a half-written file. Returns an empty text on
// success, otherwise what went wrong in the system's words ("No space left on device"); the
// target is untouched on failure.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// Reads a whole regular file of any size the program reads (FileRead.h); a loader should use
// ReadRegularFile with its own limit and show the reason. Returns false when it cannot be
// read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace pelcor
