// The keyboard in the real window: keypad keys, menu keys and their enabling, the splash,
// and what assistive technology is told.

#include "TestWindow.h"

#include "platform/Colors.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

QString AccessibleText(QObject* object, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(which) : QString("(none)");
}

void PressKeys(QWidget* target, const QKeySequence& keys) {
    const QKeyCombination k = keys[0];
    QTest::keyClick(target, k.key(), k.keyboardModifiers());
}

} // namespace

TEST(KeypadKeys, HintsAndDescriptionsNameTheKeyboardKeys) {
    TestWindow t;
    const std::tuple<const char*, const char*, const char*> keys[] = {
        {"SqrtButt", "Return square root of readout  (key: R)", "R"},
        {"nSqrtButt", "Square root readout to the power n  (key: Y)", "Y"},
        {"BitBtn36", "Readout squared  (key: Q)", "Q"},
        {"BitBtn37", "Readout squared to the power of n  (key: ^)", "^"},
        {"ExpButt", "Adds 'E-' to the readout  (key: E)", "E"},
        {"ButtPi", "Returns Pi (3.14159)  (key: P)", "P"},
        {"ButtBS", "Backspace readout  (key: Backspace)", "Backspace"},
        {"Buttequals", "Key: = or Enter", "= or Enter"},
        {"ButtSin", "Key: S", "S"},
        {"XMultButt", "Key: *", "*"},
        {"CEButt", "Key: Esc", "Esc"},
        {"ButtC", "Key: C", "C"},
        {"ButtHEquals", "Key: =", "="},
    };
    for (const auto& [name, hint, key] : keys) {
        QPushButton* b = t.button(name);
        ASSERT_TRUE(b) << name;
        EXPECT_EQ(b->toolTip(), hint);
        EXPECT_EQ(b->accessibleDescription(), QString("Keyboard key: ") + key);
    }
    // The picture keys keep their hint as their name; the memories keep their values.
    EXPECT_EQ(t.button("SqrtButt")->accessibleName(), "Return square root of readout");
    EXPECT_EQ(t.button("MR1Butt")->toolTip(), "0");
    // Every key of the decimal keypad names one.
    for (QPushButton* b :
         t.window().findChild<QWidget*>("CalcPanel")->findChildren<QPushButton*>()) {
        const int tag = b->property("Tag").toInt();
        if (b->property("Tag").isValid() && tag >= 0 && b->isVisible()) {
            EXPECT_TRUE(b->accessibleDescription().startsWith("Keyboard key: "))
                << b->objectName().toStdString();
        }
    }
}

TEST(KeypadKeys, TypingInTheReadoutGivesWhatClickingGives) {
    TestWindow typed;
    typed.type("12+3=");
    EXPECT_EQ(typed.readout()->text(), "15");
    TestWindow clicked;
    for (const char* b : {"Butt1", "Butt2", "XPlusButt", "Butt3", "Buttequals"})
        clicked.click(b);
    EXPECT_EQ(typed.tape(), clicked.tape());
    EXPECT_EQ(typed.tape(), "12 + 3 = 15\n");

    // Escape, a letter and "=": as CE, Sin and "=" clicked.
    typed.type("2*7");
    QTest::keyClick(typed.readout(), Qt::Key_Escape);
    EXPECT_EQ(typed.readout()->text(), "0");
    typed.type("3s=");
    for (const char* b :
         {"Butt2", "XMultButt", "Butt7", "CEButt", "Butt3", "ButtSin", "Buttequals"})
        clicked.click(b);
    EXPECT_EQ(typed.readout()->text(), clicked.readout()->text());
    EXPECT_EQ(typed.tape(), clicked.tape());
    EXPECT_EQ(typed.window().focusWidget(), typed.readout());

    typed.window().menuAction("Hexidecimal1")->trigger();
    typed.type("\b\bA+5=");
    EXPECT_EQ(typed.readout()->text(), "F");
}

TEST(MenuKeys, CommandsShowTheirKeysAndTheKeysObeyTheItems) {
    TestWindow t;
    TMainCalc1& w = t.window();
    const std::pair<const char*, const char*> shown[] = {
        {"New1", "Ctrl+N"},
        {"SaveGraphicsFile1", "Ctrl+S"},
        {"LoadGraphicsFile1", "Ctrl+O"},
        {"SaveImageBitmap1", "Ctrl+E"},
        {"Printar", "Ctrl+P"},
        {"ExitProgram1", "Ctrl+Q"},
        {"Undo1", "Ctrl+Z"},
        {"Copy1", "Ctrl+C"},
        {"Paste1", "Ctrl+V"},
        {"CopyPicture1", "Ctrl+Shift+C"},
        {"HelpFile1", "F1"},
        {"Conversion2", "F2"},
    };
    for (const auto& [name, keys] : shown)
        EXPECT_EQ(w.menuAction(name)->shortcut().toString(), keys) << name;

    // "Save Graphics File" is disabled until there is a drawing: its key asks nothing.
    QLineEdit* readout = t.readout();
    ASSERT_FALSE(w.menuAction("SaveGraphicsFile1")->isEnabled());
    PressKeys(readout, QKeySequence("Ctrl+S"));
    EXPECT_TRUE(t.dialogs.fileQuestions.empty());
    pelcor::testing::DrawExample(w);
    PressKeys(readout, QKeySequence("Ctrl+S"));
    ASSERT_EQ(t.dialogs.fileQuestions.size(), 1u);
    EXPECT_TRUE(t.dialogs.fileQuestions[0].save);

    // Undo: the readout's own undo does not take the key from the command.
    QSignalSpy undo(w.menuAction("Undo1"), &QAction::triggered);
    PressKeys(readout, QKeySequence("Ctrl+Z"));
    EXPECT_EQ(undo.count(), 0) << "Undo is disabled";
    w.menuAction("Undo1")->setEnabled(true);
    PressKeys(readout, QKeySequence("Ctrl+Z"));
    EXPECT_EQ(undo.count(), 1);

    // While the about panel holds the menu, the items under its disabled headings rest.
    w.menuAction("AboutUs1")->trigger();
    PressKeys(readout, QKeySequence("Ctrl+Z"));
    EXPECT_EQ(undo.count(), 1);
    PressKeys(readout, QKeySequence("F2"));
    EXPECT_EQ(w.converter(), nullptr);
    w.menuAction("AboutUs1")->trigger();
    // The undo above took the drawing's last step, so "Undo" is offered again by hand.
    w.menuAction("Undo1")->setEnabled(true);
    PressKeys(readout, QKeySequence("Ctrl+Z"));
    EXPECT_EQ(undo.count(), 2);

    PressKeys(readout, QKeySequence("F1"));
    ASSERT_EQ(t.shell.opened.size(), 1u);
    EXPECT_NE(t.shell.opened[0].find("help_menu.htm"), std::string::npos);
}

TEST(ScreenReader, AMenuItemsActionClosesTheMenusAndLeavesTheReadoutTheKeys) {
    TestWindow t;
    TMainCalc1& w = t.window();
    w.show();
    QApplication::setActiveWindow(&w);
    auto* calcMode = w.menuBar()->findChild<QMenu*>("CalcMode1Menu");
    ASSERT_TRUE(calcMode);
    w.menuBar()->setActiveAction(calcMode->menuAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return calcMode->isVisible(); }));

    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(calcMode);
    QAccessibleInterface* hex = nullptr;
    for (int i = 0; i < menu->childCount(); ++i)
        if (menu->child(i)->text(QAccessible::Name) == "Hexidecimal") hex = menu->child(i);
    ASSERT_TRUE(hex && hex->actionInterface());
    hex->actionInterface()->doAction(QAccessibleActionInterface::pressAction());

    EXPECT_TRUE(QTest::qWaitFor([&] { return !calcMode->isVisible(); }));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.readout()->hasFocus(); }));
    EXPECT_EQ(t.window().calculator().calcBase(), NumberBase::Hexadecimal);
    QTest::keyClicks(QApplication::focusWidget(), "b");
    EXPECT_EQ(t.readout()->text(), "B");
}

TEST(ScreenReader, LabelsThatShowAValueExposeIt) {
    TestWindow t;
    TMainCalc1& w = t.window();
    t.type("1*");
    t.readout()->setText("1x");
    t.type("+");
    EXPECT_EQ(AccessibleText(t.info(), QAccessible::Name),
              "Illegal charactor \" x \" found in Readout");
    EXPECT_EQ(AccessibleText(t.info(), QAccessible::Description), "Information line");

    w.menuAction("TextEditor2")->trigger();
    auto* file = w.findChild<QLabel*>("TextFileNme");
    ASSERT_TRUE(file);
    EXPECT_EQ(AccessibleText(file, QAccessible::Name), "(No file active)");
    EXPECT_EQ(AccessibleText(file, QAccessible::Description), "File");
    file->setText("/tmp/notes.txt");
    EXPECT_EQ(AccessibleText(file, QAccessible::Name), "/tmp/notes.txt");

    for (const auto& [name, value] : {std::pair{"ImagesTotal", "0"}, {"CurrentFile", "No File"}}) {
        auto* field = w.findChild<QLineEdit*>(name);
        ASSERT_TRUE(field) << name;
        EXPECT_EQ(AccessibleText(field, QAccessible::Value), value);
    }
}

namespace {

// Starts a window with the real splash and presses on it as soon as it shows.
double StartupSeconds(const std::function<void(QWidget*)>& press) {
    auto dir = pelcor::testing::CopyOfProgramFolder();
    MainCalcOptions options;
    options.programDir = dir->path().toStdString();
    options.splashTicks = 60; // three seconds when nobody presses
    options.animate = false;
    pelcor::testing::ScriptedDialogs dialogs;
    pelcor::testing::RecordingSound sound;
    pelcor::testing::RecordingShell shell;
    options.dialogs = &dialogs;
    options.sound = &sound;
    options.shell = &shell;
    TMainCalc1 w(std::move(options));
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "CalcSplash1" && top->isVisible()) {
                watch.stop();
                press(top);
            }
        }
    });
    watch.start(5);
    QElapsedTimer clock;
    clock.start();
    w.FormCreate();
    const double seconds = clock.elapsed() / 1000.0;
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.menuAction("File1")->isEnabled()) << "start-up went on to its end";
    return seconds;
}

} // namespace

TEST(Splash, AClickOrAKeyEndsItEarly) {
    EXPECT_LT(StartupSeconds([](QWidget* s) { QTest::keyClick(s, Qt::Key_Space); }), 2.0);
    EXPECT_LT(StartupSeconds([](QWidget* s) { QTest::mouseClick(s, Qt::LeftButton); }), 2.0);
}
