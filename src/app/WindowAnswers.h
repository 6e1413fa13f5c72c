#pragma once

#include "board/BoardModel.h"
#include "converter/Converter.h"
#include "editor/TextEditorView.h"
#include "reference/SheetsView.h"

namespace pelcor {

class TMainCalc1;

// The window's answers to what one feature asks about another: each feature declares the
// questions it has (BoardSurroundings, SheetsSurroundings, MenuItems, the converter's and
// the reporter's ReadoutAccess) and is handed this
// object at construction. The answers read the features as they are at the moment of the
// question; a feature not built yet answers "no".
class WindowAnswers final : public BoardSurroundings,
                            public SheetsSurroundings,
                            public MenuItems,
                            public ReadoutAccess {
public:
    explicit WindowAnswers(const TMainCalc1& window) : window_(window) {}

    // Board and sheets
    bool textEditorOpen() const override;
    bool panelTakesPointer() const override;
    int boardBackground() const override;
    // The main menu's entries
    bool isEnabled(const QString& name) const override;
    void setEnabled(const QString& name, bool enabled) override;
    // The calculator's readout
    QString text() const override;
    void replace(const QString& text) override;

private:
    const TMainCalc1& window_;
};

} // namespace pelcor
