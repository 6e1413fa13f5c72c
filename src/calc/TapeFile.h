#pragma once

#include <string>

namespace pelcor {

// The tape file "TotalStr.dat": the tape's whole text as Windows-1252 bytes, written
// without any addition.
std::string TapeToFileBytes(const std::string& tape);

// The tape read back from the file: each line, up to its line end (CR LF, LF or CR), is
// followed by CR LF, so an unfinished last line comes back finished.
std::string TapeFromFileBytes(const std::string& bytes);

} // namespace pelcor
