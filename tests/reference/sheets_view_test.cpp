#include "Fakes.h"
#include "platform/Colors.h"
#include "platform/widgets/PictureBox.h"
#include "reference/SheetsView.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace pelcor;

namespace {

struct Screen {
    QWidget panel;
    PictureBox* picture1 = new PictureBox("Picture1", 320, 320, 0, &panel);
    PictureBox* picture2 = new PictureBox("Picture2", 320, 320, 0, &panel);
    FakeScreens screens;
    struct Around : SheetsSurroundings {
        bool editorOpen = false;
        int boardBackground() const override { return 255; }
        bool textEditorOpen() const override { return editorOpen; }
    } around;
    SheetsView view{{picture1, picture2}, screens, around};
};

} // namespace

TEST(SheetsView, ATrigonometricSheetTakesTheScreenFromTheReference) {
    Screen s;
    s.screens.mode = DisplayMode::Reference;
    s.screens.refLabelShown = true;
    QSignalSpy leave(&s.view, &SheetsView::leaveBoardInteraction);
    s.view.LawOfSines1Click();
    EXPECT_FALSE(s.screens.refLabelShown);
    ASSERT_FALSE(s.screens.hidden.empty());
    EXPECT_EQ(s.screens.hidden.front(), ScreenPicture::RefLabel);
    EXPECT_EQ(leave.count(), 1);
    EXPECT_EQ(s.screens.mode, DisplayMode::Gallery);
    EXPECT_EQ(s.screens.title, " Law of Sines");
    EXPECT_EQ(s.picture1->accessibleDescription(), " Law of Sines");
    EXPECT_EQ(s.picture1->canvas().pixel(10, 10), 255); // the board's background
    EXPECT_EQ(s.picture1->canvas().pixel(100, 160), 256 * 128);

    s.view.ShowTopic(411);
    EXPECT_EQ(s.picture2->canvas().pixel(319, 319), 255 + 256 * 251 + 65536 * 240);
    EXPECT_EQ(s.picture2->accessibleDescription(), "Ohms Law");
}

TEST(SheetsView, TheElectricalReferenceOpensOverTheBoardAndCloses) {
    Screen s;
    s.screens.mode = DisplayMode::Gallery;
    QSignalSpy opened(&s.view, &SheetsView::referenceOpened);
    QSignalSpy restore(&s.view, &SheetsView::restoreStartPictureRequested);
    QSignalSpy leave(&s.view, &SheetsView::leaveBoardInteraction);

    s.around.editorOpen = true;
    s.view.ElectroPower1Click();
    EXPECT_EQ(s.screens.mode, DisplayMode::Gallery);
    EXPECT_EQ(s.screens.title, "old title");

    s.around.editorOpen = false;
    s.view.ElectroPower1Click();
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(s.screens.mode, DisplayMode::Reference);
    EXPECT_FALSE(s.screens.timerRunning);
    EXPECT_EQ(s.screens.referenceText, ElectricalReference::Text());
    EXPECT_EQ(ToQColor(s.screens.referenceBackground), QColor(192, 192, 240));

    s.view.ElectroPower1Click();
    EXPECT_EQ(s.screens.mode, DisplayMode::Gallery);
    EXPECT_EQ(restore.count(), 1);
    EXPECT_EQ(leave.count(), 1);
    EXPECT_EQ(s.screens.only.back(), ScreenPicture::Picture11);
    EXPECT_TRUE(s.screens.timerRunning);

    // Shown by stepping the screens from the board: closing goes back to the board.
    s.screens.mode = DisplayMode::Reference;
    s.view.PrepareReference(DisplayMode::Board);
    s.view.ElectroPower1Click();
    EXPECT_EQ(s.screens.mode, DisplayMode::Board);
}
