// The features on the real window: the gallery, the constants, the orbit animation, the
// editor and the print window, driven as a user drives them.
#include "TestWindow.h"

#include "gallery/GalleryView.h"
#include "print/CalcPrinter.h"
#include "reference/ConstantCell.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

QWidget* Widget(TMainCalc1& w, const char* name) {
    return w.findChild<QWidget*>(name);
}

} // namespace

TEST(Features, TheGalleryArrowsWrapAndOnlyTheClockKeepsTimer2Running) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTimer* timer2 = w.findChild<QTimer*>("Timer2");
    QWidget* picture = Widget(w, "Picture1");

    t.click("BitBtn22"); // back from the clock
    EXPECT_EQ(w.gallery().FigureIndex(), 14);
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 1);
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->accessibleDescription(), "S P I R A L   F U N C T I O N");
    EXPECT_FALSE(timer2->isActive());

    t.click("BitBtn23"); // forward from the spiral: the clock
    EXPECT_EQ(w.gallery().FigureIndex(), 0);
    EXPECT_TRUE(timer2->isActive());
    EXPECT_TRUE(picture->accessibleDescription().contains(" "));
    for (int i = 0; i < 7; ++i)
        t.click("BitBtn23");
    EXPECT_EQ(picture->accessibleDescription(), "S I N   F U N C T I O N");
    EXPECT_FALSE(timer2->isActive());

    // A trigonometric sheet takes the clock's picture and stops it.
    for (int i = 0; i < 8; ++i)
        t.click("BitBtn23");
    ASSERT_EQ(w.gallery().FigureIndex(), 0);
    ASSERT_TRUE(timer2->isActive());
    w.menuAction("LawofCosines1")->trigger();
    EXPECT_FALSE(timer2->isActive());
    EXPECT_EQ(picture->accessibleDescription(), "Law of Cosines");
}

TEST(Features, ConstantsInsertTheirValueAndTheSideListsReplaceEachOther) {
    TestWindow t;
    TMainCalc1& w = t.window();
    auto* sun = w.findChild<ConstantCell*>("StaticText19"); // "Mass of the Sun"
    ASSERT_NE(sun, nullptr);
    w.findChild<QTabBar*>("TabControl1")->setCurrentIndex(1);
    EXPECT_TRUE(Widget(w, "SolarMPanel")->isVisible());
    EXPECT_FALSE(Widget(w, "SolarSysPanel")->isVisible());
    QTest::mouseClick(sun, Qt::LeftButton);
    EXPECT_EQ(t.readout()->text(), "1.98982E30");
    EXPECT_TRUE(t.readout()->hasFocus());
    EXPECT_EQ(t.readout()->cursorPosition() + t.readout()->selectedText().size(), 10);
    EXPECT_EQ(t.info()->text(), "Mass of the sun  1.98982E+30 kg");

    w.menuAction("Astronomy1")->trigger();
    EXPECT_TRUE(Widget(w, "AstronomyPanel")->isVisible());
    EXPECT_FALSE(Widget(w, "CalcPanel2")->isVisible());
    w.menuAction("Physics1")->trigger();
    EXPECT_FALSE(Widget(w, "AstronomyPanel")->isVisible());
    EXPECT_TRUE(Widget(w, "PhysicsPanel")->isVisible());
    t.click("PhysCloseButt");
    EXPECT_FALSE(Widget(w, "PhysicsPanel")->isVisible());
    EXPECT_TRUE(Widget(w, "CalcPanel2")->isVisible());
}

TEST(Features, OrbitDrawsAtTheNextTickAndUserActivityEndsTheIdleCount) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QLabel* image1 = w.findChild<QLabel*>("Image1");
    for (int i = 0; i < 5; ++i) // the splash's countdown runs out first
        w.Timer1Timer();
    t.click("PlanetButt");
    w.Timer1Timer();
    EXPECT_TRUE(image1->isVisible());
    EXPECT_FALSE(image1->pixmap().isNull());
    t.click("PlanetButt"); // again: the screen shows its mode
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 3);
    EXPECT_TRUE(Widget(w, "Picture11")->isVisible());

    w.Timer1Timer();
    EXPECT_LT(w.idleCountdown(), 12000);
    QTest::keyClick(t.readout(), Qt::Key_5);
    EXPECT_EQ(w.idleCountdown(), 12000);
}

TEST(Features, TheEditorTakesTheMenuAndPrintingHidesTheWindowUntilExit) {
    TestWindow t;
    TMainCalc1& w = t.window();
    t.type("5+3\r");
    w.menuAction("Viewcalculations1")->trigger();
    EXPECT_TRUE(Widget(w, "TextEditPanel")->isVisible());
    EXPECT_FALSE(w.menuAction("Conversion2")->isEnabled());
    EXPECT_FALSE(w.menuAction("Options1")->isEnabled());
    EXPECT_EQ(w.findChild<QPlainTextEdit*>("Storetext")->toPlainText(), "5 + 3 = 8\n");
    t.click("EditorCloseButt1");
    EXPECT_TRUE(w.menuAction("Conversion2")->isEnabled());
    EXPECT_TRUE(w.menuAction("Options1")->isEnabled());

    w.menuAction("Printar")->trigger(); // the drawing board's picture
    QWidget* printer = &w.printWindow();
    EXPECT_TRUE(printer->isVisible());
    EXPECT_FALSE(w.isVisible());
    QTest::mouseClick(printer->findChild<QPushButton*>("PExitButt"), Qt::LeftButton);
    EXPECT_FALSE(printer->isVisible());
    EXPECT_TRUE(w.isVisible());
}
