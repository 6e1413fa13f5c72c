#include "AssetWriter.h"
#include "ProgramIcon.h"
#include "Sounds.h"
#include "platform/AtomicFile.h"
#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

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

// One GUI application for the whole run: the pictures need fonts.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "assetgen_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};
[[maybe_unused]] auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

// The suite's files, written once into a temporary folder by `Write`.
template <std::string (*Write)(const std::string&)> class WrittenFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        error_ = Write(dir_->path().toStdString());
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::string Path(const std::string& name) {
        return dir_->filePath(QString::fromStdString(name)).toStdString();
    }
    static std::string Bmp(const char* name) {
        return Path(std::string("BmpFiles/") + name + ".bmp");
    }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline std::string error_;
};

std::string WriteGlyphsSplashAndSounds(const std::string& folder) {
    if (std::string error = pelcor::assetgen::WriteRuntimePictures(folder); !error.empty())
        return error;
    return pelcor::assetgen::WriteRuntimeSounds(folder);
}

// The glyphs, the splash pictures and the sounds.
class AssetgenTest : public WrittenFiles<WriteGlyphsSplashAndSounds> {};
// Everything the build writes, the picture library included.
class LibraryTest : public WrittenFiles<pelcor::assetgen::WriteRuntimeFiles> {};

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
    for (const char* name : {"Soundon", "Screenon", "Screenoff"})
        EXPECT_TRUE(
            QFile::exists(QString::fromStdString(Path(std::string("SndFiles/") + name + ".wav"))))
            << name;
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

struct LibraryFile {
    const char* name;
    QSize size;
};

std::vector<LibraryFile> ExpectedLibrary() {
    std::vector<LibraryFile> files;
    for (const char* name :
         {"EarthP",    "EarthE",    "EarthA",    "PLSun",     "PL0",       "PL10",
          "PL1",       "PL2",       "PL3",       "PL4",       "PL5",       "PL6",
          "PL7",       "PL8",       "PL9",       "EarthO",    "EarthR",    "EarthC",
          "PLSun1",    "PLGVel",    "PLGSpin",   "Fig11_12b", "Fig11_12c", "Fig11_12d",
          "Fig11_12e", "Fig11_12f", "Fig11_12g", "Fig11_12h", "Fig11_12k"})
        files.push_back({name, {320, 320}});
    for (const char* name :
         {"Venus1", "E1", "mars", "JP1", "JP2", "JP3", "JP4", "JP5", "JP6", "JP7", "JP8"})
        files.push_back({name, {128, 128}});
    files.push_back({"Space", {1000, 1000}});
    files.push_back({"Viewer", {320, 240}});
    return files;
}

std::string LibraryPath(const QTemporaryDir& dir, const std::string& name) {
    return dir.filePath(QString::fromStdString("CalcLibrary/" + name + ".jpg")).toStdString();
}

// Distinct colours on a grid of samples, each channel cut to 3 bits.
int ColourVariety(const QImage& image) {
    std::set<int> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4) {
            const QRgb c = image.pixel(x, y);
            colours.insert((qRed(c) >> 5) << 6 | (qGreen(c) >> 5) << 3 | qBlue(c) >> 5);
        }
    return static_cast<int>(colours.size());
}

TEST_F(LibraryTest, LibraryPicturesAreJpegsOfTheirSizesWithSomethingDrawn) {
    ASSERT_EQ(error_, "");
    for (const LibraryFile& file : ExpectedLibrary()) {
        std::string error;
        const QImage image = pelcor::JpegCodec::ReadFile(LibraryPath(*dir_, file.name), &error);
        ASSERT_FALSE(image.isNull()) << file.name << ": " << error;
        EXPECT_EQ(image.size(), file.size) << file.name;
        EXPECT_GE(ColourVariety(image), 12) << file.name;
    }
}

QColor MeanColour(const QImage& image) {
    double r = 0, g = 0, b = 0;
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qGray(c) < 40) continue; // the black around the disc and its night side
            r += qRed(c), g += qGreen(c), b += qBlue(c), ++lit;
        }
    if (lit == 0) return Qt::black;
    return QColor(static_cast<int>(r / lit), static_cast<int>(g / lit), static_cast<int>(b / lit));
}

TEST_F(LibraryTest, PlanetsOfTheOrbitPictureHaveTheirColoursAndJupiterTurns) {
    const auto read = [](const std::string& name) {
        return pelcor::JpegCodec::ReadFile(LibraryPath(*dir_, name));
    };
    const QColor earth = MeanColour(read("E1")), mars = MeanColour(read("mars")),
                 venus = MeanColour(read("Venus1"));
    EXPECT_GT(earth.blue(), earth.red());
    EXPECT_GT(mars.red(), mars.blue() + 60);
    EXPECT_GT(venus.green(), venus.blue() + 20);
    EXPECT_GT(venus.red(), venus.blue() + 20);
    // Planets sit on black.
    EXPECT_LT(qGray(read("E1").pixel(1, 1)), 20);

    std::vector<QImage> frames;
    for (int i = 1; i <= 8; ++i)
        frames.push_back(read("JP" + std::to_string(i)));
    for (size_t i = 0; i < frames.size(); ++i) {
        for (size_t j = i + 1; j < frames.size(); ++j) {
            double difference = 0;
            for (int y = 0; y < 128; ++y)
                for (int x = 0; x < 128; ++x)
                    difference +=
                        std::abs(qGray(frames[i].pixel(x, y)) - qGray(frames[j].pixel(x, y)));
            EXPECT_GT(difference / (128 * 128), 2.0) << "JP" << i + 1 << " and JP" << j + 1;
        }
    }
}

TEST_F(LibraryTest, LibraryIsTheSameOnEveryRun) {
    QTemporaryDir again;
    ASSERT_TRUE(again.isValid());
    ASSERT_EQ(pelcor::assetgen::WriteLibraryPictures(again.path().toStdString()), "");
    for (const LibraryFile& file : ExpectedLibrary()) {
        std::string first, second;
        ASSERT_TRUE(pelcor::ReadWholeFile(LibraryPath(*dir_, file.name), first)) << file.name;
        ASSERT_TRUE(pelcor::ReadWholeFile(LibraryPath(again, file.name), second)) << file.name;
        EXPECT_TRUE(first == second) << file.name;
    }
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
    const std::string library = pelcor::assetgen::WriteLibraryPictures(blocker);
    EXPECT_NE(library.find("not-a-folder"), std::string::npos) << library;
}

// A wave file as the program's sound player reads it.
struct Wave {
    std::string error; // empty when the header is a plain 16-bit mono PCM one
    int rate = 0;
    std::vector<int> samples;
    double Seconds() const { return static_cast<double>(samples.size()) / rate; }
};

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

Wave Broken(const char* why) {
    Wave wave;
    wave.error = why;
    return wave;
}

Wave ReadWave(const std::string& path) {
    Wave wave;
    std::string bytes;
    if (!pelcor::ReadWholeFile(path, bytes)) return Broken("cannot read");
    if (bytes.size() < 44) return Broken("shorter than a header");
    if (bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return Broken("not RIFF/WAVE");
    if (LittleEndian(bytes, 4, 4) != bytes.size() - 8) return Broken("RIFF size");
    if (bytes.substr(12, 4) != "fmt " || LittleEndian(bytes, 16, 4) != 16)
        return Broken("fmt block");
    if (LittleEndian(bytes, 20, 2) != 1) return Broken("not PCM");
    if (LittleEndian(bytes, 22, 2) != 1) return Broken("not mono");
    wave.rate = static_cast<int>(LittleEndian(bytes, 24, 4));
    if (LittleEndian(bytes, 28, 4) != static_cast<std::uint32_t>(wave.rate) * 2)
        return Broken("byte rate");
    if (LittleEndian(bytes, 32, 2) != 2 || LittleEndian(bytes, 34, 2) != 16)
        return Broken("not 16-bit");
    if (bytes.substr(36, 4) != "data") return Broken("no data block");
    if (LittleEndian(bytes, 40, 4) != bytes.size() - 44) return Broken("data size");
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
        wave.samples.push_back(static_cast<std::int16_t>(LittleEndian(bytes, at, 2)));
    return wave;
}

struct SoundCase {
    const char* file;
    double shortest; // seconds
    double longest;
};
const std::array<SoundCase, 3> kSounds{{
    {"SndFiles/Soundon.wav", 0.3, 0.4},
    {"SndFiles/Screenon.wav", 0.2, 0.3},
    {"SndFiles/Screenoff.wav", 0.2, 0.3},
}};

// Sign changes per second in samples [from, to): twice the pitch of a plain tone.
double Crossings(const std::vector<int>& samples, std::size_t from, std::size_t to, int rate) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        if ((samples[i - 1] < 0) != (samples[i] < 0)) ++count;
    return count * static_cast<double>(rate) / static_cast<double>(to - from);
}

TEST_F(AssetgenTest, WaveSoundsAreShortQuietEnoughAndFreeOfClicks) {
    for (const SoundCase& sound : kSounds) {
        const Wave wave = ReadWave(Path(sound.file));
        ASSERT_EQ(wave.error, "") << sound.file;
        EXPECT_EQ(wave.rate, 22050) << sound.file;
        EXPECT_GE(wave.Seconds(), sound.shortest) << sound.file;
        EXPECT_LE(wave.Seconds(), sound.longest) << sound.file;

        int peak = 0;
        for (int s : wave.samples)
            peak = std::max(peak, std::abs(s));
        EXPECT_GT(peak, 32767 * 4 / 10) << sound.file;
        EXPECT_LT(peak, 32767 * 7 / 10) << sound.file;

        // The first and last two milliseconds stay close to silence.
        const std::size_t edge = 44;
        ASSERT_GT(wave.samples.size(), 4 * edge) << sound.file;
        for (std::size_t i = 0; i < edge; ++i) {
            const int lead = std::abs(wave.samples[i]);
            const int tail = std::abs(wave.samples[wave.samples.size() - 1 - i]);
            EXPECT_LT(lead, static_cast<int>(i + 1) * 400) << sound.file << " sample " << i;
            EXPECT_LT(tail, static_cast<int>(i + 1) * 400) << sound.file << " from the end " << i;
        }
        EXPECT_LT(std::abs(wave.samples.back()), 300) << sound.file;
    }
}

TEST_F(AssetgenTest, SwitchOnSoundsRiseAndTheSwitchOffSoundFalls) {
    const auto pitchRise = [](const char* file) {
        const Wave wave = ReadWave(Path(file));
        const std::size_t n = wave.samples.size();
        if (!wave.error.empty() || n < 8) return 0.0;
        return Crossings(wave.samples, n * 5 / 8, n * 7 / 8, wave.rate) -
               Crossings(wave.samples, n / 8, n * 3 / 8, wave.rate);
    };
    EXPECT_GT(pitchRise("SndFiles/Soundon.wav"), 300);
    EXPECT_GT(pitchRise("SndFiles/Screenon.wav"), 300);
    EXPECT_LT(pitchRise("SndFiles/Screenoff.wav"), -300);
}

TEST_F(AssetgenTest, ReportsASoundFolderItCannotCreate) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    QFile blocker(other.filePath("SndFiles"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const std::string error = pelcor::assetgen::WriteRuntimeSounds(other.path().toStdString());
    EXPECT_NE(error.find("SndFiles"), std::string::npos) << error;
}

TEST(ProgramIcon, TheScalableIconAndEveryPictureShowTheSameDesign) {
    QTemporaryDir dir;
    ASSERT_EQ(pelcor::assetgen::WriteProgramIcon(dir.path().toStdString(), "a.b.Icon"), "");
    QSvgRenderer svg(dir.filePath("scalable/apps/a.b.Icon.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(256, 256));
    for (int size : pelcor::assetgen::IconSizes()) {
        SCOPED_TRACE(size);
        const QImage png(dir.filePath(QString("%1x%1/apps/a.b.Icon.png").arg(size)));
        ASSERT_EQ(png.size(), QSize(size, size));
        ASSERT_TRUE(png.hasAlphaChannel());
        // A rounded tile: transparent corners, an opaque middle.
        EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(png.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(png.pixel(size / 2, size / 2)), 255);
        if (size >= 32) {
            // The pale readout at the top, an orange operator key at the right.
            const QColor readout = png.pixelColor(size * 50 / 256, size * 50 / 256);
            EXPECT_GT(readout.lightness(), 180);
            const QColor key = png.pixelColor(size * 197 / 256, size * 134 / 256);
            EXPECT_GT(key.red(), 200);
            EXPECT_LT(key.blue(), 100);
        }
        // The SVG drawn at this size gives the same picture, up to its edges' smoothing.
        QImage rendered(size, size, QImage::Format_ARGB32);
        rendered.fill(Qt::transparent);
        QPainter p(&rendered);
        svg.render(&p);
        p.end();
        const QImage drawn = png.convertToFormat(QImage::Format_ARGB32);
        double difference = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb a = drawn.pixel(x, y), b = rendered.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        }
        EXPECT_LT(difference / (size * size * 4), 4.0);
    }
}

} // namespace
