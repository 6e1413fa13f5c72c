#include "TestWindow.h"

#include "Named.h"
#include "platform/Colors.h"
#include "reference/ElectricalReference.h"

#include <gtest/gtest.h>

#include "platform/widgets/PictureBox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace pelcor;
using pelcor::testing::Answer;
using pelcor::testing::TestWindow;

TEST(MainWindow, OpensOnTheDrawingBoardWithTheDesignedLayout) {
    TestWindow t;
    TMainCalc1& w = t.window();
    EXPECT_EQ(w.windowTitle(), "Pelcor educational software - Scientific calculator");
    EXPECT_EQ(w.centralWidget()->size(), QSize(643, 509));
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 3);
    EXPECT_TRUE(w.findChild<QWidget*>("Picture11")->isVisible());
    EXPECT_FALSE(w.findChild<QWidget*>("Image1")->isVisible());
    EXPECT_TRUE(w.findChild<QWidget*>("MemLabel")->isVisible());
    EXPECT_EQ(t.readout()->text(), "0");
    EXPECT_TRUE(t.readout()->hasFocus());
    EXPECT_EQ(t.info()->text(), "");

    const std::pair<const char*, QRect> places[] = {
        {"Panel1", {2, 4, 628, 478}},       {"CalcPanel2", {3, 4, 150, 201}},
        {"Image2", {5, 208, 145, 97}},      {"ScreenPanel", {155, 8, 320, 320}},
        {"CalcPanel", {476, 4, 149, 325}},  {"TotalStrg", {6, 331, 259, 55}},
        {"ReadOut", {272, 331, 351, 24}},   {"InfoLbl", {272, 358, 349, 19}},
        {"TabControl1", {6, 390, 613, 25}}, {"Picture11", {0, 0, 320, 320}},
        {"Butt1", {4, 4, 33, 25}},          {"XNegButt", {112, 85, 33, 25}},
        {"CLRButt", {112, 275, 33, 25}},    {"ButtHEquals", {4, 139, 141, 53}},
        {"BitBtn27", {40, 172, 33, 25}},    {"BitBtn28", {112, 172, 33, 25}},
    };
    for (const auto& [name, rect] : places) {
        QWidget* c = w.findChild<QWidget*>(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->geometry(), rect) << name;
    }
    EXPECT_EQ(w.findChild<QWidget*>("StatusPanel")->geometry().topLeft(), QPoint(3, 480));
    // Panels outside Panel1 start hidden.
    for (const char* name : {"ExitPanel", "ImageChangedPanel", "AboutPanel", "SoundPanel",
                             "AstronomyPanel", "PhysicsPanel", "FormulaPanel", "PersonalPanel",
                             "EditFrame", "TextFrame", "TotalStrg2", "ViewerPanel"})
        EXPECT_FALSE(w.findChild<QWidget*>(name)->isVisible()) << name;
    // Keys of the other number bases start hidden.
    for (const char* name : {"ButtA", "ButtF", "ButtHEquals", "ButtAnd", "ButtNor"})
        EXPECT_FALSE(t.button(name)->isVisible()) << name;
}

TEST(MainWindow, MenuHasItsCaptionsAndStartStates) {
    TestWindow t;
    QMenuBar* bar = t.window().menuBar();
    QStringList headings;
    for (QAction* a : bar->actions())
        headings << a->text();
    EXPECT_EQ(headings, QStringList({"File", "Edit", "Trigonometric", "Science", "Conversion",
                                     "Help", "Options", "Text Editor", "CalcMode"}));
    for (QAction* a : bar->actions())
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();

    QStringList file;
    for (QAction* a : bar->actions()[0]->menu()->actions())
        file << a->text();
    EXPECT_EQ(file,
              QStringList({"New", "Save Graphics File", "Load Graphics File", "Save Text File",
                           "Load Text File", "Export Graphics Image", "Print", "Exit Program"}));
    TMainCalc1& w = t.window();
    EXPECT_FALSE(w.menuAction("SaveTextFile1")->isEnabled());
    EXPECT_FALSE(w.menuAction("LoadTextFile1")->isEnabled());
    EXPECT_FALSE(w.menuAction("Magnetic1")->isEnabled());
    EXPECT_TRUE(w.menuAction("SaveImageBitmap1")->isEnabled());
    EXPECT_TRUE(w.menuAction("Printar")->isEnabled());
    EXPECT_EQ(bar->actions()[2]->menu()->actions().size(), 19);
    EXPECT_EQ(w.menuAction("Hexidecimal1")->text(), "Hexidecimal");
}

TEST(MainWindow, ImgStepsThroughTheScreensAndTheMenuFollows) {
    TestWindow t;
    TMainCalc1& w = t.window();
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        t.click("BitBtn25");
        seen.push_back(static_cast<int>(w.screens().displayMode()));
        if (static_cast<int>(w.screens().displayMode()) == 0) {
            EXPECT_TRUE(w.findChild<QWidget*>("Image1")->isVisible());
            EXPECT_FALSE(w.menuAction("SaveImageBitmap1")->isEnabled());
            EXPECT_FALSE(w.menuAction("Printar")->isEnabled());
            EXPECT_FALSE(w.menuAction("SaveGraphicsFile1")->isEnabled());
        }
        if (static_cast<int>(w.screens().displayMode()) == 1) {
            EXPECT_TRUE(w.findChild<QWidget*>("Picture1")->isVisible());
            EXPECT_TRUE(w.menuAction("Printar")->isEnabled());
        }
        if (static_cast<int>(w.screens().displayMode()) == 4) {
            EXPECT_TRUE(w.findChild<QWidget*>("RefLabel")->isVisible());
        }
        EXPECT_EQ(w.idleCountdown(), 12000);
    }
    EXPECT_EQ(seen, std::vector<int>({4, 0, 1, 3, 4}));
}

// The rows of the label's picture that hold any dark pixel, counted as separate bands.
static int TextBands(QLabel* label) {
    const QImage image = label->grab().toImage();
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < image.width() && !dark; ++x)
            dark = qGray(image.pixel(x, y)) < 100;
        if (dark && !inBand) ++bands;
        inBand = dark;
    }
    return bands;
}

TEST(MainWindow, TheElectricalReferenceTakesTheBoardsPlaceOneLineUnderAnother) {
    TestWindow t;
    TMainCalc1& w = t.window();
    auto* ref = pelcor::testing::Named<QLabel>(&w, "RefLabel");
    ASSERT_NE(ref, nullptr);
    w.menuAction("Electricalrefdata1")->trigger();
    EXPECT_TRUE(ref->isVisible());
    EXPECT_EQ(ref->text().toStdString(), ElectricalReference::Text());
    EXPECT_EQ(ref->geometry(), pelcor::testing::Named(&w, "Picture11")->geometry());
    EXPECT_EQ(ref->palette().color(QPalette::Window), QColor(192, 192, 240));
    EXPECT_EQ(TextBands(ref), 16); // one line each, not run together
}

TEST(MainWindow, SidePanelsOpenOneAtATimeOverTheLeftColumn) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QWidget* astro = w.panel("AstronomyPanel");
    QWidget* physics = w.panel("PhysicsPanel");
    QWidget* toolbar = w.panel("CalcPanel2");
    w.menuAction("Astronomy1")->trigger();
    EXPECT_TRUE(astro->isVisible());
    EXPECT_EQ(astro->geometry(), QRect(5, 9, 149, 322));
    EXPECT_FALSE(toolbar->isVisible());

    w.menuAction("Physics1")->trigger();
    EXPECT_FALSE(astro->isVisible());
    EXPECT_EQ(astro->height(), 12);
    EXPECT_TRUE(physics->isVisible());

    w.menuAction("Physics1")->trigger(); // the same command closes it
    EXPECT_FALSE(physics->isVisible());
    EXPECT_TRUE(toolbar->isVisible());

    // Formula sheets borrow the screen and give it back.
    w.menuAction("Formulas1")->trigger();
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 2);
    EXPECT_EQ(static_cast<int>(w.screens().savedDisplayMode()), 3);
    t.click("Button1");
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 3);
    EXPECT_FALSE(w.panel("FormulaPanel")->isVisible());
    EXPECT_TRUE(toolbar->isVisible());
}

TEST(MainWindow, ExitAsksAndNoKeepsTheWindow) {
    TestWindow t;
    TMainCalc1& w = t.window();
    {
        Answer no(t, "NoExitButt");
        w.menuAction("ExitProgram1")->trigger();
        EXPECT_TRUE(no.asked);
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.panel("ExitPanel")->isVisible());

    // The close box asks the same question; "Yes" with an unchanged drawing closes at once.
    Answer yes(t, "YesExitButt");
    Answer unsaved(t, "ImageExitButt");
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(yes.asked);
    EXPECT_FALSE(unsaved.asked);
    EXPECT_FALSE(w.isVisible());
}

TEST(MainWindow, AChangedDrawingAsksAgainAndAbortKeepsTheWindow) {
    TestWindow t;
    TMainCalc1& w = t.window();
    w.document().Baseline = "a drawing that was saved";
    {
        Answer yes(t, "YesExitButt");
        Answer abort(t, "AbortExitButt");
        EXPECT_FALSE(w.close());
        EXPECT_TRUE(abort.asked);
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.findChild<QLabel*>("ImageChangedPanelLabel")->text(),
              "The current image data is not yet saved - do you wish to Abort Exit and save the "
              "image.");
    Answer yes(t, "YesExitButt");
    Answer exit(t, "ImageExitButt");
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(exit.asked);
}

TEST(Keypad, ClickingButtonsCalculatesAndFillsTheTape) {
    TestWindow t;
    for (const char* b : {"Butt5", "XPlusButt", "Butt3", "XMultButt", "Butt2", "Buttequals"})
        t.click(b);
    EXPECT_EQ(t.readout()->text(), "16");
    EXPECT_EQ(t.tape(), "5 + 3 = 8\n8 x 2 = 16\n");
    EXPECT_TRUE(t.readout()->hasFocus());

    t.click("ButtInv");
    EXPECT_EQ(t.button("ButtInv")->palette().color(QPalette::ButtonText),
              ToQColor(colors::Highlight));
    t.click("CLRButt");
    EXPECT_EQ(t.readout()->text(), "0");
    EXPECT_EQ(t.tape(), "");
    EXPECT_EQ(t.button("ButtInv")->palette().color(QPalette::ButtonText), Qt::black);
}

TEST(Keypad, TypingIntoTheReadoutUsesTheKeyboardMap) {
    TestWindow t;
    t.readout()->setFocus();
    t.type("12.5*2\r");
    EXPECT_EQ(t.readout()->text(), "25");
    t.type("xyz");
    EXPECT_EQ(t.readout()->text(), "25"); // letters do nothing in decimal mode
    t.type("/4+");
    EXPECT_EQ(t.readout()->text(), "6.25");
    EXPECT_EQ(t.tape(), "12.5 x 2 = 25\n25 / 4 = 6.25\n6.25 + ");
}

TEST(Keypad, IllegalTextIsReportedInPinkAndCanBeCorrectedByTyping) {
    TestWindow t;
    t.readout()->setText("1-2");
    t.click("XPlusButt");
    EXPECT_EQ(t.info()->text(), "Illegal charactor \" - \" found in Readout");
    EXPECT_EQ(t.readout()->palette().color(QPalette::Base), ToQColor(colors::ErrorPink));
    EXPECT_EQ(t.readout()->selectedText(), "-");
    EXPECT_EQ(t.sound.beeps, 1);

    // Keys are ordinary edits while the text is illegal: typing replaces the selection.
    t.type("5");
    EXPECT_EQ(t.readout()->text(), "152");
    EXPECT_EQ(t.readout()->palette().color(QPalette::Base), Qt::white);
    t.click("XPlusButt");
    t.click("Butt8");
    t.click("Buttequals");
    EXPECT_EQ(t.readout()->text(), "160");
}

TEST(Keypad, FunctionErrorsAreSilentWhenSoundIsOff) {
    TestWindow t;
    t.window().options().SoundOn = false;
    t.click("Butt1");
    t.click("BitBtn38"); // Log of 1
    EXPECT_EQ(t.info()->text(), "Calculation function Error  Value illegal");
    EXPECT_EQ(t.readout()->palette().color(QPalette::Base), ToQColor(colors::ErrorPink));
    EXPECT_EQ(t.sound.beeps, 0);

    t.window().options().SoundOn = true;
    t.click("Butt8");
    t.click("XDivButt");
    t.click("Butt0");
    t.click("Buttdot");
    t.click("Butt0");
    t.click("Buttequals");
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(t.dialogs.messages[0], "An divide by zero error occurred during calculation");
    EXPECT_EQ(t.readout()->text(), "8");
    EXPECT_EQ(t.sound.beeps, 1);
}

TEST(Accessibility, ButtonsAreNamedAndTheirActionClicksThem) {
    TestWindow t;
    const std::pair<const char*, const char*> names[] = {
        {"Butt7", "7"},
        {"Buttdot", "."},
        {"XDivButt", "/"},
        {"SqrtButt", "Return square root of readout"},
        {"BitBtn12", "Draw Line image"},
        {"BitBtn25", "Img"},
        {"BitBtn17", "Solv"},
        {"CEButt", "CE"},
    };
    for (const auto& [button, name] : names) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(t.button(button));
        ASSERT_NE(a, nullptr) << button;
        EXPECT_EQ(a->text(QAccessible::Name), name) << button;
    }
    for (QPushButton* b : t.window().findChildren<QPushButton*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << b->objectName().toStdString();
    }

    auto press = [&](const char* button) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(t.button(button));
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(150);
    };
    press("Butt9");
    press("Buttdot");
    press("Butt5");
    EXPECT_EQ(t.readout()->text(), "9.5");
    // The toolbar acts on the press, and its accessible action does the same.
    const int before = static_cast<int>(t.window().screens().displayMode());
    press("BitBtn25");
    EXPECT_NE(static_cast<int>(t.window().screens().displayMode()), before);

    QAccessibleInterface* readout = QAccessible::queryAccessibleInterface(t.readout());
    EXPECT_EQ(readout->text(QAccessible::Value), "9.5");
}

TEST(MainWindow, TheBoardIsRenderedAtStartAndFollowsTheDrawMode) {
    TestWindow t;
    TMainCalc1& w = t.window();
    auto* board = w.findChild<PictureBox*>("Picture11");
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->canvas().pixel(10, 10), 9153434);
    EXPECT_EQ(board->canvas().pixel(10, 160), colors::AxisLine);
    EXPECT_EQ(board->canvas().pixel(160, 10), colors::AxisLine);
    EXPECT_EQ(w.findChild<QLineEdit*>("ImagesTotal")->text(), "0");

    w.menuAction("DrawMode1")->trigger();
    QTest::mouseClick(w.findChild<QCheckBox*>("WireFrame1"), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_TRUE(w.options().WireFrame);
    t.click("DrawModeOkButt");
    EXPECT_FALSE(w.panel("DrawModePanel")->isVisible());
    EXPECT_EQ(board->canvas().pixel(10, 10), 16777215); // the wire-frame board is white
}

TEST(MainWindow, TheCoordinatesHideWhenThePointerLeavesTheBoard) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QWidget* board = w.findChild<QWidget*>("Picture11");
    QWidget* coordinates = w.findChild<QWidget*>("MemLabel");
    // Bare places of the window, of Panel1, of the toolbar and of the keypad.
    const std::pair<const char*, QPoint> elsewhere[] = {{"Panel1", {268, 345}},
                                                        {"CalcPanel2", {10, 190}},
                                                        {"CalcPanel", {146, 320}},
                                                        {"ClientArea", {636, 300}}};
    for (const auto& [name, place] : elsewhere) {
        QTest::mouseMove(board, QPoint(159, 150));
        EXPECT_TRUE(coordinates->isVisible());
        EXPECT_EQ(static_cast<QLabel*>(coordinates)->text(), "X = -0.1   Y = 1.000") << name;
        QTest::mouseMove(w.findChild<QWidget*>(name), place);
        EXPECT_FALSE(coordinates->isVisible()) << name;
    }
}
