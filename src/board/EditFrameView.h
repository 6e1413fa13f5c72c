#pragma once

#include "board/EditFrame.h"

#include <QFont>
#include <QFrame>

#include <array>
#include <optional>

namespace pelcor {

class Dialogs;

// The edit frame panel `EditFrame` under the board: every control of the model at its
// place, shown, captioned and enabled as the model says. Typing goes to the model; Enter in
// a box, the buttons, the check boxes and the swatches run the model's commands and redraw.
// Bad input is shown in a message box and the frame stays open with the user's text.
//
// The board's view builds it (the panel sits at (5, 390)); the board model opens, closes and
// cancels the frame, and the view repaints the board on boardChanged().
class EditFrameView : public QFrame {
    Q_OBJECT
public:
    EditFrameView(EditFrame& model, Dialogs& dialogs, int width, int height, QWidget* parent);

    QWidget* control(EditControl c) const { return widgets_[static_cast<int>(c)]; }

    // Opens the frame for shape `number` (the board model keeps the list for "Cancel").
    bool OpenEditFrame(int number);
    // The toolbar's colour button: the colour dialog; the pen swatch takes the colour while
    // the frame is open.
    void ToolbarColorButt();

    // The handlers of the frame's controls.
    void EditOkClick();
    void UpdateClick();
    void EditCloseClick();
    void PrbhClick(bool checked);
    void FillCheckClick(bool checked);
    void EditColorClick();
    void EditFillColorClick();
    void FontEditButtClick();

    // Shows the model as it stands.
    void Sync();

signals:
    void boardChanged();    // the board picture was drawn on: repaint it
    void closed();          // "OK" closed the frame: focus the readout, caret at the end
    void cancelRequested(); // "Cancel": the board model puts the list back
    void fontChosen(const QFont& font); // the text tool's entry box takes this font

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowError(const EditError& error);
    void AfterCommand(const EditError& error);
    // The colour dialog from the swatch's colour; `apply` takes the colour chosen.
    void AskColor(EditControl swatch, void (EditFrame::*apply)(int));

    EditFrame& model_;
    Dialogs& dialogs_;
    std::array<QWidget*, EditControlCount> widgets_{};
    bool syncing_ = false;
};

} // namespace pelcor
