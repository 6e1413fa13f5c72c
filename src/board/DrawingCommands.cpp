#include "board/DrawingCommands.h"

#include "board/BoardModel.h"
#include "board/DrawingDocument.h"
#include "drawing/Coordinates.h"
#include "drawing/DrawingFile.h"
#include "platform/BmpCodec.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/JpegCodec.h"
#include "platform/Reporter.h"
#include "platform/Screens.h"
#include "platform/VectorPicture.h"

#include <QImage>
#include <QPainter>

namespace pelcor {

namespace {

const QString kGraphicsFilter = "Pcz Files (*.pcz)|*.pcz";
// One "description|pattern" pair per ExportFormat, in the order of their filter indexes.
const QString kExportFilter = "jpeg files (*.jpg)|*.jpg | Bbitmap files (*.bmp)|*.bmp | "
                              "SVG files (*.svg)|*.svg | PDF files (*.pdf)|*.pdf";
const std::string kSavingFile = "Saving file:- ";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

} // namespace

DrawingCommands::DrawingCommands(BoardModel& board, Screens& screens, Dialogs& dialogs,
                                 Reporter& reporter, Pictures pictures, QObject* parent)
    : QObject(parent), board_(board), document_(board.document()), screens_(screens),
      dialogs_(dialogs), reporter_(reporter), pictures_(pictures) {}

// --- save and load --------------------------------------------------------------------------

void DrawingCommands::Save() {
    int filterIndex = 1;
    const QString chosen =
        dialogs_.saveFileName(kGraphicsFilter, filterIndex, Q(document_.FileName()));
    if (chosen.isEmpty()) return;
    Write(S(chosen));
}

void DrawingCommands::Write(const std::string& name) {
    document_.Write(name);
    emit changed();
}

void DrawingCommands::Load() {
    const QString chosen = dialogs_.openFileName(kGraphicsFilter, 1, Q(document_.FileName()));
    if (chosen.isEmpty()) return;
    Open(S(chosen));
}

void DrawingCommands::Open(const std::string& name) {
    board_.DeselectShape();
    Read(name);
    screens_.showDisplayMode(DisplayMode::Board);
}

bool DrawingCommands::Read(const std::string& name) {
    if (!document_.Read(name)) {
        emit changed();
        return false;
    }
    emit saveOffered(true);
    board_.DropEditFrame();
    screens_.setTitle("");
    screens_.showOnly(ScreenPicture::Picture11);
    emit repaintRequested();
    return true;
}

void DrawingCommands::StartHistory() {
    // A drawing loaded at start counts as unchanged, and its loading is no step.
    document_.SetBaseline();
    document_.ResetHistory();
    emit changed();
}

// --- clearing -------------------------------------------------------------------------------

void DrawingCommands::New() {
    if (screens_.displayMode() != DisplayMode::Board) return;
    board_.DropEditFrame();
    document_.Clear();
    emit repaintRequested();
    emit saveOffered(false);
}

bool DrawingCommands::CLS() {
    // The frame's shape goes with the drawing.
    board_.DropEditFrame();
    const bool onBoard = screens_.isShown(ScreenPicture::Picture11);
    if (onBoard) {
        document_.Clear();
        emit repaintRequested();
    }
    if (!board_.TextToolOpen()) board_.SelectTool(ToolTag::Pointer);
    emit changed();
    return onBoard;
}

// --- undo and redo --------------------------------------------------------------------------

void DrawingCommands::Undo() {
    Step(false);
}

void DrawingCommands::Redo() {
    Step(true);
}

void DrawingCommands::Step(bool forward) {
    const bool pending = document_.history().Pending(document_.list());
    if (!pending && !(forward ? document_.CanRedo() : document_.CanUndo())) return;
    // The frame's applied changes stay in the list: a step of their own.
    board_.DropEditFrame();
    if (forward ? document_.Redo() : document_.Undo()) board_.ShowStep();
    emit repaintRequested();
}

// --- export ---------------------------------------------------------------------------------

const Canvas* DrawingCommands::ScreenPicture() const {
    switch (screens_.displayMode()) {
    case DisplayMode::Gallery: return pictures_.gallery;
    case DisplayMode::Sheets: return pictures_.sheets;
    case DisplayMode::Board: return pictures_.board;
    default: return nullptr;
    }
}

void DrawingCommands::Export() {
    const Canvas* picture = ScreenPicture();
    if (!picture) {
        reporter_.showInfo("There is no picture on this screen to export");
        return;
    }
    const std::string start = ExportFileName.empty() ? document_.FileName() : ExportFileName;
    int filterIndex = ExportFilterIndex;
    const QString name = Q(DrawingFile::ExportName(start, filterIndex));
    auto filterChanged = [this](int index, const QString& current) {
        const std::string renamed = DrawingFile::ExportName(S(current), index);
        reporter_.showInfo(kSavingFile + renamed);
        return Q(renamed);
    };
    const QString chosen = dialogs_.saveFileName(kExportFilter, filterIndex, name, filterChanged);
    if (chosen.isEmpty()) return;
    ExportFilterIndex = filterIndex;
    ExportFileName = S(chosen);
    reporter_.showInfo(kSavingFile + ExportFileName);

    const DisplayMode mode = screens_.displayMode();
    const SurfaceDrawing drawing =
        screens_.pictureDrawing(mode == DisplayMode::Gallery  ? ScreenPicture::Picture1
                                : mode == DisplayMode::Sheets ? ScreenPicture::Picture2
                                                              : ScreenPicture::Picture11);
    const std::string failure =
        WritePicture(*picture, drawing, static_cast<ExportFormat>(filterIndex), ExportFileName);
    if (!failure.empty()) {
        reporter_.showInfo("*** The picture was not saved in " + ExportFileName + ": " + failure +
                           " ***");
        reporter_.beep();
    }
}

std::string DrawingCommands::WritePicture(const Canvas& picture, const SurfaceDrawing& drawing,
                                          ExportFormat format, const std::string& name) {
    switch (format) {
    case ExportFormat::Svg:
    case ExportFormat::Pdf:
        if (!drawing) return "the picture cannot be drawn again as shapes";
        return WriteVectorPicture(
            name, format == ExportFormat::Svg ? VectorFormat::Svg : VectorFormat::Pdf,
            picture.width(), picture.height(), drawing);
    case ExportFormat::Bitmap: {
        // A 24-bit bitmap of the board's size with the picture drawn into it at (0, 0).
        QImage bitmap(BoardSize, BoardSize, QImage::Format_RGB888);
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, picture.image());
        painter.end();
        return BmpCodec::WriteFile(name, bitmap);
    }
    case ExportFormat::Jpeg: break;
    }
    return JpegCodec::WriteFile(name, picture.image());
}

} // namespace pelcor
