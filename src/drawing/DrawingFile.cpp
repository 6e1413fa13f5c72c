#include "drawing/DrawingFile.h"

#include "platform/Cp1252.h"
#include "platform/FileRead.h"
#include "platform/NumberText.h"

namespace pelcor::DrawingFile {

namespace {

constexpr std::string_view CrLf = "\r\n";

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Every line of the file followed by CR LF, whether it ended in CR LF, LF alone or nothing.
std::string LinesWithCrLf(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16 + 2);
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out += line;
        out += CrLf;
        if (lf == std::string_view::npos) break;
        bytes.remove_prefix(lf + 1);
    }
    return out;
}

} // namespace

std::string FileBytes(const DrawingList& list) {
    std::string out = list.Text();
    out += CrLf;
    out += CountLineStart;
    out += std::to_string(list.ShapeCount());
    out += "}";
    out += CrLf;
    return out;
}

std::string WithExtension(const std::string& name) {
    if (EndsWith(name, Extension)) return name;
    return name + std::string(Extension);
}

std::string Parse(std::string_view bytes, Contents& out) {
    if (bytes.empty()) return "The file is empty";
    // A file whose lines all end in CR LF is read as it is.
    bool crLf = bytes.back() == '\n';
    for (std::size_t lf = bytes.find('\n'); crLf && lf != std::string_view::npos;
         lf = bytes.find('\n', lf + 1))
        crLf = lf > 0 && bytes[lf - 1] == '\r';
    const std::string text = crLf ? std::string() : LinesWithCrLf(bytes);
    const std::string_view view = crLf ? bytes : std::string_view(text);

    // The list part and where the lines after it begin.
    std::string_view listText;
    std::size_t after = 0;
    if (const auto length = DrawingList::ListLength(view)) {
        listText = view.substr(0, *length);
        after = view.find(CrLf, *length) + CrLf.size(); // every line ends in CR LF
    } else if (view.substr(0, EndSignal.size() + CrLf.size()) ==
               std::string(EndSignal) + std::string(CrLf)) {
        after = EndSignal.size() + CrLf.size(); // the empty drawing, the single 0xFF line
    } else if (view.substr(0, CountLineStart.size()) != CountLineStart) {
        if (view.find(CountLineStart) == std::string_view::npos)
            return "It is not a drawing file: it has no \"IMAGES{\" line";
        return "It is not a drawing file: the drawing's end marker is missing";
    }

    // The count line: the first line after the list that begins with "IMAGES{".
    std::string_view countLine;
    bool found = false;
    for (std::size_t pos = after; pos < view.size();) {
        const std::size_t end = view.find(CrLf, pos);
        const std::string_view line = view.substr(pos, end - pos);
        if (line.substr(0, CountLineStart.size()) == CountLineStart) {
            countLine = line;
            found = true;
            break;
        }
        pos = end + CrLf.size();
    }
    if (!found) return "It is not a drawing file: it has no \"IMAGES{\" line after the drawing";
    std::string_view countText = countLine.substr(CountLineStart.size());
    if (countText.empty()) return "The shape count after \"IMAGES{\" is missing";
    countText.remove_suffix(1); // the closing brace
    const auto count = ParseInteger(countText);
    if (!count || *count < 0)
        return "The shape count \"" + Cp1252ToUtf8(countText.substr(0, 40)) + "\" is not a number";

    Contents read;
    if (!listText.empty()) {
        if (std::string error = read.list.SetText(listText); !error.empty()) return error;
        // Every shape within the range the board's arithmetic is made for.
        const std::vector<ShapeRecord>& shapes = read.list.Shapes();
        for (std::size_t i = 0; i < shapes.size(); ++i)
            if (std::string error = DrawingList::RangeError(shapes[i]); !error.empty())
                return "Shape record " + std::to_string(i + 1) + ": " + error;
    }
    if (read.list.ShapeCount() != *count)
        return "The count line gives " + std::to_string(*count) + " shapes but the file holds " +
               std::to_string(read.list.ShapeCount());
    read.shapeCount = *count;
    out = std::move(read);
    return {};
}

std::string ReadFile(const std::string& path, Contents& out) {
    const LoadedFile file = ReadRegularFile(path, read_limit::Drawing);
    if (!file.ok()) return file.error;
    return Parse(file.bytes, out);
}

std::string ExportName(const std::string& name, int filterIndex) {
    const std::string_view extension = filterIndex == 1   ? ".jpg"
                                       : filterIndex == 2 ? ".bmp"
                                       : filterIndex == 3 ? ".svg"
                                       : filterIndex == 4 ? ".pdf"
                                                          : "";
    if (name.empty() || extension.empty() || EndsWith(name, extension)) return name;
    const std::size_t folder = name.find_last_of("/\\");
    const std::size_t dot = name.rfind('.');
    std::string base = name;
    if (dot != std::string::npos && (folder == std::string::npos || dot > folder)) base.erase(dot);
    return base + std::string(extension);
}

} // namespace pelcor::DrawingFile
