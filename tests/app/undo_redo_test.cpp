#include "TestWindow.h"

#include "platform/widgets/PictureBox.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

using namespace pelcor;
using pelcor::testing::Answer;
using pelcor::testing::TestWindow;

namespace {

struct Board : TestWindow {
    TMainCalc1& w = window();
    QWidget* board = w.findChild<QWidget*>("Picture11");
    const Canvas& canvas = static_cast<PictureBox*>(board)->canvas();
    // The drawing's text after each step, from the empty start.
    std::vector<std::string> texts{w.document().Text()};

    void tool(const char* name) { QTest::mousePress(button(name), Qt::LeftButton); }
    void tap(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(board, b, {}, p);
        QTest::mouseRelease(board, b, {}, p);
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(board, Qt::LeftButton, {}, from);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(board, from + (to - from) * i / 4);
        QTest::mouseRelease(board, Qt::LeftButton, {}, to);
    }
    bool offered(const char* item) const { return w.menuAction(item)->isEnabled(); }
    QString total() const { return w.findChild<QLineEdit*>("ImagesTotal")->text(); }
    // The change just made is exactly one new step.
    void step(const char* what) {
        const std::string text = w.document().Text();
        EXPECT_NE(text, texts.back()) << what;
        texts.push_back(text);
        EXPECT_EQ(w.document().history().UndoSteps(), texts.size() - 1) << what;
        EXPECT_TRUE(offered("Undo1")) << what;
        EXPECT_FALSE(offered("Redo1")) << what;
    }
};

} // namespace

TEST(UndoRedo, EveryKindOfStepWalksBackToTheStartAndForwardToTheEnd) {
    Board b;
    QTemporaryDir dir;
    const std::string saved = dir.filePath("two.pcz").toStdString();
    EXPECT_FALSE(b.offered("Undo1"));
    EXPECT_FALSE(b.offered("Redo1"));

    b.tool("BitBtn14"); // hexagon of radius 30
    b.drag({160, 250}, {190, 250});
    b.step("hexagon");
    b.tool("BitBtn16"); // rectangle
    b.drag({100, 100}, {140, 130});
    b.step("rectangle");
    b.tool("BitBtn24"); // circle of radius 5 about the origin
    b.drag({160, 160}, {210, 160});
    b.step("circle");
    b.w.drawingCommands().Write(saved); // saving takes no step
    EXPECT_EQ(b.w.document().history().UndoSteps(), 3u);

    b.tool("BitBtn4"); // one drag of the rectangle, four moves: one step
    b.drag({120, 115}, {140, 95});
    b.step("move");
    b.tool("BitBtn4");
    b.tap({160, 250}); // the hexagon, turned by one drag
    b.tool("BitBtn6");
    b.drag({250, 100}, {240, 100});
    b.step("rotation");

    b.tool("BitBtn4"); // the circle's radius in the edit frame, applied twice, then "OK"
    b.tap({160, 160});
    b.tap({30, 30}, Qt::RightButton);
    auto* radius = b.w.findChild<QLineEdit*>("EditX2");
    radius->selectAll();
    QTest::keyClicks(radius, "4\r");
    radius->selectAll();
    QTest::keyClicks(radius, "3\r");
    EXPECT_EQ(b.w.document().history().UndoSteps(), 5u); // not while the frame is open
    b.click("EditOk");
    b.step("edit frame");
    b.tool("BitBtn11"); // the toolbar's parabola
    b.step("parabola");

    b.tool("BitBtn5");
    b.w.findChild<QPlainTextEdit*>("AddText")->setPlainText("words");
    b.click("TextOkButt");
    b.step("text");
    b.click("TextCancelButt");

    b.tool("BitBtn4");
    b.tap({160, 160}); // the circle
    b.tool("BitBtn18");
    b.step("delete");
    b.click("CLSButt");
    b.step("CLS");
    b.w.drawingCommands().Read(saved);
    b.step("load");
    b.w.menuAction("New1")->trigger();
    b.step("New");
    EXPECT_EQ(b.texts.back(), "\xFF");

    // Back to the start, one step at a time, and forward to the end.
    for (std::size_t i = b.texts.size() - 1; i > 0; --i) {
        ASSERT_TRUE(b.offered("Undo1")) << i;
        QTest::keyClick(&b.w, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(b.w.document().Text(), b.texts[i - 1]) << i;
        EXPECT_EQ(b.total().toInt(), b.w.document().list().ShapeCount()) << i;
        EXPECT_TRUE(b.offered("Redo1"));
    }
    EXPECT_FALSE(b.offered("Undo1"));
    EXPECT_EQ(b.canvas.pixel(120, 115), b.canvas.pixel(5, 5)); // an empty board again
    for (std::size_t i = 1; i < b.texts.size(); ++i) {
        ASSERT_TRUE(b.offered("Redo1")) << i;
        QTest::keyClick(&b.w, i % 2 ? Qt::Key_Y : Qt::Key_Z,
                        i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(b.w.document().Text(), b.texts[i]) << i;
    }
    EXPECT_FALSE(b.offered("Redo1"));

    // With the readout's caret the keys still go to the drawing while it has steps; with
    // none they are the readout's own.
    b.type("12");
    QLineEdit* readout = b.readout();
    readout->setFocus();
    QTest::keyClick(readout, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(b.w.document().Text(), b.texts[b.texts.size() - 2]);
    EXPECT_EQ(readout->text(), "12");
}

TEST(UndoRedo, UndoClosesTheEditFrameAndANewChangeDropsTheRedoSteps) {
    Board b;
    b.tool("BitBtn24");
    b.drag({160, 160}, {210, 160});
    b.step("circle");
    b.tool("BitBtn16");
    b.drag({20, 20}, {60, 60});
    b.step("rectangle");

    b.tool("BitBtn4");
    b.tap({160, 160});
    b.tap({30, 30}, Qt::RightButton);
    ASSERT_TRUE(b.w.findChild<QWidget*>("EditFrame")->isVisible());
    b.w.menuAction("Undo1")->trigger();
    EXPECT_FALSE(b.w.findChild<QWidget*>("EditFrame")->isVisible());
    EXPECT_EQ(b.w.document().Text(), b.texts[1]);
    EXPECT_EQ(b.total(), "1");
    EXPECT_EQ(b.w.board().renderer().Settings.SelectedShape, 0);
    EXPECT_TRUE(b.offered("Redo1"));

    b.tool("BitBtn16");
    b.drag({200, 20}, {240, 60});
    EXPECT_FALSE(b.offered("Redo1"));
    EXPECT_EQ(b.w.document().list().ShapeCount(), 2);
    EXPECT_EQ(b.w.document().list().ExtractShape(2)->X1, 240);
}
