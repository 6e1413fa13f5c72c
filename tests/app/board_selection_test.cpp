// Selecting, moving, rotating, intersection picks, erasing and the edit frame, driven with
// the mouse on the real board.
#include "TestWindow.h"

#include "platform/widgets/PictureBox.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

struct Board : TestWindow {
    TMainCalc1& w = window();
    QWidget* board = w.findChild<QWidget*>("Picture11");
    const Canvas& canvas = static_cast<PictureBox*>(board)->canvas();

    void tool(const char* name) { QTest::mousePress(button(name), Qt::LeftButton); }
    // A press and release on the board.
    void tap(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(board, b, {}, p);
        QTest::mouseRelease(board, b, {}, p);
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(board, Qt::LeftButton, {}, from);
        QTest::mouseMove(board, (from + to) / 2);
        QTest::mouseMove(board, to);
        QTest::mouseRelease(board, Qt::LeftButton, {}, to);
    }
    ShapeRecord shape(int n) const { return *w.document().list().ExtractShape(n); }
    QString text(const char* name) const {
        if (auto* line = w.findChild<QLineEdit*>(name)) return line->text();
        return w.findChild<QPlainTextEdit*>(name)->toPlainText();
    }
    // Pixels of `color` within 7 of `centre`.
    int count(int color, QPoint centre) const {
        int n = 0;
        for (int y = centre.y() - 7; y <= centre.y() + 7; ++y)
            for (int x = centre.x() - 7; x <= centre.x() + 7; ++x)
                n += canvas.pixel(x, y) == color;
        return n;
    }
};

constexpr int White = 16777215, RingColor = 16711696;

} // namespace

TEST(BoardSelection, SelectingMovingTurningAndErasing) {
    Board b;
    b.tool("BitBtn14"); // hexagon of radius 30
    b.drag({160, 250}, {190, 250});
    b.tool("BitBtn16"); // rectangle
    b.drag({100, 100}, {140, 130});
    b.tool("BitBtn4");
    QTest::mousePress(b.board, Qt::LeftButton, {}, {120, 115}); // the rectangle's middle
    EXPECT_EQ(b.text("ImagesEdit"), "square");
    EXPECT_TRUE(b.text("TotalStrg2").startsWith(" Drawing number 2 selected, a Rectangle"));
    QTest::mouseMove(b.board, {130, 105});
    QTest::mouseMove(b.board, {140, 95});
    QTest::mouseRelease(b.board, Qt::LeftButton, {}, {140, 95});
    QTemporaryDir dir;
    b.w.drawingCommands().Write(dir.filePath("moved.pcz").toStdString());
    QFile file(dir.filePath("moved.pcz"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\n:(2)[SQUARE][160][110][120][80][0]"));

    // The hexagon selected, the rotate tool turns it 4 degrees a pixel to the left.
    b.tap({160, 250});
    b.tool("BitBtn6");
    b.drag({250, 100}, {240, 100});
    EXPECT_EQ(b.shape(1).Aux1, 15 + 40);
    // Erasing it renumbers the rectangle; "Undo" brings it back.
    const std::string turned = b.w.document().Text();
    b.tool("BitBtn18");
    EXPECT_EQ(b.info()->text(), "HEXAGON Deleted successfully");
    EXPECT_EQ(b.sound.beeps, 1);
    EXPECT_EQ(b.shape(1).Kind, "SQUARE");
    b.w.menuAction("Undo1")->trigger();
    EXPECT_EQ(b.w.document().Text(), turned);
}

TEST(BoardSelection, SolvPicksTwoShapesAndDataTogglesItsPrompt) {
    Board b;
    b.tool("BitBtn24"); // circle of radius 5 about the origin
    b.drag({160, 160}, {210, 160});
    b.tool("BitBtn12");            // the line y = x, drawn towards the origin: a press on
    b.drag({260, 60}, {160, 160}); // the circle's centre would select the circle
    b.tool("BitBtn17");
    b.tap({160, 160});
    b.tap({210, 110}); // the line's middle
    EXPECT_EQ(b.text("TotalStrg2"),
              "Circle - Line Intersection   ( 3.53 , 3.53 ) , ( -3.53 , -3.53 )" +
                  QString(21, ' '));
    // The third press drops the highlight and keeps the rings.
    b.tap({160, 160});
    EXPECT_EQ(b.w.board().renderer().Settings.SecondSelectedShape, 0);
    EXPECT_GT(b.count(RingColor, {124, 195}), 10);

    b.tool("BitBtn21");
    EXPECT_EQ(b.text("TotalStrg2"), " Please select image \n");
    b.tool("BitBtn21"); // and off again
    EXPECT_EQ(b.button("BitBtn21")->palette().color(QPalette::ButtonText), Qt::black);
}

TEST(BoardSelection, TheEditFrameAppliesRefreshesAndCancels) {
    Board b;
    b.tool("BitBtn24"); // radius 5 about the origin
    b.drag({160, 160}, {210, 160});
    const std::string drawn = b.w.document().Text();
    ASSERT_EQ(b.canvas.pixel(110, 160), White); // the circle's left, on the axis
    auto* radius = b.w.findChild<QLineEdit*>("EditX2");
    auto* a = b.w.findChild<QLineEdit*>("EditX1");
    b.tool("BitBtn4");
    b.tap({160, 160});
    b.tap({30, 30}, Qt::RightButton);
    ASSERT_TRUE(b.w.findChild<QWidget*>("EditFrame")->isVisible());

    // Enter applies at once and redraws the smaller circle.
    radius->selectAll();
    QTest::keyClicks(radius, "2.5\r");
    EXPECT_EQ(b.shape(1).X1, 135);
    EXPECT_EQ(b.canvas.pixel(110, 160), colors::AxisLine);
    a->selectAll();
    QTest::keyClicks(a, "3\r");
    EXPECT_EQ(b.shape(1).X1, 165);
    radius->setText("abc");
    QTest::keyClick(radius, Qt::Key_Return);
    EXPECT_EQ(b.dialogs.messages, QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(b.shape(1).X1, 165);

    // "Cancel" undoes both steps.
    b.click("EditClose");
    EXPECT_EQ(b.w.document().Text(), drawn);
    EXPECT_EQ(b.canvas.pixel(110, 160), White);
    EXPECT_TRUE(b.w.document().Changed()); // still unsaved: the frame is no baseline
    b.tap({160, 160});                     // "OK" locks the information line
    b.tap({30, 30}, Qt::RightButton);
    b.click("EditOk");
    EXPECT_EQ(b.w.infoLine().InfoLock, 255);
}
