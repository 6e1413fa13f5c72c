#pragma once

#include "platform/Colors.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelcor {

// The ten kinds of shape a record can hold (compared case-sensitively).
namespace kind {
inline constexpr std::string_view Line = "LINE";
inline constexpr std::string_view Square = "SQUARE";
inline constexpr std::string_view Circle = "CIRCLE";
inline constexpr std::string_view Ellipse = "ELLIPSE";
inline constexpr std::string_view Triangle = "TRIANGLE";
inline constexpr std::string_view Hexagon = "HEXAGON";
inline constexpr std::string_view Parabola = "PARABOLA";
inline constexpr std::string_view Hyper = "HYPER";
inline constexpr std::string_view Hyper1 = "HYPER1";
inline constexpr std::string_view Text = "TEXT";
} // namespace kind

// The kinds as the program tells them apart; a kind word it does not know is Other.
enum class ShapeKind {
    Line,
    Square,
    Circle,
    Ellipse,
    Triangle,
    Hexagon,
    Parabola,
    Hyper,
    Hyper1,
    Text,
    Other
};
ShapeKind KindOf(std::string_view kind);

inline constexpr int DefaultBackgroundColor = colors::BoardBackground;

// The end signal of a field read: the single byte 0xFF.
inline constexpr std::string_view EndSignal = "\xFF";
// The three bytes that end a drawing list: "[", 0xFF, "]".
inline constexpr std::string_view EndMarker = "[\xFF]";

// One shape, held parsed. For a TEXT shape the six strings Text..TextRes6 take the place
// of X2..Y4; for every other kind the integers are used. Strings are UTF-8.
struct ShapeRecord {
    std::string Kind;
    int X1 = 0, Y1 = 0;
    int X2 = 0, Y2 = 0, X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;
    std::string Text = "0", FontName = "0", FontSize = "0", FontStyle = "0", TextRes5 = "0",
                TextRes6 = "0";
    int Aux1 = 0, Aux2 = 0, Aux3 = 0, Aux4 = 0;
    int PenColor = colors::White;
    int FillColor = DefaultBackgroundColor;
    std::string FillMode = "W";

    bool IsText() const { return Kind == kind::Text; }
    ShapeKind KindCode() const { return KindOf(Kind); }
    bool operator==(const ShapeRecord&) const = default;
};

// Reads a text field by field, as the drawing board reads its records. Each call looks for
// the next "[" after the one used last and the "]" after it.
class FieldReader {
public:
    // Reading starts at byte `start` of the text (0-based).
    explicit FieldReader(std::string_view text, std::size_t start = 0)
        : text_(text), next_(start) {}

    // The characters between the brackets; an empty field reads as "0", and a missing
    // bracket gives the end signal (the single byte 0xFF).
    std::string NextField();
    // Position (0-based) of the "[" last used.
    std::size_t FieldCursor() const { return cursor_; }

private:
    std::string_view text_;
    std::size_t next_;
    std::size_t cursor_ = 0;
};

// Whether the board's new shapes are filled: the fill mode, written "S" (solid) or "W"
// (outline only) in a record.
enum class Fill { Outline, Solid };
inline const char* FillText(Fill fill) {
    return fill == Fill::Solid ? "S" : "W";
}

// The style a new shape takes from the board at the moment it is added.
struct NewShapeStyle {
    int PenColor = colors::White; // the current pen colour
    int FillColor = 0;            // the current fill colour
    Fill FillMode = Fill::Outline;
    int BackgroundColor = DefaultBackgroundColor;
};

// The whole drawing: the shape records in order, numbered 1, 2, 3 ... by their position.
// The record and list texts are written on demand. They are the program's file bytes:
// Windows-1252, with the end marker's 0xFF as that single byte, records ended by CR LF.
// A value type: copying it is how an undo snapshot or an edit backup is taken.
class DrawingList {
public:
    // The empty drawing of start-up, "New" and "CLS" (its text is the single byte 0xFF).
    DrawingList() = default;
    DrawingList(const DrawingList&) = default;
    DrawingList& operator=(const DrawingList&) = default;
    // A list moved from is left empty, with a revision of its own.
    DrawingList(DrawingList&& other) noexcept;
    DrawingList& operator=(DrawingList&& other) noexcept;

    int ShapeCount() const { return static_cast<int>(shapes_->size()); }
    // A number that changes with every change of the records. Lists showing the same
    // number hold the same records (a copy keeps its original's number).
    std::uint64_t Revision() const { return revision_; }
    const std::vector<ShapeRecord>& Shapes() const { return *shapes_; }

    // Back to the empty drawing of start-up.
    void Clear();

    // Adds `working` as the new last record with the board's pen colour and fill mode; its
    // fill colour is the fill colour when the mode is "S", otherwise the background colour.
    // An ELLIPSE gets its half width and height in X3, Y3; a TEXT gets "0" in TextRes5 and
    // TextRes6. Returns the new shape's number, or 0 when nothing was added: no kind, or
    // a LINE, SQUARE, CIRCLE or ELLIPSE whose two points coincide (a click without a drag).
    // A shape that would take the drawing past a limit below (LimitRefusal) is not added:
    // 0, with `refused` (when given) saying why.
    int AppendShape(const ShapeRecord& working, const NewShapeStyle& style,
                    std::string* refused = nullptr);

    // Record `number` (1-based), or nothing when there is no such record.
    std::optional<ShapeRecord> ExtractShape(int number) const;

    // Rewrites record `number` in place, keeping its number. False when there is no such
    // record, or when the new record would take the drawing past a limit below (`refused`,
    // when given, says why); nothing changes then.
    bool ReplaceShape(int number, const ShapeRecord& shape, std::string* refused = nullptr);

    // Removes record `number`; the records after it move up one number. Returns the removed
    // record, or nothing (and no change) when there is no such record.
    std::optional<ShapeRecord> DeleteShape(int number);

    // Replaces the `count` records from position `first` (0-based) by `records`, as undo
    // and redo put a step back; `startUpEmpty` says whether the list, when it holds no
    // shapes, reads as the empty drawing of start-up (see Text()). The records are taken as
    // stored (no Storable). False, with no change, when the range is not in the list.
    bool SpliceShapes(std::size_t first, std::size_t count, std::vector<ShapeRecord> records,
                      bool startUpEmpty);
    // Whether the list, when it holds no shapes, reads as the empty drawing of start-up.
    bool StartUpEmpty() const { return startUpEmpty_; }

    // What is wrong with the positions and lengths of `shape`, or an empty text when each of
    // them lies within ±CoordinateLimit (drawing/Coordinates.h): "X1 = -2147483648 is beyond
    // the board's range, -4194304 to 4194304". The fields checked are those the shape's kind
    // takes as a position or a length in pixels: X1, Y1 of every kind of the ten; the
    // corners X2, Y2 of a LINE, SQUARE, ELLIPSE or CIRCLE; the half sizes X3, Y3 of an
    // ELLIPSE or CIRCLE and a CIRCLE's height Aux1; a TRIANGLE's radius X2, Y2 and vertices
    // X3, Y3, X4, Y4, Aux1, Aux2; a HEXAGON's radius X2 and height Aux3; a HYPER's half axes
    // X2, Y2 (in hundredths of a unit). Coefficients, counts, forms, angles, switches and the
    // fields a kind leaves free may hold any integer: everything reads them as reals.
    static std::string RangeError(const ShapeRecord& shape);

    // The record text: ":(" number ")" and sixteen bracketed fields, without the CR LF.
    static std::string RecordText(int number, const ShapeRecord& shape);

    // The list text: every record followed by CR LF, then the end marker. With no shapes it
    // is the single byte 0xFF at start-up and after Clear, and the end marker alone after
    // the last shape was deleted.
    std::string Text() const;

    // The most a drawing may hold to be read and shown at once (within a second): shapes,
    // characters of one text (what the text tool takes) and characters of all its texts.
    static constexpr int kMostShapes = 100'000;
    static constexpr std::size_t kMostTextChars = 32'767;
    static constexpr std::size_t kMostAllTextChars = 262'144;

    // Why `shape`, as stored (Storable), may not become record `number` (0: a new last
    // record): the drawing would then hold more shapes or text characters than the limits
    // above, so that its file would not be read again. Empty when it may. Every shape the
    // program adds or rewrites is checked here, so every drawing it saves opens again.
    std::string LimitRefusal(const ShapeRecord& shape, int number = 0) const;

    // Replaces the drawing by the one `text` holds (bytes as Text() writes them). Returns
    // an empty string on success; otherwise a message saying what is wrong (a drawing past
    // the limits above says which), and the drawing is left as it was.
    std::string SetText(std::string_view text);

    // Makes a shape storable: its texts are held as Windows-1252 holds them, and "[" and "]"
    // become "(" and ")" and each line break a blank, so that every field can be read back.
    static ShapeRecord Storable(ShapeRecord shape);

    // The length of the list part of a drawing file's bytes: up to and including the first
    // end marker that begins a line (a text shape may hold the marker inside its record).
    // Nothing when there is no such marker.
    static std::optional<std::size_t> ListLength(std::string_view fileBytes);

private:
    static std::uint64_t NextRevision();
    void Changed() { revision_ = NextRevision(); }

    // The records, shared by copies until one of them changes: an undo snapshot or an edit
    // backup of a large drawing costs nothing until the drawing is edited.
    using Records = std::vector<ShapeRecord>;
    static const std::shared_ptr<const Records>& NoRecords();
    Records& WritableShapes();

    std::shared_ptr<const Records> shapes_ = NoRecords();
    bool startUpEmpty_ = true; // no shapes and never had any since the last Clear
    std::uint64_t revision_ = NextRevision();
};

} // namespace pelcor
