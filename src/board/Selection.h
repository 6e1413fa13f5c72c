#pragma once

#include "board/BoardRenderer.h"
#include "drawing/DrawingList.h"
#include "geometry/Intersections.h"
#include "geometry/ShapeMeasure.h"

#include <optional>
#include <string>
#include <vector>

namespace pelcor {

// What a press on a handle grabbed.
enum class DragHandle {
    Corner = 0,    // one end or corner of a line, rectangle or ellipse (see EndFlag)
    Whole = 1,     // the whole shape
    TopVertex = 2, // a triangle's vertices
    LowerRightVertex = 3,
    LowerLeftVertex = 4,
};

// What the window shows after a hit test.
struct HitReport {
    int Shape = 0;                   // the shape hit, 0 for none
    std::string ImagesEdit;          // the kind in lower case, or "Not Editing"
    bool ShowMemo = false;           // the message memo TotalStrg2 is shown (else hidden)
    std::string Memo;                // TotalStrg2's whole text (it is emptied first)
    std::optional<std::string> Info; // InfoLbl's new text; nothing leaves the line as it is
    bool HideTextTool = false;       // a TEXT was hit: hide TextLabel and the text frame
    int LineOrdinal = 1;             // 1 + the LINE records before the shape
    int CircleOrdinal = 1;           // 1 + the CIRCLE records before the shape
    // The measurement and description behind the texts. A line's description carries the
    // edit frame's equation label (EditFrame::SetEquationLabel).
    ShapeMeasurement Measured;
    ShapeDescription Description;
};

// What a press in intersection mode did.
struct PickReport {
    enum class Outcome {
        NotPicking,   // intersection mode is off, or this press picks the first shape
        Cleared,      // the press after a result: both selections cleared, shapes redrawn
        FirstIsText,  // the first shape is a text: the pick ends without a word
        PointerTool,  // a rectangle, triangle or hyperbola took part: select the pointer tool
        NothingHit,   // the second press missed: the first selection is cleared
        SecondIsText, // the second shape is a text: the pick ends; Hit describes it
        NoRoutine,    // no routine for the pair: Memo is the second shape's description
        Computed,     // the pair's routine ran: Memo is its result, Rings are drawn
    };
    Outcome Result = Outcome::NotPicking;
    // The hit test that picked the second shape (NothingHit, SecondIsText, NoRoutine,
    // Computed): its ImagesEdit and Info are what the window shows.
    HitReport Hit;
    // NoRoutine and Computed: show TotalStrg2 with this text.
    bool ShowMemo = false;
    std::string Memo;
    std::vector<UnitPoint> Rings; // the points ringed on the board, in units
};

// Selecting shapes on the drawing board by their handles, moving and rotating the selected
// shape, and picking two shapes for an intersection. The selected shapes are the
// renderer's (BoardRenderer::Settings), which draws them highlighted, so the highlight and
// the selection never disagree.
//
// Calling order from the board's mouse handlers:
//
// Press at (x, y) (left or right button; after the edit frame's own rule):
//     selection.BeginPress(x);                          // the rotate reference
//     if (the pixel under (x, y) is a handle colour) {  // BoardTools::CursorAt
//         active tool = move;
//         if (!intersectionMode) select the pointer tool;   // which calls Clear()
//         PickReport pick = selection.PickForIntersection(x, y, intersectionMode);
//         if (pick.Result == PickReport::Outcome::PointerTool)
//             select the pointer tool;        // before the hit test; selection already clear
//         if (!selection.FirstPickDone) show(selection.HitTest(x, y));
//         else show(pick);   // pick.Hit's ImagesEdit and Info; pick.Memo when ShowMemo
//     } else {
//         unless rotate mode: selection.SetSelectedShape(0); ImagesEdit "Not Editing";
//         hide TotalStrg2;
//     }
//     After a hit, focus the readout. A right press on a selected shape opens the edit
//     frame instead of all this (EditFrame::OpenEditFrame).
// Move with the left button down, while move or rotate mode is on:
//     selection.MoveSelected(x, y, rotateMode, intersectionMode);  // repaints the board
// Release:
//     selection.EndPress();
//
// The pointer tool calls Clear(); the "Solv" button calls Clear() when it switches the
// intersection mode off and SetSelectedShape(0) when it switches it on.
class Selection {
public:
    Selection(DrawingList& list, BoardRenderer& renderer) : list_(list), renderer_(renderer) {}

    int SelectedShape() const { return renderer_.Settings.SelectedShape; }
    void SetSelectedShape(int number) { renderer_.Settings.SelectedShape = number; }
    int SecondSelectedShape() const { return renderer_.Settings.SecondSelectedShape; }
    void SetSecondSelectedShape(int number) { renderer_.Settings.SecondSelectedShape = number; }

    // Set once the second shape of an intersection has been picked; the press after it
    // only clears, and the board draws nothing while it is on.
    bool FirstPickDone = false;

    // The handle the last hit test found, reset to Corner at every release.
    DragHandle Handle = DragHandle::Corner;
    bool EndFlag = false;     // with Corner: false (X1, Y1), true (X2, Y2)
    long long Width = 0;      // X2 - X1 and Y2 - Y1 of the shape hit (line, rectangle,
    long long Height = 0;     // ellipse, circle)
    int RotateReferenceX = 0; // the mouse x at the press and after each drag step

    // Both selections 0 and FirstPickDone off (the pointer tool, the end of a pick).
    void Clear();

    void BeginPress(int x) { RotateReferenceX = x; }
    void EndPress() { Handle = DragHandle::Corner; }

    // Finds the shape whose handle lies strictly within 3 pixels of (px, py) on both axes;
    // the lowest number wins. Selects it (or nothing) and says what to show.
    HitReport HitTest(int px, int py);

    // The intersection picking of a press, run before the hit test.
    PickReport PickForIntersection(int px, int py, bool intersectionMode);

    // Drags the selected shape to (x, y) by the handle found, or turns a selected polygon
    // in rotate mode by 4 degrees a pixel of horizontal movement; rewrites its record and
    // repaints the board. Nothing (false) with no selection or in intersection mode.
    bool MoveSelected(int x, int y, bool rotateMode, bool intersectionMode);

private:
    DrawingList& list_;
    BoardRenderer& renderer_;
};

// The ring that marks an intersection point (x, y) in units: a circle of radius 5 pixels in
// 16711696 with a clear brush. The canvas's pen colour and brush style are kept.
void MarkPoint(Canvas& canvas, double x, double y);
void MarkTwoPoints(Canvas& canvas, double x1, double y1, double x2, double y2);

} // namespace pelcor
