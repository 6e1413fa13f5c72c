#pragma once

#include <string>

namespace pelcor {

// The tape file "TotalStr.dat": the tape's whole text as Windows-1252 bytes, written
// without any addition. A tape longer than the file may hold (read_limit::Tape) keeps its
// newest lines within it, so the file always reads back; `cut` (when given) tells whether
// older lines were left out.
std::string TapeToFileBytes(const std::string& tape, bool* cut = nullptr);

// The tape read back from the file: each line, up to its line end (CR LF, LF or CR), is
// followed by CR LF, so an unfinished last line comes back finished.
std::string TapeFromFileBytes(const std::string& bytes);

// Reads the tape file at `path`: a regular file of at most read_limit::Tape bytes. Returns an
// empty text and sets `tape`, or why the file was not read, leaving `tape` as it was;
// `missing` (when given) tells a file that is not there, as before the first exit.
std::string ReadTapeFile(const std::string& path, std::string& tape, bool* missing = nullptr);

} // namespace pelcor
