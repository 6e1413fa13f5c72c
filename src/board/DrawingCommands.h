#pragma once

#include "platform/Surface.h"

#include <QObject>

#include <string>

namespace pelcor {

class BoardModel;
class Canvas;
class Dialogs;
class DrawingDocument;
class Reporter;
class Screens;

// The export's picture formats, by the save dialog's filter index.
enum class ExportFormat { Jpeg = 1, Bitmap = 2, Svg = 3, Pdf = 4 };

// The drawing's document commands, as the File and Edit menus and the keypad's "CLS" give
// them: save, load, "New", "CLS", undo and redo, and the export of the screen's picture.
// The window connects its menu items to these, repaints the board with its draw-mode
// options on repaintRequested() and shows the document again on changed().
class DrawingCommands : public QObject {
    Q_OBJECT
public:
    // The pictures an export writes, by the screen that shows them.
    struct Pictures {
        const Canvas* gallery = nullptr; // Picture1: the figures and the sheets
        const Canvas* sheets = nullptr;  // Picture2: the formula topics
        const Canvas* board = nullptr;   // Picture11: the drawing board
    };
    DrawingCommands(BoardModel& board, Screens& screens, Dialogs& dialogs, Reporter& reporter,
                    Pictures pictures, QObject* parent = nullptr);

    // "Save Graphics File": the save dialog, then Write.
    void Save();
    void Write(const std::string& name);
    // "Load Graphics File": the open dialog, then Read and the board's screen.
    void Load();
    // "Load Graphics File" with the file already chosen (a drawing named on the command line).
    void Open(const std::string& name);
    // False when the file is missing or does not read (the drawing stays as it was).
    bool Read(const std::string& name);
    // Start-up: the drawing now shown is the baseline and the history's start.
    void StartHistory();
    // "New" on the drawing board (other screens' "New" is theirs): the empty drawing.
    void New();
    // "CLS": an open edit frame closes; on the board's screen the drawing is cleared (true);
    // unless the text tool is open the pointer tool is chosen.
    bool CLS();
    // "Undo" and "Redo": one step back or forward. An open edit frame closes first; the
    // board is repainted with nothing selected.
    void Undo();
    void Redo();

    // "Export Graphics Image": the current screen's picture, in the format of the chosen
    // filter. The name and the filter are remembered for the next export.
    void Export();
    std::string ExportFileName;
    int ExportFilterIndex = static_cast<int>(ExportFormat::Jpeg);

signals:
    // The board is to be drawn whole again with the draw-mode options.
    void repaintRequested();
    // The document changed: the shape count, the file and the menu's Undo and Redo.
    void changed();
    // "Save Graphics File" offered (a drawing read) or not (an empty "New").
    void saveOffered(bool offered);

private:
    void Step(bool forward);
    // The picture of the current screen, or none.
    const Canvas* ScreenPicture() const;
    // Writes `picture` to `name` in `format` (SVG and PDF draw it again as shapes and texts
    // through `drawing`); the reason when nothing was written.
    static std::string WritePicture(const Canvas& picture, const SurfaceDrawing& drawing,
                                    ExportFormat format, const std::string& name);

    BoardModel& board_;
    DrawingDocument& document_;
    Screens& screens_;
    Dialogs& dialogs_;
    Reporter& reporter_;
    Pictures pictures_;
};

} // namespace pelcor
