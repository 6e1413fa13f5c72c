#pragma once

#include <QObject>

class QEventLoop;
class QFrame;
class QString;
class QWidget;

namespace pelcor {

class DrawingDocument;

// The two exit questions over the window's client area: `ExitPanel` ("Do you wish to exit
// the Pelcor calculator?") and `ImageChangedPanel` (the drawing is not saved). Each is asked
// by showing it and waiting, with the window's messages still processed, until one of its
// two buttons is pressed.
class ExitPanels : public QObject {
    Q_OBJECT
public:
    explicit ExitPanels(QWidget* parent);

    // "Yes" on ExitPanel and then, when the drawing is not saved, "Exit" on
    // ImageChangedPanel; false for "No" or "Abort Exit". Once confirmed the exit is not
    // asked again.
    bool Confirm(const DrawingDocument& drawing);
    bool Confirmed() const { return confirmed_; }
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
    bool confirmed_ = false;
};

} // namespace pelcor
