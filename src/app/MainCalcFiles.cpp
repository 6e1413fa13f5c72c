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

void TMainCalc1::LoadSettings() {
    if (const auto tape = kept_->LoadTape()) {
        calculatorView_->LoadTape(*tape);
        // A tape too long to show whole shows its newest lines.
        kept_->NoteTapeLinesNotShown(calculatorView_->TapeLinesNotShown());
    }
    Settings& settings = kept_->settings();
    if (kept_->LoadSettings()) {
        calculatorView_->LoadSettings(settings);
        screens_->setDisplayMode(static_cast<DisplayMode>(settings.displayMode));
        info_->Show(settings.info);
        optionsModel_->LoadSettings(settings);
        optionsView_->Refresh();
        personal_->LoadSettings(settings);
        boardView_->ShowSoundGlyph(optionsModel_->SoundOn);
        document_->SetFileName(settings.drawingFile);
        // A remembered drawing that does not open is said again once start-up has cleared
        // the information line.
        if (!settings.drawingFile.empty() && !commands_->Read(settings.drawingFile))
            kept_->SetStartupProblem(info_->Text());
        gallery_->setFigureIndex(settings.galleryPosition);
        if (screens_->displayMode() != DisplayMode::Start) {
            const DisplayMode restored = screens_->displayMode();
            gallery_->ShowCurrentFigure();
            screens_->showDisplayMode(restored);
        }
    }
    viewer_->LoadSettings(settings); // the side picture, "Pelcor.jpg" unless one was chosen
    commands_->StartHistory();
}

void TMainCalc1::SaveSettings() {
    Settings& settings = kept_->settings();
    calculatorView_->SaveSettings(settings);
    settings.displayMode = static_cast<int>(screens_->displayMode());
    settings.galleryPosition = gallery_->FigureIndex();
    settings.shapeCount = document_->list().ShapeCount();
    settings.drawingFile = document_->FileName();
    settings.info = info_->Text();
    optionsModel_->SaveSettings(settings);
    personal_->SaveSettings(settings);
    viewer_->SaveSettings(settings);
    kept_->Save(calculator().tape());
}

} // namespace pelcor
