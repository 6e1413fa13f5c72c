#pragma once

#include "board/BoardRenderer.h"
#include "drawing/DrawingList.h"
#include "geometry/ShapeMeasure.h"
#include "platform/Canvas.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace pelcor {

// The controls of the edit frame, in the order they are laid out.
// clang-format off
enum class EditControl {
    PrbA, EditA, PrbB, EditB, PrbC, EditC,
    EditX1Lbl, EditX1, EditY1Lbl, EditY1,
    PrbHorizl, Prbh,
    EditX2Lbl, EditX2, EditY2Lbl, EditY2,
    EquatLabel, AreaLabel, EditG,
    EditColor1, EditColor, EditFillLbl, EditFillColor, EditFillOnLbl, FillCheck,
    FontEditButt, Update, EditClose, EditOk,
};
// clang-format on
inline constexpr int EditControlCount = static_cast<int>(EditControl::EditOk) + 1;

enum class ControlType { Label, Box, CheckBox, Swatch, Button };

// The control's name (its objectName) and what sort of control it is.
const char* ControlName(EditControl control);
ControlType TypeOf(EditControl control);

// How one control shows now.
struct ControlState {
    bool Visible = false;
    bool Enabled = true;
    std::string Text;           // a label's or button's caption, a box's text (UTF-8)
    std::string AccessibleName; // boxes, check boxes, swatches: the caption beside them
    int Left = 0, Top = 0, Width = 0, Height = 0; // a label with Width 0 fits its caption
    bool Checked = false;                         // Prbh, FillCheck
    int Color = 0;                                // EditColor, EditFillColor
};

// A font as the font dialog gives it or starts from.
struct FontChoice {
    std::string Family;
    int PointSize = 8;
    bool Bold = false;
    bool Italic = false;
    int Color = 0;
};

// How far, in pixels, the board keeps a coordinate from its top-left corner either way, and a
// length; an edited value beyond it is refused.
inline constexpr int BoardReachPixels = 1 << 22;

// A command's outcome: an empty text, or the conversion message of a box that does not
// hold a number ("'x' is not a valid floating point value"), or of a value beyond
// BoardReachPixels ("'500000' is beyond what the board keeps: at most 4194304 pixels
// (419430.4 units) either way from the board's top-left corner"). After a message nothing has
// changed: the window shows it in a message box and the frame stays open with the text.
using EditError = std::string;

// The edit frame: the selected shape's numbers in units, laid out by kind, read back into
// its record. It draws on the renderer's canvas (the guide lines while it opens, the board
// after a change) and rewrites the record in the list; the view shows Control().
//
// Calling order:
// - Right press on a selected shape (after the board model copied the list for "Cancel"):
//   OpenEditFrame(selected); then hide TotalStrg2 and show the board's arrow cursor.
// - "OK": Ok(); on success focus the readout with the caret at its end.
// - "Refresh" and Enter in a box: Refresh(). The "Prbh" check box: PrbhClicked(checked).
// - "Cancel": Cancel(that copy); then the cross cursor and the readout's focus.
// - A press on the board or a tool change while the frame is open: CloseEditFrame(...),
//   whose record (a TEXT) becomes the board's working shape; the frame stays open when the
//   text tool's entry box is empty.
// - Whenever DescribeShape gives an equation label (a line was described):
//   SetEquationLabel(label).
class EditFrame {
public:
    EditFrame(DrawingList& list, BoardRenderer& renderer);

    const ControlState& Control(EditControl control) const {
        return controls_[static_cast<int>(control)];
    }
    // The user's typing in a box.
    void SetText(EditControl box, std::string text);

    // The editing flag: on while the frame is open.
    bool IsOpen() const { return open_; }
    // The record as it stands in the frame (with the fill mode and orientation switches).
    const ShapeRecord& Working() const { return working_; }

    // Opens the frame for shape `number`: its values in the boxes, laid out for its kind,
    // and for circles, ellipses and triangles the guide lines and letters on the board.
    // False (and nothing shown) when there is no such shape.
    bool OpenEditFrame(int number);

    // The boxes read back into the edited shape's record, or the message of the first box
    // that does not hold a number.
    std::variant<ShapeRecord, EditError> ReadEditFrame() const;

    // "OK": read, rewrite the record, repaint the board with nothing selected, close. With
    // nothing edited the record is not rewritten.
    EditError Ok();
    // "Refresh" and Enter: read, rewrite, repaint, open again with the new values.
    EditError Refresh();
    // "Cancel": the list goes back to `editBackup` (the copy taken when the frame opened,
    // which also undoes every "Refresh"); repaint with nothing selected; close.
    void Cancel(const DrawingList& editBackup);
    // "Prbh": the orientation switch (Y4 = 1 ticked, 0 not), then as "Refresh".
    EditError PrbhClicked(bool checked);
    // "Fill enabled", on release: fill mode "S" with the fill swatch shown, or "W".
    void FillCheckReleased(bool checked);

    // The colour swatches after the colour dialog.
    void SetPenSwatch(int color);
    void SetFillSwatch(int color);
    // The toolbar's colour button: the pen swatch takes the colour only while open.
    void ToolbarColor(int color);

    // The font the font dialog starts from: the name, size and style in the boxes and the
    // pen swatch's colour.
    FontChoice FontForDialog() const;
    // The font dialog's answer: "Bold" for bold only, "Italic" for italic only, otherwise
    // "Normal" in the style box, the size in the size box, the name in the font box, and
    // its colour in the pen swatch. (The window gives the text tool's entry box the font.)
    void FontChosen(const FontChoice& font);

    // Closes the frame when the text tool's entry box holds text: the boxes are read as a
    // TEXT shape with the entry box's font into the record returned (the list does not
    // change) and the board is repainted with nothing selected. Nothing happens, and the
    // frame stays open, when `addText` is empty (no record, no message).
    struct CloseResult {
        bool Closed = false;
        std::optional<ShapeRecord> Working; // the board's new working shape
        EditError Error;
    };
    CloseResult CloseEditFrame(const std::string& addText, const std::string& fontName,
                               int fontSize);

    // The equation label's caption (a TEXT shape's frame leaves it as it is).
    void SetEquationLabel(std::string caption);

    // Draws the guide lines and letters of the open shape on `canvas`.
    void DrawGuides(Canvas& canvas) const;

private:
    ControlState& At(EditControl c) { return controls_[static_cast<int>(c)]; }
    void ResetLayout();
    void Show(EditControl c, std::string text);
    void ShowBox(EditControl box, std::string text, std::optional<double> exact);
    // A label's caption and the box beside it.
    void Labelled(EditControl label, std::string caption, EditControl box, std::string text,
                  std::optional<double> exact);
    void ShowFillControls();
    void LayOut(const ShapeMeasurement& measured);
    void SetAccessibleNames();
    std::variant<ShapeRecord, EditError> Read(ShapeKind kind,
                                              const std::optional<FontChoice>& textFont) const;
    void RepaintClosed();
    // Whether any box, switch or swatch differs from what the frame opened with.
    bool Edited() const;
    EditError Apply(bool reopen);

    friend class EditFrameReader;

    DrawingList& list_;
    BoardRenderer& renderer_;
    std::array<ControlState, EditControlCount> controls_;
    // What each box showed when the frame opened and the exact value behind it: a box
    // left as it was reads as that value, not as its rounded text.
    std::array<std::string, EditControlCount> shown_;
    std::array<std::optional<double>, EditControlCount> exact_;
    bool open_ = false;
    int shape_ = 0;
    ShapeKind editedKind_ = ShapeKind::Other;
    ShapeRecord opened_;   // the record as the frame opened it
    ShapeRecord working_;  // with the switches applied
    int substitute_ = 0;   // the fill colour that stays when the background colour is the fill
    std::string equation_; // the equation label's caption
};

} // namespace pelcor
