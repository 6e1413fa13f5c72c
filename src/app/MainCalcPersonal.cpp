// The personal data over the left column, and the side picture with the picture viewer and
// the image library.
#include "app/MainCalc.h"

#include "app/InfoLine.h"
#include "app/OptionsView.h"
#include "app/ScreenHost.h"
#include "app/SidePanelHost.h"
#include "board/BoardView.h"
#include "calc/CalculatorView.h"
#include "platform/widgets/Widgets.h"
#include "reference/ImageViewerView.h"
#include "reference/PersonalDataView.h"

#include <QFrame>
#include <QLineEdit>

namespace pelcor {

void TMainCalc1::buildPersonalAndViewer() {
    viewer_ = new ImageViewerView(
        {Panel1, client_, screens_->panel(), screens_->ViewerImage(), screens_->Picture1()},
        *screens_, reporter(), *dialogs_, files_, this);
    sidePanels_->AddToLeftColumn(viewer_->sidePicture());

    personal_ = new PersonalDataView(Panel1, client_, reporter(), this);
    sidePanels_->AddPanel(personal_->sidePanel(), true);
    sidePanels_->AddCompanion(personal_->editPanel());
    info_->WatchClearing(personal_->sidePanel());
    personal_->ShareHoverHelp(*constants_);
}

void TMainCalc1::wirePersonalAndViewer() {
    connect(personal_, &PersonalDataView::SidePanelCloseClicked, this,
            &TMainCalc1::AstroCloseButtClick);
    connect(boardView_, &BoardView::libraryBackClicked, viewer_, &ImageViewerView::ImageLeft_Click);
    connect(boardView_, &BoardView::libraryForwardClicked, viewer_,
            &ImageViewerView::ImageRight_Click);
    connect(optionsView_, &OptionsView::screenModeChosen, viewer_, [this](int mode) {
        if (mode == 2) viewer_->ShowLibraryImage();
    });
}

void TMainCalc1::Personal1Click() {
    sidePanels_->Toggle(personal_->sidePanel());
}

} // namespace pelcor
