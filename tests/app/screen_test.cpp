// Where messages show on the real screen: run under an X server (xvfb-run), each check takes
// a screenshot of the screen and looks for the message's ink where the user is looking.
#include "TestWindow.h"

#include "editor/TextEditorView.h"
#include "platform/SettingsFile.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

bool OnRealScreen() {
    return QGuiApplication::platformName() == "xcb";
}

// The screen's pixels under `w`, as the X server shows them.
QImage Shot(QWidget* w) {
    QApplication::processEvents();
    QTest::qWait(150);
    QApplication::processEvents();
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, at.x(), at.y(), w->width(), w->height())
        .toImage();
}

// Pixels far from the background colour: the text's ink, within the columns [from, to).
int Ink(const QImage& image, QColor background, int from = 0, int to = -1) {
    if (to < 0) to = image.width();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < to; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) >
                200)
                ++ink;
        }
    return ink;
}

// Moves the X pointer over `w` at `at`; the motion is also handed to `w` at once, so the check
// does not hang on the server's timing.
void MovePointer(QWidget* w, QPoint at) {
    QCursor::setPos(w->mapToGlobal(at));
    QTest::qWait(100);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

TEST(Screen, ALongStartUpMessageShowsItsStartAndStaysUntilTheUserActs) {
    if (!OnRealScreen()) GTEST_SKIP() << "needs an X server (run under xvfb-run)";
    auto folder = pelcor::testing::CopyOfProgramFolder();
    const QString gone = QDir(folder->path()).filePath("drawings/of/a/long/forgotten/house.pcz");
    Settings s;
    s.drawingFile = gone.toStdString();
    QFile ini(QDir(folder->path()).filePath("Pelcor.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QByteArray::fromStdString(s.ToFileBytes()));
    ini.close();

    TestWindow t(folder->path().toStdString());
    QLabel* info = t.info();
    const QString message = "*** Invalid file name error ***" + gone;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t.window()));
    EXPECT_EQ(info->text(), message);
    EXPECT_EQ(info->toolTip(), message);
    EXPECT_EQ(info->accessibleDescription(), message);
    const QColor background = info->palette().color(QPalette::Window);
    QImage shot = Shot(info);
    shot.save(QDir::temp().filePath("pelcor-startup-message.png"));
    // It starts at the left edge (a centred text too long for the line shows its middle)
    // and its end is cut with "...", not past the line.
    EXPECT_GT(Ink(shot, background, 0, 12), 0);
    EXPECT_GT(Ink(shot, background, info->width() - 30, info->width() - 2), 0);

    // The pointer crossing the line leaves it.
    MovePointer(info, info->rect().center());
    MovePointer(info, info->rect().center() + QPoint(5, 0));
    EXPECT_EQ(info->text(), message);
    EXPECT_GT(Ink(Shot(info), background), 0);

    // Once the user acts, the line is cleared as usual.
    QTest::keyClick(t.readout(), Qt::Key_Shift);
    MovePointer(info, info->rect().center() + QPoint(10, 0));
    EXPECT_EQ(info->text(), "");
    EXPECT_EQ(Ink(Shot(info), background), 0);
}

TEST(Screen, TheEditorsRefusalShowsInTheEditorNotUnderIt) {
    if (!OnRealScreen()) GTEST_SKIP() << "needs an X server (run under xvfb-run)";
    TestWindow t;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t.window()));
    QTemporaryDir dir;
    const QString binary = dir.filePath("picture.txt");
    QFile file(binary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("BM\0\0\x10\x20", 6));
    file.close();

    t.window().menuAction("TextEditor2")->trigger();
    TextEditorView& editor = t.window().editor();
    QLabel* field = t.window().findChild<QLabel*>("EditorMsgLbl");
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(editor.isVisible());
    EXPECT_FALSE(field->isVisible());
    t.dialogs.fileNames = {binary};
    t.window().menuAction("LoadTextFile1")->trigger();

    const std::string message =
        "*** Not loaded: " + binary.toStdString() + " - it holds binary data, not text ***";
    EXPECT_EQ(t.info()->text().toStdString(), message); // where the line always said it
    ASSERT_TRUE(field->isVisible());
    EXPECT_EQ(field->accessibleDescription().toStdString(), message);
    // The whole message fits in the field.
    EXPECT_LE(field->heightForWidth(field->width()), field->height());
    // On the screen: the field shows it, and the information line is under the editor.
    const QImage shot = Shot(field);
    shot.save(QDir::temp().filePath("pelcor-editor-message.png"));
    EXPECT_GT(Ink(shot, field->palette().color(QPalette::Window)), 50);
    const QPoint lineCentre = t.info()->mapToGlobal(t.info()->rect().center());
    QWidget* top = QApplication::widgetAt(lineCentre);
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top == &editor || editor.isAncestorOf(top)) << top->objectName().toStdString();
}
