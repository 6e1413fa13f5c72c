#include "TestWindow.h"

#include "platform/widgets/PictureBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

void Send(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Presses on the board, moves in steps with the button held, and releases.
void Drag(QWidget* board, QPoint from, QPoint to) {
    Send(board, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Send(board, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    Send(board, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Send(board, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

QString Total(TestWindow& t) {
    return t.window().findChild<QLineEdit*>("ImagesTotal")->text();
}

} // namespace

TEST(BoardToolbar, DrawingToolsAddShapesByDragOnTheBoard) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QWidget* board = w.findChild<QWidget*>("Picture11");
    QTest::mousePress(t.button("BitBtn12"), Qt::LeftButton); // line tool
    QTest::mouseRelease(t.button("BitBtn12"), Qt::LeftButton);
    EXPECT_EQ(w.board().tools().ActiveTool, ToolTag::Line);
    Drag(board, {100, 100}, {150, 120});
    ASSERT_EQ(w.document().list().ShapeCount(), 1);
    EXPECT_EQ(Total(t), "1");
    const ShapeRecord line = *w.document().list().ExtractShape(1);
    EXPECT_EQ(std::make_tuple(line.X1, line.Y1, line.X2, line.Y2),
              std::make_tuple(150, 120, 100, 100));
    EXPECT_EQ(static_cast<PictureBox*>(board)->canvas().pixel(110, 104), 16777215);

    // A click without a drag adds nothing.
    Send(board, QEvent::MouseButtonPress, {30, 30}, Qt::LeftButton, Qt::LeftButton);
    Send(board, QEvent::MouseButtonRelease, {30, 30}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(w.document().list().ShapeCount(), 1);

    QTest::mousePress(t.button("BitBtn24"), Qt::LeftButton); // circle
    Drag(board, {200, 200}, {216, 220});
    ASSERT_EQ(w.document().list().ShapeCount(), 2);
    EXPECT_EQ(w.document().list().ExtractShape(2)->X3, 25);
    EXPECT_EQ(t.info()->text(), " Circle  ( x - a ) \u00B2 + ( y - b ) \u00B2 = r \u00B2");
    // The pointer's place in units follows the mouse.
    EXPECT_EQ(w.findChild<QLabel*>("MemLabel")->text(), "X = 5.6   Y = -6.000");

    QTest::mousePress(t.button("BitBtn11"), Qt::LeftButton); // the fixed parabola
    EXPECT_EQ(w.document().list().ExtractShape(3)->Kind, "PARABOLA");
    EXPECT_EQ(w.board().tools().ActiveTool,
              ToolTag::Parabola); // the pointer tool is selected, the tool kept
    EXPECT_EQ(Total(t), "3");
    EXPECT_TRUE(w.document().Changed());
}

TEST(BoardToolbar, FillToggleTwiceKeepsTheToolAndEraseAsksForASelection) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTest::mousePress(t.button("BitBtn16"), Qt::LeftButton); // rectangle
    QTest::mousePress(t.button("BitBtn20"), Qt::LeftButton);
    EXPECT_EQ(w.board().tools().FillMode, Fill::Solid);
    EXPECT_EQ(w.board().tools().ActiveTool, ToolTag::Rectangle);
    QTest::mousePress(t.button("BitBtn20"), Qt::LeftButton);
    EXPECT_EQ(w.board().tools().FillMode, Fill::Outline);
    EXPECT_EQ(w.board().tools().ActiveTool, ToolTag::Rectangle);

    QTest::mousePress(t.button("BitBtn18"), Qt::LeftButton);
    auto* messages = w.findChild<QPlainTextEdit*>("TotalStrg2");
    EXPECT_TRUE(messages->isVisible());
    EXPECT_EQ(messages->toPlainText(), " Please select image To be DELETED\n");
    EXPECT_EQ(w.document().list().ShapeCount(), 0);

    // "Solv" and "Data" show their mode in green.
    QTest::mousePress(t.button("BitBtn17"), Qt::LeftButton);
    EXPECT_EQ(t.button("BitBtn17")->palette().color(QPalette::ButtonText), QColor(0, 144, 0));
    QTest::mousePress(t.button("BitBtn21"), Qt::LeftButton); // switches intersection mode off first
    EXPECT_EQ(t.button("BitBtn17")->palette().color(QPalette::ButtonText), Qt::black);
    EXPECT_EQ(t.button("BitBtn21")->palette().color(QPalette::ButtonText), QColor(0, 144, 0));
}

TEST(BoardToolbar, ATextLongerThanADrawingHoldsIsRefusedAndStaysInTheBox) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTest::mousePress(t.button("BitBtn5"), Qt::LeftButton);
    auto* text = w.panel("TextFrame")->findChild<QPlainTextEdit*>("AddText");
    const QString tooLong(static_cast<qsizetype>(DrawingList::kMostTextChars) + 1, '7');
    text->setPlainText(tooLong);
    t.click("TextOkButt");
    EXPECT_EQ(w.document().list().ShapeCount(), 0);
    EXPECT_EQ(t.info()->text(), "*** Not added: the text has 32768 characters, more than the "
                                "32767 the board draws ***");
    EXPECT_EQ(t.sound.beeps, 1);
    EXPECT_EQ(text->toPlainText(), tooLong); // nothing typed is lost
    text->setPlainText(tooLong.left(static_cast<qsizetype>(DrawingList::kMostTextChars)));
    t.click("TextOkButt");
    EXPECT_EQ(w.document().list().ShapeCount(), 1);
}

TEST(BoardToolbar, TheTextToolInsertsLinesOneUnderTheOther) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTest::mousePress(t.button("BitBtn5"), Qt::LeftButton);
    QFrame* frame = w.panel("TextFrame");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(w.board().tools().ActiveTool, ToolTag::Pointer); // Tags above 17 keep the active tool
    auto* text = frame->findChild<QPlainTextEdit*>("AddText");
    t.click("TextOkButt"); // nothing for an empty text
    EXPECT_EQ(w.document().list().ShapeCount(), 0);
    text->setPlainText("first line");
    t.click("TextOkButt");
    text->setPlainText("second line");
    t.click("TextOkButt");
    ASSERT_EQ(w.document().list().ShapeCount(), 2);
    const ShapeRecord a = *w.document().list().ExtractShape(1),
                      b = *w.document().list().ExtractShape(2);
    EXPECT_EQ(a.Text, "first line");
    EXPECT_EQ(a.FontName, "MS Sans Serif");
    EXPECT_EQ(a.FontSize, "8");
    EXPECT_EQ(b.X1, a.X1);
    EXPECT_GT(b.Y1, a.Y1);

    // A press on the board moves the insertion point and draws nothing.
    QWidget* board = w.findChild<QWidget*>("Picture11");
    Drag(board, {200, 250}, {260, 280});
    EXPECT_EQ(w.document().list().ShapeCount(), 2);
    EXPECT_EQ(w.board().tools().ActiveTool, ToolTag::Pointer); // Tags above 17 keep the active tool
    text->setPlainText("third");
    t.click("TextOkButt");
    EXPECT_EQ(std::make_pair(w.document().list().ExtractShape(3)->X1,
                             w.document().list().ExtractShape(3)->Y1),
              std::make_pair(200, 250));

    t.click("TextCancelButt");
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(w.board().tools().ActiveTool, ToolTag::Pointer);
}

TEST(BoardToolbar, SwatchesChooseThePenAndFillColours) {
    TestWindow t;
    TMainCalc1& w = t.window();
    auto* pen = w.findChild<QPlainTextEdit*>("PenColr");
    auto* fill = w.findChild<QPlainTextEdit*>("FillColr");
    t.dialogs.colors = {255, 65280};
    QTest::mousePress(pen->viewport(), Qt::LeftButton);
    QTest::mousePress(fill->viewport(), Qt::LeftButton);
    QTest::mousePress(pen->viewport(), Qt::LeftButton); // cancelled: nothing changes
    EXPECT_EQ(pen->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(fill->palette().color(QPalette::Base), QColor(0, 255, 0));

    QTest::mousePress(t.button("BitBtn16"), Qt::LeftButton); // rectangle, filled
    QTest::mousePress(t.button("BitBtn20"), Qt::LeftButton);
    Drag(w.findChild<QWidget*>("Picture11"), {20, 20}, {80, 60});
    ASSERT_EQ(w.document().list().ShapeCount(), 1);
    EXPECT_EQ(w.document().list().ExtractShape(1)->PenColor, 255);
    EXPECT_EQ(w.document().list().ExtractShape(1)->FillColor, 65280);
    EXPECT_TRUE(w.menuAction("SaveGraphicsFile1")->isEnabled());

    // "Edit Font" sets the label's font.
    QTest::mousePress(t.button("BitBtn5"), Qt::LeftButton);
    QFont big("Liberation Serif");
    big.setPointSize(20);
    t.dialogs.fonts = {big};
    t.click("FontButt");
    EXPECT_EQ(w.findChild<QLabel*>("TextLabel")->font().pointSize(), 20);
}
