#include "gallery/GalleryView.h"
#include "platform/Screens.h"
#include "platform/widgets/PictureBox.h"

#include <gtest/gtest.h>

#include <QTimer>

using namespace pelcor;

namespace {

struct FakeScreens : Screens {
    DisplayMode mode = DisplayMode::Board;
    int shows = 0, idleResets = 0;
    bool boardVisible = false;
    DisplayMode displayMode() const override { return mode; }
    void setDisplayMode(DisplayMode m) override { mode = m; }
    void showDisplayMode() override { ++shows; }
    DisplayMode savedDisplayMode() const override { return mode; }
    void setSavedDisplayMode(DisplayMode) override {}
    void resetIdle() override { ++idleResets; }
    void setIdleTimerRunning(bool) override {}
    void stopClock() override {}
    void showOnly(ScreenPicture) override {}
    bool isShown(ScreenPicture p) const override {
        return boardVisible && p == ScreenPicture::Picture11;
    }
    void setTitle(const std::string&) override {}
};

struct FixedClock : gallery::ClockSource {
    QDateTime at{QDate(2026, 12, 6), QTime(15, 45, 12)};
    QDateTime now() const override { return at; }
};

struct WireFrameOption : DisplayOptions {
    bool wireFrame = false;
    bool screenHelpOn() const override { return false; }
    bool wireFrameOn() const override { return wireFrame; }
};

struct Fixture {
    FakeScreens screens;
    FixedClock clock;
    WireFrameOption options;
    PictureBox picture{"Picture1", 320, 320, 16777215, nullptr};
    GalleryView view{&picture, screens, options, clock};

    QTimer* timer2() { return picture.findChild<QTimer*>("Timer2"); }
    QString description() const { return picture.accessibleDescription(); }
};

} // namespace

TEST(GalleryView, ArrowsWrapAroundAndOnlyTheClockRunsTimer2) {
    Fixture f;
    ASSERT_NE(f.timer2(), nullptr);
    EXPECT_EQ(f.timer2()->interval(), 1000);
    EXPECT_TRUE(f.timer2()->isActive()); // enabled at start...
    f.view.Timer2Timer();
    EXPECT_FALSE(f.timer2()->isActive()); // ...and stopped by its first tick

    f.view.setFigureIndex(14);
    f.view.RightArrowClick();
    EXPECT_EQ(f.view.FigureIndex(), 0);
    EXPECT_EQ(f.screens.mode, DisplayMode::Gallery);
    EXPECT_EQ(f.screens.shows, 1);
    EXPECT_EQ(f.screens.idleResets, 1);
    EXPECT_TRUE(f.timer2()->isActive());
    EXPECT_EQ(f.description(), "03 45 12 PM");

    f.clock.at = f.clock.at.addSecs(1);
    f.view.Timer2Timer();
    EXPECT_TRUE(f.timer2()->isActive());
    EXPECT_EQ(f.description(), "03 45 13 PM");

    f.view.LeftArrowClick();
    EXPECT_EQ(f.view.FigureIndex(), 14);
    EXPECT_EQ(f.description(), "S P I R A L   F U N C T I O N");
    EXPECT_FALSE(f.timer2()->isActive());
    const QImage spiral = f.picture.canvas().image();
    f.view.Timer2Timer(); // a late tick draws nothing and leaves the timer stopped
    EXPECT_FALSE(f.timer2()->isActive());
    EXPECT_EQ(f.picture.canvas().image(), spiral);

    f.view.RightArrowClick();
    f.view.stopClock();
    EXPECT_FALSE(f.timer2()->isActive());
}

TEST(GalleryView, CurrentFigureAndSolidToggleRedrawWithoutStepping) {
    Fixture f;
    f.view.setFigureIndex(7);
    f.view.ShowCurrentFigure();
    EXPECT_EQ(f.view.FigureIndex(), 7);
    EXPECT_EQ(f.screens.mode, DisplayMode::Gallery);
    EXPECT_EQ(f.description(), "S I N   F U N C T I O N");
    EXPECT_FALSE(f.timer2()->isActive());

    f.view.setFigureIndex(99); // a damaged settings line
    EXPECT_EQ(f.view.FigureIndex(), 0);

    f.view.setFigureIndex(1);
    f.view.ShowCurrentFigure();
    EXPECT_EQ(f.picture.canvas().pixel(160, 160), 9474065); // the box's filled front
    f.options.wireFrame = f.screens.boardVisible = true;
    f.view.SolidClick();
    EXPECT_EQ(f.picture.canvas().pixel(120, 160), 15724527); // its wire frame, on white
    EXPECT_EQ(f.picture.canvas().pixel(250, 250), 16777215);
    f.view.SolidClick();
    EXPECT_EQ(f.picture.canvas().pixel(160, 160), 9474065);
    EXPECT_EQ(f.view.FigureIndex(), 1);
}
