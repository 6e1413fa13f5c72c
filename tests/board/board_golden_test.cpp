// Boards drawn with every kind, form, fill, highlight and display option, compared pixel for
// pixel with reference pictures in golden/. The references were drawn by the renderer before
// its fast paths existed, so any change in what is drawn shows here.

#include "GoldenImage.h"
#include "board/BoardTools.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include <string>
#include <vector>

using namespace pelcor;

namespace {

constexpr int Bg = DefaultBackgroundColor;
const int kPalette[] = {255,     65280,    16711680, 0,       16777215, 65535,  8388736,
                        4227327, 12615680, 33023,    8421376, Bg,       1114366};

const QString kFolder = PELCOR_GOLDEN_DIR;

using golden::Rng;

const char* const kKinds[] = {"LINE",    "SQUARE",   "CIRCLE", "ELLIPSE", "TRIANGLE",
                              "HEXAGON", "PARABOLA", "HYPER",  "HYPER1",  "WAVE"};

// A shape of `kind` somewhere on or partly off the board.
ShapeRecord RandomShape(Rng& r, const std::string& kind, const char* fillMode) {
    ShapeRecord s;
    s.Kind = kind;
    s.PenColor = r.of(kPalette), s.FillColor = r.of(kPalette);
    s.FillMode = fillMode;
    s.X1 = r.in(-60, 380), s.Y1 = r.in(-60, 380);
    if (kind == "LINE" || kind == "SQUARE" || kind == "ELLIPSE" || kind == "WAVE") {
        s.X2 = s.X1 + r.in(-120, 120), s.Y2 = s.Y1 + r.in(-120, 120);
    } else if (kind == "CIRCLE") {
        const int radius = r.in(1, 70);
        s.X2 = s.X1 + 2 * radius, s.Y2 = s.Y1 + 2 * radius;
        s.Aux1 = r.in(0, 60), s.Aux2 = r.in(0, 5);
    } else if (kind == "TRIANGLE") {
        s.X2 = s.Y2 = r.in(5, 90);
        s.X3 = s.X1 + r.in(-90, 90), s.Y3 = s.Y1 + r.in(-90, 90);
        s.X4 = s.X1 + r.in(-90, 90), s.Y4 = s.Y1 + r.in(-90, 90);
        s.Aux1 = s.X1 + r.in(-90, 90), s.Aux2 = s.Y1 + r.in(-90, 90);
    } else if (kind == "HEXAGON") {
        s.X2 = r.in(3, 80), s.Y2 = r.in(0, 14);
        s.Aux1 = r.in(0, 90), s.Aux2 = r.in(0, 4), s.Aux3 = r.in(0, 60), s.Aux4 = r.in(3, 12);
    } else if (kind == "PARABOLA") {
        s.X3 = r.in(-30, 30), s.Y4 = r.in(0, 1);
    } else if (kind == "HYPER") {
        s.X2 = r.in(20, 400), s.Y2 = r.in(20, 400), s.Y4 = r.in(0, 1);
    } else if (kind == "HYPER1") {
        s.X1 = r.in(0, 319), s.Y1 = r.in(0, 319), s.X2 = r.in(-60, 60), s.Y4 = r.in(0, 1);
    }
    return s;
}

// A list holding exactly these records, as a file would bring them.
DrawingList ListOf(const std::vector<ShapeRecord>& shapes) {
    std::string text;
    for (std::size_t i = 0; i < shapes.size(); ++i)
        text += DrawingList::RecordText(static_cast<int>(i) + 1, DrawingList::Storable(shapes[i])) +
                "\r\n";
    text += EndMarker;
    DrawingList list;
    EXPECT_EQ(list.SetText(text), "");
    return list;
}

std::vector<ShapeRecord> Mix(unsigned seed, int count, const char* fillMode) {
    Rng r(seed);
    std::vector<ShapeRecord> shapes;
    for (int i = 0; i < count; ++i)
        shapes.push_back(RandomShape(r, kKinds[i % std::size(kKinds)], fillMode));
    return shapes;
}

// A repaint of `list` with `settings` on a fresh board; a second one, with the curves
// already known and the board touched so that it is drawn again, must be the same.
QImage Drawn(const DrawingList& list, const BoardSettings& settings = {}) {
    Canvas canvas(320, 320, Bg);
    BoardRenderer renderer(canvas);
    renderer.Settings = settings;
    renderer.RepaintBoard(list);
    const QImage first = canvas.image();
    canvas.setPixel(0, 0, 0);
    renderer.RepaintBoard(list);
    EXPECT_TRUE(canvas.image() == first);
    return first;
}

// A record of `kind` with its fields in the order of the file, X1 to Aux4.
ShapeRecord Record(const char* kind, std::initializer_list<int> fields, int pen,
                   const char* fillMode = "W", int fill = Bg) {
    ShapeRecord s;
    s.Kind = kind;
    int* const at[] = {&s.X1, &s.Y1, &s.X2,   &s.Y2,   &s.X3,   &s.Y3,
                       &s.X4, &s.Y4, &s.Aux1, &s.Aux2, &s.Aux3, &s.Aux4};
    int i = 0;
    for (int v : fields)
        *at[i++] = v;
    s.PenColor = pen, s.FillMode = fillMode, s.FillColor = fill;
    return s;
}

ShapeRecord Polygon(int cx, int cy, int radius, int edges, int sides, int form, int start,
                    int height, int pen) {
    return Record("HEXAGON", {cx, cy, radius, edges, 0, 0, 0, 0, start, form, height, sides}, pen);
}

ShapeRecord Box(const char* kind, int x1, int y1, int x2, int y2, int pen, const char* fillMode,
                int fill) {
    return Record(kind, {x1, y1, x2, y2}, pen, fillMode, fill);
}

ShapeRecord Curve(const char* kind, int x1, int y1, int x2, int y2, int x3, int y4, int pen) {
    return Record(kind, {x1, y1, x2, y2, x3, 0, 0, y4}, pen);
}

// Every side count (valid or not) in every form, with edge counts short of, equal to and
// beyond the side count.
std::vector<ShapeRecord> Polygons() {
    std::vector<ShapeRecord> shapes;
    int i = 0;
    for (int sides = 3; sides <= 12; ++sides)
        for (int form = 0; form <= 4; ++form, ++i) {
            const int edges = (i % 4 == 0) ? sides - 1 : (i % 4 == 1) ? sides : sides + 3;
            shapes.push_back(Polygon(20 + (i % 8) * 40, 25 + (i / 8) * 45, 12 + i % 9, edges, sides,
                                     form, (i * 17) % 90, 10 + i % 25, kPalette[i % 11]));
        }
    shapes.push_back(Polygon(160, 160, 150, 7 * 60, 7, 0, 0, 0, 255)); // rounds of 51.5 degrees
    shapes.push_back(Polygon(300, 300, 60, 6, 6, 2, 15, 90, 65280));   // partly off the board
    shapes.push_back(Polygon(-10, 150, 40, 5, 5, 1, 0, 20, 0));
    shapes.push_back(Polygon(150, 150, 30, 0, 6, 0, 0, 0, 0)); // no edges
    return shapes;
}

// Circles of every form, ellipses and rectangles of many boxes, filled or not.
std::vector<ShapeRecord> Boxes() {
    std::vector<ShapeRecord> shapes;
    for (int i = 0; i < 24; ++i) {
        ShapeRecord c = Box("CIRCLE", 10 + (i % 6) * 52, 10 + (i / 6) * 52, 0, 0, kPalette[i % 11],
                            i % 2 ? "S" : "W", kPalette[(i + 5) % 11]);
        const int d = 8 + (i * 7) % 38;
        c.X2 = c.X1 + d, c.Y2 = c.Y1 + d;
        c.Aux1 = (i * 11) % 40, c.Aux2 = i % 6;
        shapes.push_back(c);
    }
    const int boxes[][4] = {{10, 220, 60, 250},   {70, 250, 120, 220},  {130, 220, 131, 300},
                            {140, 220, 180, 221}, {190, 260, 190, 300}, {200, 220, 202, 222},
                            {210, 230, 213, 233}, {220, 300, 260, 230}, {-30, 290, 40, 350},
                            {280, 200, 400, 260}, {250, -20, 300, 15},  {0, 0, 320, 320}};
    int i = 0;
    for (const auto& b : boxes) {
        const char* kind = i % 2 ? "ELLIPSE" : "SQUARE";
        shapes.push_back(Box(kind, b[0], b[1], b[2], b[3], kPalette[i % 11], i % 3 ? "S" : "W",
                             kPalette[i + 1]));
        shapes.push_back(Box(i % 2 ? "SQUARE" : "ELLIPSE", b[0] + 3, b[1] + 4, b[2] - 2, b[3] - 3,
                             kPalette[(i + 3) % 11], i % 3 ? "W" : "S", kPalette[(i + 2) % 11]));
        ++i;
    }
    // The last one covers the board: keep it out of the list so the others stay visible.
    shapes.pop_back();
    shapes.pop_back();
    shapes.push_back(Box("ELLIPSE", 0, 0, 320, 320, 255, "W", 0));
    return shapes;
}

// Parabolas both ways, hyperbolas of both kinds both ways, some at awkward values.
std::vector<ShapeRecord> Curves() {
    std::vector<ShapeRecord> shapes;
    const int as[] = {-30, -10, -3, 0, 3, 10, 30};
    for (int i = 0; i < 7; ++i) {
        shapes.push_back(Curve("PARABOLA", 25 + i * 45, 60, 0, 0, as[i], 0, kPalette[i]));
        shapes.push_back(Curve("PARABOLA", 25 + i * 45, 200, 0, 0, as[i], 1, kPalette[i + 2]));
    }
    shapes.push_back(Curve("HYPER", 160, 160, 300, 200, 0, 0, 255));
    shapes.push_back(Curve("HYPER", 100, 250, 100, 50, 0, 1, 16711680));
    shapes.push_back(Curve("HYPER", 250, 80, 40, 300, 0, 1, 0));
    shapes.push_back(Curve("HYPER", 60, 60, 0, 150, 0, 0, 65280));   // a = 0
    shapes.push_back(Curve("HYPER", 300, 300, 120, 0, 0, 1, 65535)); // b = 0
    shapes.push_back(Curve("HYPER", 200, 200, -150, 90, 0, 0, 8388736));
    return shapes;
}

std::vector<ShapeRecord> RectHyperbolas() {
    std::vector<ShapeRecord> shapes;
    const int rows[] = {0, 2, 18, 36, 42, 75, 110, 160, 250, 319};
    const int ks[] = {-40, -10, 0, 10, 40};
    for (int i = 0; i < 10; ++i)
        shapes.push_back(
            Curve("HYPER1", 16 + i * 32, rows[i], ks[i % 5], 0, 0, i % 2, kPalette[i % 11]));
    shapes.push_back(Curve("HYPER1", -5, 100, 20, 0, 0, 0, 0));
    shapes.push_back(Curve("HYPER1", 330, 200, -20, 0, 0, 1, 16777215));
    return shapes;
}

// One shape of every kind (and an unknown one), for the highlight boards.
std::vector<ShapeRecord> OneOfEach(const char* fillMode, unsigned seed) {
    Rng r(seed);
    std::vector<ShapeRecord> shapes;
    for (const char* k : kKinds) {
        ShapeRecord s = RandomShape(r, k, fillMode);
        if (s.Kind != "HYPER1") {
            s.X1 = r.in(40, 280);
            s.Y1 = r.in(40, 280);
        }
        if (s.Kind == "LINE" || s.Kind == "SQUARE" || s.Kind == "ELLIPSE" || s.Kind == "CIRCLE")
            s.X2 = s.X1 + 60, s.Y2 = s.Y1 + 50 + 10 * (s.Kind == "CIRCLE");
        if (s.Kind == "HEXAGON") s.Y2 = s.Aux4, s.Aux2 = r.in(0, 3);
        shapes.push_back(s);
    }
    return shapes;
}

BoardSettings Selecting(int first, int second) {
    BoardSettings s;
    s.SelectedShape = first;
    s.SecondSelectedShape = second;
    return s;
}

} // namespace

TEST(BoardGolden, TheFontsAreTheMetricCompatibleOnes) {
    // The references hold text: they are exact only with these fonts.
    EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QFont("Times New Roman")).family(), "Liberation Serif");
    EXPECT_EQ(QFontInfo(QFont("Courier New")).family(), "Liberation Mono");
}

TEST(BoardGolden, ShapesOfEveryKindFormAndFill) {
    EXPECT_TRUE(golden::Matches(
        golden::Sheet({Drawn(ListOf(Mix(1, 70, "W"))), Drawn(ListOf(Mix(2, 70, "S"))),
                       Drawn(ListOf(Polygons())), Drawn(ListOf(Boxes()))},
                      2),
        kFolder, "shapes.png"));
}

TEST(BoardGolden, CurvesBothWaysAndWhereverTheySit) {
    const DrawingList curves = ListOf(Curves());
    BoardSettings selected;
    selected.SelectedShape = 3;        // a parabola: the coarser step
    selected.SecondSelectedShape = 15; // the first hyperbola: dotted asymptotes
    BoardSettings rectSelected;
    rectSelected.SelectedShape = 6;
    rectSelected.SecondSelectedShape = 1;
    const DrawingList rect = ListOf(RectHyperbolas());
    EXPECT_TRUE(golden::Matches(
        golden::Sheet(
            {Drawn(curves), Drawn(curves, selected), Drawn(rect), Drawn(rect, rectSelected)}, 2),
        kFolder, "curves.png"));
}

TEST(BoardGolden, HighlightsOfEveryKind) {
    const DrawingList outline = ListOf(OneOfEach("W", 11)), filled = ListOf(OneOfEach("S", 12));
    EXPECT_TRUE(golden::Matches(
        golden::Sheet({Drawn(outline, Selecting(1, 2)), Drawn(outline, Selecting(3, 4)),
                       Drawn(outline, Selecting(5, 6)), Drawn(outline, Selecting(7, 8)),
                       Drawn(outline, Selecting(9, 10)), Drawn(filled, Selecting(2, 3)),
                       Drawn(filled, Selecting(4, 6)), Drawn(filled, Selecting(9, 1)),
                       Drawn(filled, Selecting(12, 0))},
                      3),
        kFolder, "highlight.png"));
}

TEST(BoardGolden, DisplayOptionsAndFlags) {
    const DrawingList mix = ListOf(Mix(4, 60, "S")), outline = ListOf(Mix(5, 60, "W"));
    BoardSettings wire, dark, both = Selecting(2, 5), hidden, suppressed, moving;
    wire.WireFrame = hidden.WireFrame = both.WireFrame = true;
    dark.BlackWhite = both.BlackWhite = true;
    hidden.BoardVisible = false;
    suppressed.HandlesSuppressed = true;
    suppressed.PenX = 77, suppressed.PenY = 99, suppressed.BackgroundColor = 16777215;
    moving.MoveMode = true, moving.BackgroundColor = 0;
    EXPECT_TRUE(golden::Matches(
        golden::Sheet({Drawn(mix, wire), Drawn(outline, wire), Drawn(mix, dark), Drawn(mix, both),
                       Drawn(outline, hidden), Drawn(ListOf(Polygons()), suppressed),
                       Drawn(mix, moving), Drawn(outline, Selecting(6, 16))},
                      4),
        kFolder, "options.png"));
}

TEST(BoardGolden, TextInItsStylesAndSizes) {
    std::vector<ShapeRecord> texts;
    const char* fonts[] = {"Arial", "Times New Roman", "Courier New"};
    const char* styles[] = {"Normal", "Bold", "Italic", "Bold Italic", "0"};
    for (int i = 0; i < 15; ++i) {
        ShapeRecord t = Record("TEXT", {-20 + (i % 3) * 120, 5 + i * 21}, kPalette[i % 11],
                               i % 2 ? "S" : "W", kPalette[(i + 4) % 11]);
        t.Text = i % 2 ? "Wave 1.5 [x] qg" : "Angle 30 deg";
        t.FontName = fonts[i % 3], t.FontSize = std::to_string(6 + i), t.FontStyle = styles[i % 5];
        texts.push_back(t);
    }
    const DrawingList list = ListOf(texts);
    BoardSettings wire = Selecting(2, 7);
    wire.WireFrame = true;

    // A text size that is not a number ends the pass.
    std::vector<ShapeRecord> stopped = Mix(6, 20, "S");
    DrawingList broken = ListOf(stopped);
    ShapeRecord bad = texts[3];
    bad.FontSize = "big";
    broken.ReplaceShape(8, bad);
    EXPECT_TRUE(golden::Matches(
        golden::Sheet({Drawn(list), Drawn(list, wire), Drawn(broken), Drawn(list, Selecting(1, 4))},
                      2),
        kFolder, "text.png"));
}

TEST(BoardGolden, ToolPreviewsAndReleases) {
    Canvas canvas(320, 320, Bg);
    DrawingList list = ListOf(Mix(7, 30, "W"));
    BoardRenderer renderer(canvas);
    BoardTools tools(list, renderer);
    renderer.RepaintBoard(list);
    std::vector<QImage> tiles;
    const ToolTag drawing[] = {ToolTag::Line,    ToolTag::Rectangle, ToolTag::Circle,
                               ToolTag::Ellipse, ToolTag::Triangle,  ToolTag::Hexagon};
    int i = 0;
    for (ToolTag t : drawing) {
        if (i == 3) tools.ToggleFill(); // filled from the ellipse on
        tools.ActiveTool = t;
        tools.PenColor = kPalette[i % 11], tools.FillColor = kPalette[(i + 3) % 11];
        const int x = 60 + i * 37, y = 80 + i * 29, toX = x - 30 + i * 5, toY = y + 45 - i * 3;
        tools.MouseDown(x, y, false);
        tools.MouseMove(x + 40, y + 25, true);
        tools.MouseMove(toX, toY, true);
        if (i++ % 2 == 0) tiles.push_back(canvas.image()); // mid-drag: the preview over the shapes
        tools.MouseUp(toX, toY);
    }
    tiles.push_back(canvas.image());
    tools.PenColor = 255;
    for (ToolTag tag : {ToolTag::Hyper, ToolTag::Hyper1, ToolTag::Parabola})
        tools.AddFixedShape(tag);
    tiles.push_back(canvas.image());
    EXPECT_EQ(list.ShapeCount(), 39);
    EXPECT_TRUE(golden::Matches(golden::Sheet(tiles, 3), kFolder, "tools.png"));
}
