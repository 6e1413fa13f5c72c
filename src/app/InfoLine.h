#pragma once

#include <QObject>

#include <string>

class QLabel;
class QWidget;

namespace pelcor {

// The information line `InfoLbl` under the readout, and the rules that clear it: moving
// the pointer over the line itself or over the constants' and side panels clears it
// (`ClearInfo`), unless `InfoLock` holds it; moving over a picture of the screen releases
// the lock (`ReleaseLock`).
class InfoLine : public QObject {
    Q_OBJECT
public:
    explicit InfoLine(QWidget* parent);

    // A message replaces the one shown. One wider than the line shows its start, ending in
    // "..."; the whole text is then the line's hint and accessible description.
    void Show(const std::string& text);
    // A message the user must not miss (what start-up could not read): shown as Show does and
    // held, neither cleared by pointer movement nor replaced by hover help, until the user
    // presses a key or a mouse button, or another message replaces it.
    void ShowHeld(const std::string& text);
    bool held() const { return held_; }
    std::string Text() const;

    // While non-zero, pointer movement does not clear the line and the constants' hover
    // help rests.
    int InfoLock = 0;
    void ClearInfo();
    // Pointer movement over `widget` clears the line (ClearInfo).
    void WatchClearing(QWidget* widget);
    // The pointer crossed a picture of the screen: the lock ends.
    void ReleaseLock() { InfoLock = 0; }

signals:
    // ClearInfo cleared the line: a constant still shown white gets its own colour back.
    void cleared();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Release();

    QLabel* label_;
    bool held_ = false;
    QList<QObject*> clearing_;
};

} // namespace pelcor
