#pragma once

#include <QObject>

#include <string>

class QLabel;
class QWidget;

namespace pelcor {

// The information line `InfoLbl` under the readout, and the rules that clear it: moving
// the pointer over the line itself or over the constants' and side panels clears it
// (`ClearInfo`), unless `InfoLock` holds it; moving over a picture of the screen releases
// the lock.
class InfoLine : public QObject {
    Q_OBJECT
public:
    explicit InfoLine(QWidget* parent);

    QLabel* label() const { return label_; }
    void Show(const std::string& text);
    std::string Text() const;

    // While non-zero, pointer movement does not clear the line and the constants' hover
    // help rests.
    int InfoLock = 0;
    void ClearInfo();
    // Pointer movement over `widget` clears the line (ClearInfo).
    void WatchClearing(QWidget* widget);
    // Pointer movement over `widget` releases the lock.
    void WatchUnlocking(QWidget* widget);

signals:
    // ClearInfo cleared the line: a constant still shown white gets its own colour back.
    void cleared();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
    QList<QObject*> clearing_;
    QList<QObject*> unlocking_;
};

} // namespace pelcor
