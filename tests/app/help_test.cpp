#include "TestWindow.h"

#include "converter/Converter.h"
#include "platform/Colors.h"
#include "reference/ConstantCell.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace pelcor;
using pelcor::testing::TestWindow;

TEST(Help, OpensTheLocalPageAndReportsTheShellsErrors) {
    TestWindow t;
    TMainCalc1& w = t.window();
    w.menuAction("HelpFile1")->trigger();
    ASSERT_EQ(t.shell.opened.size(), 1u);
    EXPECT_NE(t.shell.opened[0].find("calculator_help/help_menu.htm"), std::string::npos);
    EXPECT_EQ(t.info()->text(), "Show help files");

    const std::pair<int, const char*> errors[] = {
        {2, "invalid path or filename"},
        {8, "insufficient memory"},
        {11, "invalid EXE file"},
        {31, "invalid action, or no application associated with the specified file"},
        {5, "Show help files"}};
    for (const auto& [code, text] : errors) {
        t.shell.result = code;
        w.menuAction("HelpFile1")->trigger();
        EXPECT_EQ(t.info()->text(), text) << code;
    }

    w.menuAction("Onlinehelp1")->trigger();
    EXPECT_NE(t.shell.opened.back().find("/calculator_help/help_menu.htm"), std::string::npos);
    EXPECT_EQ(t.shell.opened.back().rfind("http", 0), 0u);
}

TEST(Help, TheLocalPageIsBesideTheProgram) {
    DesktopShell shell;
    ProgramFiles files(pelcor::testing::ProgramFolder());
    EXPECT_TRUE(files.exists("calculator_help/help_menu.htm"));
    EXPECT_EQ(shell.open(files.resolve("calculator_help/no_such_page.htm")), 2);
}

TEST(About, PanelTakesOverTheMenuUntilClicked) {
    TestWindow t;
    TMainCalc1& w = t.window();
    w.menuAction("AboutUs1")->trigger();
    QFrame* about = w.panel("AboutPanel");
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->geometry(), QRect(155, 8, 320, 320));
    EXPECT_EQ(about->findChild<QLabel*>("VersLbl")->text(), "Calculator Version 1.2.1");
    for (const char* off :
         {"Conversion2", "Edit1", "Options1", "TextEditor1", "Science1", "Trigonometric1",
          "SaveGraphicsFile1", "LoadGraphicsFile1", "HelpFile1"})
        EXPECT_FALSE(w.menuAction(off)->isEnabled()) << off;
    EXPECT_TRUE(w.menuAction("File1")->isEnabled());
    EXPECT_TRUE(w.menuAction("AboutUs1")->isEnabled());

    QTest::mouseClick(about->findChild<QLabel*>("VersLbl"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(w.menuAction("Conversion2")->isEnabled());
    EXPECT_TRUE(w.menuAction("HelpFile1")->isEnabled());
}

TEST(InfoLine, PointerMovesClearItUnlessLocked) {
    TestWindow t;
    TMainCalc1& w = t.window();
    auto* constant = w.findChild<ConstantCell*>("StaticText1"); // "Earth polar radius"
    ASSERT_NE(constant, nullptr);
    const int own = constant->color();

    QTest::mouseMove(constant, QPoint(10, 8));
    EXPECT_EQ(constant->shownColor(), colors::White);
    t.info()->setText("a description");
    QTest::mouseMove(w.panel("SolarSysPanel"), QPoint(300, 60));
    EXPECT_EQ(t.info()->text(), "");
    EXPECT_EQ(constant->shownColor(), own);

    // Locked, the message stays until the pointer crosses a picture.
    w.infoLine().InfoLock = 255;
    t.info()->setText("kept");
    QTest::mouseMove(t.info(), QPoint(5, 5));
    EXPECT_EQ(t.info()->text(), "kept");
    QTest::mouseMove(w.findChild<QWidget*>("Picture11"), QPoint(50, 50));
    EXPECT_EQ(w.infoLine().InfoLock, 0);
    QTest::mouseMove(t.info(), QPoint(8, 8));
    EXPECT_EQ(t.info()->text(), "");
}

TEST(Conversion, OpensBesideTheWindowGrownToFullHeight) {
    TestWindow t;
    TMainCalc1& w = t.window();
    t.click("Butt3");
    w.menuAction("Conversion2")->trigger();
    ASSERT_NE(w.converter(), nullptr);
    EXPECT_TRUE(w.converter()->isVisible());
    EXPECT_EQ(w.converter()->height(), 350);
    EXPECT_EQ(w.converter()->pos(), w.pos() + QPoint(5, 50));
}
