#include "TestWindow.h"

#include "platform/Colors.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

void ExpectKeys(TestWindow& t, const QStringList& names, bool visible, bool enabled) {
    for (const QString& n : names) {
        EXPECT_EQ(t.button(n)->isVisible(), visible) << n.toStdString();
        if (visible) {
            EXPECT_EQ(t.button(n)->isEnabled(), enabled) << n.toStdString();
        }
    }
}

} // namespace

TEST(CalcModes, EachModeShowsAndEnablesItsKeys) {
    TestWindow t;
    TMainCalc1& w = t.window();
    const QStringList letters = {"ButtA", "ButtB", "ButtC", "ButtD", "ButtE", "ButtF"};
    const QStringList logic = {"ButtAnd", "ButtOr", "ButtXor", "ButtNor"};

    t.click("Butt2");
    t.click("Butt5");
    t.click("Butt5");
    w.menuAction("Hexidecimal1")->trigger();
    EXPECT_EQ(t.readout()->text(), "FF");
    ExpectKeys(t, letters + QStringList{"ButtHEquals"}, true, true);
    ExpectKeys(t, logic, false, false);
    for (const char* off : {"ButtLn", "ButtPercent", "ButtPi"})
        EXPECT_FALSE(t.button(off)->isEnabled());
    EXPECT_TRUE(t.button("Butt9")->isEnabled());
    EXPECT_EQ(t.button("ButtA")->geometry(), t.button("Buttdot")->geometry());
    EXPECT_EQ(t.button("ButtF")->geometry(), t.button("ButtTan")->geometry());

    // Hexadecimal keys and arithmetic through the real buttons.
    t.click("XPlusButt");
    EXPECT_EQ(t.info()->text(), "255");
    t.click("ButtA");
    t.click("ButtHEquals");
    EXPECT_EQ(t.readout()->text(), "109");

    w.menuAction("Binary1")->trigger();
    EXPECT_EQ(t.readout()->text(), "0000000100001001");
    ExpectKeys(t, letters, false, false);
    ExpectKeys(t, logic + QStringList{"ButtHEquals"}, true, true);
    for (const char* off : {"Butt2", "Butt9", "Buttdot", "ButtLn", "ButtPi"})
        EXPECT_FALSE(t.button(off)->isEnabled()) << off;
    EXPECT_EQ(t.button("ButtAnd")->geometry(), t.button("XMultButt")->geometry());

    t.readout()->setText("1100");
    t.click("ButtXor");
    t.readout()->setText("1010");
    t.click("ButtHEquals");
    EXPECT_EQ(t.readout()->text(), "1001");

    w.menuAction("Decimal1")->trigger();
    EXPECT_EQ(t.readout()->text(), "9");
    ExpectKeys(t, letters + logic + QStringList{"ButtHEquals"}, false, false);
    for (const char* on :
         {"Butt2", "Buttdot", "Buttequals", "ButtInv", "ButtLn", "ButtPercent", "ButtPi"})
        EXPECT_TRUE(t.button(on)->isEnabled()) << on;
}

TEST(CalcModes, ExitProgramLeavesTheReadoutInDecimal) {
    TestWindow t;
    TMainCalc1& w = t.window();
    t.click("Butt1");
    t.click("Butt0");
    w.menuAction("Hexidecimal1")->trigger();
    EXPECT_EQ(t.readout()->text(), "A");
    QTimer::singleShot(20, [&] { t.click("NoExitButt"); });
    w.menuAction("ExitProgram1")->trigger();
    EXPECT_EQ(t.readout()->text(), "10");
    EXPECT_EQ(w.calculator().calcBase(), NumberBase::Decimal);
    EXPECT_FALSE(t.button("ButtA")->isVisible());
}

TEST(Memories, ButtonsKeepTheValueInTheirHintsAndShowMarks) {
    TestWindow t;
    t.readout()->setText("12.5");
    t.click("Mem1Butt");
    EXPECT_EQ(t.button("Mem1Butt")->toolTip(), "12.5");
    EXPECT_EQ(t.button("MR1Butt")->toolTip(), "12.5");
    EXPECT_EQ(t.button("Mem1Butt")->palette().color(QPalette::ButtonText), ToQColor(33023));
    EXPECT_EQ(t.button("MR1Butt")->palette().color(QPalette::ButtonText), ToQColor(15761408));
    EXPECT_EQ(t.button("Mem2Butt")->palette().color(QPalette::ButtonText), Qt::black);

    t.click("CEButt");
    t.click("MR1Butt");
    EXPECT_EQ(t.readout()->text(), "12.5");

    t.click("CEButt");
    t.click("Mem1Butt"); // storing "0" clears the marks
    EXPECT_EQ(t.button("MR1Butt")->palette().color(QPalette::ButtonText), Qt::black);
    EXPECT_EQ(t.button("MR1Butt")->toolTip(), "0");
}

TEST(CalcModes, AfterAMenuCommandTheNextKeyReachesTheReadout) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QMenuBar* bar = w.menuBar();
    auto choose = [&](const char* item) {
        // The focus is elsewhere when the menu opens, as after a click on the tape.
        w.findChild<QWidget*>("TotalStrg")->setFocus();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(w.menuAction("CalcMode1")).center());
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(w.menuAction(item)).center());
        QApplication::processEvents();
    };
    choose("Hexidecimal1");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(w.windowHandle(), Qt::Key_A, Qt::NoModifier);
    QTest::keyClick(w.windowHandle(), Qt::Key_7, Qt::NoModifier);
    EXPECT_EQ(t.readout()->text(), "A7");
    choose("Binary1");
    QTest::keyClick(w.windowHandle(), Qt::Key_1, Qt::NoModifier);
    EXPECT_EQ(t.readout()->text(), "1");
    choose("Decimal1");
    QTest::keyClick(w.windowHandle(), Qt::Key_9, Qt::NoModifier);
    EXPECT_EQ(t.readout()->text(), "9");
}
