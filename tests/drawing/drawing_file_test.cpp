#include "drawing/DrawingFile.h"

#include "Shapes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace pelcor;

namespace {

const std::string CrLf = "\r\n";

using pelcor::testing::ExampleDrawing;

// Parses bytes into contents that already hold a drawing, so a refusal can be seen to
// leave them alone.
std::string ParseOver(const std::string& bytes, DrawingFile::Contents& out) {
    out.list = ExampleDrawing();
    out.shapeCount = 2;
    return DrawingFile::Parse(bytes, out);
}

} // namespace

TEST(DrawingFile, TheExampleDrawingIsWrittenByteForByte) {
    const std::string expected =
        ":(1)[LINE][150][120][100][100][0][0][0][0][0][0][0][0][16777215][9153434][W]\r\n"
        ":(2)[CIRCLE][110][110][210][210][50][50][0][0][0][0][30][0][255][65280][S]\r\n"
        "\x5B\xFF\x5D\r\n"
        "IMAGES{2}\r\n";
    EXPECT_EQ(DrawingFile::FileBytes(ExampleDrawing()), expected);

    DrawingFile::Contents read;
    ASSERT_EQ(DrawingFile::Parse(expected, read), "");
    EXPECT_EQ(read.shapeCount, 2);
    EXPECT_EQ(read.list.Shapes(), ExampleDrawing().Shapes());
    EXPECT_EQ(DrawingFile::FileBytes(read.list), expected);
}

TEST(DrawingFile, BothEmptyFormsRoundTripAndTheNextShapeIsNumberOne) {
    DrawingList fresh;
    const std::string freshBytes = DrawingFile::FileBytes(fresh);
    EXPECT_EQ(freshBytes, "\xFF\r\nIMAGES{0}\r\n");

    DrawingList deleted = ExampleDrawing();
    deleted.DeleteShape(2);
    deleted.DeleteShape(1);
    const std::string deletedBytes = DrawingFile::FileBytes(deleted);
    EXPECT_EQ(deletedBytes, "[\xFF]\r\nIMAGES{0}\r\n");

    for (const std::string& bytes : {freshBytes, deletedBytes}) {
        DrawingFile::Contents read;
        ASSERT_EQ(ParseOver(bytes, read), "") << bytes;
        EXPECT_EQ(read.shapeCount, 0);
        EXPECT_EQ(read.list.ShapeCount(), 0);
        EXPECT_EQ(DrawingFile::FileBytes(read.list), bytes);
        ShapeRecord square;
        square.Kind = "SQUARE";
        square.X2 = square.Y2 = 40;
        EXPECT_EQ(read.list.AppendShape(square, {}), 1);
        EXPECT_EQ(read.list.Text().substr(0, 12), ":(1)[SQUARE]");
    }
}

TEST(DrawingFile, ReadingIgnoresWhatFollowsTheCountLineAndAcceptsBareLineFeeds) {
    const std::string file = DrawingFile::FileBytes(ExampleDrawing());
    DrawingFile::Contents read;
    ASSERT_EQ(DrawingFile::Parse(file + "trailing words\r\nIMAGES{9}\r\n[\xFF]\r\n\x01\x02", read),
              "");
    EXPECT_EQ(read.shapeCount, 2);
    EXPECT_EQ(read.list.Text(), ExampleDrawing().Text());

    // The same file with its line ends reduced to LF, and without a final line end.
    std::string bare;
    for (char c : file)
        if (c != '\r') bare += c;
    bare.pop_back();
    DrawingFile::Contents fromBare;
    ASSERT_EQ(DrawingFile::Parse(bare, fromBare), "");
    EXPECT_EQ(DrawingFile::FileBytes(fromBare.list), file);
}

TEST(DrawingFile, TheCountLineIsFoundAfterTheListNotInsideAText) {
    DrawingList list;
    ShapeRecord text;
    text.Kind = "TEXT";
    text.X1 = 20;
    text.Y1 = 30;
    text.Text = "IMAGES{7} and [\xC3\xBF] inside";
    text.FontName = "Arial";
    text.FontSize = "12";
    text.FontStyle = "Bold";
    list.AppendShape(text, {});
    const std::string file = DrawingFile::FileBytes(list);
    DrawingFile::Contents read;
    ASSERT_EQ(DrawingFile::Parse(file, read), "");
    EXPECT_EQ(read.shapeCount, 1);
    EXPECT_EQ(read.list.Shapes(), list.Shapes());
}

TEST(DrawingFile, DamagedFilesAreRefusedWithAMessageAndChangeNothing) {
    const std::string good = DrawingFile::FileBytes(ExampleDrawing());
    std::string badField = good;
    badField.replace(badField.find("[150]"), 5, "[1x0]");
    std::string badNumber = good;
    badNumber.replace(badNumber.find(":(2)"), 4, ":(5)");
    std::string noMarker = good;
    noMarker.erase(noMarker.find("[\xFF]"), 5);
    std::string wrongCount = good;
    wrongCount.replace(wrongCount.find("IMAGES{2}"), 9, "IMAGES{3}");
    std::string junk;
    for (int i = 0; i < 600; ++i)
        junk += static_cast<char>((i * 37 + 11) % 256);

    const struct {
        const char* what;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"empty", "", "empty"},
        {"no count line", good.substr(0, good.find("IMAGES{")), "IMAGES{"},
        {"count not a number", good.substr(0, good.find("IMAGES{")) + "IMAGES{two}\r\n",
         "\"two\" is not a number"},
        {"negative count", "\xFF\r\nIMAGES{-1}\r\n", "is not a number"},
        {"count missing", good.substr(0, good.find("IMAGES{")) + "IMAGES{\r\n", "missing"},
        {"damaged field", badField, "Shape record 1"},
        {"wrong record number", badNumber, "Shape record 2"},
        {"end marker missing", noMarker, "end marker"},
        {"count disagrees", wrongCount, "gives 3 shapes but the file holds 2"},
        {"records before an empty form", ":(1)[LINE]\r\n\xFF\r\nIMAGES{0}\r\n", "end marker"},
        {"binary junk", junk, "IMAGES{"},
    };
    for (const auto& c : cases) {
        DrawingFile::Contents read;
        const std::string message = ParseOver(c.bytes, read);
        EXPECT_NE(message.find(c.says), std::string::npos) << c.what << ": " << message;
        EXPECT_EQ(read.list.Text(), ExampleDrawing().Text()) << c.what;
        EXPECT_EQ(read.shapeCount, 2) << c.what;
    }
}

TEST(DrawingFile, NamesGetTheirExtensions) {
    EXPECT_EQ(DrawingFile::WithExtension("/tmp/house"), "/tmp/house.pcz");
    EXPECT_EQ(DrawingFile::WithExtension("/tmp/house.pcz"), "/tmp/house.pcz");
    EXPECT_EQ(DrawingFile::WithExtension("/tmp/house.PCZ"), "/tmp/house.PCZ.pcz");
    EXPECT_EQ(DrawingFile::WithExtension("pcz"), "pcz.pcz");

    EXPECT_EQ(DrawingFile::ExportName("/tmp/house.pcz", 1), "/tmp/house.jpg");
    EXPECT_EQ(DrawingFile::ExportName("/tmp/house.jpg", 2), "/tmp/house.bmp");
    EXPECT_EQ(DrawingFile::ExportName("/tmp/house.bmp", 2), "/tmp/house.bmp");
    EXPECT_EQ(DrawingFile::ExportName("/tmp/house.JPG", 1), "/tmp/house.jpg");
    EXPECT_EQ(DrawingFile::ExportName("/tmp/v1.2/house", 1), "/tmp/v1.2/house.jpg");
    EXPECT_EQ(DrawingFile::ExportName("C:\\v1.2\\house", 2), "C:\\v1.2\\house.bmp");
    EXPECT_EQ(DrawingFile::ExportName("", 1), "");
}

TEST(DrawingFile, ReadsOnlyARegularFileWithinItsLimit) {
    const std::string path = ::testing::TempDir() + "/house.pcz";
    std::ofstream(path, std::ios::binary) << DrawingFile::FileBytes(ExampleDrawing());
    DrawingFile::Contents read;
    ASSERT_EQ(DrawingFile::ReadFile(path, read), "");
    EXPECT_EQ(read.list.Text(), ExampleDrawing().Text());

    std::filesystem::resize_file(path, (64 << 20) + 1);
    EXPECT_EQ(DrawingFile::ReadFile(path, read),
              "it is larger than 64 MB, the most read for such a file");
    std::filesystem::remove(path);
}
