// Pasting into every text box of the program with the desktop's clipboard empty, holding a
// picture, or holding 10 MB of text. The test runs on an X server of its own (xvfb-run), so
// the clipboard is the desktop's and starts empty, as in a fresh session.
#include "TestWindow.h"

#include "converter/Converter.h"
#include "platform/widgets/PlainMemo.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

enum class Clip { Empty, Picture, LargeText };

const char* Name(Clip c) {
    return c == Clip::Empty ? "empty clipboard" : c == Clip::Picture ? "picture" : "10 MB of text";
}

// 10 MB of text in lines of digits, as a big paste from a spreadsheet or a log would be.
const QString& LargeText() {
    static const QString text = [] {
        QString line = "1234567890";
        line = line.repeated(7) + "\n"; // 71 characters
        return line.repeated(10'000'000 / line.size() + 1);
    }();
    return text;
}

// Puts `c` on the desktop's clipboard; for Clip::Empty the clipboard is given up, so it
// offers data with no formats, as a fresh session's does.
void SetClipboard(Clip c) {
    QClipboard* clipboard = QApplication::clipboard();
    switch (c) {
    case Clip::Empty: clipboard->clear(); break;
    case Clip::Picture: {
        QImage picture(32, 24, QImage::Format_RGB32);
        picture.fill(Qt::red);
        clipboard->setImage(picture);
        break;
    }
    case Clip::LargeText: clipboard->setText(LargeText()); break;
    }
    QApplication::processEvents();
}

QString TextOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) return memo->toPlainText();
    return {};
}

bool Editable(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return !line->isReadOnly();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) return !memo->isReadOnly();
    return false;
}

// Pastes into `box` as a user does: a click into it, then Ctrl+V; with a clipboard that has
// no text also Shift+Insert and the middle button (the selection of X11).
void PasteInto(QWidget* box, Clip c) {
    auto* memo = qobject_cast<QPlainTextEdit*>(box);
    QWidget* surface = memo ? memo->viewport() : box;
    if (box->isVisible()) QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    if (c != Clip::LargeText) {
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        if (box->isVisible()) QTest::mouseClick(surface, Qt::MiddleButton, {}, QPoint(4, 4));
    }
    QApplication::processEvents();
}

// Checks what a paste of `c` left in `box`, whose text was `before`.
void CheckPasted(QWidget* box, const QString& before, Clip c, const std::string& where) {
    const QString after = TextOf(box);
    // Ctrl+V on the tape, which takes no text, is the window's "Paste": lines of digits are
    // typed into the readout, and the calculations they make are written to the tape.
    if (c == Clip::LargeText && box->objectName() == "TotalStrg") return;
    if (c != Clip::LargeText || !Editable(box)) {
        EXPECT_EQ(after, before) << where;
        return;
    }
    if (qobject_cast<QPlainTextEdit*>(box)) {
        EXPECT_EQ(after.size(), before.size() + LargeText().size()) << where;
        EXPECT_TRUE(after.contains(LargeText().left(1000))) << where;
    } else {
        // A one-line box holds at most its maximum length; whatever the program made of the
        // digits, the box is still there and within it.
        EXPECT_LE(after.size(), static_cast<QLineEdit*>(box)->maxLength()) << where;
    }
}

struct PasteWindow : TestWindow {
    TMainCalc1& w = window();
    QWidget* board = w.findChild<QWidget*>("Picture11");

    PasteWindow() {
        w.show();
        QApplication::setActiveWindow(&w);
        QTest::qWait(50);
    }
    template <typename T = QWidget> T* find(const char* name) const {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (T* found = top->findChild<T*>(name)) return found;
        return nullptr;
    }
    void tool(const char* name) { QTest::mousePress(button(name), Qt::LeftButton); }
    void tap(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(board, b, {}, p);
        QTest::mouseRelease(board, b, {}, p);
    }

    // Pastes `c` into the box `name` (which must be showing) and checks what it left.
    void paste(const char* name, Clip c) {
        QWidget* box = find(name);
        ASSERT_NE(box, nullptr) << name;
        ASSERT_TRUE(box->isVisible()) << name << " with " << Name(c);
        const std::string where = std::string(name) + " with " + Name(c);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) memo->moveCursor(QTextCursor::End);
        const QString before = TextOf(box);
        QElapsedTimer clock;
        clock.start();
        PasteInto(box, c);
        EXPECT_LT(clock.elapsed(), 20'000) << where;
        CheckPasted(box, before, c, where);
        // The paste into a memo is undone, so the next box and state start from the same text.
        if (auto* memo = qobject_cast<QPlainTextEdit*>(box); memo && !memo->isReadOnly())
            memo->setPlainText(before);
    }
};

// Every state of the clipboard in turn, ending empty again after the program owned it.
const Clip kStates[] = {Clip::Empty, Clip::Picture, Clip::LargeText, Clip::Empty};

} // namespace

TEST(Paste, TheDesktopClipboardStartsEmpty) {
    // The other tests are only worth their name on a clipboard with no formats at all.
    const QMimeData* data = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(!data || data->formats().isEmpty());
}

TEST(Paste, TheTextEditorsMemoInAllItsUses) {
    PasteWindow t;
    for (Clip c : kStates) {
        SetClipboard(c);
        for (const char* command : {"TextEditor2", "Viewcalculations1", "CheckEditpczFile1"}) {
            t.w.menuAction(command)->trigger();
            ASSERT_TRUE(t.find("TextEditPanel")->isVisible()) << command;
            t.paste("Storetext", c);
            t.w.menuAction(command)->trigger(); // closed again
        }
    }
}

TEST(Paste, TheCalculatorTheBoardAndTheEditFrame) {
    PasteWindow t;
    // A circle, selected, with its edit frame open.
    t.tool("BitBtn24");
    QTest::mousePress(t.board, Qt::LeftButton, {}, {160, 160});
    QTest::mouseMove(t.board, {185, 160});
    QTest::mouseMove(t.board, {210, 160});
    QTest::mouseRelease(t.board, Qt::LeftButton, {}, {210, 160});
    t.tool("BitBtn4");
    t.tap({160, 160});
    t.tap({30, 30}, Qt::RightButton);
    ASSERT_TRUE(t.find("EditFrame")->isVisible());
    const std::string drawing = t.w.document().Text();
    for (Clip c : kStates) {
        SetClipboard(c);
        for (const char* name :
             {"ReadOut", "TotalStrg", "TotalStrg2", "ImagesTotal", "ImagesEdit", "CurrentFile",
              "EditA", "EditB", "EditX1", "EditY1", "EditX2", "EditG"}) {
            if (t.find(name)->isVisible()) t.paste(name, c);
        }
    }
    // Nothing pasted reached the drawing: the frame was never applied.
    EXPECT_EQ(t.w.document().Text(), drawing);
    t.button("EditClose")->click();

    // The text tool's entry box.
    t.tool("BitBtn5");
    t.tap({40, 60});
    ASSERT_TRUE(t.find("TextFrame")->isVisible());
    for (Clip c : kStates) {
        SetClipboard(c);
        t.paste("AddText", c);
    }
}

TEST(Paste, TheConverterAndThePersonalData) {
    PasteWindow t;
    t.w.menuAction("PersonalData1")->trigger();
    // A right press on an entry opens the boxes that change it.
    QTest::mouseClick(t.find("StaticText125"), Qt::RightButton);
    t.w.menuAction("Conversion2")->trigger();
    TCalcConv* converter = t.w.converter();
    ASSERT_NE(converter, nullptr);
    ASSERT_TRUE(converter->isVisible());
    for (Clip c : kStates) {
        SetClipboard(c);
        for (const char* name : {"NewTitleEdit", "NewValueEdit"})
            t.paste(name, c);
        for (QLineEdit* box : converter->findChildren<QLineEdit*>())
            if (box->isVisible()) t.paste(box->objectName().toLatin1().constData(), c);
    }
}

TEST(Paste, EveryTextBoxOfEveryWindowTakesThePasteSafely) {
    PasteWindow t;
    t.w.menuAction("Conversion2")->trigger();
    t.w.menuAction("Printar")->trigger();
    QTest::qWait(50);
    // Every box of every window, shown or not: a multi-line one must be the program's memo,
    // whose paste takes text only; the rest are one-line boxes, whose paste reads text only.
    QList<QPointer<QWidget>> boxes;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (QWidget* box : top->findChildren<QWidget*>()) {
            if (auto* edit = qobject_cast<QTextEdit*>(box)) {
                EXPECT_TRUE(edit->isReadOnly()) << box->objectName().toStdString();
            } else if (qobject_cast<QPlainTextEdit*>(box)) {
                EXPECT_NE(dynamic_cast<PlainMemo*>(box), nullptr)
                    << box->objectName().toStdString();
                boxes << box;
            } else if (qobject_cast<QLineEdit*>(box)) {
                boxes << box;
            }
        }
    }
    EXPECT_GT(boxes.size(), 20);
    for (Clip c : kStates) {
        SetClipboard(c);
        for (const QPointer<QWidget>& box : boxes) {
            if (!box) continue;
            const QString before = TextOf(box);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QApplication::processEvents();
            if (box && c != Clip::LargeText) {
                EXPECT_EQ(TextOf(box), before) << box->objectName().toStdString() << " " << Name(c);
            }
        }
    }
}
