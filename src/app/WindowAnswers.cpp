#include "app/WindowAnswers.h"

#include "app/MainCalc.h"
#include "calc/CalculatorView.h"
#include "platform/widgets/Widgets.h"
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

QString WindowAnswers::text() const {
    return window_.calculatorView_ ? window_.calculatorView_->readoutText() : QString();
}

void WindowAnswers::replace(const QString& text) {
    if (window_.calculatorView_) window_.calculatorView_->ReplaceReadout(S(text), false);
}

} // namespace pelcor
