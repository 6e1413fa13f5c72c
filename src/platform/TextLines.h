#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelcor {

// The lines of a text file's bytes, each up to its line end (CR LF, LF or a lone CR). A
// last line without a line end still counts; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view bytes);

} // namespace pelcor
