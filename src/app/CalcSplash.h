#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace pelcor {

// The splash window: no border, black, showing the splash picture stretched over it while
// it grows to 320 x 320.
class TCalcSplash1 : public QWidget {
    Q_OBJECT
public:
    explicit TCalcSplash1(QWidget* parent = nullptr);

    // Shows the picture at the screen's centre and grows the window by 10 pixels a step
    // until it is 320 high. `stepPauseMs` is the pause between steps.
    void showGrowing(const QImage& picture, int stepPauseMs);
    // Waits, the window's messages processed, until `countdown` (which the window's timer
    // counts down) reaches 0; a click or a key on the splash, before or while it waits,
    // ends the wait at once and sets the countdown to 0.
    void WaitFor(int& countdown);

signals:
    // A click or a key on the splash: the user wants to go on at once.
    void dismissed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fit();

    QLabel* image2_;
    QImage picture_;
    bool dismissed_ = false;
};

} // namespace pelcor
