#include "drawing/DrawingList.h"

#include "drawing/Coordinates.h"
#include "platform/Cp1252.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace pelcor {

ShapeKind KindOf(std::string_view k) {
    static constexpr std::pair<std::string_view, ShapeKind> kinds[] = {
        {kind::Line, ShapeKind::Line},         {kind::Square, ShapeKind::Square},
        {kind::Circle, ShapeKind::Circle},     {kind::Ellipse, ShapeKind::Ellipse},
        {kind::Triangle, ShapeKind::Triangle}, {kind::Hexagon, ShapeKind::Hexagon},
        {kind::Parabola, ShapeKind::Parabola}, {kind::Hyper, ShapeKind::Hyper},
        {kind::Hyper1, ShapeKind::Hyper1},     {kind::Text, ShapeKind::Text}};
    for (const auto& [word, code] : kinds)
        if (k == word) return code;
    return ShapeKind::Other;
}

namespace {

constexpr std::string_view CrLf = "\r\n";

bool NeedsDrag(ShapeKind k) {
    return k == ShapeKind::Line || k == ShapeKind::Square || k == ShapeKind::Circle ||
           k == ShapeKind::Ellipse;
}

// Half the distance between two coordinates, dropping the fraction.
int HalfDistance(int a, int b) {
    return static_cast<int>(std::llabs(static_cast<long long>(a) - b) / 2);
}

// A field text as it stands in the file: Windows-1252, brackets and line breaks replaced.
void AppendFieldBytes(std::string& out, std::string_view utf8) {
    // Most fields are plain ASCII without brackets or line breaks: they stand as they are.
    bool plain = true;
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80 || c == '[' || c == ']' || c == '\r' ||
            c == '\n') {
            plain = false;
            break;
        }
    if (plain) {
        out += utf8;
        return;
    }
    const std::string bytes = Utf8ToCp1252(utf8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '[')
            out += '(';
        else if (c == ']')
            out += ')';
        else if (c == '\r') {
            out += ' ';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i; // CR LF is one line break
        } else if (c == '\n')
            out += ' ';
        else
            out += c;
    }
}

std::string FieldBytes(std::string_view utf8) {
    std::string out;
    AppendFieldBytes(out, utf8);
    return out;
}

void TextField(std::string& out, std::string_view utf8) {
    out += '[';
    AppendFieldBytes(out, utf8);
    out += ']';
}

void Field(std::string& out, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out += '[';
    out.append(digits, end);
    out += ']';
}

// The record text of `shape` numbered `number`, after `out`.
void AppendRecordText(std::string& out, int number, const ShapeRecord& shape) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out += ":(";
    out.append(digits, end);
    out += ')';
    TextField(out, shape.Kind);
    Field(out, shape.X1);
    Field(out, shape.Y1);
    if (shape.IsText()) {
        for (const std::string* t : {&shape.Text, &shape.FontName, &shape.FontSize,
                                     &shape.FontStyle, &shape.TextRes5, &shape.TextRes6})
            TextField(out, *t);
    } else {
        for (int v : {shape.X2, shape.Y2, shape.X3, shape.Y3, shape.X4, shape.Y4})
            Field(out, v);
    }
    for (int v : {shape.Aux1, shape.Aux2, shape.Aux3, shape.Aux4, shape.PenColor, shape.FillColor})
        Field(out, v);
    TextField(out, shape.FillMode);
}

std::string NotAnInteger(std::string_view text) {
    return "'" + Cp1252ToUtf8(text) + "' is not a valid integer value";
}

// Parses one record line (without its CR LF) that must carry the number `number`.
// Returns an empty string on success, otherwise what is wrong.
std::string ParseRecord(std::string_view line, int number, ShapeRecord& shape) {
    char digits[16];
    const std::size_t numberSize = static_cast<std::size_t>(
        std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    const std::string_view numberText(digits, numberSize);
    const std::size_t headSize = numberSize + 3; // ":(" number ")"
    auto where = [&] { return "Shape record " + std::string(numberText) + ": "; };
    if (line.size() < headSize || line.substr(0, 2) != ":(" ||
        line.substr(2, numberSize) != numberText || line[headSize - 1] != ')') {
        if (line.substr(0, 2) == ":(") return where() + "it carries the wrong number";
        return where() + "it does not begin with \":(" + std::string(numberText) + ")\"";
    }
    // Exactly sixteen bracketed fields follow, with nothing between or after them. An empty
    // field reads as "0".
    std::string_view fields[16];
    std::size_t pos = headSize;
    for (std::string_view& field : fields) {
        if (pos >= line.size() || line[pos] != '[') return where() + "a field is missing";
        const std::size_t close = line.find_first_of("[]", pos + 1);
        if (close == std::string_view::npos || line[close] != ']')
            return where() + "a field is not closed";
        field = close == pos + 1 ? std::string_view("0") : line.substr(pos + 1, close - pos - 1);
        pos = close + 1;
    }
    if (pos != line.size()) return where() + "there is text after the last field";

    std::size_t next = 0;
    std::string error;
    auto integer = [&](int& target) {
        const std::string_view field = fields[next++];
        if (!error.empty()) return;
        if (auto value = ParseInteger(field))
            target = *value;
        else
            error = where() + NotAnInteger(field);
    };
    auto text = [&](std::string& target) { target = Cp1252ToUtf8(fields[next++]); };

    text(shape.Kind); // into a fresh record

    integer(shape.X1);
    integer(shape.Y1);
    if (shape.IsText()) {
        for (std::string* t : {&shape.Text, &shape.FontName, &shape.FontSize, &shape.FontStyle,
                               &shape.TextRes5, &shape.TextRes6})
            text(*t);
        // The size is read as an integer when the text is drawn.
        if (!ParseInteger(Utf8ToCp1252(shape.FontSize)))
            error = where() + NotAnInteger(Utf8ToCp1252(shape.FontSize));
    } else {
        for (int* v : {&shape.X2, &shape.Y2, &shape.X3, &shape.Y3, &shape.X4, &shape.Y4})
            integer(*v);
    }
    for (int* v :
         {&shape.Aux1, &shape.Aux2, &shape.Aux3, &shape.Aux4, &shape.PenColor, &shape.FillColor})
        integer(*v);
    text(shape.FillMode);
    return error;
}

// The records of a drawing list's body: its lines ended by CR LF.
std::size_t CountRecords(std::string_view body) {
    std::size_t count = 0;
    for (std::size_t at = body.find(CrLf); at != std::string_view::npos;
         at = body.find(CrLf, at + CrLf.size()))
        ++count;
    return count;
}

// The characters of a UTF-8 text (its bytes that begin one).
std::size_t Utf8Chars(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

std::string FieldReader::NextField() {
    const std::size_t open = text_.find('[', next_);
    if (open == std::string_view::npos) return std::string(EndSignal);
    cursor_ = open;
    next_ = open + 1;
    const std::size_t close = text_.find(']', open);
    if (close == std::string_view::npos) return std::string(EndSignal);
    if (close == open + 1) return "0";
    return std::string(text_.substr(open + 1, close - open - 1));
}

std::uint64_t DrawingList::NextRevision() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

const std::shared_ptr<const DrawingList::Records>& DrawingList::NoRecords() {
    static const std::shared_ptr<const Records> none = std::make_shared<Records>();
    return none;
}

DrawingList::Records& DrawingList::WritableShapes() {
    // Shared with a copy: this list gets records of its own first.
    if (shapes_.use_count() != 1) shapes_ = std::make_shared<Records>(*shapes_);
    return const_cast<Records&>(*shapes_);
}

DrawingList::DrawingList(DrawingList&& other) noexcept
    : shapes_(std::exchange(other.shapes_, NoRecords())), startUpEmpty_(other.startUpEmpty_),
      revision_(other.revision_) {
    other.startUpEmpty_ = true;
    other.Changed();
}

DrawingList& DrawingList::operator=(DrawingList&& other) noexcept {
    if (this != &other) {
        shapes_ = std::exchange(other.shapes_, NoRecords());
        startUpEmpty_ = other.startUpEmpty_;
        revision_ = other.revision_;
        other.startUpEmpty_ = true;
        other.Changed();
    }
    return *this;
}

void DrawingList::Clear() {
    shapes_ = NoRecords();
    startUpEmpty_ = true;
    Changed();
}

ShapeRecord DrawingList::Storable(ShapeRecord shape) {
    for (std::string* t : {&shape.Kind, &shape.Text, &shape.FontName, &shape.FontSize,
                           &shape.FontStyle, &shape.TextRes5, &shape.TextRes6, &shape.FillMode})
        *t = Cp1252ToUtf8(FieldBytes(*t));
    // A record holds only the fields its kind writes; the others read back as their
    // defaults, so they are held that way.
    const ShapeRecord defaults;
    if (shape.IsText()) {
        shape.X2 = shape.Y2 = shape.X3 = shape.Y3 = shape.X4 = shape.Y4 = 0;
    } else {
        shape.Text = defaults.Text;
        shape.FontName = defaults.FontName;
        shape.FontSize = defaults.FontSize;
        shape.FontStyle = defaults.FontStyle;
        shape.TextRes5 = defaults.TextRes5;
        shape.TextRes6 = defaults.TextRes6;
    }
    return shape;
}

std::string DrawingList::LimitRefusal(const ShapeRecord& shape, int number) const {
    if (number == 0 && ShapeCount() >= kMostShapes)
        return "the drawing holds " + std::to_string(kMostShapes) +
               " shapes, the most the board shows at once";
    const ShapeRecord stored = Storable(shape);
    if (!stored.IsText()) return {};
    const std::size_t chars = Utf8Chars(stored.Text);
    if (chars > kMostTextChars)
        return "the text has " + std::to_string(chars) + " characters, more than the " +
               std::to_string(kMostTextChars) + " the board draws";
    std::size_t all = chars;
    for (int n = 1; n <= ShapeCount(); ++n)
        if (const ShapeRecord& other = (*shapes_)[n - 1]; n != number && other.IsText())
            all += Utf8Chars(other.Text);
    if (all > kMostAllTextChars)
        return "the drawing's texts would have " + std::to_string(all) +
               " characters together, more than the " + std::to_string(kMostAllTextChars) +
               " the board draws at once";
    return {};
}

int DrawingList::AppendShape(const ShapeRecord& working, const NewShapeStyle& style,
                             std::string* refused) {
    if (working.Kind.empty()) return 0;
    if (NeedsDrag(working.KindCode()) && working.X1 == working.X2 && working.Y1 == working.Y2)
        return 0;
    ShapeRecord shape = working;
    if (shape.KindCode() == ShapeKind::Ellipse) {
        shape.X3 = HalfDistance(shape.X1, shape.X2);
        shape.Y3 = HalfDistance(shape.Y1, shape.Y2);
    } else if (shape.IsText()) {
        shape.TextRes5 = "0";
        shape.TextRes6 = "0";
    }
    shape.PenColor = style.PenColor;
    shape.FillMode = FillText(style.FillMode);
    shape.FillColor = style.FillMode == Fill::Solid ? style.FillColor : style.BackgroundColor;
    if (std::string why = LimitRefusal(shape); !why.empty()) {
        if (refused) *refused = std::move(why);
        return 0;
    }
    WritableShapes().push_back(Storable(std::move(shape)));
    startUpEmpty_ = false;
    Changed();
    return ShapeCount();
}

std::optional<ShapeRecord> DrawingList::ExtractShape(int number) const {
    if (number < 1 || number > ShapeCount()) return std::nullopt;
    return (*shapes_)[number - 1];
}

bool DrawingList::ReplaceShape(int number, const ShapeRecord& shape, std::string* refused) {
    if (number < 1 || number > ShapeCount()) return false;
    if (std::string why = LimitRefusal(shape, number); !why.empty()) {
        if (refused) *refused = std::move(why);
        return false;
    }
    WritableShapes()[number - 1] = Storable(shape);
    Changed();
    return true;
}

std::optional<ShapeRecord> DrawingList::DeleteShape(int number) {
    if (number < 1 || number > ShapeCount()) return std::nullopt;
    Records& shapes = WritableShapes();
    ShapeRecord removed = std::move(shapes[number - 1]);
    shapes.erase(shapes.begin() + (number - 1));
    startUpEmpty_ = false;
    Changed();
    return removed;
}

bool DrawingList::SpliceShapes(std::size_t first, std::size_t count,
                               std::vector<ShapeRecord> records, bool startUpEmpty) {
    if (first > shapes_->size() || count > shapes_->size() - first) return false;
    Records& shapes = WritableShapes();
    // Records replaced one for one are assigned; the rest are erased or inserted.
    const std::size_t common = std::min(count, records.size());
    auto at = shapes.begin() + static_cast<std::ptrdiff_t>(first);
    std::move(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(common), at);
    at += static_cast<std::ptrdiff_t>(common);
    if (count > common)
        shapes.erase(at, at + static_cast<std::ptrdiff_t>(count - common));
    else
        shapes.insert(
            at, std::make_move_iterator(records.begin() + static_cast<std::ptrdiff_t>(common)),
            std::make_move_iterator(records.end()));
    startUpEmpty_ = startUpEmpty;
    Changed();
    return true;
}

std::string DrawingList::RangeError(const ShapeRecord& s) {
    struct Field {
        const char* name;
        int value;
    };
    const Field x1{"X1", s.X1}, y1{"Y1", s.Y1}, x2{"X2", s.X2}, y2{"Y2", s.Y2}, x3{"X3", s.X3},
        y3{"Y3", s.Y3}, x4{"X4", s.X4}, y4{"Y4", s.Y4}, aux1{"Aux1", s.Aux1}, aux2{"Aux2", s.Aux2},
        aux3{"Aux3", s.Aux3};
    Field fields[10] = {x1, y1};
    std::size_t count = 2;
    auto add = [&](std::initializer_list<Field> more) {
        for (const Field& f : more)
            fields[count++] = f;
    };
    switch (s.KindCode()) {
    case ShapeKind::Line:
    case ShapeKind::Square: add({x2, y2}); break;
    case ShapeKind::Ellipse: add({x2, y2, x3, y3}); break;
    case ShapeKind::Circle: add({x2, y2, x3, y3, aux1}); break;
    case ShapeKind::Triangle: add({x2, y2, x3, y3, x4, y4, aux1, aux2}); break;
    case ShapeKind::Hexagon: add({x2, aux3}); break;
    case ShapeKind::Hyper: add({x2, y2}); break;
    case ShapeKind::Parabola:
    case ShapeKind::Hyper1:
    case ShapeKind::Text: break;
    case ShapeKind::Other: count = 0; break;
    }
    for (std::size_t i = 0; i < count; ++i)
        if (!InCoordinateRange(fields[i].value))
            return std::string(fields[i].name) + " = " + std::to_string(fields[i].value) +
                   " is beyond the board's range, " + std::to_string(-CoordinateLimit) + " to " +
                   std::to_string(CoordinateLimit);
    return {};
}

std::string DrawingList::RecordText(int number, const ShapeRecord& shape) {
    std::string out;
    AppendRecordText(out, number, shape);
    return out;
}

std::string DrawingList::Text() const {
    const Records& shapes = *shapes_;
    if (shapes.empty() && startUpEmpty_) return std::string(EndSignal);
    std::string out;
    out.reserve(shapes.size() * 96 + EndMarker.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        AppendRecordText(out, static_cast<int>(i) + 1, shapes[i]);
        out += CrLf;
    }
    out += EndMarker;
    return out;
}

std::string DrawingList::SetText(std::string_view text) {
    if (text == EndSignal) {
        Clear();
        return {};
    }
    if (text.size() < EndMarker.size() || text.substr(text.size() - EndMarker.size()) != EndMarker)
        return "The drawing does not end with its end marker";
    std::string_view body = text.substr(0, text.size() - EndMarker.size());
    // Each record ends its own line: the lines tell the most records there can be.
    const std::size_t lines = static_cast<std::size_t>(std::count(body.begin(), body.end(), '\n'));
    if (lines > static_cast<std::size_t>(kMostShapes)) {
        const std::size_t records = CountRecords(body);
        if (records > static_cast<std::size_t>(kMostShapes))
            return "The drawing holds " + std::to_string(records) + " shapes, more than the " +
                   std::to_string(kMostShapes) + " the board shows at once";
    }
    std::vector<ShapeRecord> shapes;
    shapes.reserve(std::min(lines, static_cast<std::size_t>(kMostShapes)));
    std::size_t allTextChars = 0;
    while (!body.empty()) {
        const int number = static_cast<int>(shapes.size()) + 1;
        const std::size_t end = body.find(CrLf);
        if (end == std::string_view::npos)
            return "Shape record " + std::to_string(number) + ": it is not ended by a line end";
        const std::string_view line = body.substr(0, end);
        if (line.find_first_of("\r\n") != std::string_view::npos)
            return "Shape record " + std::to_string(number) + ": it holds a stray line break";
        if (std::string error = ParseRecord(line, number, shapes.emplace_back()); !error.empty())
            return error;
        if (const ShapeRecord& shape = shapes.back(); shape.IsText()) {
            const std::size_t chars = Utf8Chars(shape.Text);
            if (chars > kMostTextChars)
                return "Shape record " + std::to_string(number) + ": its text has " +
                       std::to_string(chars) + " characters, more than the " +
                       std::to_string(kMostTextChars) + " the board draws";
            allTextChars += chars;
            if (allTextChars > kMostAllTextChars)
                return "The drawing's texts have more than " + std::to_string(kMostAllTextChars) +
                       " characters together, more than the board draws at once";
        }
        body.remove_prefix(end + CrLf.size());
    }
    shapes_ = std::make_shared<Records>(std::move(shapes));
    startUpEmpty_ = false;
    Changed();
    return {};
}

std::optional<std::size_t> DrawingList::ListLength(std::string_view fileBytes) {
    if (fileBytes.substr(0, EndMarker.size()) == EndMarker) return EndMarker.size();
    const std::string marker = std::string(CrLf) + std::string(EndMarker);
    const std::size_t at = fileBytes.find(marker);
    if (at == std::string_view::npos) return std::nullopt;
    return at + marker.size();
}

} // namespace pelcor
