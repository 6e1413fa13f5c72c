#include "Shapes.h"
#include "board/BoardModel.h"
#include "board/DrawingCommands.h"
#include "board/DrawingHistory.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace pelcor;
using pelcor::testing::Circle;
using pelcor::testing::Shape;

namespace {

ShapeRecord Line(int i) {
    return Shape("LINE", 10 + i % 200, 20, 30 + i % 200, 60);
}

// Keeps the list's text after every step, to walk them back and forth.
struct Steps {
    DrawingList list;
    DrawingHistory history;
    std::vector<std::string> texts{list.Text()};
    Steps() { history.Reset(list); }
    void commit() {
        ASSERT_TRUE(history.Commit(list));
        texts.push_back(list.Text());
    }
};

} // namespace

TEST(DrawingHistory, EveryKindOfChangeWalksBackToTheStartAndForwardToTheEnd) {
    Steps s;
    s.list.AppendShape(Line(1), {});
    s.commit();
    s.list.AppendShape(Circle(160, 160, 40), {});
    s.commit();
    s.list.AppendShape(Line(2), {});
    s.commit();
    ShapeRecord moved = *s.list.ExtractShape(2);
    moved.X1 += 5;
    s.list.ReplaceShape(2, moved);
    s.commit();
    s.list.DeleteShape(1); // the others move up one number
    s.commit();
    s.list.DeleteShape(1);
    s.list.DeleteShape(1); // the end marker alone: not the start-up drawing's text
    s.commit();
    ASSERT_EQ(s.texts.back(), "[\xFF]");
    s.list.AppendShape(Line(3), {});
    s.commit();
    s.list.Clear(); // "CLS": the single end signal
    s.commit();
    ASSERT_EQ(s.texts.back(), "\xFF");
    EXPECT_FALSE(s.history.Commit(s.list)); // nothing changed: no step

    for (std::size_t i = s.texts.size() - 1; i > 0; --i) {
        ASSERT_TRUE(s.history.Undo(s.list)) << i;
        EXPECT_EQ(s.list.Text(), s.texts[i - 1]) << i;
    }
    EXPECT_FALSE(s.history.CanUndo());
    EXPECT_FALSE(s.history.Undo(s.list));
    for (std::size_t i = 1; i < s.texts.size(); ++i) {
        ASSERT_TRUE(s.history.Redo(s.list)) << i;
        EXPECT_EQ(s.list.Text(), s.texts[i]) << i;
    }
    EXPECT_FALSE(s.history.Redo(s.list));
}

TEST(DrawingHistory, ANewChangeAfterAnUndoDropsTheRedoSteps) {
    Steps s;
    for (int i = 0; i < 3; ++i) {
        s.list.AppendShape(Line(i), {});
        s.commit();
    }
    s.history.Undo(s.list);
    s.history.Undo(s.list);
    EXPECT_EQ(s.history.RedoSteps(), 2u);
    s.list.AppendShape(Circle(100, 100, 10), {});
    const std::string changed = s.list.Text();
    EXPECT_TRUE(s.history.Commit(s.list));
    EXPECT_FALSE(s.history.CanRedo());
    EXPECT_FALSE(s.history.Redo(s.list));
    EXPECT_EQ(s.list.Text(), changed);
    // A change not yet committed is a step of its own when undo comes.
    s.list.DeleteShape(1);
    ASSERT_TRUE(s.history.Undo(s.list));
    EXPECT_EQ(s.list.Text(), changed);
    ASSERT_TRUE(s.history.Undo(s.list));
    EXPECT_EQ(s.list.Text(), s.texts[1]);
}

TEST(DrawingHistory, AThousandStepsAreKeptAndAMoveKeepsOnlyItsRecords) {
    DrawingList list;
    for (int i = 0; i < 10000; ++i)
        list.AppendShape(Line(i), {});
    DrawingHistory history;
    history.Reset(list);
    const std::string start = list.Text();
    const std::size_t empty = history.StepBytes();
    for (int i = 0; i < 1001; ++i) {
        ShapeRecord s = *list.ExtractShape(5000);
        s.X1 = s.X1 + 1;
        list.ReplaceShape(5000, s);
        ASSERT_TRUE(history.Commit(list));
    }
    // Each move holds the record before and after, not the 10,000 others.
    EXPECT_LT(history.StepBytes() - empty, 1000 * 4 * sizeof(ShapeRecord));
    EXPECT_EQ(history.UndoSteps(), 1000u);
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(history.Undo(list));
    EXPECT_FALSE(history.Undo(list)); // the first move is the one forgotten
    EXPECT_EQ(list.ExtractShape(5000)->X1, Line(4999).X1 + 1);
    EXPECT_EQ(list.Text().size(), start.size());
}

// --- the commands, on the board model without a window -------------------------------------

namespace {

struct QuietReporter : Reporter {
    std::vector<std::string> infos;
    void showInfo(const std::string& text) override { infos.push_back(text); }
    void beep() override {}
    void showMessage(const std::string&) override {}
};

struct BoardScreens : Screens {
    DisplayMode mode = DisplayMode::Board;
    DisplayMode displayMode() const override { return mode; }
    void setDisplayMode(DisplayMode m) override { mode = m; }
    void showDisplayMode() override {}
    DisplayMode savedDisplayMode() const override { return mode; }
    void setSavedDisplayMode(DisplayMode) override {}
    void resetIdle() override {}
    void setIdleTimerRunning(bool) override {}
    void stopClock() override {}
    void showOnly(ScreenPicture) override {}
    bool isShown(ScreenPicture p) const override {
        return p == ScreenPicture::Picture11 && mode == DisplayMode::Board;
    }
    void setTitle(const std::string&) override {}
};

struct NamedFiles : Dialogs {
    QString name;
    void showMessage(const QString&) override {}
    QString openFileName(const QString&, int, const QString&) override { return name; }
    QString saveFileName(const QString&, int&, const QString&, const FilterChange&) override {
        return name;
    }
};

struct Commands {
    QuietReporter reporter;
    BoardScreens screens;
    NamedFiles dialogs;
    Canvas canvas{320, 320, DefaultBackgroundColor};
    DrawingDocument document{reporter};
    BoardSurroundings nothingOver;
    BoardModel board{document, canvas, reporter, screens, nothingOver};
    DrawingCommands commands{board, screens, dialogs, reporter, {nullptr, nullptr, &canvas}};
    int repaints = 0;
    std::vector<QImage> seen; // the board's pictures after steps and commands
    Commands() {
        QObject::connect(&commands, &DrawingCommands::repaintRequested, [this] {
            board.RepaintBoard();
            ++repaints;
        });
    }
    // A shape added as a tool adds it: one step.
    void add(const ShapeRecord& s) {
        document.list().AppendShape(s, {});
        board.CommitStep();
    }
};

} // namespace

TEST(DrawingCommands, TheFirstUndoAfterClsNewOrADeleteGivesTheDrawingBefore) {
    Commands c;
    c.add(Line(1));
    c.add(Circle(160, 160, 30));
    c.add(Line(2));
    const std::string three = c.document.Text();

    c.commands.CLS();
    EXPECT_EQ(c.document.Text(), "\xFF");
    c.commands.Undo();
    EXPECT_EQ(c.document.Text(), three);

    c.commands.New();
    c.commands.Undo();
    EXPECT_EQ(c.document.Text(), three);

    // The selected shape deleted with the eraser, then undone: nothing is selected.
    c.board.renderer().Settings.SelectedShape = 2;
    c.board.SelectTool(ToolTag::Erase);
    c.board.CommitStep();
    EXPECT_EQ(c.document.list().ShapeCount(), 2);
    const int repaints = c.repaints;
    c.commands.Undo();
    EXPECT_EQ(c.document.Text(), three);
    EXPECT_EQ(c.board.renderer().Settings.SelectedShape, 0);
    EXPECT_EQ(c.repaints, repaints + 1);

    // Each of the three was a step of its own, so all can be redone.
    c.commands.Redo();
    EXPECT_EQ(c.document.list().ShapeCount(), 2);
    EXPECT_FALSE(c.document.CanRedo());

    // "CLS" and "New" away from the board leave the drawing and take no step. ("CLS" then
    // chooses the pointer tool, which shows the board.)
    c.screens.mode = DisplayMode::Gallery;
    const std::size_t steps = c.document.history().UndoSteps();
    c.commands.New();
    EXPECT_FALSE(c.commands.CLS());
    EXPECT_EQ(c.screens.mode, DisplayMode::Board);
    EXPECT_EQ(c.document.list().ShapeCount(), 2);
    EXPECT_EQ(c.document.history().UndoSteps(), steps);
}

TEST(DrawingCommands, ChangedMeansDifferentFromTheLastSavedOrLoadedDrawing) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("five.pcz").toStdString();
    Commands c;
    EXPECT_FALSE(c.document.Changed());
    for (int i = 0; i < 5; ++i)
        c.add(Line(i));
    EXPECT_TRUE(c.document.Changed());
    c.commands.CLS();
    EXPECT_FALSE(c.document.Changed()); // the empty drawing, as nothing was saved
    c.commands.Undo();
    EXPECT_TRUE(c.document.Changed()); // the five shapes are back, never saved

    c.commands.Write(path);
    EXPECT_FALSE(c.document.Changed());
    EXPECT_TRUE(c.document.CanUndo()); // saving keeps the steps
    c.commands.CLS();
    EXPECT_TRUE(c.document.Changed());
    c.commands.Undo();
    EXPECT_FALSE(c.document.Changed());
    c.commands.Undo(); // the fifth line's step
    EXPECT_TRUE(c.document.Changed());
    c.commands.Redo();
    EXPECT_FALSE(c.document.Changed());

    // Loading is a step: undone, the drawing before it is back, and it differs from the file.
    c.commands.New();
    c.dialogs.name = QString::fromStdString(path);
    c.commands.Load();
    EXPECT_EQ(c.document.list().ShapeCount(), 5);
    EXPECT_FALSE(c.document.Changed());
    c.commands.Undo();
    EXPECT_EQ(c.document.Text(), "\xFF");
    EXPECT_TRUE(c.document.Changed());

    // The start-up drawing is no step.
    c.commands.StartHistory();
    EXPECT_FALSE(c.document.CanUndo());
    EXPECT_FALSE(c.document.Changed());
}

namespace {

// The board's state after a repaint: its pixels and the canvas's style.
void ExpectSameBoard(const Canvas& board, const Canvas& fresh, const std::string& where) {
    EXPECT_TRUE(board.image() == fresh.image()) << where;
    EXPECT_EQ(board.penColor(), fresh.penColor()) << where;
    EXPECT_EQ(board.brushColor(), fresh.brushColor()) << where;
    EXPECT_EQ(board.brushStyle(), fresh.brushStyle()) << where;
    EXPECT_EQ(board.penStyle(), fresh.penStyle()) << where;
    EXPECT_EQ(board.penX(), fresh.penX()) << where;
    EXPECT_EQ(board.penY(), fresh.penY()) << where;
    EXPECT_EQ(board.fontColor(), fresh.fontColor()) << where;
    EXPECT_EQ(board.fontSize(), fresh.fontSize()) << where;
    EXPECT_EQ(board.fontBold(), fresh.fontBold()) << where;
    EXPECT_EQ(board.fontItalic(), fresh.fontItalic()) << where;
}

// Runs `command` (which repaints the board) and checks the board against a repaint drawn
// whole by a new renderer, from the canvas as it was before. Returns whether the board's
// picture was put back rather than drawn.
bool ExpectDrawnAfresh(Commands& c, const std::function<void()>& command,
                       const std::string& where) {
    const Canvas before = c.canvas;
    command();
    Canvas fresh = before;
    BoardRenderer renderer(fresh);
    renderer.Settings = c.board.renderer().Settings;
    renderer.RepaintBoard(c.document.list());
    ExpectSameBoard(c.canvas, fresh, where);
    // A picture put back shares its pixels with one the board showed earlier; one drawn
    // has pixels of its own.
    const qint64 shown = c.canvas.image().cacheKey();
    const bool putBack = shown != before.image().cacheKey() &&
                         std::any_of(c.seen.begin(), c.seen.end(), [&](const QImage& earlier) {
                             return earlier.cacheKey() == shown;
                         });
    c.seen.push_back(c.canvas.image());
    return putBack;
}

} // namespace

TEST(DrawingCommands, AnUndoneOrRedoneBoardIsTheBoardDrawnAfresh) {
    Commands c;
    // Steps of every kind, each repainted before it becomes a step, as the window does.
    auto step = [&c](const std::function<void()>& change) {
        change();
        c.board.RepaintBoard();
        c.board.CommitStep();
        c.seen.push_back(c.canvas.image());
    };
    step([&] { c.document.list() = pelcor::testing::EveryKindFormAndFill(); });
    step([&] { c.document.list().AppendShape(Circle(100, 200, 30), {255, 65280, Fill::Solid}); });
    step([&] {
        ShapeRecord moved = *c.document.list().ExtractShape(3);
        moved.X1 += 7;
        moved.Y2 -= 4;
        c.document.list().ReplaceShape(3, moved);
    });
    step([&] { c.document.list().DeleteShape(1); });
    ShapeRecord text = Shape("TEXT", 40, 250, 0, 0);
    text.Text = "Area = 12.5";
    text.FontName = "Times New Roman";
    text.FontSize = "12";
    text.FontStyle = "Bold";
    step([&] { c.document.list().AppendShape(text, {16711680, 0, Fill::Outline}); });
    step([&] { c.commands.CLS(); });
    step([&] { c.document.list().AppendShape(Line(4), {}); });
    const std::size_t steps = c.document.history().UndoSteps();
    ASSERT_EQ(steps, 7u);

    // Back to the start and forward to the end: every board is the one drawn afresh, and
    // the pictures of the steps (fewer than the renderer keeps) are put back.
    int putBack = 0;
    for (std::size_t i = 0; i < steps; ++i)
        putBack += ExpectDrawnAfresh(
            c, [&] { c.commands.Undo(); }, "undo " + std::to_string(i));
    for (std::size_t i = 0; i < steps; ++i)
        putBack += ExpectDrawnAfresh(
            c, [&] { c.commands.Redo(); }, "redo " + std::to_string(i));
    // All but two: the start, never drawn with a number of its own, and the first drawing,
    // kept before any text had left its bold style to the axes' labels of the next repaint.
    EXPECT_EQ(putBack, 12);

    // What changes the board's picture besides the drawing: none of the kept pictures is
    // taken for it.
    const auto undoAndRedo = [&](const std::string& after) {
        EXPECT_FALSE(ExpectDrawnAfresh(
            c, [&] { c.commands.Undo(); }, "undo after " + after));
        EXPECT_FALSE(ExpectDrawnAfresh(
            c, [&] { c.commands.Redo(); }, "redo after " + after));
    };
    c.board.SetDisplayOptions(true, false);
    undoAndRedo("wire frame");
    c.board.SetDisplayOptions(false, true);
    undoAndRedo("black and white");
    c.board.SetDisplayOptions(false, false);
    c.board.renderer().Settings.BackgroundColor = 0x808000;
    undoAndRedo("a new background");
    c.canvas.setFontName("Times New Roman");
    undoAndRedo("a new font");
    c.canvas.setPenWidth(3);
    undoAndRedo("a wider pen");
    // The selection is drawn: a repaint with a shape selected is not the kept picture.
    c.board.renderer().Settings.SelectedShape = 2;
    EXPECT_FALSE(ExpectDrawnAfresh(
        c, [&] { c.board.RepaintBoard(); }, "a selection"));
    c.board.renderer().Settings.SelectedShape = 0;
    EXPECT_TRUE(ExpectDrawnAfresh(
        c, [&] { c.board.RepaintBoard(); }, "no selection"));

    // More steps than pictures kept: the oldest are drawn again, the same.
    for (std::size_t i = 0; i < BoardRenderer::PicturesKept + 3; ++i)
        step([&] { c.document.list().AppendShape(Line(10 + static_cast<int>(i)), {}); });
    putBack = 0;
    const std::size_t walked = BoardRenderer::PicturesKept + 3;
    for (std::size_t i = 0; i < walked; ++i)
        putBack += ExpectDrawnAfresh(
            c, [&] { c.commands.Undo(); }, "far undo " + std::to_string(i));
    EXPECT_EQ(putBack, static_cast<int>(BoardRenderer::PicturesKept) - 1);
}
