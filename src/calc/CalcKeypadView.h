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

    QPushButton* button(const QString& name) const;
    // The keys other features and the calculator's view wire by themselves.
    QPushButton* CLSButt() const { return button("CLSButt"); }
    QPushButton* PlanetButt() const { return button("PlanetButt"); }
    QPushButton* CEButt() const { return button("CEButt"); }
    QPushButton* CLRButt() const { return button("CLRButt"); }
    QPushButton* ButtInv() const { return button("ButtInv"); }
    QPushButton* ExpButt() const { return button("ExpButt"); }
    // "MS1".."MS4" and "MR1".."MR4".
    QPushButton* MemButt(int m) const { return memButtons_[m - 1]; }
    QPushButton* MRButt(int m) const { return mrButtons_[m - 1]; }

    // Shows, hides, enables and disables the keys for a number base (0 decimal,
    // 1 hexadecimal, 2 binary).
    void ApplyMode(NumberBase base);
    // The line `MemLabel` under the keys: the pointer's place on the board in units.
    void ShowPointerCoordinates(double x, double y);
    void SetPointerCoordinatesShown(bool shown);

signals:
    void keyClicked(int tag);
    void operatorClicked(const QString& op, int tag);
    void logicClicked(const QString& op);
    void hexEqualsClicked();

private:
    QPushButton* add(const QString& name, const QString& caption, int left, int top, int tag,
                     const QString& hint = {}, int width = 33, int height = 25);
    // Each key's hint and accessible description name the keyboard key that types it.
    void nameKeyboardKeys();

    std::map<QString, QPushButton*> buttons_;
    QLabel* memLabel_ = nullptr;
    QPushButton* memButtons_[4] = {};
    QPushButton* mrButtons_[4] = {};
};

} // namespace pelcor
