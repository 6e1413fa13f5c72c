#include "TestWindow.h"

#include "calc/CalculatorView.h"
#include "drawing/DrawingFile.h"
#include "platform/AtomicFile.h"
#include "platform/SettingsFile.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include <limits>
#include <sys/stat.h>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

std::string FileText(const QString& path) {
    std::string bytes;
    ReadWholeFile(path.toStdString(), bytes);
    return bytes;
}

void WriteText(const QString& path, const std::string& bytes) {
    ASSERT_EQ(WriteFileAtomically(path.toStdString(), bytes), "");
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines)
        out += std::string(l) + "\r\n";
    return out;
}

} // namespace

TEST(SettingsFile, ReadsAndWritesTheFortyFourLines) {
    std::string file;
    for (int i = 1; i <= 44; ++i) {
        if (i == 1)
            file += "12.5";
        else if (i == 2)
            file += "-4";
        else if (i == 3)
            file += "12E-5";
        else if (i == 6)
            file += "3";
        else if (i == 7)
            file += "12";
        else if (i == 8)
            file += "7";
        else if (i == 11)
            file += "True";
        else if (i == 12)
            file += "/home/user/house.pcz";
        else if (i == 13)
            file += "/home/user/side.jpg";
        else if (i == 15)
            file += "My car \xB2 value"; // Windows-1252 superscript two
        else if (i == 29)
            file += "1.5";
        else if (i == 43)
            file += "0";
        else if (i == 44)
            file += "1";
        file += "\r\n";
    }
    const Settings s = Settings::FromFileBytes(file);
    EXPECT_EQ(s.readout, "12.5");
    EXPECT_EQ(s.memories[0], "-4");
    EXPECT_EQ(s.memories[1], "12E-5");
    EXPECT_EQ(s.memories[2], "0");
    EXPECT_EQ(s.displayMode, 3);
    EXPECT_EQ(s.shapeCount, 12);
    EXPECT_EQ(s.reserved1, 7);
    EXPECT_TRUE(s.boardCleared);
    EXPECT_EQ(s.drawingFile, "/home/user/house.pcz");
    EXPECT_EQ(s.personalTitles[0], "My car \xC2\xB2 value");
    EXPECT_EQ(s.personalValues[0], 1.5);
    EXPECT_FALSE(s.personalValues[1].has_value());
    EXPECT_FALSE(s.soundEnabled);
    EXPECT_TRUE(s.soundOnAllErrors);
    // Written again, only the empty memories change: they read as "0".
    std::string expected = file;
    expected.replace(expected.find("12E-5\r\n\r\n\r\n"), 11, "12E-5\r\n0\r\n0\r\n");
    expected.replace(expected.find("7\r\n\r\n\r\n"), 7, "7\r\n0\r\n0\r\n"); // empty numbers read 0
    EXPECT_EQ(s.ToFileBytes(), expected);
    EXPECT_EQ(Settings::FromFileBytes(s.ToFileBytes()).ToFileBytes(), s.ToFileBytes());
}

TEST(SettingsFile, ShortDamagedOrJunkFilesReadAsStartValues) {
    const Settings shortFile = Settings::FromFileBytes(Lines({"7", "5"}));
    EXPECT_EQ(shortFile.readout, "7");
    EXPECT_EQ(shortFile.memories[0], "5");
    EXPECT_EQ(shortFile.memories[3], "0");
    EXPECT_FALSE(shortFile.soundEnabled); // a missing line 43 is an empty line
    EXPECT_EQ(Settings::FromFileBytes(shortFile.ToFileBytes()).ToFileBytes().size(),
              shortFile.ToFileBytes().size());

    std::string damaged = Lines({"1", "0", "0", "0", "0", "x3", "lots", "", "", "99"});
    const Settings bad = Settings::FromFileBytes(damaged);
    EXPECT_EQ(bad.displayMode, 0);
    EXPECT_EQ(bad.shapeCount, 0);
    EXPECT_EQ(bad.galleryPosition, 0); // out of range

    std::string junk;
    for (int i = 0; i < 3000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    const Settings j = Settings::FromFileBytes(junk);
    std::string written = j.ToFileBytes();
    int lines = 0;
    for (size_t p = written.find("\r\n"); p != std::string::npos; p = written.find("\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 44);
}

TEST(SettingsFile, ReadsItsFileWithinALimitAndKeepsTheLargestNumbers) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Pelcor.ini");
    Settings s;
    s.personalValues[0] = std::numeric_limits<double>::max();
    s.personalValues[1] = -std::numeric_limits<double>::max();
    WriteText(ini, s.ToFileBytes());
    Settings back;
    EXPECT_EQ(Settings::ReadFile(ini.toStdString(), back), "");
    EXPECT_EQ(back.personalValues[0], s.personalValues[0]);
    EXPECT_EQ(back.personalValues[1], s.personalValues[1]);

    std::filesystem::resize_file(ini.toStdString(), (1 << 20) + 1);
    EXPECT_EQ(Settings::ReadFile(ini.toStdString(), back),
              "it is larger than 1 MB, the most read for such a file");
}

TEST(Settings, ASavedStateComesBackAfterARestart) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    const std::string dir = folder->path().toStdString();
    {
        TestWindow t(dir);
        t.click("Butt4");
        t.click("XNegButt");
        t.click("Butt8");
        t.click("Buttequals"); // -4, and a tape line
        t.click("Mem3Butt");
        t.click("Butt1");
        t.click("Butt2");
        t.click("Mem1Butt");
        t.window().optionsView().SetupSound();
        QTest::mouseClick(t.window().findChild<QCheckBox*>("SndCheckBox0"), Qt::LeftButton, {},
                          QPoint(8, 10));
        EXPECT_FALSE(t.window().options().SoundOn);
        CloseWithYes(t);
    }
    const QString ini = QDir(folder->path()).filePath("Pelcor.ini");
    const std::string saved = FileText(ini);
    EXPECT_EQ(saved.substr(0, 16), "12\r\n12\r\n0\r\n-4\r\n0");
    const Settings parsed = Settings::FromFileBytes(saved);
    EXPECT_FALSE(parsed.soundEnabled);
    EXPECT_NE(saved.find("\r\n0\r\n1\r\n", saved.size() - 8), std::string::npos); // lines 43, 44
    EXPECT_EQ(FileText(QDir(folder->path()).filePath("TotalStr.dat")), "4 - 8 = -4\r\n");
    {
        TestWindow t(dir);
        EXPECT_EQ(t.readout()->text(), "12");
        EXPECT_EQ(t.button("MR3Butt")->toolTip(), "-4");
        // -4 returns without its marks; 12 with them.
        EXPECT_EQ(t.button("MR3Butt")->palette().color(QPalette::ButtonText), Qt::black);
        EXPECT_NE(t.button("MR1Butt")->palette().color(QPalette::ButtonText), Qt::black);
        EXPECT_FALSE(t.window().options().SoundOn);
        EXPECT_EQ(t.tape(), "4 - 8 = -4\n");
        EXPECT_EQ(t.info()->text(), "");
        EXPECT_FALSE(t.window().document().Changed());
        CloseWithYes(t);
    }
    // Nothing changed: the same 44 lines.
    EXPECT_EQ(FileText(ini), saved);
}

TEST(Settings, JunkOrAnUnwritableFolderStillStartsAndReportsOnce) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    const QString ini = QDir(folder->path()).filePath("Pelcor.ini");
    WriteText(ini, std::string("\x00\xFF\xFE junk\r\n\x01\x02", 12));
    TestWindow t(folder->path().toStdString());
    EXPECT_EQ(t.readout()->text(), "0");
    EXPECT_TRUE(t.window().isVisible());

    // A file in the way of the tape and settings: they can't be written.
    std::filesystem::remove(ini.toStdString());
    std::filesystem::create_directory(ini.toStdString());
    t.window().SaveSettings();
    t.window().SaveSettings();
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages[0].startsWith("The settings could not be saved"));
}

TEST(SoundOptions, PanelsAndToolbarSwitchSoundAndScreenHelp) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    QDir(folder->path()).mkpath("SndFiles");
    WriteText(QDir(folder->path()).filePath("SndFiles/Soundon.wav"), "RIFF");
    TestWindow t(folder->path().toStdString());
    TMainCalc1& w = t.window();
    w.menuAction("Soundssetup1")->trigger();
    QFrame* sound = w.panel("SoundPanel");
    EXPECT_TRUE(sound->isVisible());
    auto* box = sound->findChild<QCheckBox*>("SndCheckBox0");
    EXPECT_EQ(box->text(), "Sound is enabled");
    const QImage onGlyph = t.button("BitBtn9")->icon().pixmap(24, 20).toImage();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_FALSE(w.options().SoundOn);
    EXPECT_EQ(box->text(), "Sound is disabled");
    EXPECT_NE(t.button("BitBtn9")->icon().pixmap(24, 20).toImage(), onGlyph); // changes at once

    // Sound off: errors are silent and no wave plays.
    t.click("Butt1");
    t.click("BitBtn38");
    EXPECT_EQ(t.sound.beeps, 0);

    // Other option panels close this one.
    w.menuAction("Screensetup1")->trigger();
    EXPECT_FALSE(sound->isVisible());
    EXPECT_TRUE(w.panel("ScreenPanel2")->isVisible());

    // The toolbar turns sound on and plays its wave once.
    QTest::mouseClick(t.button("BitBtn9"), Qt::LeftButton);
    EXPECT_TRUE(w.options().SoundOn);
    EXPECT_TRUE(box->isChecked());
    ASSERT_EQ(t.sound.waves.size(), 1u);
    EXPECT_NE(t.sound.waves[0].find("Soundon.wav"), std::string::npos);

    QTest::mouseClick(t.button("BitBtn13"), Qt::LeftButton);
    EXPECT_TRUE(w.options().ScreenHelpOn);
    QTest::mouseClick(t.button("BitBtn13"), Qt::LeftButton);
    EXPECT_FALSE(w.options().ScreenHelpOn);
    EXPECT_FALSE(w.findChild<QWidget*>("Image1")->isVisible());

    // Screen mode 0 from the panel shows the start picture.
    w.optionsView().SetupScreen();
    QTest::mouseClick(w.findChild<QCheckBox*>("ScrnModeBox0"), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 0);
    EXPECT_FALSE(w.panel("ScreenPanel2")->isVisible());
    EXPECT_FALSE(w.findChild<QCheckBox*>("ScrnModeBox0")->isChecked());
}

TEST(Settings, TheRememberedDrawingIsLoadedAtStartAndCountsAsUnchanged) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    DrawingList drawing;
    ShapeRecord line;
    line.Kind = "LINE";
    line.X1 = 10, line.Y1 = 20, line.X2 = 200, line.Y2 = 220;
    drawing.AppendShape(line, NewShapeStyle{});
    drawing.AppendShape(line, NewShapeStyle{});
    const QString pcz = QDir(folder->path()).filePath("house.pcz");
    WriteText(pcz, DrawingFile::FileBytes(drawing));
    Settings s;
    s.drawingFile = pcz.toStdString();
    WriteText(QDir(folder->path()).filePath("Pelcor.ini"), s.ToFileBytes());

    TestWindow t(folder->path().toStdString());
    TMainCalc1& w = t.window();
    EXPECT_EQ(w.document().list().ShapeCount(), 2);
    EXPECT_FALSE(w.document().Changed());
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 3);
    EXPECT_EQ(w.findChild<QLineEdit*>("ImagesTotal")->text(), "2");
    EXPECT_EQ(w.findChild<QLineEdit*>("CurrentFile")->text(), pcz);
    EXPECT_FALSE(w.menuAction("Undo1")->isEnabled());
}

TEST(Settings, ARememberedDrawingThatDoesNotOpenIsReportedAfterStartUp) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    const QString broken = QDir(folder->path()).filePath("broken.pcz");
    WriteText(broken, ":(1)[LINE][1][2]\r\n");
    Settings s;
    s.drawingFile = broken.toStdString();
    WriteText(QDir(folder->path()).filePath("Pelcor.ini"), s.ToFileBytes());
    {
        TestWindow t(folder->path().toStdString());
        EXPECT_TRUE(t.info()->text().startsWith("*** Not loaded: "))
            << t.info()->text().toStdString();
        EXPECT_EQ(t.window().document().list().ShapeCount(), 0);
    }
    s.drawingFile = QDir(folder->path()).filePath("gone.pcz").toStdString();
    WriteText(QDir(folder->path()).filePath("Pelcor.ini"), s.ToFileBytes());
    TestWindow t(folder->path().toStdString());
    EXPECT_EQ(t.info()->text(),
              QString::fromStdString("*** Invalid file name error ***" + s.drawingFile));
}

TEST(SoundOptions, EveryBoxActsAlikeByClickSpaceBarAndAccessibleToggle) {
    TestWindow t;
    TMainCalc1& w = t.window();
    auto toggle = [](QCheckBox* box) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    w.optionsView().SetupSound();
    auto* sound = w.findChild<QCheckBox*>("SndCheckBox0");
    toggle(sound);
    EXPECT_FALSE(w.options().SoundOn);
    EXPECT_EQ(sound->text(), "Sound is disabled");
    QTest::keyClick(sound, Qt::Key_Space);
    EXPECT_TRUE(w.options().SoundOn);

    w.menuAction("DrawMode1")->trigger();
    toggle(w.findChild<QCheckBox*>("WireFrame1"));
    QTest::keyClick(w.findChild<QCheckBox*>("BlackWhite1"), Qt::Key_Space);
    EXPECT_TRUE(w.options().WireFrame);
    EXPECT_TRUE(w.options().BlackWhite);

    w.optionsView().SetupScreen();
    toggle(w.findChild<QCheckBox*>("ScrnCheckBox1"));
    EXPECT_TRUE(w.options().ScreenHelpOn);
    toggle(w.findChild<QCheckBox*>("ScrnModeBox0"));
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 0);
    EXPECT_FALSE(w.panel("ScreenPanel2")->isVisible());
    w.optionsView().SetupScreen();
    QTest::keyClick(w.findChild<QCheckBox*>("ScrnModeBox3"), Qt::Key_Space);
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 3);
}

TEST(Settings, ASettingsFileThatIsNoFileIsReportedAndTheStartValuesHold) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    QDir(folder->path()).mkpath("Pelcor.ini");
    ASSERT_EQ(
        ::mkfifo(QDir(folder->path()).filePath("TotalStr.dat").toLocal8Bit().constData(), 0600), 0);
    TestWindow t(folder->path().toStdString()); // a FIFO is never opened, so this returns
    EXPECT_EQ(t.info()->text(), "*** TotalStr.dat was not read: it is not a regular file ***");
    EXPECT_EQ(t.readout()->text(), "0");
    EXPECT_EQ(t.tape(), "");
}

TEST(Settings, AnInstalledCopyKeepsItsStateInTheUserFolderAndWritesNothingBesideTheProgram) {
    auto program = pelcor::testing::CopyOfProgramFolder();
    QTemporaryDir user;
    const std::string programDir = program->path().toStdString();
    const std::string userDir = user.path().toStdString();
    const QStringList programFiles = QDir(program->path()).entryList(QDir::AllEntries);
    {
        TestWindow t(programDir, userDir);
        t.click("Butt4");
        t.click("XPlusButt");
        t.click("Butt7");
        t.click("Buttequals");
        t.click("Mem2Butt");
        CloseWithYes(t);
    }
    EXPECT_EQ(QDir(program->path()).entryList(QDir::AllEntries), programFiles);
    EXPECT_EQ(FileText(QDir(user.path()).filePath("TotalStr.dat")), "4 + 7 = 11\r\n");
    const Settings saved =
        Settings::FromFileBytes(FileText(QDir(user.path()).filePath("Pelcor.ini")));
    EXPECT_EQ(saved.memories[1], "11");
    // The side picture still comes from the program folder.
    EXPECT_EQ(saved.sidePicture, programDir + "/Pelcor.jpg");
    {
        TestWindow t(programDir, userDir);
        t.click("CEButt");
        t.click("MR2Butt");
        EXPECT_EQ(t.readout()->text(), "11");
        EXPECT_EQ(t.tape(), "4 + 7 = 11\n");
        // A folder that can't take the files is named in the message.
        QDir(user.path()).removeRecursively();
        t.window().SaveSettings();
        ASSERT_EQ(t.dialogs.messages.size(), 1);
        EXPECT_TRUE(t.dialogs.messages[0].startsWith(
            QString::fromStdString("The settings could not be saved in " + userDir + ":")));
    }
    EXPECT_EQ(QDir(program->path()).entryList(QDir::AllEntries), programFiles);
}

TEST(Settings, ATapeOfOnlyLineEndsShowsItsNewestLinesAndKeepsThemAll) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    const QString tapeFile = QDir(folder->path()).filePath("TotalStr.dat");
    const std::size_t lines = 3 * CalculatorView::kTapeShownLinesMost; // 96 KB of LF
    WriteText(tapeFile, std::string(lines, '\n'));
    {
        TestWindow t(folder->path().toStdString());
        const QString shown = t.tape();
        const auto shownLines = static_cast<std::size_t>(shown.count('\n'));
        EXPECT_EQ(shownLines, CalculatorView::kTapeShownLinesMost);
        EXPECT_EQ(shown, QString(static_cast<qsizetype>(shownLines), '\n'));
        EXPECT_EQ(t.info()->text(), "The tape shows its newest lines; " +
                                        QString::number(lines - shownLines) +
                                        " older lines are kept in TotalStr.dat");
        // A calculation adds its line to what the memo shows.
        for (const char* b : {"Butt5", "XPlusButt", "Butt3", "Buttequals"})
            t.click(b);
        EXPECT_TRUE(t.tape() == shown + "5 + 3 = 8\n");
        CloseWithYes(t);
    }
    // The whole tape is written back as CR LF lines, with the new ones.
    const std::string written = FileText(tapeFile);
    EXPECT_TRUE(written.starts_with(std::string("\r\n\r\n")));
    EXPECT_EQ(written.find("5 + 3 = 8"), 2 * lines);
}

TEST(Settings, ALongTapeShowsItsNewestLinesAtOnceAndKeepsThemAll) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    const QString tapeFile = QDir(folder->path()).filePath("TotalStr.dat");
    std::string tape;
    const int lines = 30'000; // about 600 KB, more than the memo holds
    for (int i = 1; i <= lines; ++i)
        tape += std::to_string(i) + " + 1 = " + std::to_string(i + 1) + "\r\n";
    WriteText(tapeFile, tape);
    {
        TestWindow t(folder->path().toStdString());
        // The memo holds the newest lines, from a line's start to the end of the tape.
        const QString shown = t.tape();
        QString all = QString::fromStdString(tape);
        all.replace("\r\n", "\n");
        ASSERT_TRUE(all.endsWith(shown));
        ASSERT_LT(shown.size(), all.size());
        EXPECT_GE(static_cast<std::size_t>(shown.size()), CalculatorView::kTapeShownMost / 2);
        EXPECT_EQ(all[all.size() - shown.size() - 1], '\n');
        const auto hidden = lines - shown.count('\n');
        EXPECT_EQ(t.info()->text(), "The tape shows its newest lines; " + QString::number(hidden) +
                                        " older lines are kept in TotalStr.dat");

        // A calculation adds its line to what the memo shows; changing the operator
        // rewrites the last line only.
        for (const char* b : {"Butt5", "XPlusButt", "Butt3", "Buttequals", "XPlusButt"})
            t.click(b);
        t.click("XMultButt");
        const std::string now = t.window().calculator().tape();
        ASSERT_EQ(now.substr(0, tape.size()), tape); // compared without printing 600 KB
        const std::string added = now.substr(tape.size());
        EXPECT_EQ(added, "5 + 3 = 8\r\n8 * ");
        EXPECT_TRUE(t.tape() == shown + QString::fromStdString(added).replace("\r\n", "\n"));
        CloseWithYes(t);
    }
    // The whole tape is written back, with the new lines.
    const std::string written = FileText(tapeFile);
    EXPECT_TRUE(written.starts_with(tape));
    EXPECT_EQ(written.substr(std::min(written.size(), tape.size())), "5 + 3 = 8\r\n8 * ");
}
