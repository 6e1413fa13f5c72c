#pragma once

#include "board/BoardRenderer.h"
#include "board/BoardTools.h"
#include "board/DrawingDocument.h"
#include "board/EditFrame.h"
#include "board/Selection.h"
#include "board/Toolbar.h"
#include "platform/Reporter.h"
#include "platform/Screens.h"

#include <string>

namespace pelcor {

// What the board asks of the features that open over it; the window answers. Nothing
// covers the board unless an answer says so.
class BoardSurroundings {
public:
    virtual ~BoardSurroundings() = default;
    // The text editor's memo is open: the tools rest.
    virtual bool textEditorOpen() const { return false; }
    // A panel over the board (the formula list, the picture viewer) takes the pointer.
    virtual bool panelTakesPointer() const { return false; }
};

// The drawing board's rules: the toolbar's tool selection and its modes (move, rotate,
// intersection "Solv", data "Data", the text tool), the mouse on the board, selecting,
// moving and rotating shapes and picking two for an intersection, the edit frame's
// opening and closing, and the repaints. No widgets: the board's view shows what this
// holds after every call (the active tool's picture, the captions' colours, the message
// memo, the status line, the text tool, the edit frame) and forwards presses, moves and
// releases here.
//
// A press (MouseDown) on the board:
// - while the edit frame is open it only tries CloseEditFrame;
// - a right press on a selected shape, once the pointer tool was used and with move mode
//   off, keeps a copy of the list for "Cancel" and opens the edit frame;
// - otherwise the tools take the press (crosshair, pen position); a press on a handle
//   chooses the pointer tool (outside intersection mode), runs the intersection pick and
//   then the hit test, whose texts go to ImagesEdit, the memo and the information line;
//   a press elsewhere drops the selection (not while rotating);
// - a left press that leaves a shape selected starts a move that its release ends.
// Moves with the left button held drag or turn the selected shape in move or rotate mode,
// or preview the active tool; nothing while a pick is complete or the frame is open.
class BoardModel {
public:
    BoardModel(DrawingDocument& document, Canvas& board, Reporter& reporter, Screens& screens,
               const BoardSurroundings& surroundings);

    DrawingDocument& document() { return document_; }
    const DrawingList& list() const { return document_.list(); }
    BoardTools& tools() { return tools_; }
    const BoardTools& tools() const { return tools_; }
    BoardRenderer& renderer() { return renderer_; }
    Selection& selection() { return selection_; }
    const Selection& selection() const { return selection_; }
    EditFrame& editFrame() { return editFrame_; }
    const EditFrame& editFrame() const { return editFrame_; }

    // --- display
    // The draw-mode options: a white board with dark white pens, and black and white.
    void SetDisplayOptions(bool wireFrame, bool blackWhite);
    // Clears the board, draws the axes and every shape; a record that can't be drawn
    // reports why in the information line.
    void RepaintBoard();
    // Draws every shape over what is on the board.
    void RedrawAllShapes();
    // The board's picture drawn again on another surface of its size: the board repainted
    // from the list with the display options and the selection, as on the screen.
    void DrawPicture(Surface& surface);

    // --- the toolbar
    // The press of any toolbar button: stops the clock, leaves intersection mode, takes
    // the tool number for Tags 0 to 17, then selects the tool.
    void DrawButt(ToolTag tag);
    // The tool selection routine.
    void SelectTool(ToolTag tag);
    // Another screen takes over: any selection, move, rotation or pick is dropped and the
    // text tool closes; the tools' numbers stay.
    void LeaveInteraction();

    bool IntersectionMode() const { return intersectionMode_; }
    bool DataMode() const { return dataMode_; }
    bool PointerUsed() const { return pointerUsed_; }
    // Whether the toolbar button shows its active picture: the chosen tool's, or the move
    // button's during a move started by a press on the selected shape.
    bool GlyphActive(ToolTag tag) const;
    bool MoveByPress() const { return moveByPress_; }
    bool FillOn() const { return tools_.FillMode == Fill::Solid; }
    // The message memo `TotalStrg2` (lines end in CR LF).
    const std::string& MemoText() const { return memoText_; }
    bool MemoVisible() const { return memoVisible_; }
    // The status line's `ImagesEdit`: the selected shape's kind in lower case, or
    // "Not Editing".
    const std::string& ImagesEdit() const { return imagesEdit_; }

    const BoardSurroundings& surroundings() const { return surroundings_; }

    // --- the text tool
    bool TextToolOpen() const { return textToolOpen_; }
    // The entry box `AddText`: its text and its font, which the edit frame's font dialog
    // changes (new text shapes and the edit frame's closing take them).
    struct TextFont {
        std::string Name = "MS Sans Serif";
        int Size = 8;
        bool Bold = false;
        bool Italic = false;
    };
    std::string AddText;
    TextFont AddTextFont;
    // "Insert": adds AddText as a TEXT shape at the pen position and moves the pen one
    // line down.
    void InsertText(int lineHeight);
    // "Close": the frame closes and the pointer tool is chosen.
    void CancelText();

    // --- the mouse on the board
    void MouseDown(int x, int y, bool right);
    // `blocked`: a panel over the board (the formula list, the picture viewer) takes the
    // pointer, or the text tool is open.
    void MouseMove(int x, int y, bool leftDown, bool blocked);
    void MouseUp(int x, int y);

    // --- the edit frame
    bool EditFrameOpen() const { return editFrame_.IsOpen(); }
    // A press on the board, a tool change or the orbit button while the frame is open: the
    // frame closes when AddText holds text (its boxes become the working shape, read as a
    // text); otherwise it stays open. True when the frame is closed afterwards.
    bool CloseEditFrame();
    // "Cancel": the drawing as it was when the frame opened (every "Refresh" undone).
    void CancelEdit();
    // The drawing under an open frame is replaced ("CLS", "New", undo, loading) or its
    // shape is deleted: the frame closes without reading its boxes, so it never writes
    // one shape's values over another.
    void DropEditFrame();
    // No shape stays selected: a drawing is about to be read in place of this one.
    void DeselectShape() { selection_.SetSelectedShape(0); }

    // --- undo steps
    // Ends a step of the drawing: what changed since the last one becomes one undo step
    // (a shape added, a drag, a delete, a text, the edit frame's "OK"). Nothing while the
    // edit frame is open: its "Refresh"es and its closing are one step.
    void CommitStep();
    // After an undo or redo: nothing selected (the tools stay as they are).
    void ShowStep();

    // --- what the window does after a call
    enum class Focus { None, Readout, AddText };
    Focus TakeFocusRequest();
    // A shape was added or a drawing was loaded: "Save Graphics File" is offered.
    bool TakeSaveOffered();

private:
    // `redraw` false: the board is left as it is, for a caller that repaints it anyway.
    void SelectTool(ToolTag tag, bool redraw);
    void CloseTextTool();
    void PressOnHandle(int x, int y);
    void ShowHit(const HitReport& hit);
    void OpenEditFrame();
    void SyncBoardVisible();
    // Tells why the tools refused to add a shape, if they did.
    void ReportRefusal();
    void SetMemo(const std::string& text);
    void DescribeNothing();
    void RequestFocus(Focus focus) { focus_ = focus; }

    DrawingDocument& document_;
    Reporter& reporter_;
    Screens& screens_;
    const BoardSurroundings& surroundings_;
    BoardRenderer renderer_;
    BoardTools tools_;
    Selection selection_;
    EditFrame editFrame_;
    DrawingList editCancelCopy_; // the list when the edit frame opened

    bool intersectionMode_ = false;
    bool dataMode_ = false;
    bool pointerUsed_ = false;
    bool textToolOpen_ = false;
    ToolTag shownTool_ = ToolTag::Pointer; // the tool chosen last
    std::string memoText_;
    bool memoVisible_ = false;
    std::string imagesEdit_ = "Not editing";
    bool moveByPress_ = false;
    bool pressTaken_ = false; // the press only closed or opened the edit frame
    Focus focus_ = Focus::None;
    bool saveOffered_ = false;
};

} // namespace pelcor
