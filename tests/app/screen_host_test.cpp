// The screen host's own rules, without the window: the pictures it fills when a feature
// asks, the "Img" cycle and what it tells the window; and the files kept between runs.
#include "app/KeptState.h"
#include "app/MainMenu.h"
#include "app/ScreenHost.h"

#include "Named.h"
#include "RecordingReporter.h"
#include "TestWindow.h"
#include "platform/FileRead.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <fstream>

using namespace pelcor;
using pelcor::testing::Named;

namespace {

struct Host {
    QMainWindow window;
    MainMenu menu{window.menuBar()};
    QWidget panel;
    ScreenHost screens{&panel, menu};
    QLabel* label(const char* name) { return Named<QLabel>(&panel, name); }
};

QImage Filled(QRgb color, int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

TEST(ScreenHost, PutsAPictureOnImage1AndTheViewerAndEmptiesItOnANullOne) {
    Host h;
    h.screens.setPicture(ScreenPicture::Image1, Filled(qRgb(0, 0, 255), 8));
    EXPECT_EQ(h.label("Image1")->pixmap().toImage().pixel(4, 4), qRgb(0, 0, 255));
    h.screens.setPicture(ScreenPicture::Image1, QImage());
    EXPECT_TRUE(h.label("Image1")->pixmap().isNull());

    // The viewer's picture lies in the upper three quarters of the screen.
    EXPECT_EQ(h.screens.pictureSize(ScreenPicture::ViewerImage), QSize(320, 240));
    h.screens.setPicture(ScreenPicture::ViewerImage, Filled(qRgb(255, 0, 0), 16));
    h.screens.showOnly(ScreenPicture::ViewerImage);
    EXPECT_TRUE(h.screens.isShown(ScreenPicture::ViewerImage));
    EXPECT_EQ(h.label("ViewerImage")->pixmap().size(), QSize(16, 16));
    h.screens.hidePicture(ScreenPicture::ViewerImage);
    EXPECT_FALSE(h.screens.isShown(ScreenPicture::ViewerImage));
    EXPECT_EQ(h.screens.displayMode(), DisplayMode::Start); // hiding leaves the mode
}

TEST(ScreenHost, ImgCyclesTheModesAndAsksForTheReferenceBeforeItShows) {
    Host h;
    h.screens.setDisplayMode(DisplayMode::Board);
    QSignalSpy reference(&h.screens, &ScreenHost::referenceReached);
    QSignalSpy timer(&h.screens, &ScreenHost::idleTimerRunningRequested);
    QSignalSpy idle(&h.screens, &ScreenHost::idleResetRequested);
    bool shownWhenAsked = true;
    QObject::connect(&h.screens, &ScreenHost::referenceReached,
                     [&] { shownWhenAsked = h.screens.isShown(ScreenPicture::RefLabel); });

    std::vector<DisplayMode> seen;
    for (int i = 0; i < 5; ++i) {
        h.screens.ImageChangeClick();
        seen.push_back(h.screens.displayMode());
    }
    EXPECT_EQ(seen, std::vector<DisplayMode>({DisplayMode::Reference, DisplayMode::Start,
                                              DisplayMode::Gallery, DisplayMode::Board,
                                              DisplayMode::Reference}));
    ASSERT_EQ(reference.count(), 2);
    EXPECT_EQ(reference[0][0].value<DisplayMode>(), DisplayMode::Board);
    EXPECT_FALSE(shownWhenAsked);
    EXPECT_EQ(idle.count(), 5);
    // Each step stops the idle timer, then runs it again.
    ASSERT_EQ(timer.count(), 10);
    EXPECT_FALSE(timer[0][0].toBool());
    EXPECT_TRUE(timer[1][0].toBool());
}

TEST(ScreenHost, TellsThePointerOverItsPicturesOnlyOnceWatching) {
    Host h;
    QSignalSpy over(&h.screens, &ScreenHost::pointerOverPicture);
    QWidget* board = Named(&h.panel, "Picture11");
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(board, &move);
    EXPECT_EQ(over.count(), 0);
    h.screens.WatchPointer();
    EXPECT_TRUE(board->hasMouseTracking());
    QCoreApplication::sendEvent(board, &move);
    QCoreApplication::sendEvent(Named(&h.panel, "Image1"), &move);
    EXPECT_EQ(over.count(), 2);
    QCoreApplication::sendEvent(Named(&h.panel, "Formula"), &move); // the title is no picture
    EXPECT_EQ(over.count(), 2);
}

TEST(KeptState, SaysTheFirstRefusedFileThenAnUnopenedDrawingElseTheTapesNote) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    std::ofstream(folder + "/Pelcor.ini", std::ios::binary)
        << std::string(read_limit::Settings + 1, 'x');
    std::ofstream(folder + "/TotalStr.dat", std::ios::binary) << "1 + 1 = 2\r\n";
    pelcor::testing::ScriptedDialogs dialogs;
    pelcor::testing::RecordingReporter reporter;
    KeptState kept(ProgramFiles(folder), dialogs, reporter);

    ASSERT_TRUE(kept.LoadTape().has_value());
    kept.NoteTapeLinesNotShown(1);
    EXPECT_EQ(kept.StartupProblem(),
              "The tape shows its newest lines; 1 older line is kept in TotalStr.dat");
    EXPECT_FALSE(kept.LoadSettings());
    EXPECT_EQ(kept.StartupProblem().rfind("*** Pelcor.ini was not read: ", 0), 0u)
        << kept.StartupProblem();
    kept.SetStartupProblem("the drawing did not open");
    EXPECT_EQ(kept.StartupProblem(), "the drawing did not open");

    // The refused settings are not written over: the exit saves beside them, and says so
    // once a run.
    kept.Save("2 + 2 = 4\r\n");
    kept.Save("2 + 2 = 4\r\n");
    EXPECT_EQ(std::ifstream(folder + "/Pelcor.ini.new").good(), true);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Pelcor.ini was not read at start"));
    EXPECT_TRUE(reporter.infos.empty()); // nothing failed
}
