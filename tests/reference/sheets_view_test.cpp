#include "Fakes.h"
#include "platform/widgets/PictureBox.h"
#include "reference/SheetsView.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>

using namespace pelcor;

namespace {

struct Screen {
    QWidget panel;
    PictureBox* picture1 = new PictureBox("Picture1", 320, 320, 0, &panel);
    PictureBox* picture2 = new PictureBox("Picture2", 320, 320, 0, &panel);
    PictureBox* picture11 = new PictureBox("Picture11", 320, 320, 0, &panel);
    QLabel* refLabel = new QLabel(&panel);
    FakeScreens screens;
    struct Around : SheetsSurroundings {
        bool editorOpen = false;
        int boardBackground() const override { return 255; }
        bool textEditorOpen() const override { return editorOpen; }
    } around;
    SheetsView view{{picture1, picture2, refLabel, picture11}, screens, around};
};

// The rows of the label's picture that hold any dark pixel, counted as separate bands.
int TextBands(QLabel* label) {
    const QImage image = label->grab().toImage();
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < image.width() && !dark; ++x)
            dark = qGray(image.pixel(x, y)) < 100;
        if (dark && !inBand) ++bands;
        inBand = dark;
    }
    return bands;
}

} // namespace

TEST(SheetsView, ATrigonometricSheetTakesTheScreenFromTheReference) {
    Screen s;
    s.screens.mode = DisplayMode::Reference;
    s.screens.refLabelShown = true;
    s.refLabel->show();
    QSignalSpy leave(&s.view, &SheetsView::leaveBoardInteraction);
    s.view.LawOfSines1Click();
    EXPECT_TRUE(s.refLabel->isHidden());
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
    s.refLabel->setGeometry(10, 10, 50, 20);
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
    EXPECT_EQ(s.refLabel->text().toStdString(), ElectricalReference::Text());
    EXPECT_EQ(s.refLabel->geometry(), s.picture11->geometry());
    EXPECT_EQ(s.refLabel->palette().color(QPalette::Window), QColor(192, 192, 240));
    EXPECT_EQ(TextBands(s.refLabel), 16); // one line each, not run together

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
