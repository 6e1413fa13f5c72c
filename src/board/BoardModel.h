#pragma once

#include "board/BoardRenderer.h"
#include "board/BoardTools.h"
#include "board/DrawingDocument.h"
#include "board/Toolbar.h"
#include "platform/Reporter.h"
#include "platform/Screens.h"

#include <functional>
#include <string>

namespace pelcor {

// The drawing board's rules: the toolbar's tool selection and its modes (move, rotate,
// intersection "Solv", data "Data", the text tool), the mouse on the board, and the
// repaints. No widgets: the board's view shows what this holds after every call (the
// active tool's picture, the captions' colours, the message memo, the text tool) and
// forwards presses, moves and releases here.
class BoardModel {
public:
    BoardModel(DrawingDocument& document, Canvas& board, Reporter& reporter, Screens& screens);

    DrawingDocument& document() { return document_; }
    const DrawingList& list() const { return document_.list(); }
    BoardTools& tools() { return tools_; }
    const BoardTools& tools() const { return tools_; }
    BoardRenderer& renderer() { return renderer_; }

    // --- display
    // The draw-mode options: a white board with dark white pens, and black and white.
    void SetDisplayOptions(bool wireFrame, bool blackWhite);
    // Clears the board, draws the axes and every shape; a record that can't be drawn
    // reports why in the information line.
    void RepaintBoard();
    // Draws every shape over what is on the board.
    void RedrawAllShapes();

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
    // The button that shows its active picture (Pointer at start).
    ToolTag ShownTool() const { return shownTool_; }
    bool FillOn() const { return tools_.FillMode == "S"; }
    // The message memo `TotalStrg2` (lines end in CR LF).
    const std::string& MemoText() const { return memoText_; }
    bool MemoVisible() const { return memoVisible_; }
    void HideMemo() { memoVisible_ = false; }

    // True while the text editor's memo is open: the tools rest.
    std::function<bool()> textEditOpen;

    // --- the text tool
    bool TextToolOpen() const { return textToolOpen_; }
    // "Insert": adds a TEXT shape at the pen position and moves it one line down.
    void InsertText(const std::string& text, const std::string& fontName, int fontSize, bool bold,
                    int lineHeight);
    // "Close": the frame closes and the pointer tool is chosen.
    void CancelText();

    // --- the mouse on the board
    void MouseDown(int x, int y, bool right);
    // `blocked`: a panel over the board (the formula list, the picture viewer) takes the
    // pointer, or the text tool is open.
    void MouseMove(int x, int y, bool leftDown, bool blocked);
    void MouseUp(int x, int y);

    // --- what the window does after a call
    enum class Focus { None, Readout, AddText };
    Focus TakeFocusRequest();
    // A shape was added or a drawing was loaded: "Save Graphics File" is offered.
    bool TakeSaveOffered();

private:
    void CloseTextTool();
    void SyncBoardVisible();
    void SetMemo(const std::string& text);
    void DescribeNothing();
    void RequestFocus(Focus focus) { focus_ = focus; }

    DrawingDocument& document_;
    Reporter& reporter_;
    Screens& screens_;
    BoardRenderer renderer_;
    BoardTools tools_;

    bool intersectionMode_ = false;
    bool dataMode_ = false;
    bool pointerUsed_ = false;
    bool textToolOpen_ = false;
    ToolTag shownTool_ = ToolTag::Pointer;
    std::string memoText_;
    bool memoVisible_ = false;
    Focus focus_ = Focus::None;
    bool saveOffered_ = false;
};

} // namespace pelcor
