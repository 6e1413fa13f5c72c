// Shapes at the ends of the int range and at the edges of the range a shape's positions and
// lengths may take: the loader refuses the first with a message and keeps the drawing; the
// board draws, measures, intersects, edits, moves, turns and saves the second. Run under the
// undefined-behaviour sanitizer, no overflow may happen on the way.
#include "DrawingPipeline.h"

#include "board/DrawingDocument.h"
#include "drawing/Coordinates.h"
#include "drawing/DrawingFile.h"
#include "platform/Reporter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <climits>
#include <fstream>
#include <string>
#include <vector>

using namespace pelcor;

namespace {

constexpr int L = CoordinateLimit;
// The values beyond the range: both ends of the int range and their neighbours, and the
// first values past the range's edges.
const int kBeyond[] = {INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1, -L - 1, L + 1};

std::string Record(const std::string& kind, const std::vector<long long>& fields) {
    std::string text = ":(1)[" + kind + "]";
    for (long long v : fields)
        text += "[" + std::to_string(v) + "]";
    return text + "[16777215][9153434][S]";
}

// A prism, pyramid or truncated pyramid of height `height` about the centre (160, 160).
std::string Polygon(long long height, int form) {
    return Record("HEXAGON", {160, 160, 30, 6, 0, 0, 0, 0, 15, form, height, 6});
}
// A hyperbola about (x1, y1) with half axes 3 and 2 units.
std::string Hyper(long long x1, long long y1) {
    return Record("HYPER", {x1, y1, 300, 200, 0, 0, 0, 0, 0, 0, 0, 0});
}

std::string File(const std::vector<std::string>& records) {
    std::string text;
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::string r = records[i];
        r.replace(2, 1, std::to_string(i + 1)); // ":(1)" numbered in turn
        text += r + "\r\n";
    }
    return text + "[\xFF]\r\nIMAGES{" + std::to_string(records.size()) + "}\r\n";
}

struct RecordingReporter : Reporter {
    std::string info;
    int beeps = 0;
    void showInfo(const std::string& text) override { info = text; }
    void beep() override { ++beeps; }
    void showMessage(const std::string&) override {}
};

} // namespace

TEST(ExtremeCoordinates, TheLoaderRefusesPositionsAndLengthsBeyondTheRange) {
    for (int v : kBeyond) {
        const std::string value = std::to_string(v);
        const std::string range = " is beyond the board's range, -4194304 to 4194304";
        const std::pair<std::string, std::string> cases[] = {
            {Polygon(v, 1), "Aux3"}, {Polygon(v, 2), "Aux3"}, {Polygon(v, 3), "Aux3"},
            {Hyper(v, 160), "X1"},   {Hyper(160, v), "Y1"},
        };
        for (const auto& [record, field] : cases) {
            DrawingFile::Contents out;
            out.shapeCount = 7; // left as it was by a refusal
            EXPECT_EQ(DrawingFile::Parse(File({Polygon(30, 0), record}), out),
                      "Shape record 2: " + field + " = " + value + range)
                << record;
            EXPECT_EQ(out.shapeCount, 7);
            EXPECT_EQ(out.list.ShapeCount(), 0);
        }
    }
    // The range's edges themselves load.
    for (int v : {-L, L}) {
        DrawingFile::Contents out;
        EXPECT_EQ(DrawingFile::Parse(File({Polygon(v, 1), Hyper(v, -v)}), out), "") << v;
        EXPECT_EQ(out.list.Shapes()[0].Aux3, v);
        EXPECT_EQ(out.list.Shapes()[1].Y1, -v);
    }
}

TEST(ExtremeCoordinates, ARefusedFileLeavesTheDrawingAsItWas) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("far.pcz").toStdString();
    std::ofstream(path, std::ios::binary) << File({Hyper(INT_MIN, 160)});
    RecordingReporter reporter;
    DrawingDocument document(reporter);
    DrawingFile::Contents shown;
    ASSERT_EQ(DrawingFile::Parse(File({Polygon(30, 2)}), shown), "");
    document.list() = shown.list;
    const std::string before = document.Text();
    EXPECT_FALSE(document.Read(path));
    EXPECT_EQ(reporter.info, "*** Not loaded: " + path +
                                 " - Shape record 1: X1 = -2147483648 is beyond the board's "
                                 "range, -4194304 to 4194304 ***");
    EXPECT_EQ(reporter.beeps, 1);
    EXPECT_EQ(document.Text(), before);
}

TEST(ExtremeCoordinates, TheRendererTakesTheEndsOfTheIntRangeUnharmed) {
    // Records the loader refuses can still reach the drawing routines from elsewhere (the
    // polygon tool's preview, a list built in code): they draw without overflow.
    Canvas canvas(BoardSize, BoardSize, DefaultBackgroundColor);
    BoardRenderer renderer(canvas);
    for (int v : kBeyond) {
        for (const std::string& text : {Polygon(v, 1), Polygon(v, 2), Polygon(v, 3), Hyper(v, 160),
                                        Hyper(160, v), Hyper(v, v)}) {
            DrawingFile::Contents parsed;
            ASSERT_EQ(DrawingFile::Parse(File({Polygon(1, 1)}), parsed), "");
            ShapeRecord shape = parsed.list.Shapes()[0];
            // The record's own numbers, put in place without the loader's check.
            FieldReader fields(text);
            shape.Kind = fields.NextField();
            for (int* f : {&shape.X1, &shape.Y1, &shape.X2, &shape.Y2, &shape.X3, &shape.Y3,
                           &shape.X4, &shape.Y4, &shape.Aux1, &shape.Aux2, &shape.Aux3})
                *f = static_cast<int>(std::stoll(fields.NextField()));
            renderer.SetShapeColors(shape);
            EXPECT_EQ(renderer.DrawShape(shape, 1), "") << text;
        }
    }
}

TEST(ExtremeCoordinates, EveryShapeAtTheRangesEdgesGoesThroughTheWholeBoard) {
    // Each kind with its positions and lengths at the edges, both ways and crossed, and the
    // fields it takes as reals (coefficients, counts, forms, angles, switches, free fields)
    // at the ends of the int range.
    const long long M = INT_MIN, X = INT_MAX;
    std::vector<std::string> records;
    for (long long e : {-L, L}) {
        const long long f = -e;
        records.push_back(Record("LINE", {e, e, f, f, M, X, M, X, M, X, M, X}));
        records.push_back(Record("LINE", {e, f, e, e, 0, 0, 0, 0, 0, 0, 0, 0}));
        records.push_back(Record("SQUARE", {e, e, f, f, M, X, M, X, M, X, M, X}));
        records.push_back(Record("ELLIPSE", {e, f, f, e, L, L, M, X, M, X, M, X}));
        for (long long form : {0, 1, 2, 3, 4, 5})
            records.push_back(Record("CIRCLE", {e, e, f, f, L, L, M, X, e, form, M, X}));
        records.push_back(Record("TRIANGLE", {e, f, L, L, e, e, f, f, f, e, M, X}));
        records.push_back(Record("TRIANGLE", {0, 0, L, L, e, f, f, f, f, e, M, X}));
        for (long long form : {0, 1, 2, 3})
            for (long long sides : {3LL, 7LL, 12LL, M})
                records.push_back(Record("HEXAGON", {e, f, L, X, M, X, M, X, M, form, e, sides}));
        records.push_back(Record("HEXAGON", {e, f, e, 6, 0, 0, 0, 0, 15, 1, f, 6}));
        records.push_back(Record("PARABOLA", {e, f, M, X, M, X, M, 0, M, X, M, X}));
        records.push_back(Record("PARABOLA", {e, f, 0, 0, X, 0, 0, 1, -50, M, M, X}));
        records.push_back(Record("HYPER", {e, f, e, f, M, X, M, 1, M, X, M, X}));
        records.push_back(Record("HYPER", {e, e, f, 0, M, X, M, 0, M, X, M, X}));
        records.push_back(Record("HYPER1", {e, f, M, X, M, X, M, X, M, X, M, X}));
        records.push_back(Record("HYPER1", {e, 0, X, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        records.push_back(":(1)[TEXT][" + std::to_string(e) + "][" + std::to_string(f) +
                          "][far][Arial][8][Bold][0][0][" + std::to_string(M) + "][" +
                          std::to_string(X) + "][0][0][255][0][W]");
    }
    // In groups of ten, so that each shape meets several others in the intersections.
    for (std::size_t from = 0; from < records.size(); from += 10) {
        const std::vector<std::string> group(
            records.begin() + static_cast<std::ptrdiff_t>(from),
            records.begin() + static_cast<std::ptrdiff_t>(std::min(from + 10, records.size())));
        DrawingFile::Contents loaded;
        ASSERT_EQ(DrawingFile::Parse(File(group), loaded), "") << group.front();
        EXPECT_EQ(pelcor::testing::RunDrawingPipeline(loaded.list), "") << group.front();
    }
}

TEST(ExtremeCoordinates, AShapeMovedAsAWholeStopsAtTheRangesEdgeAndKeepsItsSize) {
    Canvas canvas(BoardSize, BoardSize, DefaultBackgroundColor);
    BoardRenderer renderer(canvas);
    DrawingFile::Contents loaded;
    ASSERT_EQ(
        DrawingFile::Parse(File({Record("LINE", {-L, 100, L - 40, 140, 0, 0, 0, 0, 0, 0, 0, 0}),
                                 Record("TRIANGLE", {L - 10, 100, 10, 10, L, 90, L - 20, 110,
                                                     L - 10, 100, 0, 0})}),
                           loaded),
        "");
    DrawingList list = loaded.list;
    Selection selection(list, renderer);
    selection.SetSelectedShape(1);
    selection.Handle = DragHandle::Whole;
    selection.Width = 2LL * L - 40;
    selection.Height = 40;
    // Its middle dragged 220 pixels to the right: it stops 40 pixels on, at the edge.
    ASSERT_TRUE(selection.MoveSelected(200, 120, false, false));
    const ShapeRecord line = list.Shapes()[0];
    EXPECT_EQ(line.X2, L);
    EXPECT_EQ(line.X1, -L + 40); // the same length
    EXPECT_EQ(line.Y1, 100);

    selection.SetSelectedShape(2);
    ASSERT_TRUE(selection.MoveSelected(L + 500, 105, false, false));
    const ShapeRecord triangle = list.Shapes()[1];
    EXPECT_EQ(triangle.X3, L); // its right vertex was already at the edge
    EXPECT_EQ(triangle.X1, L - 10);
    EXPECT_EQ(triangle.Y1, 105);
    EXPECT_EQ(triangle.Y3, 95);
    EXPECT_EQ(DrawingList::RangeError(triangle), "");
}
