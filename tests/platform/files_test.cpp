#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/ProgramFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace pelcor;

TEST(ProgramFiles, FindsFilesWhateverTheCaseOfTheirFoldersAndNames) {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    fs::create_directories(root / "BmpFiles");
    std::ofstream(root / "BmpFiles" / "Pointer.bmp") << "x";

    ProgramFiles files(root.string() + "/");
    EXPECT_EQ(files.resolve("BMPFiles\\Pointer.bmp"), (root / "BmpFiles" / "Pointer.bmp").string());
    EXPECT_EQ(files.resolve("bmpfiles/POINTER.BMP"), (root / "BmpFiles" / "Pointer.bmp").string());
    EXPECT_TRUE(files.exists("BmpFiles\\Pointer.bmp"));
    // A missing name keeps its spelling, so it names where the file would be written.
    EXPECT_EQ(files.resolve("SndFiles\\Soundon.wav"), (root / "SndFiles" / "Soundon.wav").string());
    EXPECT_FALSE(files.exists("SndFiles\\Soundon.wav"));
    EXPECT_FALSE(files.exists("BmpFiles")); // a folder is not a file
}

TEST(Cp1252, ConvertsTheFormulaLettersBothWays) {
    const std::string bytes = "a\xB2 b\xB3 \xBD \xB1 \xB0 \xF8 \xDF \xB5 \xAA \x80 \xFF";
    const std::string utf8 = Cp1252ToUtf8(bytes);
    EXPECT_EQ(utf8, "a\xC2\xB2 b\xC2\xB3 \xC2\xBD \xC2\xB1 \xC2\xB0 \xC3\xB8 \xC3\x9F \xC2\xB5 "
                    "\xC2\xAA \xE2\x82\xAC \xC3\xBF");
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
    // Every single byte survives the round trip.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    // Characters the code page lacks, and broken UTF-8, become "?".
    EXPECT_EQ(Utf8ToCp1252("\xE2\x88\x9A"), "?");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");
    EXPECT_EQ(Utf8ToCp1252("x\xC3("), "x?(");
}

TEST(AtomicFile, ReplacesWholeFilesAndLeavesTheTargetAloneOnFailure) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("data.txt").toStdString();
    EXPECT_EQ(WriteFileAtomically(path, "first\r\n"), "");
    EXPECT_EQ(WriteFileAtomically(path, "second"), "");
    std::string back;
    ASSERT_TRUE(ReadWholeFile(path, back));
    EXPECT_EQ(back, "second");

    const std::string missingFolder = dir.filePath("no/such/folder/data.txt").toStdString();
    EXPECT_NE(WriteFileAtomically(missingFolder, "x"), "");
    EXPECT_FALSE(ReadWholeFile(missingFolder, back));
    // Nothing but the target is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path().toStdString()))
        ++files;
    EXPECT_EQ(files, 1);
}
