#pragma once

#include "platform/Screens.h"

#include <QImage>

#include <functional>

class QFrame;
class QLabel;
class QWidget;

namespace pelcor {

class PictureBox;
struct MainMenu;

// The 320 x 320 screen `ScreenPanel` and the pictures that share its place: the start
// picture `Image1`, the gallery `Picture1`, the formula topics `Picture2`, the drawing
// board `Picture11`, the scratch picture `Image3`, the viewer's `ViewerImage`, the
// electrical reference `RefLabel`, the text tool's `TextLabel`, `Clabel` and the sheet
// title `Formula`. It keeps `DisplayMode` and shows the picture that goes with it, with
// the menu items the screen decides; features ask it through Screens.
class ScreenHost : public Screens {
public:
    // What the screen asks of the window around it.
    struct Hooks {
        std::function<void(bool)> idleTimerRunning; // Timer1
        std::function<void()> resetIdle;            // IdleCountdown := 12000
        std::function<void()> stopClock;            // Timer2
        std::function<void()> modeShown;            // after ShowDisplayMode (the keypad's part)
    };
    ScreenHost(QWidget* parent, MainMenu& menu, Hooks hooks);

    QFrame* panel() const { return panel_; }
    QLabel* Image1() const { return image1_; }
    PictureBox* Picture1() const { return picture1_; }
    PictureBox* Picture2() const { return picture2_; }
    PictureBox* Picture11() const { return picture11_; }
    QLabel* Image3() const { return image3_; }
    QLabel* ViewerImage() const { return viewerImage_; }
    QLabel* RefLabel() const { return refLabel_; }
    QLabel* TextLabel() const { return textLabel_; }

    // The start picture: the splash picture stretched to the screen.
    void SetStartPicture(const QImage& picture);
    // Puts the start picture kept in memory back on Image1.
    void ShowStartPicture();
    const QImage& StartPicture() const { return startPicture_; }
    // What the screen shows now, as a picture: the board's, the gallery's or a sheet's own
    // pixels, or else the screen as drawn (the start picture, the electrical reference).
    QImage CurrentPicture() const;

    // --- Screens
    DisplayMode displayMode() const override { return mode_; }
    void setDisplayMode(DisplayMode mode) override { mode_ = mode; }
    using Screens::showDisplayMode;
    void showDisplayMode() override;
    DisplayMode savedDisplayMode() const override { return saved_; }
    void setSavedDisplayMode(DisplayMode mode) override { saved_ = mode; }
    void resetIdle() override { hooks_.resetIdle(); }
    void setIdleTimerRunning(bool running) override { hooks_.idleTimerRunning(running); }
    void stopClock() override { hooks_.stopClock(); }
    void showOnly(ScreenPicture picture) override;
    bool isShown(ScreenPicture picture) const override;
    SurfaceDrawing pictureDrawing(ScreenPicture picture) const override;
    void setTitle(const std::string& text) override;

private:
    QWidget* widget(ScreenPicture picture) const;

    MainMenu& menu_;
    Hooks hooks_;
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
    QLabel* textLabel_;
    QLabel* clabel_;
    QLabel* formula_;
};

} // namespace pelcor
