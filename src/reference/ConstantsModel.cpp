#include "reference/ConstantsModel.h"

#include "platform/Colors.h"
#include "platform/NumberText.h"
#include "platform/Reporter.h"
#include "reference/Constants.h"
#include "reference/FormulaTopics.h"

namespace pelcor {

std::vector<CellPaint> ConstHighlight::Highlight(const std::string& cell, int cellColor) {
    std::vector<CellPaint> paints;
    // Moving within the cell already shown white paints nothing again.
    if (white_ && highlighted_ == cell && savedColor_ == cellColor) return paints;
    if (auto restored = Restore()) paints.push_back(*restored);
    highlighted_ = cell;
    savedColor_ = cellColor;
    white_ = true;
    paints.push_back({cell, colors::White});
    return paints;
}

std::optional<CellPaint> ConstHighlight::Restore() {
    if (!white_) return std::nullopt;
    white_ = false;
    return CellPaint{highlighted_, savedColor_};
}

PictureAction DecidePicture(const Constant* constant, const ConstantScreenState& state) {
    // A cell the table does not know (a personal entry) only takes the highlight.
    if (!constant) return PictureAction::None;
    if (state.displayMode == DisplayMode::Reference || state.formulaListVisible)
        return PictureAction::None;
    if (state.screenHelpOn && constant->picture) return PictureAction::ShowConstant;
    return state.boardVisible ? PictureAction::None : PictureAction::RestoreStart;
}

ConstantsModel::ConstantsModel(Reporter& reporter, ConstantsDisplay& display)
    : reporter_(reporter), display_(display) {}

void ConstantsModel::ShowHelp(const std::string& cell, int tag, int cellColor) {
    if (reporter_.infoLocked()) return;
    for (const CellPaint& paint : highlight_.Highlight(cell, cellColor))
        display_.paintCell(paint);
    currentEntry_ = tag;
    SelectConstant(tag);
}

void ConstantsModel::RestoreHighlightedConst() {
    if (auto restored = highlight_.Restore()) display_.paintCell(*restored);
}

void ConstantsModel::SelectConstant(int tag) {
    const Constant* constant = FindConstant(tag);
    if (constant) constantValue_ = constant->value;
    if (lastDescribedTag_ == tag && !reporter_.infoText().empty()) return;
    if (constant)
        if (auto text = ConstantDescription(*constant)) reporter_.showInfo(*text);
    const PictureAction action = DecidePicture(constant, display_.screenState());
    // Remembered before the picture is shown: a picture that cannot be opened is reported
    // once, not again at every move within the cell while its message is up.
    lastDescribedTag_ = tag;
    if (action != PictureAction::None)
        display_.showPicture(action, constant && constant->picture ? constant->picture : "");
}

bool ConstantsModel::InsertHelp(int tag) {
    SelectConstant(tag);
    if (tag >= FirstTopicTag) return false;
    reporter_.replaceReadout(FormatGeneral(constantValue_), /*focus=*/true);
    return true;
}

} // namespace pelcor
