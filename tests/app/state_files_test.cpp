// The tape and settings files through a real start and exit of the window: a file the start
// refuses is left as it was, and what the exit writes the next start reads.
#include "TestWindow.h"

#include "platform/FileRead.h"
#include "platform/SettingsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <iterator>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Tape lines up to exactly `size` bytes, the last one unfinished (no line end).
std::string TapeOfSize(std::size_t size) {
    std::string tape;
    tape.reserve(size);
    for (int n = 1; tape.size() + 40 < size; ++n)
        tape += std::to_string(n) + " + 1 = " + std::to_string(n + 1) + "\r\n";
    tape += "7 x ";
    tape.append(size - tape.size(), '8');
    return tape;
}

struct Folder {
    std::unique_ptr<QTemporaryDir> dir = pelcor::testing::CopyOfProgramFolder();
    std::string path(const char* name) const {
        return QDir(dir->path()).filePath(name).toStdString();
    }
    std::string str() const { return dir->path().toStdString(); }
};

} // namespace

TEST(StateFiles, ATapeOfTheLimitIsSavedWithinItAndReadsBack) {
    Folder f;
    const std::string tape = TapeOfSize(read_limit::Tape);
    ASSERT_EQ(tape.size(), 16'777'216u);
    Write(f.path("TotalStr.dat"), tape);
    {
        TestWindow t(f.str());
        // Read, not refused: the line only says the memo shows the newest lines.
        EXPECT_TRUE(t.info()->text().startsWith("The tape shows its newest lines; "))
            << t.info()->text().toStdString();
        EXPECT_EQ(t.window().calculator().tape().size(), tape.size() + 2); // the last line ended
        t.window().SaveSettings(); // "Exit Program" saves once before its question
        CloseWithYes(t);
        // Said once, though saved twice.
        ASSERT_EQ(t.dialogs.messages.size(), 1);
        EXPECT_EQ(t.dialogs.messages[0], "The tape is longer than TotalStr.dat may hold (16 MB): "
                                         "its oldest lines were left out of the file");
    }
    // The newest lines, the first one left out.
    const std::string saved = Bytes(f.path("TotalStr.dat"));
    EXPECT_EQ(saved, tape.substr(tape.find('\n') + 1) + "\r\n");
    EXPECT_LE(saved.size(), read_limit::Tape);
    TestWindow again(f.str());
    EXPECT_TRUE(again.info()->text().startsWith("The tape shows its newest lines; "))
        << again.info()->text().toStdString();
    EXPECT_EQ(again.window().calculator().tape(), saved);
}

TEST(StateFiles, ATapeOverTheLimitIsLeftAsItWasAndTheNewTapeKeptBesideIt) {
    for (const std::size_t size : {read_limit::Tape + 1, 2 * read_limit::Tape}) {
        Folder f;
        const std::string tape = TapeOfSize(size);
        Write(f.path("TotalStr.dat"), tape);
        {
            TestWindow t(f.str());
            EXPECT_EQ(t.info()->text(), "*** TotalStr.dat was not read: it is larger than 16 MB, "
                                        "the most read for such a file ***");
            t.click("Butt2");
            t.click("XPlusButt");
            t.click("Butt3");
            t.click("Buttequals");
            CloseWithYes(t);
            ASSERT_EQ(t.dialogs.messages.size(), 1) << size;
            EXPECT_EQ(t.dialogs.messages[0],
                      "TotalStr.dat was not read at start (it is larger than 16 MB, the most read "
                      "for such a file) and was left as it was; the tape was saved beside it in "
                      "TotalStr.dat.new");
        }
        EXPECT_TRUE(Bytes(f.path("TotalStr.dat")) == tape) << size;
        EXPECT_EQ(Bytes(f.path("TotalStr.dat.new")), "2 + 3 = 5\r\n");

        // The next start reads the tape kept beside it, and the exit keeps it there.
        {
            TestWindow t(f.str());
            EXPECT_EQ(t.window().calculator().tape(), "2 + 3 = 5\r\n");
            EXPECT_EQ(t.info()->text(),
                      "*** TotalStr.dat was not read: it is larger than 16 MB, the most read for "
                      "such a file; TotalStr.dat.new, saved beside it at the last exit, was read "
                      "instead ***");
            t.click("Butt4");
            t.click("XPlusButt");
            t.click("Butt4");
            t.click("Buttequals");
            CloseWithYes(t);
        }
        EXPECT_TRUE(Bytes(f.path("TotalStr.dat")) == tape) << size;
        EXPECT_EQ(Bytes(f.path("TotalStr.dat.new")), "2 + 3 = 5\r\n4 + 4 = 8\r\n");
    }
}

TEST(StateFiles, ASettingsFileOverTheLimitIsLeftAsItWas) {
    Folder f;
    Settings s;
    s.readout = "42";
    s.personalTitles[0] = "Height";
    std::string ini = s.ToFileBytes();
    ini.append((1u << 20) + 1 - ini.size(), ' ');
    Write(f.path("Pelcor.ini"), ini);
    {
        TestWindow t(f.str());
        EXPECT_EQ(t.info()->text(), "*** Pelcor.ini was not read: it is larger than 1 MB, the "
                                    "most read for such a file ***");
        EXPECT_EQ(t.readout()->text(), "0"); // the start values
        t.click("Butt7");
        CloseWithYes(t);
        ASSERT_EQ(t.dialogs.messages.size(), 1);
        EXPECT_EQ(t.dialogs.messages[0],
                  "Pelcor.ini was not read at start (it is larger than 1 MB, the most read for "
                  "such a file) and was left as it was; the settings were saved beside it in "
                  "Pelcor.ini.new");
    }
    EXPECT_TRUE(Bytes(f.path("Pelcor.ini")) == ini);
    const std::string kept = Bytes(f.path("Pelcor.ini.new"));
    EXPECT_EQ(Settings::FromFileBytes(kept).readout, "7");
    TestWindow t(f.str());
    EXPECT_EQ(t.readout()->text(), "7");
}
