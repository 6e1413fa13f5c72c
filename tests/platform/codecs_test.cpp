#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"
#include "platform/Pictures.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>

using namespace pelcor;

namespace {

QImage TestPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(qRgb(200, 40, 40));
    for (int y = 0; y < h / 2; ++y)
        for (int x = 0; x < w / 2; ++x)
            image.setPixel(x, y, qRgb(20, 160, 220));
    return image;
}

} // namespace

TEST(BmpCodec, WritesTwentyFourBitFilesThatReadBackExactly) {
    const QImage picture = TestPicture(7, 5); // odd width: rows need padding
    const std::string bytes = BmpCodec::Encode(picture);
    ASSERT_EQ(bytes.size(), 54u + 24u * 5u); // 7*3 = 21 bytes, padded to 24
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
    EXPECT_EQ(static_cast<unsigned char>(bytes[18]), 7);
    EXPECT_EQ(static_cast<unsigned char>(bytes[22]), 5);
    // The bottom row comes first, blue-green-red.
    EXPECT_EQ(static_cast<unsigned char>(bytes[54]), 40);
    EXPECT_EQ(static_cast<unsigned char>(bytes[56]), 200);

    const QImage back = BmpCodec::Decode(bytes);
    ASSERT_EQ(back.size(), picture.size());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(back.pixel(x, y), picture.pixel(x, y));
}

TEST(BmpCodec, RefusesDamagedFilesWithAReason) {
    std::string error;
    EXPECT_TRUE(BmpCodec::Decode("", &error).isNull());
    EXPECT_FALSE(error.empty());
    std::string bytes = BmpCodec::Encode(TestPicture(4, 4));
    EXPECT_TRUE(BmpCodec::Decode(bytes.substr(0, bytes.size() - 5), &error).isNull());
    std::string huge = bytes;
    huge[22] = '\xFF';
    huge[23] = '\xFF';
    EXPECT_TRUE(BmpCodec::Decode(huge, &error).isNull());
    std::string eightBit = bytes;
    eightBit[28] = 8;
    EXPECT_TRUE(BmpCodec::Decode(eightBit, &error).isNull());
}

TEST(JpegCodec, EncodesWithDefaultsAndDecodesWithinJpegTolerance) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("pic.jpg").toStdString();
    const QImage picture = TestPicture(64, 48);
    ASSERT_EQ(JpegCodec::WriteFile(path, picture), "");
    const QImage back = LoadPicture(path);
    ASSERT_EQ(back.size(), picture.size());
    for (QPoint p : {QPoint(5, 5), QPoint(50, 40)}) {
        const QRgb a = picture.pixel(p), b = back.pixel(p);
        EXPECT_LE(std::abs(qRed(a) - qRed(b)), 12);
        EXPECT_LE(std::abs(qGreen(a) - qGreen(b)), 12);
        EXPECT_LE(std::abs(qBlue(a) - qBlue(b)), 12);
    }

    std::string error;
    EXPECT_TRUE(JpegCodec::Decode("\xFF\xD8 not really a jpeg", &error).isNull());
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(LoadPicture(dir.filePath("missing.jpg").toStdString(), &error).isNull());
}

TEST(JpegCodec, RefusesAPictureCutShort) {
    QImage noise(120, 90, QImage::Format_RGB32);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x)
            noise.setPixel(x, y, qRgb(x * 37 % 256, x * y % 256, y * 53 % 256));
    std::string bytes, error;
    ASSERT_EQ(JpegCodec::Encode(noise, bytes), "");
    EXPECT_FALSE(JpegCodec::Decode(bytes, &error).isNull());
    EXPECT_TRUE(JpegCodec::Decode(bytes.substr(0, bytes.size() * 2 / 3), &error).isNull());
    EXPECT_EQ(error, "the JPEG data is truncated");
}

// A few bytes may declare a huge picture: it is refused from its header, before any pixel is
// decoded or allocated.
TEST(Pictures, RefuseMoreThanTheirPixelBudgetFromTheHeader) {
    std::string jpeg;
    ASSERT_EQ(JpegCodec::Encode(TestPicture(16, 16), jpeg), "");
    const size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    const auto put16 = [&jpeg](size_t at, int v) {
        jpeg[at] = static_cast<char>(v >> 8);
        jpeg[at + 1] = static_cast<char>(v & 0xFF);
    };
    put16(frame + 5, 15878); // height
    put16(frame + 7, 16221); // width
    std::string error;
    EXPECT_TRUE(DecodePicture(jpeg, &error).isNull());
    EXPECT_EQ(error, "the picture is 16221 x 15878 pixels, more than the 64 megapixels read");

    std::string bmp = BmpCodec::Encode(TestPicture(4, 4));
    bmp[18] = bmp[22] = 0x28; // 9000 = 0x2328, in both width and height
    bmp[19] = bmp[23] = 0x23;
    EXPECT_TRUE(DecodePicture(bmp, &error).isNull());
    EXPECT_EQ(error, "the picture is 9000 x 9000 pixels, more than the 64 megapixels read");
}
