// Selecting, moving, rotating, intersection picks, erasing and the edit frame, driven with
// the mouse on the real board.
#include "TestWindow.h"

#include "app/InfoLine.h"
#include "board/BoardView.h"
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

constexpr int White = 16777215;
constexpr int RingColor = 16711696;

struct Board {
    TestWindow t;
    TMainCalc1& w = t.window();
    QWidget* board = w.findChild<QWidget*>("Picture11");
    const Canvas& canvas = static_cast<PictureBox*>(board)->canvas();

    void tool(const char* button) { QTest::mousePress(t.button(button), Qt::LeftButton); }
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(board, b, {}, p); }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(board, b, {}, p);
    }
    void click(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        press(p, b);
        release(p, b);
    }
    // Press, two moves with the button held, release.
    void drag(QPoint from, QPoint to) {
        press(from);
        QTest::mouseMove(board, (from + to) / 2);
        QTest::mouseMove(board, to);
        release(to);
    }
    ShapeRecord shape(int n) const { return *w.document().list().ExtractShape(n); }
    QString text(const char* name) const {
        if (auto* line = w.findChild<QLineEdit*>(name)) return line->text();
        return w.findChild<QPlainTextEdit*>(name)->toPlainText();
    }
    QWidget* memo() const { return w.findChild<QWidget*>("TotalStrg2"); }
    int count(int color, QPoint centre, int half = 7) const {
        int n = 0;
        for (int y = centre.y() - half; y <= centre.y() + half; ++y)
            for (int x = centre.x() - half; x <= centre.x() + half; ++x)
                n += canvas.pixel(x, y) == color;
        return n;
    }
    int whites() const { return count(White, {160, 160}, 159); }
};

} // namespace

TEST(BoardSelection, APressOnAHandleSelectsAndADragMovesTheShape) {
    Board b;
    EXPECT_TRUE(b.w.board().PointerUsed()); // the window opens with the pointer tool
    EXPECT_TRUE(b.w.board().GlyphActive(ToolTag::Pointer));
    b.tool("BitBtn16"); // rectangle
    b.drag({100, 100}, {140, 130});
    b.tool("BitBtn4");
    // A press away from every handle selects nothing.
    b.click({60, 60});
    EXPECT_EQ(b.text("ImagesEdit"), "Not Editing");

    b.press({120, 115}); // the middle handle
    EXPECT_EQ(b.w.board().selection().SelectedShape(), 1);
    EXPECT_EQ(b.text("ImagesEdit"), "square");
    EXPECT_TRUE(b.memo()->isVisible());
    EXPECT_TRUE(b.text("TotalStrg2").startsWith(" Drawing number 1 selected, a Rectangle"));
    EXPECT_TRUE(b.w.board().GlyphActive(ToolTag::Move)); // a move has started
    QTest::mouseMove(b.board, {130, 105});
    QTest::mouseMove(b.board, {140, 95});
    b.release({140, 95});
    EXPECT_TRUE(b.w.board().GlyphActive(ToolTag::Pointer));
    EXPECT_FALSE(b.w.board().tools().MoveMode);
    EXPECT_EQ(b.w.document().list().ShapeCount(), 1); // moved, not drawn again
    // The middle handle follows the shape; it stays selected.
    EXPECT_EQ(b.canvas.pixel(140, 95), boardcolor::CentreHandle);
    EXPECT_EQ(b.w.board().selection().SelectedShape(), 1);

    QTemporaryDir dir;
    b.t.dialogs.fileNames << dir.filePath("moved.pcz");
    b.w.menuAction("SaveGraphicsFile1")->trigger();
    QFile file(dir.filePath("moved.pcz"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(":(1)[SQUARE][160][110][120][80][0]"));
}

TEST(BoardSelection, TheRotateToolTurnsTheSelectedPolygon) {
    Board b;
    b.tool("BitBtn14"); // hexagon
    b.drag({160, 100}, {190, 100});
    b.tool("BitBtn4");
    b.click({160, 100}); // its centre handle
    ASSERT_EQ(b.w.board().selection().SelectedShape(), 1);
    b.tool("BitBtn6"); // rotate
    // A drag anywhere turns it by 4 degrees a pixel to the left, and it stays selected.
    b.drag({250, 250}, {240, 250});
    EXPECT_EQ(b.shape(1).Aux1, 15 + 40);
    EXPECT_EQ(std::make_pair(b.shape(1).X1, b.shape(1).Y1), std::make_pair(160, 100));
    EXPECT_EQ(b.w.board().selection().SelectedShape(), 1);
    EXPECT_TRUE(b.w.board().tools().RotateMode);
    EXPECT_TRUE(b.w.board().GlyphActive(ToolTag::Rotate));
}

TEST(BoardSelection, SolvPicksTwoShapesAndDataTogglesItsPrompt) {
    Board b;
    b.tool("BitBtn24"); // circle of radius 5 about the origin
    b.drag({160, 160}, {210, 160});
    b.tool("BitBtn12"); // the line y = x, drawn towards the origin: a press on the circle's
    b.drag({260, 60}, {160, 160}); // centre would select it

    b.tool("BitBtn17");
    EXPECT_EQ(b.text("TotalStrg2"),
              " Please select first image for intersection i.e. Line-Circle\n");
    b.click({160, 160}); // the circle's centre
    EXPECT_EQ(b.w.board().selection().SelectedShape(), 1);
    b.click({210, 110}); // the line's middle
    EXPECT_EQ(b.text("TotalStrg2"), "Circle - Line Intersection   ( 3.53 , 3.53 ) , ( -3.53 , "
                                    "-3.53 )                     ");
    EXPECT_TRUE(b.memo()->isVisible());
    EXPECT_EQ(b.text("ImagesEdit"), "line");
    EXPECT_GT(b.count(RingColor, {195, 124}), 10);
    EXPECT_GT(b.count(RingColor, {124, 195}), 10);
    EXPECT_EQ(b.w.board().selection().SecondSelectedShape(), 2);

    // The third press drops the highlight and keeps the rings.
    b.click({160, 160});
    EXPECT_EQ(b.w.board().selection().SelectedShape(), 0);
    EXPECT_EQ(b.w.board().selection().SecondSelectedShape(), 0);
    EXPECT_GT(b.count(RingColor, {195, 124}), 10);
    EXPECT_EQ(b.w.document().list().ShapeCount(), 2);
    // Leaving the mode (any other tool) hides the memo.
    b.tool("BitBtn4");
    EXPECT_FALSE(b.w.board().IntersectionMode());
    EXPECT_FALSE(b.memo()->isVisible());

    // "Data" turns on and off again, its caption green and then black.
    QPushButton* data = b.t.button("BitBtn21");
    b.tool("BitBtn21");
    EXPECT_EQ(data->palette().color(QPalette::ButtonText), QColor(0, 144, 0));
    EXPECT_EQ(b.text("TotalStrg2"), " Please select image \n");
    b.tool("BitBtn21");
    EXPECT_FALSE(b.w.board().DataMode());
    EXPECT_EQ(data->palette().color(QPalette::ButtonText), Qt::black);
}

TEST(BoardSelection, EraseDeletesTheSelectedShapeAndUndoBringsItBack) {
    Board b;
    b.tool("BitBtn24");
    b.drag({100, 100}, {120, 100});
    b.tool("BitBtn16");
    b.drag({200, 200}, {250, 240});
    const std::string before = b.w.document().Text();
    b.tool("BitBtn4");
    b.click({100, 100});
    b.tool("BitBtn18");
    EXPECT_EQ(b.t.info()->text(), "CIRCLE Deleted successfully");
    EXPECT_EQ(b.t.sound.beeps, 1);
    ASSERT_EQ(b.w.document().list().ShapeCount(), 1);
    EXPECT_EQ(b.shape(1).Kind, "SQUARE"); // renumbered
    EXPECT_EQ(b.text("ImagesTotal"), "1");
    EXPECT_NE(b.canvas.pixel(100, 100), boardcolor::CentreHandle);

    b.w.menuAction("Undo1")->trigger();
    EXPECT_EQ(b.w.document().Text(), before);
    EXPECT_EQ(b.canvas.pixel(100, 100), boardcolor::CentreHandle);
}

TEST(BoardSelection, TheEditFrameAppliesRefreshesAndCancels) {
    Board b;
    b.tool("BitBtn24"); // radius 5 about the origin
    b.drag({160, 160}, {210, 160});
    const std::string drawn = b.w.document().Text();
    const int bigCircle = b.whites();
    ASSERT_GT(b.count(White, {160, 110}, 3), 0); // its top
    auto* frame = b.w.findChild<QWidget*>("EditFrame");
    auto* radius = b.w.findChild<QLineEdit*>("EditX2");
    auto* a = b.w.findChild<QLineEdit*>("EditX1");

    b.click({30, 30}, Qt::RightButton); // nothing selected: no frame
    EXPECT_FALSE(frame->isVisible());
    b.tool("BitBtn4");
    b.click({160, 160});
    b.click({30, 30}, Qt::RightButton);
    ASSERT_TRUE(frame->isVisible());
    EXPECT_FALSE(b.memo()->isVisible());
    EXPECT_EQ(radius->text(), "5");
    EXPECT_TRUE(a->hasFocus()); // the keyboard goes to the frame

    // Enter applies at once and redraws the smaller circle.
    radius->selectAll();
    QTest::keyClicks(radius, "2.5");
    QTest::keyClick(radius, Qt::Key_Return);
    EXPECT_EQ(b.shape(1).X1, 135);
    EXPECT_EQ(b.count(White, {160, 110}, 3), 0);
    EXPECT_GT(b.whites(), 0);
    EXPECT_LT(b.whites(), bigCircle / 2);
    a->selectAll();
    QTest::keyClicks(a, "3");
    QTest::keyClick(a, Qt::Key_Return);
    EXPECT_EQ(b.shape(1).X1, 165);

    // Not a number: the message, and the record as it was.
    radius->selectAll();
    QTest::keyClicks(radius, "abc");
    QTest::keyClick(radius, Qt::Key_Return);
    EXPECT_EQ(b.t.dialogs.messages, QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(b.shape(1).X1, 165);
    EXPECT_TRUE(frame->isVisible());

    // A press on the board with an empty text entry box leaves the frame open and adds
    // nothing; "Cancel" undoes both steps.
    b.click({40, 40});
    EXPECT_TRUE(frame->isVisible());
    b.t.click("EditClose");
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(b.w.document().Text(), drawn);
    EXPECT_EQ(b.whites(), bigCircle);
    EXPECT_EQ(b.w.board().selection().SelectedShape(), 0);
    EXPECT_TRUE(b.t.readout()->hasFocus());
    EXPECT_TRUE(b.w.document().Changed()); // the drawing was never saved

    // "OK" keeps the change and locks the information line.
    b.click({160, 160});
    b.click({30, 30}, Qt::RightButton);
    radius->selectAll();
    QTest::keyClicks(radius, "4");
    b.t.click("EditOk");
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(b.shape(1).X3, 40);
    EXPECT_EQ(b.w.infoLine().InfoLock, 255);

    // A toolbar button commits a pending text edit first: with text in the text tool's
    // entry box the frame's boxes become the working text and the frame closes.
    b.click({160, 160});
    b.click({30, 30}, Qt::RightButton);
    b.w.findChild<QPlainTextEdit*>("AddText")->setPlainText("note");
    b.tool("BitBtn13");
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(b.w.board().tools().Working.Kind, "TEXT");
    EXPECT_EQ(b.w.document().list().ShapeCount(), 1);
}
