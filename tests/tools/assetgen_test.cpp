#include "AssetWriter.h"
#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <utility>

namespace {

using pelcor::BmpCodec::ReadFile;

// The names the program loads: the resting look first, then the active (or "off") look.
const std::array<std::pair<const char*, const char*>, 18> kGlyphPairs{{
    {"Pointer", "Pointer1"},
    {"Move", "Move1"},
    {"Line", "Line1"},
    {"Box", "Box1"},
    {"Box2", "Box21"},
    {"Circle", "Circle1"},
    {"Para3", "Para31"},
    {"Para2", "Para21"},
    {"Para1", "Para11"},
    {"Triangle", "Triangle1"},
    {"Elipse", "Elipse1"},
    {"Rotate", "Rotate1"},
    {"Hex", "Hex1"},
    {"Eraser", "Eraser1"},
    {"Colr1", "Colr11"},
    {"Text", "Text1"},
    {"Speaker", "Speaker1"},
    {"Screen", "Screen1"},
}};

const QRgb kFace = qRgb(212, 208, 200);

class AssetgenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "assetgen_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        error_ = pelcor::assetgen::WriteRuntimePictures(dir_->path().toStdString());
    }
    static void TearDownTestSuite() {
        dir_.reset();
        app_.reset();
    }

    static std::string Path(const std::string& name) {
        return dir_->filePath(QString::fromStdString(name)).toStdString();
    }
    static std::string Bmp(const char* name) {
        return Path(std::string("BmpFiles/") + name + ".bmp");
    }

    static inline std::unique_ptr<QGuiApplication> app_;
    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline std::string error_;
};

int CountPixelsNot(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) ++count;
    return count;
}

TEST_F(AssetgenTest, WritesEveryPictureTheProgramLoads) {
    ASSERT_EQ(error_, "");
    for (const auto& [normal, active] : kGlyphPairs) {
        EXPECT_TRUE(QFile::exists(QString::fromStdString(Bmp(normal)))) << normal;
        EXPECT_TRUE(QFile::exists(QString::fromStdString(Bmp(active)))) << active;
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("Splash1.jpg"))));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("Pelcor.jpg"))));
}

TEST_F(AssetgenTest, GlyphsAre24BitBitmapsOfToolbarSize) {
    for (const auto& pair : kGlyphPairs) {
        for (const char* name : {pair.first, pair.second}) {
            QFile file(QString::fromStdString(Bmp(name)));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
            const QByteArray bytes = file.readAll();
            ASSERT_GE(bytes.size(), 54) << name;
            EXPECT_EQ(bytes.left(2), "BM") << name;
            EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << name;
            EXPECT_EQ(static_cast<unsigned char>(bytes[29]), 0) << name;

            std::string error;
            const QImage image = ReadFile(Bmp(name), &error);
            ASSERT_FALSE(image.isNull()) << name << ": " << error;
            EXPECT_EQ(image.width(), 24) << name;
            EXPECT_EQ(image.height(), 20) << name;
        }
    }
}

TEST_F(AssetgenTest, EachGlyphShowsSomethingAndItsTwoLooksDiffer) {
    for (const auto& [normal, active] : kGlyphPairs) {
        const QImage first = ReadFile(Bmp(normal));
        const QImage second = ReadFile(Bmp(active));
        ASSERT_FALSE(first.isNull()) << normal;
        ASSERT_FALSE(second.isNull()) << active;
        // The resting look sits on the plain button face and has a picture drawn on it.
        EXPECT_EQ(first.pixel(0, 0) & 0xFFFFFF, kFace & 0xFFFFFF) << normal;
        EXPECT_GT(CountPixelsNot(first, kFace), 20) << normal;
        EXPECT_NE(first, second) << normal << " and " << active;
    }
}

TEST_F(AssetgenTest, ActiveToolLookIsColouredWhileSwitchesKeepThePlainFace) {
    // In the middle of the top edge the icons leave the background showing.
    const auto faceOf = [](const char* name) {
        return ReadFile(Bmp(name)).pixel(12, 1) & 0xFFFFFF;
    };
    EXPECT_NE(faceOf("Pointer1"), kFace & 0xFFFFFF);
    EXPECT_EQ(faceOf("Pointer1"), faceOf("Circle1"));
    EXPECT_EQ(faceOf("Speaker1"), kFace & 0xFFFFFF);
    EXPECT_EQ(faceOf("Speaker"), kFace & 0xFFFFFF);
}

TEST_F(AssetgenTest, SplashAndSidePicturesDecodeAtTheirSizes) {
    std::string error;
    const QImage splash = pelcor::JpegCodec::ReadFile(Path("Splash1.jpg"), &error);
    ASSERT_FALSE(splash.isNull()) << error;
    EXPECT_EQ(splash.size(), QSize(320, 320));
    const QImage side = pelcor::JpegCodec::ReadFile(Path("Pelcor.jpg"), &error);
    ASSERT_FALSE(side.isNull()) << error;
    EXPECT_EQ(side.size(), QSize(145, 97));

    // Light text over the dark background: both must be present.
    int light = 0, dark = 0;
    for (int y = 0; y < splash.height(); ++y) {
        for (int x = 0; x < splash.width(); ++x) {
            const int grey = qGray(splash.pixel(x, y));
            if (grey > 230) ++light;
            if (grey < 60) ++dark;
        }
    }
    EXPECT_GT(light, 500);
    EXPECT_GT(dark, 5000);
}

TEST_F(AssetgenTest, ReportsAFolderItCannotCreate) {
    // A plain file where the output folder should be.
    const std::string blocker = Path("not-a-folder");
    QFile file(QString::fromStdString(blocker));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const std::string error = pelcor::assetgen::WriteRuntimePictures(blocker);
    EXPECT_NE(error, "");
    EXPECT_NE(error.find("not-a-folder"), std::string::npos) << error;
}

} // namespace
