#pragma once

#include <string>
#include <string_view>

namespace pelcor {

// The program's files are Windows-1252. Inside, text is UTF-8; these convert at the file
// boundary. Characters that Windows-1252 cannot hold are written as "?".
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace pelcor
