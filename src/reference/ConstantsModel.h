#pragma once

#include "platform/Screens.h"

#include <optional>
#include <string>
#include <vector>

namespace pelcor {

class Reporter;
struct Constant;

// The colour of the constant cells on the six tabs.
inline constexpr int kConstantCellColor = 255 + 256 * 255; // yellow

// A cell to be painted in a colour, named by its control's name.
struct CellPaint {
    std::string cell;
    int color;
    bool operator==(const CellPaint&) const = default;
};

// Hover help's highlight: the cell last turned white (HighlightedConst) and the colour it
// gets back (SavedConstColor). Shared by the constant cells, the personal entries and the
// window's ClearInfo.
class ConstHighlight {
public:
    // The hovered cell turns white; a cell still white first gets its colour back.
    std::vector<CellPaint> Highlight(const std::string& cell, int cellColor);
    // The white cell, if any, gets its colour back.
    std::optional<CellPaint> Restore();

    const std::string& HighlightedConst() const { return highlighted_; }
    int SavedConstColor() const { return savedColor_; }
    bool IsWhite() const { return white_; }

private:
    std::string highlighted_ = "StaticText96"; // "(1) radian in deg"
    int savedColor_ = kConstantCellColor;
    bool white_ = false;
};

// What the screen is doing when a described constant may show its picture.
struct ConstantScreenState {
    DisplayMode displayMode = DisplayMode::Start;
    bool formulaListVisible = false; // the formula topics' side list is open
    bool screenHelpOn = false;       // ScreenHelpOn: screen pictures are allowed
    bool boardVisible = false;       // the drawing board is on the screen
};

enum class PictureAction {
    None,         // the screen stays as it is
    ShowConstant, // the constant's own picture takes the screen
    RestoreStart, // the start picture goes back into Image1 and takes the screen
};

// The picture rule for a constant; a Tag the table does not know (nullptr) leaves the screen
// as it is.
PictureAction DecidePicture(const Constant* constant, const ConstantScreenState& state);

// The screen side of the constants, carried out by the view.
class ConstantsDisplay {
public:
    virtual ~ConstantsDisplay() = default;
    virtual ConstantScreenState screenState() const = 0;
    // `pictureName` is the constant's picture in CalcLibrary for ShowConstant.
    virtual void showPicture(PictureAction action, const std::string& pictureName) = 0;
    virtual void paintCell(const CellPaint& paint) = 0;
};

// The constants library's state and its two cell events.
class ConstantsModel {
public:
    ConstantsModel(Reporter& reporter, ConstantsDisplay& display);

    // The value of the constant last hovered or clicked; 0 at start.
    double ConstantValue() const { return constantValue_; }
    // The Tag whose description and picture were shown last; none at start.
    std::optional<int> LastDescribedTag() const { return lastDescribedTag_; }
    // The Tag of the cell or personal entry the pointer last moved over.
    int CurrentEntry() const { return currentEntry_; }
    void SetCurrentEntry(int tag) { currentEntry_ = tag; }
    const ConstHighlight& Highlight() const { return highlight_; }

    // Hover help over `cell` (a constant cell or a personal entry) of colour `cellColor`:
    // rests while the information line is locked.
    void ShowHelp(const std::string& cell, int tag, int cellColor);
    // For ClearInfo: the highlighted cell gets its colour back.
    void RestoreHighlightedConst();
    // Takes the Tag's value, then describes it and shows its picture unless it was the
    // last one described and the information line still shows something.
    void SelectConstant(int tag);
    // A click: SelectConstant, then the value into the readout. Formula topics (Tags
    // above 400) draw their sheet instead; for them this gives false.
    bool InsertHelp(int tag);

private:
    Reporter& reporter_;
    ConstantsDisplay& display_;
    ConstHighlight highlight_;
    double constantValue_ = 0;
    std::optional<int> lastDescribedTag_;
    int currentEntry_ = 0;
};

} // namespace pelcor
