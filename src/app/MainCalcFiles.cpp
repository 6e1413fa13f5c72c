// "CLS" and the state kept between runs.
#include "app/MainCalc.h"

#include "app/InfoLine.h"
#include "app/MainMenu.h"
#include "app/OptionsView.h"
#include "app/ScreenHost.h"
#include "board/BoardModel.h"
#include "board/BoardView.h"
#include "board/DrawingCommands.h"
#include "board/DrawingDocument.h"
#include "calc/CalculatorView.h"
#include "calc/TapeFile.h"
#include "gallery/GalleryView.h"
#include "platform/AtomicFile.h"
#include "platform/Dialogs.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Widgets.h"
#include "reference/ImageViewerView.h"
#include "reference/PersonalDataView.h"

namespace pelcor {

namespace {

const char* const kSettingsFile = "Pelcor.ini";
const char* const kTapeFile = "TotalStr.dat";

} // namespace

void TMainCalc1::CLSButtClick() {
    // The board clears its drawing; the gallery's plot and the tape are cleared here.
    if (!commands_->CLS() && screens_->isShown(ScreenPicture::Picture1)) {
        screens_->Picture1()->canvas().clear(colors::BoardBackground);
        screens_->Picture1()->update();
    }
    calculatorView_->ClearTape();
    focusAfterToggle();
}

// --- settings -------------------------------------------------------------------------------

void TMainCalc1::LoadSettings() {
    // A file that is there but can't be read is said once start-up is done; a missing one
    // leaves the start values.
    auto problem = [this](const char* name, const std::string& why) {
        if (!why.empty() && startupProblem_.empty())
            startupProblem_ = std::string("*** ") + name + " was not read: " + why + " ***";
    };
    bool missing = false;
    std::string tape;
    std::string why = ReadTapeFile(files_.resolve(kTapeFile), tape, &missing);
    if (why.empty())
        calculatorView_->LoadTape(tape);
    else if (!missing)
        problem(kTapeFile, why);

    Settings read;
    why = Settings::ReadFile(files_.resolve(kSettingsFile), read, &missing);
    if (!why.empty() && !missing) problem(kSettingsFile, why);
    if (why.empty()) {
        settings_ = read;
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
            startupProblem_ = info_->Text();
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

    std::string failure =
        WriteFileAtomically(files_.resolve(kTapeFile), calculatorView_->TapeFileBytes());
    const std::string settingsFailure =
        WriteFileAtomically(files_.resolve(kSettingsFile), settings_.ToFileBytes());
    if (failure.empty()) failure = settingsFailure;
    if (!failure.empty() && !saveFailureReported_) {
        saveFailureReported_ = true;
        const std::string message =
            "The settings could not be saved in " + files_.dir() + ": " + failure;
        info_->Show(message);
        dialogs_->showMessage(Q(message));
    }
}

} // namespace pelcor
