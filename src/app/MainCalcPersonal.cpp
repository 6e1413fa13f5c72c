// The personal data over the left column, and the side picture with the picture viewer and
// the image library.
#include "app/MainCalc.h"

#include "app/InfoLine.h"
#include "app/MainMenu.h"
#include "app/OptionsView.h"
#include "app/ScreenHost.h"
#include "app/SidePanelHost.h"
#include "app/WindowReporter.h"
#include "board/BoardView.h"
#include "calc/CalculatorView.h"
#include "platform/widgets/Widgets.h"
#include "reference/ImageViewerView.h"
#include "reference/PersonalDataView.h"

#include <QAction>
#include <QFrame>

namespace pelcor {

void TMainCalc1::buildPersonalAndViewer() {
    QWidget* client = centralWidget();
    viewer_ = new ImageViewerView({Panel1, client, screens_->area().x(), screens_->Picture1()},
                                  *screens_, *reporter_, desktop_.dialogs(), files_, this);
    sidePanels_->AddToLeftColumn(viewer_->sidePicture());

    personal_ = new PersonalDataView(Panel1, client, *reporter_, this);
    sidePanels_->AddPanel(personal_->sidePanel(), true);
    sidePanels_->AddCompanion(personal_->editPanel());
    info_->WatchClearing(personal_->sidePanel());
    personal_->ShareHoverHelp(*constants_);

    // "Personal Data": opens the personal data over the left column, or closes it.
    connect(menu_->PersonalData1, &QAction::triggered, this,
            [this] { sidePanels_->Toggle(personal_->sidePanel()); });
    connect(personal_, &PersonalDataView::SidePanelCloseClicked, this,
            &TMainCalc1::AstroCloseButtClick);
    connect(boardView_, &BoardView::libraryBackClicked, viewer_, &ImageViewerView::ImageLeft_Click);
    connect(boardView_, &BoardView::libraryForwardClicked, viewer_,
            &ImageViewerView::ImageRight_Click);
}

} // namespace pelcor
