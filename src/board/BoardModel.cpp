#include "board/BoardModel.h"

#include "geometry/ShapeMeasure.h"

namespace pelcor {

namespace {

const char* const kDeletePrompt = " Please select image To be DELETED\r\n";
const char* const kIntersectionPrompt =
    " Please select first image for intersection i.e. Line-Circle\r\n";
const char* const kDataPrompt = " Please select image \r\n";

} // namespace

BoardModel::BoardModel(DrawingDocument& document, Canvas& board, Reporter& reporter,
                       Screens& screens)
    : document_(document), reporter_(reporter), screens_(screens), renderer_(board),
      tools_(document.list(), renderer_) {}

// --- display ------------------------------------------------------------------------------

void BoardModel::SetDisplayOptions(bool wireFrame, bool blackWhite) {
    renderer_.Settings.WireFrame = wireFrame;
    renderer_.Settings.BlackWhite = blackWhite;
}

void BoardModel::RepaintBoard() {
    SyncBoardVisible();
    const std::string problem = renderer_.RepaintBoard(document_.list());
    if (!problem.empty()) reporter_.showInfo(problem);
}

void BoardModel::SyncBoardVisible() {
    // The wire-frame display clears the board white only while the board is shown.
    renderer_.Settings.BoardVisible = screens_.displayMode() == DisplayMode::Board;
}

void BoardModel::RedrawAllShapes() {
    renderer_.RedrawAllShapes(document_.list());
}

// --- toolbar ------------------------------------------------------------------------------

void BoardModel::DrawButt(ToolTag tag) {
    screens_.stopClock();
    if (intersectionMode_) SelectTool(ToolTag::Solv); // switches intersection mode off
    tools_.PreviousTool = tools_.ActiveTool;
    screens_.setTitle("");
    if (TagOf(tag) <= 17) tools_.ActiveTool = TagOf(tag) + 1;
    SelectTool(tag);
}

void BoardModel::SetMemo(const std::string& text) {
    memoText_ = text;
    memoVisible_ = true;
}

void BoardModel::DescribeNothing() {
    const ShapeDescription d = DescribeShape(ShapeMeasurement{}, 0, 0);
    if (d.Info) reporter_.showInfo(*d.Info);
}

void BoardModel::CloseTextTool() {
    textToolOpen_ = false;
    screens_.setIdleTimerRunning(true);
    tools_.MoveMode = false;
}

void BoardModel::SelectTool(ToolTag tag) {
    if (textEditOpen && textEditOpen()) return;
    BoardSettings& board = renderer_.Settings;
    RedrawAllShapes();
    if (tag != ToolTag::Fill) {
        tools_.PreviousTool = tools_.ActiveTool;
        shownTool_ = tag;
    }
    if (TagOf(tag) < 20) screens_.showDisplayMode(DisplayMode::Board);
    SyncBoardVisible();
    switch (tag) {
    case ToolTag::Pointer:
        CloseTextTool();
        tools_.RotateMode = false;
        tools_.FirstPickDone = false;
        board.SelectedShape = board.SecondSelectedShape = 0;
        intersectionMode_ = dataMode_ = false;
        pointerUsed_ = true;
        RedrawAllShapes();
        break;
    case ToolTag::Move:
        CloseTextTool();
        tools_.MoveMode = true;
        break;
    case ToolTag::Line:
    case ToolTag::Rectangle:
    case ToolTag::Circle:
    case ToolTag::Triangle:
    case ToolTag::Hexagon:
        tools_.FirstPickDone = false;
        board.SelectedShape = board.SecondSelectedShape = 0;
        RedrawAllShapes();
        CloseTextTool();
        if (tag == ToolTag::Triangle) tools_.Working.TextRes6 = "1";
        break;
    case ToolTag::Fill: tools_.ToggleFill(); break;
    case ToolTag::Hyper:
    case ToolTag::Hyper1:
    case ToolTag::Parabola:
        CloseTextTool();
        board.SelectedShape = 0;
        if (tools_.AddFixedShape(TagOf(tag))) saveOffered_ = true;
        SelectTool(ToolTag::Pointer);
        break;
    case ToolTag::Ellipse:
        board.SelectedShape = board.SecondSelectedShape = 0;
        RedrawAllShapes();
        break;
    case ToolTag::Rotate:
        CloseTextTool();
        tools_.RotateMode = true;
        break;
    case ToolTag::Erase:
        if (screens_.displayMode() != DisplayMode::Board) break;
        if (board.SelectedShape > 0) {
            tools_.MoveMode = false;
            document_.TakeUndoSnapshot(true);
            document_.list().DeleteShape(board.SelectedShape);
            board.SelectedShape = 0;
            RepaintBoard();
            RequestFocus(textToolOpen_ ? Focus::AddText : Focus::Readout);
            memoVisible_ = false;
        } else {
            intersectionMode_ = dataMode_ = false;
            DescribeNothing();
            board.SelectedShape = board.SecondSelectedShape = 0;
            RedrawAllShapes();
            SetMemo(kDeletePrompt);
        }
        SelectTool(ToolTag::Pointer);
        break;
    case ToolTag::Text:
        CloseTextTool();
        tools_.Working.Kind = kind::Text;
        if (tools_.PenX == 0 && tools_.PenY == 0) tools_.PenX = tools_.PenY = 20;
        textToolOpen_ = true;
        break;
    case ToolTag::Solv:
        if (intersectionMode_) {
            intersectionMode_ = dataMode_ = false;
            board.SelectedShape = board.SecondSelectedShape = 0;
            tools_.FirstPickDone = false;
            RedrawAllShapes();
            memoVisible_ = false;
        } else {
            SelectTool(ToolTag::Pointer);
            intersectionMode_ = dataMode_ = true;
            DescribeNothing();
            board.SelectedShape = 0;
            tools_.FirstPickDone = false;
            RedrawAllShapes();
            SetMemo(kIntersectionPrompt);
        }
        break;
    case ToolTag::Data: {
        const bool wasOn = dataMode_;
        SelectTool(ToolTag::Pointer);
        dataMode_ = !wasOn;
        if (dataMode_) SetMemo(kDataPrompt);
        DescribeNothing();
        board.SelectedShape = 0;
        RedrawAllShapes();
        break;
    }
    default: break; // the other Tags belong to the window's other features
    }
    if (textToolOpen_) RequestFocus(Focus::AddText);
}

void BoardModel::LeaveInteraction() {
    BoardSettings& board = renderer_.Settings;
    board.SelectedShape = board.SecondSelectedShape = 0;
    tools_.MoveMode = tools_.RotateMode = tools_.FirstPickDone = false;
    intersectionMode_ = dataMode_ = false;
    memoVisible_ = false;
    if (textToolOpen_) CloseTextTool();
}

// --- text tool ----------------------------------------------------------------------------

void BoardModel::InsertText(const std::string& text, const std::string& fontName, int fontSize,
                            bool bold, int lineHeight) {
    if (tools_.AddText(text, fontName, fontSize, bold, lineHeight)) saveOffered_ = true;
    RequestFocus(Focus::AddText);
}

void BoardModel::CancelText() {
    textToolOpen_ = false;
    renderer_.Settings.SelectedShape = 0;
    SelectTool(ToolTag::Pointer);
    RequestFocus(Focus::Readout);
}

// --- mouse --------------------------------------------------------------------------------

void BoardModel::MouseDown(int x, int y, bool right) {
    SyncBoardVisible();
    reporter_.showInfo("");
    screens_.setTitle("");
    // A right press on a selected shape opens the edit frame, and a press on a handle
    // (the size-all or drag cursor) picks and moves shapes: both start here, before the
    // tools see the press.
    tools_.MouseDown(x, y, right);
}

void BoardModel::MouseMove(int x, int y, bool leftDown, bool blocked) {
    reporter_.showInfo("");
    if (blocked) return;
    tools_.MouseMove(x, y, leftDown);
}

void BoardModel::MouseUp(int x, int y) {
    const ShapeRecord working = tools_.Working;
    const int added = tools_.MouseUp(x, y, !textToolOpen_);
    if (textToolOpen_) RequestFocus(Focus::AddText);
    if (!added) return;
    saveOffered_ = true;
    // A new shape states its general formula. (The tools have repainted the board.)
    if (auto info = MeasureShape(working).Info) reporter_.showInfo(*info);
}

BoardModel::Focus BoardModel::TakeFocusRequest() {
    const Focus f = focus_;
    focus_ = Focus::None;
    return f;
}

bool BoardModel::TakeSaveOffered() {
    const bool offered = saveOffered_;
    saveOffered_ = false;
    return offered;
}

} // namespace pelcor
