// The drawing's files, its clearing commands, undo, the export of the screen's picture, and
// the state kept between runs.
#include "app/MainCalc.h"

#include "app/InfoLine.h"
#include "app/MainMenu.h"
#include "app/OptionsView.h"
#include "app/ScreenHost.h"
#include "board/BoardModel.h"
#include "board/BoardView.h"
#include "board/DrawingDocument.h"
#include "calc/CalculatorView.h"
#include "calc/TapeFile.h"
#include "drawing/DrawingFile.h"
#include "gallery/GalleryView.h"
#include "platform/AtomicFile.h"
#include "platform/BmpCodec.h"
#include "platform/Dialogs.h"
#include "platform/JpegCodec.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Widgets.h"
#include "reference/ImageViewerView.h"
#include "reference/PersonalDataView.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

namespace pelcor {

namespace {

const QString kGraphicsFilter = "Pcz Files (*.pcz)|*.pcz";
const QString kExportFilter = "jpeg files (*.jpg)|*.jpg | Bbitmap files (*.bmp)|*.bmp";
const QString kSavingFile = "Saving file:- ";
const char* const kSettingsFile = "Pelcor.ini";
const char* const kTapeFile = "TotalStr.dat";

} // namespace

void TMainCalc1::showDocumentState() {
    boardView_->Refresh(); // its drawingChanged also sets "Undo"
}

// --- save and load --------------------------------------------------------------------------

void TMainCalc1::SaveGraphicsFile1Click() {
    int filterIndex = 1;
    const QString chosen =
        dialogs_->saveFileName(kGraphicsFilter, filterIndex, Q(document_->FileName()));
    if (chosen.isEmpty()) return;
    WriteGraphicsFile(S(chosen));
}

void TMainCalc1::WriteGraphicsFile(const std::string& name) {
    document_->Write(name);
    showDocumentState();
}

void TMainCalc1::LoadGraphicsFile1Click() {
    const QString chosen = dialogs_->openFileName(kGraphicsFilter, 1, Q(document_->FileName()));
    if (chosen.isEmpty()) return;
    board_->renderer().Settings.SelectedShape = 0;
    ReadGraphicsFile(S(chosen));
    screens_->showDisplayMode(DisplayMode::Board);
}

bool TMainCalc1::ReadGraphicsFile(const std::string& name) {
    if (!document_->Read(name)) {
        showDocumentState();
        return false;
    }
    menu_->SaveGraphicsFile1->setEnabled(true);
    board_->DropEditFrame();
    screens_->setTitle("");
    screens_->Picture11()->show();
    screens_->Picture1()->hide();
    RepaintBoard();
    return true;
}

// --- clearing and undo ----------------------------------------------------------------------

void TMainCalc1::New1Click() {
    // On the other screens "New" belongs to what they show.
    if (screens_->displayMode() != DisplayMode::Board) return;
    board_->DropEditFrame();
    document_->Clear(false);
    RepaintBoard();
    menu_->SaveGraphicsFile1->setEnabled(false);
}

void TMainCalc1::CLSButtClick() {
    // The frame's shape goes with the drawing.
    board_->DropEditFrame();
    if (screens_->isShown(ScreenPicture::Picture11)) {
        document_->Clear(true);
        RepaintBoard();
    } else if (screens_->isShown(ScreenPicture::Picture1)) {
        screens_->Picture1()->canvas().clear(colors::BoardBackground);
        screens_->Picture1()->update();
    }
    calculatorView_->ClearTape();
    showDocumentState();
    if (board_->TextToolOpen()) {
        boardView_->addText()->setFocus();
    } else {
        board_->SelectTool(ToolTag::Pointer);
        boardView_->Refresh();
        calculatorView_->FocusReadoutAtEnd();
    }
}

void TMainCalc1::Undo1Click() {
    if (!document_->Undo()) return; // one step only
    board_->DropEditFrame();
    board_->RedrawAllShapes();
    showDocumentState();
}

// --- export ---------------------------------------------------------------------------------

void TMainCalc1::SaveImageBitmap1Click() {
    const DisplayMode mode = screens_->displayMode();
    PictureBox* picture = mode == DisplayMode::Gallery  ? screens_->Picture1()
                          : mode == DisplayMode::Sheets ? screens_->Picture2()
                          : mode == DisplayMode::Board  ? screens_->Picture11()
                                                        : nullptr;
    if (!picture) {
        info_->Show("There is no picture on this screen to export");
        return;
    }
    const std::string start = ExportFileName.empty() ? document_->FileName() : ExportFileName;
    int filterIndex = ExportFilterIndex;
    const QString name = Q(DrawingFile::ExportName(start, filterIndex));
    auto filterChanged = [this](int index, const QString& current) {
        const QString renamed = Q(DrawingFile::ExportName(S(current), index));
        info_->label()->setText(kSavingFile + renamed);
        return renamed;
    };
    const QString chosen = dialogs_->saveFileName(kExportFilter, filterIndex, name, filterChanged);
    if (chosen.isEmpty()) return;
    ExportFilterIndex = filterIndex;
    ExportFileName = S(chosen);
    info_->label()->setText(kSavingFile + chosen);

    std::string failure;
    if (filterIndex == 2) {
        QImage bitmap(320, 320, QImage::Format_RGB888);
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, picture->canvas().image());
        painter.end();
        failure = BmpCodec::WriteFile(ExportFileName, bitmap);
    } else {
        failure = JpegCodec::WriteFile(ExportFileName, picture->canvas().image());
    }
    if (!failure.empty()) {
        info_->Show("*** The picture was not saved in " + ExportFileName + ": " + failure + " ***");
        beep();
    }
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
    std::string tapeNote;
    std::string why = ReadTapeFile(files_.resolve(kTapeFile), tape, &missing);
    if (why.empty()) {
        calculatorView_->LoadTape(tape);
        // A tape too long to show whole shows its newest lines; the user is told where the
        // rest is.
        if (const std::size_t hidden = calculatorView_->TapeLinesNotShown(); hidden > 0)
            tapeNote = "The tape shows its newest lines; " + std::to_string(hidden) +
                       (hidden == 1 ? " older line is" : " older lines are") + " kept in " +
                       kTapeFile;
    } else if (!missing)
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
        if (!settings_.drawingFile.empty() && !ReadGraphicsFile(settings_.drawingFile))
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
    // A drawing loaded at start counts as unchanged.
    document_->SetBaseline();
    document_->TakeUndoSnapshot(false);
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
