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
                       Screens& screens, const BoardSurroundings& surroundings)
    : document_(document), reporter_(reporter), screens_(screens), surroundings_(surroundings),
      renderer_(board), tools_(document.list(), renderer_), selection_(document.list(), renderer_),
      editFrame_(document.list(), renderer_) {}

// --- display ------------------------------------------------------------------------------

void BoardModel::SetDisplayOptions(bool wireFrame, bool blackWhite) {
    renderer_.Settings.WireFrame = wireFrame;
    renderer_.Settings.BlackWhite = blackWhite;
}

void BoardModel::RepaintBoard() {
    SyncBoardVisible();
    const std::string problem = renderer_.RepaintBoard(document_.list(), document_.State());
    if (!problem.empty()) reporter_.showInfo(problem);
}

void BoardModel::DrawPicture(Surface& surface) {
    BoardRenderer renderer(surface);
    renderer.Settings = renderer_.Settings;
    renderer.Settings.BoardVisible = screens_.displayMode() == DisplayMode::Board;
    surface.takeStyle(renderer_.canvas());
    renderer.RepaintBoard(document_.list());
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
    if (tag < ToolTag::Colour) tools_.ActiveTool = tag; // the drawing tools, Tags up to 17
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

bool BoardModel::GlyphActive(ToolTag tag) const {
    if (moveByPress_ && tag == ToolTag::Move) return true;
    if (moveByPress_ && tag == ToolTag::Pointer) return false;
    return tag == shownTool_;
}

void BoardModel::SelectTool(ToolTag tag) {
    SelectTool(tag, true);
}

void BoardModel::SelectTool(ToolTag tag, bool redraw) {
    if (surroundings_.textEditorOpen()) return;
    BoardSettings& board = renderer_.Settings;
    // Every tool tries to close the edit frame; it stays open while AddText is empty, and
    // the tool is chosen all the same.
    if (EditFrameOpen())
        CloseEditFrame();
    else if (redraw)
        RedrawAllShapes();
    if (tag != ToolTag::Fill) {
        tools_.PreviousTool = tools_.ActiveTool;
        shownTool_ = tag;
    }
    if (tag < ToolTag::Sound) screens_.showDisplayMode(DisplayMode::Board); // Tags below 20
    SyncBoardVisible();
    switch (tag) {
    case ToolTag::Pointer:
        CloseTextTool();
        tools_.RotateMode = false;
        selection_.Clear();
        intersectionMode_ = dataMode_ = false;
        pointerUsed_ = true;
        if (redraw) RedrawAllShapes();
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
        selection_.Clear();
        RedrawAllShapes();
        CloseTextTool();
        if (tag == ToolTag::Triangle) tools_.Working.TextRes6.assign(1, '1');
        break;
    case ToolTag::Fill: tools_.ToggleFill(); break;
    case ToolTag::Hyper:
    case ToolTag::Hyper1:
    case ToolTag::Parabola:
        CloseTextTool();
        board.SelectedShape = 0;
        if (tools_.AddFixedShape(tag)) saveOffered_ = true;
        ReportRefusal();
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
        if (const int selected = board.SelectedShape; selected > 0) {
            tools_.MoveMode = false;
            DropEditFrame();
            document_.Commit(); // the delete is a step of its own
            // The selected shape is drawn highlighted: the last highlighted kind is its own.
            const std::string kind = renderer_.LastHighlightedKind();
            if (document_.list().DeleteShape(selected)) {
                reporter_.showInfo(kind + " Deleted successfully");
                reporter_.beep();
            }
            document_.Commit();
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
        // The shape count is the list's size here, so a pick can't change it and it needs
        // no saving and restoring around the mode.
        if (intersectionMode_) {
            intersectionMode_ = dataMode_ = false;
            selection_.Clear();
            RedrawAllShapes();
            memoVisible_ = false;
        } else {
            SelectTool(ToolTag::Pointer);
            intersectionMode_ = dataMode_ = true;
            DescribeNothing();
            board.SelectedShape = 0;
            selection_.FirstPickDone = false;
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
    selection_.Clear();
    tools_.MoveMode = tools_.RotateMode = moveByPress_ = false;
    intersectionMode_ = dataMode_ = false;
    memoVisible_ = false;
    if (textToolOpen_) CloseTextTool();
}

void BoardModel::ReportRefusal() {
    if (tools_.Refused.empty()) return;
    reporter_.showInfo("*** Not added: " + tools_.Refused + " ***");
    reporter_.beep();
}

// --- text tool ----------------------------------------------------------------------------

void BoardModel::InsertText(int lineHeight) {
    if (tools_.AddText(AddText, AddTextFont.Name, AddTextFont.Size,
                       AddTextFont.Bold && !AddTextFont.Italic, lineHeight))
        saveOffered_ = true;
    ReportRefusal(); // the text stays in the entry box
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
    pressTaken_ = false;
    if (EditFrameOpen()) {
        // The press only tries to close the frame; its release adds nothing.
        CloseEditFrame();
        pressTaken_ = true;
        return;
    }
    if (right && selection_.SelectedShape() != 0 && pointerUsed_ && !tools_.MoveMode) {
        OpenEditFrame();
        pressTaken_ = true;
        return;
    }
    // The handle under the press, read before the crosshair is drawn.
    const bool onHandle = tools_.CursorAt(x, y) != BoardCursor::Cross;
    selection_.BeginPress(x);
    tools_.MouseDown(x, y, right);
    if (onHandle) {
        PressOnHandle(x, y);
    } else {
        if (!tools_.RotateMode) selection_.SetSelectedShape(0);
        imagesEdit_ = "Not Editing";
        memoVisible_ = false;
    }
    if (!selection_.FirstPickDone && !right && selection_.SelectedShape() != 0) {
        if (!tools_.MoveMode && pointerUsed_) tools_.MoveMode = true;
        // Until the release the move button shows its active picture.
        if (tools_.MoveMode) moveByPress_ = true;
    }
}

void BoardModel::PressOnHandle(int x, int y) {
    tools_.ActiveTool = ToolTag::Pointer;
    // Without redrawing: this press's release (or its first drag step) repaints the board
    // whole, with the new selection highlighted.
    if (!intersectionMode_) SelectTool(ToolTag::Pointer, false);
    const PickReport pick = selection_.PickForIntersection(x, y, intersectionMode_);
    using Outcome = PickReport::Outcome;
    switch (pick.Result) {
    case Outcome::PointerTool: SelectTool(ToolTag::Pointer); break;
    case Outcome::NothingHit:
    case Outcome::SecondIsText:
    case Outcome::NoRoutine:
    case Outcome::Computed: ShowHit(pick.Hit); break;
    default: break;
    }
    if (pick.ShowMemo) SetMemo(pick.Memo);
    if (!selection_.FirstPickDone) ShowHit(selection_.HitTest(x, y));
}

void BoardModel::ShowHit(const HitReport& hit) {
    imagesEdit_ = hit.ImagesEdit;
    if (hit.ShowMemo)
        SetMemo(hit.Memo);
    else
        memoVisible_ = false;
    if (hit.Info) reporter_.showInfo(*hit.Info);
    if (hit.Description.EquatLabel) editFrame_.SetEquationLabel(*hit.Description.EquatLabel);
    if (hit.HideTextTool) textToolOpen_ = false;
    RequestFocus(Focus::Readout);
}

void BoardModel::MouseMove(int x, int y, bool leftDown, bool blocked) {
    reporter_.showInfo("");
    if (blocked) return;
    // A completed pick and an open edit frame draw nothing; every move forgets the kind of
    // the shape being made.
    const bool dragging =
        leftDown && tools_.ButtonState() == 1 && !selection_.FirstPickDone && !EditFrameOpen();
    if (tools_.MoveMode || tools_.RotateMode) {
        tools_.MouseMove(x, y, false);
        // Each step rewrites the record and repaints the board.
        if (dragging) selection_.MoveSelected(x, y, tools_.RotateMode, intersectionMode_);
        return;
    }
    tools_.MouseMove(x, y, dragging);
}

void BoardModel::MouseUp(int x, int y) {
    selection_.EndPress();
    const bool moveByPress = moveByPress_, moveMode = tools_.MoveMode;
    const bool mayAdd = !pressTaken_ && !EditFrameOpen() && !textToolOpen_ && !moveByPress &&
                        !moveMode && !selection_.FirstPickDone;
    const ShapeRecord working = tools_.Working;
    const int added = tools_.MouseUp(x, y, mayAdd);
    ReportRefusal();
    if (pressTaken_ || EditFrameOpen()) return;
    if (textToolOpen_) {
        RequestFocus(Focus::AddText);
        return;
    }
    if (moveByPress || moveMode) {
        // A move ends: the shape stays selected and the board is drawn whole again. A move
        // started by a press also ends move mode.
        moveByPress_ = false;
        if (moveByPress && !tools_.RotateMode) shownTool_ = ToolTag::Pointer;
        if (moveByPress) tools_.MoveMode = false;
        RequestFocus(Focus::Readout);
        RepaintBoard();
        return;
    }
    if (!added) return;
    saveOffered_ = true;
    // A new shape states its general formula. (The tools have repainted the board.)
    if (auto info = MeasureShape(working).Info) reporter_.showInfo(*info);
}

// --- the edit frame -------------------------------------------------------------------------

void BoardModel::OpenEditFrame() {
    editCancelCopy_ = document_.list();
    if (!editFrame_.OpenEditFrame(selection_.SelectedShape())) return;
    memoVisible_ = false;
}

bool BoardModel::CloseEditFrame() {
    if (!EditFrameOpen()) return true;
    EditFrame::CloseResult result =
        editFrame_.CloseEditFrame(AddText, AddTextFont.Name, AddTextFont.Size);
    if (!result.Error.empty()) reporter_.showMessage(result.Error);
    if (result.Working) tools_.Working = *result.Working;
    return result.Closed;
}

void BoardModel::CancelEdit() {
    if (!EditFrameOpen()) return;
    editFrame_.Cancel(editCancelCopy_);
    RequestFocus(Focus::Readout);
}

void BoardModel::DropEditFrame() {
    if (!EditFrameOpen()) return;
    const DrawingList current = document_.list();
    editFrame_.Cancel(current);
}

// --- steps -----------------------------------------------------------------------------------

void BoardModel::CommitStep() {
    if (EditFrameOpen()) return;
    // The board was repainted before the change became a step: its picture is the step's.
    if (document_.Commit()) renderer_.NameRepaint(document_.list(), document_.State());
}

void BoardModel::ShowStep() {
    selection_.Clear();
    imagesEdit_ = "Not Editing";
    memoVisible_ = false;
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
