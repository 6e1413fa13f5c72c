#pragma once

#include "calc/NumberBases.h"

#include <QFrame>
#include <QString>

#include <map>

class QPushButton;
class QLabel;

namespace pelcor {

// The keypad panel `CalcPanel`: every calculator button at its place with its caption,
// hint and Tag. It turns clicks into calls: the number, point, operator and function
// keys report their Tag through `keyClicked`; the four operator keys also report their
// operator text first through `operatorClicked` (for the hexadecimal arithmetic); the
// other buttons are reached by name and wired by the window.
class CalcKeypadView : public QFrame {
    Q_OBJECT
public:
    explicit CalcKeypadView(QWidget* parent = nullptr);

    // Shows, hides, enables and disables the keys for a number base (0 decimal,
    // 1 hexadecimal, 2 binary).
    void ApplyMode(NumberBase base);
    // The line `MemLabel` under the keys: the pointer's place on the board in units.
    void ShowPointerCoordinates(double x, double y);
    void SetPointerCoordinatesShown(bool shown);
    // The marks the calculator's state leaves on the keys: "Inv" and "Exp" in their font
    // colours, and each memory's value in the hints of "MS" and "MR", marked by colour.
    void ShowFunctionColors(int invColor, int expColor);
    void ShowMemory(int m, const QString& value, bool marked);
    // "Orbit" in its resting colour.
    void ShowOrbitKeyAtRest();

signals:
    void keyClicked(int tag);
    void operatorClicked(const QString& op, int tag);
    void logicClicked(const QString& op);
    void hexEqualsClicked();
    // "MS1".."MS4" and "MR1".."MR4": the memory's number.
    void memoryStoreClicked(int m);
    void memoryRecallClicked(int m);
    void clearEntryClicked();  // "CE"
    void clearAllClicked();    // "CLR"
    void clearScreenClicked(); // "CLS"
    void orbitClicked();       // "Orbit"

private:
    QPushButton* add(const QString& name, const QString& caption, int left, int top, int tag,
                     const QString& hint = {}, int width = 33, int height = 25);
    // Each key's hint and accessible description name the keyboard key that types it.
    void nameKeyboardKeys();
    QPushButton* button(const QString& name) const;

    std::map<QString, QPushButton*> buttons_;
    QLabel* memLabel_ = nullptr;
    QPushButton* memButtons_[4] = {};
    QPushButton* mrButtons_[4] = {};
};

} // namespace pelcor
