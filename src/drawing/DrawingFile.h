#pragma once

#include "drawing/DrawingList.h"

#include <string>
#include <string_view>

namespace pelcor {

// The drawing file (".pcz"): the drawing list text, CR LF, then "IMAGES{" count "}" and
// CR LF. Bytes are Windows-1252 as the drawing list writes them.
namespace DrawingFile {

inline constexpr std::string_view Extension = ".pcz";
inline constexpr std::string_view CountLineStart = "IMAGES{";

// The whole file for `list`.
std::string FileBytes(const DrawingList& list);

// `name` with ".pcz" appended unless its last four characters are exactly ".pcz" (so
// "a.PCZ" becomes "a.PCZ.pcz").
std::string WithExtension(const std::string& name);

// What a file holds once it has been read.
struct Contents {
    DrawingList list;
    int shapeCount = 0;
};

// Reads a drawing file. Lines may end in CR LF or LF alone. The list runs up to the first
// end marker that begins a line (or is the single 0xFF line of an empty drawing); the first
// line after it that begins with "IMAGES{" gives the count (the text after "IMAGES{"
// without the line's last character); whatever follows that line is ignored. A record with a
// position or length beyond the board's range (DrawingList::RangeError) is refused. Returns an
// empty text and fills `out` on success; otherwise says what is wrong and leaves `out`
// as it was.
std::string Parse(std::string_view bytes, Contents& out);

// Reads and parses the drawing file at `path`: a regular file of at most read_limit::Drawing
// bytes. Returns an empty text and fills `out`, or what is wrong with the file, leaving `out`
// as it was.
std::string ReadFile(const std::string& path, Contents& out);

// The export name for a filter index: 1 gives ".jpg", 2 ".bmp", 3 ".svg", 4 ".pdf". A name
// that does not already end in that extension gets it in place of its own extension
// (everything from the last "." of its last component), or added when it has none. An empty
// name stays empty.
std::string ExportName(const std::string& name, int filterIndex);

} // namespace DrawingFile

} // namespace pelcor
