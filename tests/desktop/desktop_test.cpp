// The real window on a real X display (run under xvfb-run): its colours under a dark desktop
// palette and the clipboard, which needs an X server to hold a selection.

#include "TestWindow.h"

#include "converter/Converter.h"
#include "platform/Colors.h"
#include "platform/widgets/PictureBox.h"
#include "print/CalcPrinter.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <map>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

double Luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

struct TextOnGround {
    QColor ground; // the most common colour of the area
    QColor text;   // the colour that stands out most from it
    double contrast = 1;
};

// The colours of a control's text area as the screen shows them.
TextOnGround Look(const QImage& shot, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y) | 0xff000000];
    QRgb ground = 0;
    int most = 0;
    for (const auto& [colour, n] : counts)
        if (n > most) most = n, ground = colour;
    TextOnGround look;
    look.ground = QColor(ground);
    const double lg = Luminance(ground);
    for (const auto& [colour, n] : counts) {
        const double lc = Luminance(colour);
        const double ratio = (std::max(lg, lc) + 0.05) / (std::min(lg, lc) + 0.05);
        if (ratio > look.contrast) look.contrast = ratio, look.text = QColor(colour);
    }
    return look;
}

QPalette DarkPalette() {
    QPalette dark(QColor(220, 220, 220), QColor(53, 53, 53), QColor(80, 80, 80), QColor(20, 20, 20),
                  QColor(40, 40, 40), QColor(230, 230, 230), Qt::white, QColor(35, 35, 35),
                  QColor(53, 53, 53));
    dark.setColor(QPalette::ToolTipBase, QColor(30, 30, 30));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    return dark;
}

// A dark desktop theme for the length of a test.
struct DarkDesktop {
    QPalette before = QApplication::palette();
    DarkDesktop() { QApplication::setPalette(DarkPalette()); }
    ~DarkDesktop() { QApplication::setPalette(before); }
};

// The screen's pixels (what the X server shows), once the window has been drawn.
QImage ScreenShot(QWidget* window) {
    window->show();
    window->raise();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    window->repaint();
    QApplication::processEvents();
    return QApplication::primaryScreen()->grabWindow(0).toImage();
}

QRect OnScreen(QWidget* w, int inset = 3) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).adjusted(inset, inset, -inset, -inset);
}

// `ground` invalid: any light face (a button's face is shaded by the style).
void ExpectReadable(const QImage& shot, QWidget* w, const QColor& ground) {
    const TextOnGround look = Look(shot, OnScreen(w));
    if (ground.isValid()) {
        EXPECT_EQ(look.ground, ground) << w->objectName().toStdString();
    } else {
        EXPECT_GT(Luminance(look.ground.rgb()), 0.55) << w->objectName().toStdString();
    }
    EXPECT_GE(look.contrast, 7.0) << w->objectName().toStdString() << " text "
                                  << look.text.name().toStdString() << " on "
                                  << look.ground.name().toStdString();
}

} // namespace

TEST(DarkDesktop, TheWindowsKeepTheirDesignedColours) {
    DarkDesktop dark;
    TestWindow t;
    TMainCalc1& w = t.window();
    t.type("12345+678=");
    w.infoLine().Show("Illegal charactor \" x \" found in Readout");
    auto* memo = w.findChild<QPlainTextEdit*>("TotalStrg2");
    ASSERT_TRUE(memo);
    memo->setPlainText("Circle  x2 + y2 = 25\nRadius = 5");
    memo->show();
    memo->raise();

    const QImage shot = ScreenShot(&w);
    shot.save(QString(PELCOR_TEST_OUTPUT) + "/dark_palette_window.png");
    ExpectReadable(shot, t.readout(), Qt::white);
    ExpectReadable(
        shot, w.findChild<QWidget*>("TotalStrg")->findChild<QWidget*>("qt_scrollarea_viewport"),
        ToQColor(colors::InfoBk));
    ExpectReadable(shot, memo->viewport(), ToQColor(colors::MoneyGreen));
    ExpectReadable(shot, t.info(), ToQColor(colors::InfoBk));
    ExpectReadable(shot, w.findChild<QLineEdit*>("CurrentFile"), Qt::white);
    // A key the program leaves to the desktop keeps the program's light face.
    ExpectReadable(shot, t.button("ButtSin"), QColor());

    w.menuAction("Conversion2")->trigger();
    ASSERT_TRUE(w.converter());
    const QImage converterShot = ScreenShot(w.converter());
    // Its keys are pictures; its menu bar is the desktop's control.
    ExpectReadable(converterShot, w.converter()->menuBar(), QColor());

    TCalcPrint1& printer = w.printWindow();
    const QImage printShot = ScreenShot(&printer);
    for (QPushButton* b : printer.findChildren<QPushButton*>()) {
        if (b->isVisible() && !b->text().isEmpty()) {
            ExpectReadable(printShot, b, QColor());
            break;
        }
    }
    printer.hide();
}

TEST(Clipboard, CopyAndPasteGoThroughTheDesktopsClipboard) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QClipboard* clipboard = QGuiApplication::clipboard();
    ScreenShot(&w);

    t.type("1.5*4=");
    w.menuAction("Copy1")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return clipboard->text() == "6"; }));
    t.readout()->setSelection(0, 1);
    w.menuAction("Copy1")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return clipboard->text() == "6"; }));

    // Numbers as the program writes them go in as a constant does: no tape line.
    const QString tapeBefore = t.tape();
    for (const char* number : {"42", "-7.5", "1.5E-6", "1E20"}) {
        clipboard->setText(number);
        QTest::keyClick(t.readout(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(t.readout()->text(), number);
        EXPECT_EQ(t.tape(), tapeBefore);
        EXPECT_EQ(w.focusWidget(), t.readout());
    }

    // Other text is typed through the keyboard.
    clipboard->setText("7*6=");
    w.menuAction("Paste1")->trigger();
    EXPECT_EQ(t.readout()->text(), "42");
    TestWindow typed;
    typed.type("7*6=");
    EXPECT_TRUE(t.tape().endsWith(typed.tape())) << t.tape().toStdString();

    // A character that is no key: nothing changes, the line says which.
    const QString tapeNow = t.tape();
    clipboard->setText("7x6=");
    w.menuAction("Paste1")->trigger();
    EXPECT_EQ(t.readout()->text(), "42");
    EXPECT_EQ(t.tape(), tapeNow);
    EXPECT_EQ(t.info()->text(), "Cannot paste: the character \" x \" is not a calculator key");
}

TEST(Clipboard, CopyPictureGivesTheScreensPicture) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QClipboard* clipboard = QGuiApplication::clipboard();
    ScreenShot(&w);
    pelcor::testing::DrawExample(w);
    w.menuAction("CopyPicture1")->trigger();
    QImage copied;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        copied = clipboard->image();
        return !copied.isNull();
    }));
    const QImage board = w.screens().Picture11()->canvas().image();
    ASSERT_EQ(copied.size(), QSize(320, 320));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              board.convertToFormat(QImage::Format_RGB32));

    // The gallery's picture when the gallery is shown.
    w.findChild<QPushButton*>("BitBtn23")->click();
    ASSERT_EQ(w.screens().displayMode(), DisplayMode::Gallery);
    clipboard->clear();
    w.menuAction("CopyPicture1")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        copied = clipboard->image();
        return !copied.isNull();
    }));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              w.screens().Picture1()->canvas().image().convertToFormat(QImage::Format_RGB32));
}
