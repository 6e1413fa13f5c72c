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
#include "platform/Dialogs.h"
#include "platform/StateFile.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Widgets.h"
#include "reference/ImageViewerView.h"
#include "reference/PersonalDataView.h"

namespace pelcor {

namespace {

const char* const kSettingsFile = "Pelcor.ini";
const char* const kTapeFile = "TotalStr.dat";

} // namespace

void TMainCalc1::OpenGraphicsFile(const std::string& name) {
    commands_->Open(name);
}

void TMainCalc1::CLSButtClick() {
    // The board clears its drawing; the gallery's plot and the tape are cleared here.
    if (!commands_->CLS() && screens_->isShown(ScreenPicture::Picture1)) {
        screens_->Picture1()->canvas().clear(colors::BoardBackground);
        screens_->Picture1()->setDrawing([](Surface& s) { s.clear(colors::BoardBackground); });
        screens_->Picture1()->update();
    }
    calculatorView_->ClearTape();
    focusAfterToggle();
}

// --- settings -------------------------------------------------------------------------------

void TMainCalc1::prepareStateFiles() {
    if (!tapeFile_.path().empty()) return;
    tapeFile_ = StateFile(userFiles_.resolve(kTapeFile), read_limit::Tape);
    settingsFile_ = StateFile(userFiles_.resolve(kSettingsFile), read_limit::Settings);
}

void TMainCalc1::LoadSettings() {
    // A file that is there but can't be read is said once start-up is done, and is not
    // written over at exit; a missing one leaves the start values.
    prepareStateFiles();
    auto problem = [this](const StateFile& file, const char* name) {
        if (!file.refused() || !startupProblem_.empty()) return;
        startupProblem_ = std::string("*** ") + name + " was not read: " + file.refusal();
        if (file.readBeside())
            startupProblem_ += "; " + std::string(name) +
                               ".new, saved beside it at the last exit, was read instead";
        startupProblem_ += " ***";
    };
    const LoadedFile tape = tapeFile_.Load();
    problem(tapeFile_, kTapeFile);
    std::string tapeNote;
    if (tape.ok()) {
        calculatorView_->LoadTape(TapeFromFileBytes(tape.bytes));
        // A tape too long to show whole shows its newest lines; the user is told where the
        // rest is.
        if (const std::size_t hidden = calculatorView_->TapeLinesNotShown(); hidden > 0)
            tapeNote = "The tape shows its newest lines; " + std::to_string(hidden) +
                       (hidden == 1 ? " older line is" : " older lines are") + " kept in " +
                       kTapeFile;
    }

    const LoadedFile settingsBytes = settingsFile_.Load();
    problem(settingsFile_, kSettingsFile);
    if (settingsBytes.ok()) {
        settings_ = Settings::FromFileBytes(settingsBytes.bytes);
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
    if (startupProblem_.empty()) startupProblem_ = tapeNote;
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

    prepareStateFiles();
    bool tapeCut = false;
    const std::string tapeBytes = TapeToFileBytes(calculator().tape(), &tapeCut);
    std::string failure = tapeFile_.Save(tapeBytes);
    const std::string settingsFailure = settingsFile_.Save(settings_.ToFileBytes());
    if (failure.empty()) failure = settingsFailure;
    if (!failure.empty() && !saveFailureReported_) {
        saveFailureReported_ = true;
        const std::string message =
            "The settings could not be saved in " + userFiles_.dir() + ": " + failure;
        info_->Show(message);
        dialogs_->showMessage(Q(message));
    }

    // What the user must know about the files kept, once a run.
    if (exitNoticeShown_) return;
    std::string notice;
    auto keptBeside = [&notice](const StateFile& file, const char* name, const char* what) {
        if (!file.refused() || file.saveTarget().empty()) return;
        if (!notice.empty()) notice += "\n";
        notice += std::string(name) + " was not read at start (" + file.refusal() +
                  ") and was left as it was; " + what + " saved beside it in " + name + ".new";
    };
    keptBeside(tapeFile_, kTapeFile, "the tape was");
    keptBeside(settingsFile_, kSettingsFile, "the settings were");
    if (tapeCut) {
        if (!notice.empty()) notice += "\n";
        notice += std::string("The tape is longer than ") + kTapeFile +
                  " may hold (16 MB): its oldest lines were left out of the file";
    }
    if (notice.empty()) return;
    exitNoticeShown_ = true;
    dialogs_->showMessage(Q(notice));
}

} // namespace pelcor
