#pragma once

#include "platform/Screens.h"

#include <QImage>
#include <QObject>
#include <QRect>

class QFrame;
class QLabel;
class QWidget;

namespace pelcor {

class PictureBox;
class TCalcPrint1;
struct MainMenu;

// The 320 x 320 screen `ScreenPanel` and the pictures that share its place: the start
// picture `Image1`, the gallery `Picture1`, the formula topics `Picture2`, the drawing
// board `Picture11`, the scratch picture `Image3`, the viewer's `ViewerImage`, the
// electrical reference `RefLabel`, `Clabel` and the sheet title `Formula`. It keeps
// `DisplayMode` and shows the picture that goes with it, with the menu items the screen
// decides; features ask it through Screens. The pictures a feature draws on itself are
// the three PictureBoxes; the others it fills when asked.
class ScreenHost : public QObject, public Screens {
    Q_OBJECT
public:
    ScreenHost(QWidget* parent, MainMenu& menu);

    PictureBox* Picture1() const { return picture1_; }
    PictureBox* Picture2() const { return picture2_; }
    PictureBox* Picture11() const { return picture11_; }
    // Where the screen lies in the window's panel.
    QRect area() const;

    // The start picture: the splash picture stretched to the screen.
    void SetStartPicture(const QImage& picture);
    // Puts the start picture kept in memory back on Image1.
    void ShowStartPicture();
    const QImage& StartPicture() const { return startPicture_; }
    // Start-up: Image1 shows, the gallery, the topics and the board hide (the mode is left
    // as it is).
    void ShowOpeningPicture();
    // "Screen pictures" turned off: the start picture back on Image1, which hides and rests.
    void RestStartPicture();
    // What the screen shows now, as a picture: the board's, the gallery's or a sheet's own
    // pixels, or else the screen as drawn (the start picture, the electrical reference).
    QImage CurrentPicture() const;
    // "Copy Picture": CurrentPicture on the clipboard.
    void CopyPicture() const;
    // "Print" of the screen: the gallery's or the board's picture, or the electrical
    // reference's text, to the print window; false on the screens that print nothing.
    bool Print(TCalcPrint1& printWindow) const;
    // "Img": the next screen of the cycle start picture, gallery, board, reference, with
    // the idle timer stopped meanwhile and the idle count started again.
    void ImageChangeClick();
    // From now on the pointer moving over a picture of the screen is reported
    // (pointerOverPicture), after what the pictures' own watchers make of it.
    void WatchPointer();

    // --- Screens
    DisplayMode displayMode() const override { return mode_; }
    void setDisplayMode(DisplayMode mode) override { mode_ = mode; }
    using Screens::showDisplayMode;
    void showDisplayMode() override;
    DisplayMode savedDisplayMode() const override { return saved_; }
    void setSavedDisplayMode(DisplayMode mode) override { saved_ = mode; }
    void resetIdle() override { emit idleResetRequested(); }
    void setIdleTimerRunning(bool running) override { emit idleTimerRunningRequested(running); }
    void stopClock() override { emit clockStopRequested(); }
    void showOnly(ScreenPicture picture) override;
    bool isShown(ScreenPicture picture) const override;
    SurfaceDrawing pictureDrawing(ScreenPicture picture) const override;
    void setTitle(const std::string& text) override;
    void setPicture(ScreenPicture picture, const QImage& image) override;
    QSize pictureSize(ScreenPicture picture) const override;
    void hidePicture(ScreenPicture picture) override;
    void setReferenceText(const std::string& text, int background) override;

signals:
    // What the screen asks of the window around it: Timer1 runs or stops; the idle count
    // starts again (IdleCountdown := 12000); the gallery clock stops (Timer2).
    void idleTimerRunningRequested(bool running);
    void idleResetRequested();
    void clockStopRequested();
    // ShowDisplayMode is done: the keypad shows its part of the mode.
    void modeShown();
    // "Img" is stepping the screen to the electrical reference from `from`; RefLabel is to be
    // filled before it shows.
    void referenceReached(DisplayMode from);
    // The pointer moved over a picture of the screen (see WatchPointer).
    void pointerOverPicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget(ScreenPicture picture) const;

    MainMenu& menu_;
    DisplayMode mode_ = DisplayMode::Start;
    DisplayMode saved_ = DisplayMode::Start;
    QImage startPicture_;
    QFrame* panel_;
    QLabel* image1_;
    PictureBox* picture1_;
    PictureBox* picture2_;
    PictureBox* picture11_;
    QLabel* image3_;
    QLabel* viewerImage_;
    QLabel* refLabel_;
    QLabel* clabel_;
    QLabel* formula_;
    QList<QObject*> watched_;
};

} // namespace pelcor
