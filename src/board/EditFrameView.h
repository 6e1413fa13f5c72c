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
// Wiring: construct with the window as parent and its width - 22 (the panel sits at
// (5, 390), 20 pixels taller than the constants panels). A right press on a selected shape:
// copy the list to the EditBackup, then OpenEditFrame(selected). Connect cancelRequested()
// to a slot that calls CancelWith(EditBackup). Repaint the board picture on boardChanged().
class EditFrameView : public QFrame {
    Q_OBJECT
public:
    EditFrameView(EditFrame& model, Dialogs& dialogs, int width, int height, QWidget* parent);

    EditFrame& model() { return model_; }
    QWidget* control(EditControl c) const { return widgets_[static_cast<int>(c)]; }

    // Opens the frame for shape `number` (after the window took its EditBackup).
    bool OpenEditFrame(int number);
    // Closes the frame when the text tool's entry box holds text (a press on the board or
    // a tool change while the frame is open); gives the board's new working shape.
    std::optional<ShapeRecord> CloseEditFrame(const QString& addText, const QFont& addTextFont);
    // "Cancel" with the copy of the list taken when the frame opened.
    void CancelWith(const DrawingList& editBackup);
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
    void opened();          // hide TotalStrg2; the board shows the arrow cursor
    void boardChanged();    // the board picture was drawn on: repaint it
    void closed();          // "OK" closed the frame: focus the readout, caret at the end
    void cancelRequested(); // "Cancel": call CancelWith(EditBackup)
    void cancelled();       // after CancelWith: the cross cursor, the readout's focus
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
