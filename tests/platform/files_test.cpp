#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/FileRead.h"
#include "platform/Pictures.h"
#include "platform/ProgramFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

namespace {

// Runs `read` on another thread; if it is still waiting after a few seconds (a FIFO blocks
// its reader until a writer comes), a writer opens the FIFO to let it go, and the read
// counts as hanging.
template <class Read> bool FinishesWithoutWaiting(const std::string& fifo, Read read) {
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(3)) == std::future_status::ready) return true;
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    done.wait();
    return false;
}

} // namespace

TEST(FileRead, ReadsOnlyRegularFilesWithinTheLimitAndSaysWhy) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("data.txt").toStdString();
    std::ofstream(path, std::ios::binary) << "12345";
    LoadedFile read = ReadRegularFile(path, 5);
    EXPECT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.bytes, "12345");
    EXPECT_EQ(ReadRegularFile(path, 4).error,
              "it is larger than 4 bytes, the most read for such a file");
    read = ReadRegularFile(dir.filePath("none").toStdString(), 100);
    EXPECT_TRUE(read.missing);
    EXPECT_EQ(read.error, "No such file or directory");
    EXPECT_EQ(ReadRegularFile(dir.path().toStdString(), 100).error, "it is a folder, not a file");
    EXPECT_EQ(ReadRegularFile("/dev/zero", 100).error, "it is not a regular file");

    // A FIFO is refused at once, by every loader of files.
    const std::string fifo = dir.filePath("fifo").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string error;
    EXPECT_TRUE(FinishesWithoutWaiting(fifo, [&] { return LoadPicture(fifo, &error).isNull(); }));
    EXPECT_EQ(error, "it is not a regular file");
}

namespace {

// In a child process with a mount namespace of its own, mounts a 64 KB tmpfs on `folder`,
// writes a small file there and then one too large for it. Gives what the second write said,
// what the file then holds and what the folder holds; nothing when no tmpfs can be mounted.
std::optional<std::string> FillATinyDisk(const std::string& folder) {
    int out[2];
    if (::pipe(out) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        const std::string path = folder + "/Pelcor.ini";
        std::string result = WriteFileAtomically(path, "old\r\n") + "|";
        result += WriteFileAtomically(path, std::string(1 << 20, 'x')) + "|";
        std::string back;
        ReadWholeFile(path, back);
        result += back + "|";
        for (const auto& e : fs::directory_iterator(folder))
            result += e.path().filename().string() + " ";
        [[maybe_unused]] auto written = ::write(out[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(out[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(n));
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 77) return std::nullopt;
    return result;
}

} // namespace

TEST(AtomicFile, AFullDiskIsNamedAndTheOldFileStays) {
    QTemporaryDir dir;
    const auto result = FillATinyDisk(dir.path().toStdString());
    if (!result) GTEST_SKIP() << "no small file system can be mounted here";
    EXPECT_EQ(*result, "|No space left on device|old\r\n|Pelcor.ini ");
}

TEST(ProgramPlaces, RuntimeFoldersBesideTheProgramMakeItPortableOtherwiseItIsInstalled) {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    fs::create_directories(root / "usr" / "bin");
    fs::create_directories(root / "usr" / "share" / "pelcorcalc" / "BmpFiles");
    const std::string config = (root / "home" / ".config" / "Pelcor Calculator").string();

    const ProgramPlaces installed = FindProgramPlaces((root / "usr" / "bin").string(), config);
    EXPECT_TRUE(installed.installed);
    EXPECT_EQ(installed.programDir, (root / "usr" / "share" / "pelcorcalc").string());
    EXPECT_EQ(installed.userDir, config);
    // Any prefix: the data folder is found from the program's own folder.
    fs::create_directories(root / "opt" / "calc" / "bin");
    EXPECT_EQ(FindProgramPlaces((root / "opt" / "calc" / "bin").string() + "/", config).programDir,
              (root / "opt" / "calc" / "share" / "pelcorcalc").string());

    // One runtime folder beside the program, in any case, keeps everything there.
    for (const char* folder : {"BmpFiles", "sndfiles", "CalcLibrary", "calculator_help"}) {
        const fs::path portable = root / "portable" / folder;
        fs::create_directories(portable / folder);
        const ProgramPlaces places = FindProgramPlaces(portable.string(), config);
        EXPECT_FALSE(places.installed) << folder;
        EXPECT_EQ(places.programDir, portable.string());
        EXPECT_EQ(places.userDir, portable.string());
    }
    // A file of such a name is not the folder.
    std::ofstream(root / "usr" / "bin" / "BmpFiles") << "x";
    EXPECT_TRUE(FindProgramPlaces((root / "usr" / "bin").string(), config).installed);
}
