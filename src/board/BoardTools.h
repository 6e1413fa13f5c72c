#pragma once

#include "board/BoardRenderer.h"
#include "board/Toolbar.h"
#include "drawing/DrawingList.h"

#include <string>

namespace pelcor {

// The cursor the board shows over a pixel.
enum class BoardCursor { Cross, SizeAll, Drag };

// The drawing board's mouse: press, drag with a rubber-band preview drawn over the shapes,
// and release that adds the working shape to the list. No widgets: it draws on the
// renderer's canvas and tells the window what happened.
class BoardTools {
public:
    BoardTools(DrawingList& list, BoardRenderer& renderer) : list_(list), renderer_(renderer) {}

    // The toolbar's last tool (Tags up to 17); a drag draws with Line, Rectangle, Circle,
    // Triangle, Ellipse or Hexagon.
    ToolTag ActiveTool = ToolTag::Pointer;
    ToolTag PreviousTool = ToolTag::Pointer;
    Fill FillMode = Fill::Outline; // whether new shapes are filled
    int PenColor = colors::White;  // the swatches' colours
    int FillColor = 0;
    int PenX = 40, PenY = 60; // where the text tool writes next
    bool MoveMode = false;
    bool RotateMode = false;
    ShapeRecord Working; // the shape being made
    // Why the last add (MouseUp, AddFixedShape, AddText) was refused: the drawing would pass
    // one of its limits (DrawingList::LimitRefusal). Empty when it was not.
    std::string Refused;

    // 0 no button down, 1 the left (or middle) button, 2 the right button.
    int ButtonState() const { return button_; }

    // The fill toggle: "W" and "S" in turn; the active tool stays what it was.
    void ToggleFill();

    // Mouse press at pixel (x, y). Left (or middle) button unless `right`.
    void MouseDown(int x, int y, bool right);
    // Mouse move; `leftDown` while the left button is held. Draws the preview.
    void MouseMove(int x, int y, bool leftDown);
    // Mouse release: adds the working shape when a drag with a drawing tool made one and
    // repaints the board. While `mayAdd` is false (the text tool is open, a pick or a move
    // owns the press) it only ends the press. Returns the new shape's number, or 0.
    int MouseUp(int x, int y, bool mayAdd = true);

    // The cursor over pixel (x, y): the handle colours show the size-all or drag cursor.
    BoardCursor CursorAt(int x, int y) const;

    // The fixed shapes of the toolbar: HYPER (ToolTag::Hyper), HYPER1 (ToolTag::Hyper1) and
    // PARABOLA (any other tag, ToolTag::Parabola on the toolbar). Drawn once over the board,
    // then added (the caller repaints); returns the new shape's number.
    int AddFixedShape(ToolTag tag);

    // Adds a TEXT shape at the pen position and moves the pen one line down by
    // `lineHeight`. Nothing for an empty text, nor for one refused (the pen stays). Returns
    // the new shape's number, or 0.
    int AddText(const std::string& text, const std::string& fontName, int fontSize, bool bold,
                int lineHeight);

private:
    NewShapeStyle Style() const;
    void Crosshair(bool paint);
    void DrawPreview(int x, int y);
    void Triangle(int cx, int cy, double r);
    void Hexagon(int cx, int cy, double r);

    DrawingList& list_;
    BoardRenderer& renderer_;
    int button_ = 0; // 0 up, 1 left, 2 right
    int pressX_ = 0, pressY_ = 0;
    int prevX1_ = 0, prevY1_ = 0, prevX2_ = 0, prevY2_ = 0;
    double prevRadius_ = 0;
    int crossX_ = -1, crossY_ = -1;
};

} // namespace pelcor
