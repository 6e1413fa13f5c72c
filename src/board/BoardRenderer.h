#pragma once

#include "drawing/DrawingList.h"
#include "geometry/Quadratic.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

namespace pelcor {

// What the board's drawing depends on besides the list: display options, selection and
// the tools' state. The window keeps these up to date.
struct BoardSettings {
    int BackgroundColor = DefaultBackgroundColor;
    bool WireFrame = false;   // "Wire Frame ON": white board, white pens drawn dark
    bool BlackWhite = false;  // "Black white": dark pens, white brushes
    bool BoardVisible = true; // the board picture is the one shown
    int SelectedShape = 0;    // shapes drawn highlighted (0 = none)
    int SecondSelectedShape = 0;
    bool HandlesSuppressed = false; // while the polygon tool previews
    bool MoveMode = false;          // a pass draws only the first shape
    int PenX = 0, PenY = 0;         // the board's pen position (last press)
};

// Draws the drawing board onto a surface: the cleared board, the axes, and every shape of a
// DrawingList with its colours, highlight and handle dots. The board's own renderer draws on
// its canvas; another one draws the same picture on any surface (a vector picture, a page).
//
// At start-up and after every change of the list: RepaintBoard(list).
//
// The pixels of curves are computed once and kept while their record is unchanged. Shapes
// that filled rectangles drawn after them paint over are not drawn. A pass asked for again
// over a picture that has not changed since the same pass drew it (same list, settings and
// canvas state) is known to change nothing, and is not drawn again.
class BoardRenderer {
public:
    // The board's renderer: its canvas is also where the tools draw their previews.
    explicit BoardRenderer(Canvas& canvas);
    // A renderer of the board's picture on another surface.
    explicit BoardRenderer(Surface& surface);
    ~BoardRenderer();

    BoardSettings Settings;
    // Draw even the shapes that the filled rectangles after them paint over (normally they
    // are passed over, with the same result).
    bool DrawCoveredShapes = false;
    // The shared solver of a x² + b x + c; the parabola drawing leaves its results here.
    QuadraticSolver Quadratic;

    // The board's canvas (only for the board's own renderer).
    Canvas& canvas() { return *board_; }
    Surface& surface() { return canvas_; }

    // Fills the whole board in `color`, or in white while the wire frame display is on and
    // the board is shown.
    void ClearBoard(int color);
    // The grey axes through the board's centre and their labels "-X", "X", "Y", "-Y".
    void DrawAxes();
    // Draws every shape of the list over what is there, in list order. Returns an empty
    // string, or the message of a record that could not be drawn (the pass ends there).
    std::string RedrawAllShapes(const DrawingList& list);
    // ClearBoard in the background colour, DrawAxes, RedrawAllShapes.
    //
    // `state`, when not 0, names the list's records: lists repainted with the same number
    // hold the same records (the drawing's history numbers the drawings it returns to). The
    // board's renderer keeps the pictures of the last PicturesKept states it repainted; a
    // repaint of one of them, with the same settings and the canvas in the same style, puts
    // its picture back instead of drawing it again (the same pixels, the same canvas state
    // and results afterwards).
    std::string RepaintBoard(const DrawingList& list, std::uint64_t state = 0);
    static constexpr std::size_t PicturesKept = 12;
    // The board's picture, when the last thing drawn on the canvas was the repaint of
    // `list`, is kept as the picture of `state` (the number `list` has just been given).
    void NameRepaint(const DrawingList& list, std::uint64_t state);

    // Sets the canvas pen and brush for a shape, with the display options' colour rules.
    void SetShapeColors(const ShapeRecord& shape);
    // Draws one shape with the colours set on the canvas; `number` is its place in the list
    // (it decides the highlight). Returns an empty string or what stopped the drawing.
    std::string DrawShape(const ShapeRecord& shape, int number);

    // The shape routines, drawn with the canvas's current pen and brush.
    void DrawPolygon(const ShapeRecord& shape, int cx, int cy, double radius, double edges);
    void DrawCircleForm(const ShapeRecord& shape);
    void DrawParabola(const ShapeRecord& shape, double step);
    void DrawHyperbola(const ShapeRecord& shape);
    void DrawRectHyperbola(const ShapeRecord& shape);
    void DrawTriangle(const ShapeRecord& shape);
    void DrawHandles(const ShapeRecord& shape);

    // The kind of the shape last drawn highlighted.
    const std::string& LastHighlightedKind() const { return lastHighlightedKind_; }

private:
    struct Pass;
    class Curves;

    void Line(int x1, int y1, int x2, int y2);
    void Handle(int x, int y, int color);
    // What drawing a shape painted over later leaves besides pixels: the highlighted kind,
    // the solver's results, a text's font colour and style, the pen and brush styles.
    void PassOver(const ShapeRecord& shape, int number);
    // Whether the pass about to be drawn is the one that drew the canvas last; if it is,
    // its effects on the canvas state and the results are taken again.
    bool Repeats(const Pass& pass, std::string& error);
    // Plots a curve's pixels in the pen colour.
    void Plot(const std::vector<QPoint>& pixels);
    // Whether a kept repaint drew the picture `repaint` (a repaint about to be drawn) would.
    bool SameRepaint(const Pass& kept, const Pass& repaint) const;
    // Puts back the kept picture of `state` for `repaint`, as the last pass. False when
    // there is none.
    bool TakeKept(const Pass& repaint, std::uint64_t state, const DrawingList& list);
    // Keeps the board's picture, drawn by the last pass (a repaint), as `state`'s.
    void Keep(std::uint64_t state);

    Surface& canvas_;
    Canvas* board_ = nullptr;
    std::string lastHighlightedKind_;
    std::shared_ptr<Curves> curves_;
    std::shared_ptr<Pass> lastPass_; // the pass that drew the canvas last, if known
    struct KeptPicture {
        std::uint64_t state = 0;
        std::shared_ptr<const Pass> pass; // the repaint that drew it
        QImage picture;
    };
    std::deque<KeptPicture> kept_;   // the oldest first
    bool parabolaSolved_ = false;    // the pass being drawn has called the solver
    bool highlightedInPass_ = false; // ... has drawn a shape highlighted
};

} // namespace pelcor
