#pragma once

#include <QObject>

class QEventLoop;
class QFrame;
class QString;
class QWidget;

namespace pelcor {

// The two exit questions over the window's client area: `ExitPanel` ("Do you wish to exit
// the Pelcor calculator?") and `ImageChangedPanel` (the drawing is not saved). Each is asked
// by showing it and waiting, with the window's messages still processed, until one of its
// two buttons is pressed.
class ExitPanels : public QObject {
    Q_OBJECT
public:
    explicit ExitPanels(QWidget* parent);

    // "Yes" on ExitPanel; false for "No".
    bool ConfirmExit();
    // "Exit" on ImageChangedPanel; false for "Abort Exit".
    bool ConfirmLeavingUnsavedDrawing();
    // ExitPanel stays up, unasked, while the exit saves the settings.
    void ShowWhileSaving();
    void Hide();

private:
    enum class Answer { None, Yes, No };
    QFrame* build(const QString& name, const QString& text, const QString& yes, const QString& no,
                  const QString& yesName, const QString& noName);
    bool ask(QFrame* panel);

    QWidget* parent_;
    QFrame* exitPanel_;
    QFrame* imageChangedPanel_;
    Answer answer_ = Answer::None;
    QEventLoop* wait_ = nullptr;
};

} // namespace pelcor
