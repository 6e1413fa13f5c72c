// The state kept between runs: each feature's part of the settings, and the tape.
#include "app/MainCalc.h"

#include "app/InfoLine.h"
#include "app/KeptState.h"
#include "app/OptionsView.h"
#include "app/ScreenHost.h"
#include "app/WindowReporter.h"
#include "board/BoardView.h"
#include "board/DrawingCommands.h"
#include "board/DrawingDocument.h"
#include "calc/CalculatorView.h"
#include "gallery/GalleryView.h"
#include "reference/ImageViewerView.h"
#include "reference/PersonalDataView.h"

namespace pelcor {

Reporter& TMainCalc1::reporter() {
    return *reporter_;
}

void TMainCalc1::LoadSettings() {
    if (const auto tape = kept_->LoadTape()) {
        calculatorView_->LoadTape(*tape);
        // A tape too long to show whole shows its newest lines.
        kept_->NoteTapeLinesNotShown(calculatorView_->TapeLinesNotShown());
    }
    if (const auto loaded = kept_->LoadSettings()) {
        settings_ = *loaded;
        calculatorView_->LoadSettings(settings_);
        screens_->setDisplayMode(static_cast<DisplayMode>(settings_.displayMode));
        info_->Show(settings_.info);
        optionsModel_->LoadSettings(settings_);
        optionsView_->Refresh();
        personal_->LoadSettings(settings_);
        boardView_->ShowSoundGlyph(optionsModel_->SoundOn);
        document_->SetFileName(settings_.drawingFile);
        // A remembered drawing that does not open is said again once start-up has cleared
        // the information line.
        if (!settings_.drawingFile.empty() && !commands_->Read(settings_.drawingFile))
            kept_->SetStartupProblem(info_->Text());
        gallery_->setFigureIndex(settings_.galleryPosition);
        if (screens_->displayMode() != DisplayMode::Start) {
            const DisplayMode restored = screens_->displayMode();
            gallery_->ShowCurrentFigure();
            screens_->showDisplayMode(restored);
        }
    }
    viewer_->LoadSettings(settings_); // the side picture, "Pelcor.jpg" unless one was chosen
    commands_->StartHistory();
}

void TMainCalc1::SaveSettings() {
    calculatorView_->SaveSettings(settings_);
    settings_.displayMode = static_cast<int>(screens_->displayMode());
    settings_.galleryPosition = gallery_->FigureIndex();
    settings_.shapeCount = document_->list().ShapeCount();
    settings_.drawingFile = document_->FileName();
    settings_.info = info_->Text();
    optionsModel_->SaveSettings(settings_);
    personal_->SaveSettings(settings_);
    viewer_->SaveSettings(settings_);
    kept_->Save(calculator().tape(), settings_);
}

} // namespace pelcor
