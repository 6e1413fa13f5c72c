#include "app/WindowAnswers.h"

#include "app/MainCalc.h"
#include "reference/ConstantsView.h"
#include "reference/ImageViewerView.h"

#include <QAction>

namespace pelcor {

bool WindowAnswers::textEditorOpen() const {
    return window_.editor_ && window_.editor_->isPanelVisible();
}

bool WindowAnswers::panelTakesPointer() const {
    return (window_.constants_ && window_.constants_->isFormulaListOpen()) ||
           (window_.viewer_ && window_.viewer_->isOpen());
}

int WindowAnswers::boardBackground() const {
    return window_.board_->renderer().Settings.BackgroundColor;
}

bool WindowAnswers::isEnabled(const QString& name) const {
    return window_.menuAction(name)->isEnabled();
}

void WindowAnswers::setEnabled(const QString& name, bool enabled) {
    window_.menuAction(name)->setEnabled(enabled);
}

} // namespace pelcor
