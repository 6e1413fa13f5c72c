#pragma once

#include "board/BoardModel.h"
#include "board/Toolbar.h"

#include <QIcon>
#include <QObject>

#include <map>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace pelcor {

class Dialogs;
class EditFrameView;
class PictureBox;
class ProgramFiles;

// The drawing board's controls: the toolbar `CalcPanel2`, the colour swatches `PenColr`
// and `FillColr` with their labels, the text tool `TextFrame`, the message memo
// `TotalStrg2`, the shape edit frame `EditFrame` (under the board, at (5, 390), 616 x 86),
// the status line `StatusPanel` (shapes, editing, file), and the mouse on the board
// picture `Picture11`. It forwards everything to the board model and shows the model's
// state again after each call. Toolbar buttons of other features (sound, screen pictures,
// the gallery and library arrows, "Img", "#") are reported through signals.
class BoardView : public QObject {
    Q_OBJECT
public:
    struct Places {
        QWidget* toolbarParent; // Panel1: the toolbar and the swatches
        QWidget* frameParent;   // the window's client area: the text tool and the memo
        PictureBox* board;      // Picture11; TextLabel, where the next text goes, lies over it
    };
    BoardView(BoardModel& model, Dialogs& dialogs, const ProgramFiles& files, Places places);

    // The toolbar's panel, at the head of the left column.
    QWidget* toolbar() const;
    // The left column's swatches and their labels, which side panels cover.
    QList<QWidget*> swatchControls() const;
    // The keyboard focus goes to the text tool's entry box; false when the tool is closed.
    bool FocusTextTool();

    // Shows the model's state: the tools' pictures, the captions' colours, the memo, the
    // text tool, the shape count. Also repaints the board picture.
    void Refresh();
    // The pictures of the sound and screen-pictures buttons.
    void ShowSoundGlyph(bool soundOn);
    void ShowScreenGlyph(bool screenHelpOn);
    // Pointer movement over another part of the window leaves the board: the coordinate
    // label hides.
    void WatchPointerOver(QWidget* widget);
    // The toolbar's press, as a mouse or a screen reader gives it.
    void DrawButt(ToolTag tag);
    // Another feature takes the screen (the orbit button): an open edit frame closes when
    // the text tool's entry box holds text.
    void CloseEditFrame();

signals:
    // The pointer moved over the board to (x, y) in units; it left the board.
    void pointerCoordinates(double x, double y);
    void pointerLeftBoard();
    void soundToggleRequested();
    void screenHelpToggleRequested();
    void galleryBackClicked();
    void galleryForwardClicked();
    void libraryBackClicked();
    void libraryForwardClicked();
    void imageChangeClicked();
    void solidClicked();
    void focusReadoutRequested();
    // The edit frame's "OK": the information line keeps its message (InfoLock 255) until
    // the pointer crosses a picture.
    void infoLockRequested();
    // A shape was added, a drawing read: "Save Graphics File" is offered again.
    void saveOffered();
    // The shape count or the drawing changed.
    void drawingChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar(QWidget* parent);
    void buildSwatches(QWidget* parent);
    void buildTextFrame(QWidget* parent);
    void buildStatusPanel(QWidget* parent);
    void buildEditFrame(QWidget* parent);
    QIcon glyph(const char* picture);
    void showGlyph(ToolTag tag, const char* picture);
    void GetSwatchColor(QWidget* swatch);
    bool boardMouse(QEvent* event);
    void TextOkButtClick();
    void afterModelCall();
    QPushButton* button(ToolTag tag) const;

    BoardModel& model_;
    Dialogs& dialogs_;
    const ProgramFiles& files_;
    Places places_;
    QFrame* toolbar_ = nullptr;
    QLabel* textLabel_ = nullptr;
    std::map<ToolTag, QPushButton*> buttons_;
    QLabel* penLabel_ = nullptr;
    QLabel* fillLabel_ = nullptr;
    QPlainTextEdit* penSwatch_ = nullptr;
    QPlainTextEdit* fillSwatch_ = nullptr;
    QFrame* textFrame_ = nullptr;
    QPlainTextEdit* addText_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QFrame* status_ = nullptr;
    EditFrameView* editFrame_ = nullptr;
    QLineEdit* imagesTotal_ = nullptr;
    QLineEdit* imagesEdit_ = nullptr;
    QLineEdit* currentFile_ = nullptr;
    std::map<std::string, QIcon> glyphs_;
    QList<QWidget*> watched_;
};

} // namespace pelcor
