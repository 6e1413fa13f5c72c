#include "Fakes.h"
#include "platform/BmpCodec.h"
#include "reference/OrbitView.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <filesystem>
#include <random>

using namespace pelcor;

namespace {

// A program folder with small one-colour pictures under the names the animation reads
// (bitmaps: the loader tells them by their bytes, not their names), and the animation's view
// on a screen whose 320 x 320 Image1 keeps the picture it is given, its planets placed by a seeded
// generator.
class OrbitTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        std::filesystem::create_directory(path("CalcLibrary"));
        write("CalcLibrary/Space.jpg", Qt::blue, 40);
        for (const char* name :
             {"Venus1", "E1", "mars", "JP1", "JP2", "JP3", "JP4", "JP5", "JP6", "JP7", "JP8"})
            write("CalcLibrary/" + std::string(name) + ".jpg", Qt::red);
        write("Splash1.jpg", Qt::darkYellow);
    }
    std::string path(const std::string& name) const {
        return dir.path().toStdString() + "/" + name;
    }
    void write(const std::string& name, Qt::GlobalColor color, int size = 8) {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_EQ(BmpCodec::WriteFile(path(name), image), "");
    }
    OrbitAnimation model(unsigned seed) {
        auto engine = std::make_shared<std::mt19937>(seed);
        return OrbitAnimation(ProgramFiles(dir.path().toStdString()),
                              [engine] { return std::generate_canonical<double, 32>(*engine); });
    }
    // All planets where none covers the frame's lower left corner.
    static void placeAway(OrbitAnimation& a) {
        for (int p = 0; p < OrbitAnimation::PlanetCount; ++p)
            a.setAngle(OrbitAnimation::Planet(p), 300);
    }

    QTemporaryDir dir;
    FakeScreens screens;
    FakeReporter reporter;
    OrbitView view{screens, reporter, ProgramFiles(dir.path().toStdString()), [] { return 0.5; }};
};

} // namespace

TEST_F(OrbitTest, OrbitShowsAFrameAtTheNextTickAndOrbitAgainGivesTheScreenBack) {
    screens.timerRunning = false;
    view.PlanetButtClick();
    EXPECT_TRUE(screens.timerRunning);
    EXPECT_TRUE(screens.image1.isNull());
    view.Timer1Idle();
    ASSERT_FALSE(screens.image1.isNull());
    EXPECT_EQ(screens.image1.size(), QSize(320, 320));
    EXPECT_EQ(screens.only.back(), ScreenPicture::Image1);
    EXPECT_EQ(screens.title, "");
    EXPECT_DOUBLE_EQ(view.model().angle(OrbitAnimation::Jupiter), 180 - 0.5);

    const int shows = screens.shows;
    view.PlanetButtClick();
    EXPECT_FALSE(view.model().running());
    EXPECT_EQ(screens.shows, shows + 1);
    EXPECT_EQ(screens.mode, DisplayMode::Board);
    // The next quiet tick puts the start picture back.
    view.Timer1Idle();
    EXPECT_EQ(screens.shows, shows + 2);
    EXPECT_EQ(screens.image1.pixelColor(100, 100), QColor(Qt::darkYellow));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OrbitTest, MercuryCrossesInFrontOfTheSunAndBehindIt) {
    OrbitAnimation a = model(2);
    a.toggle();
    auto centreAfter = [&](double angle, int size) {
        placeAway(a);
        a.setAngle(OrbitAnimation::Mercury, angle + 6.7);
        EXPECT_TRUE(a.drawFrame(nullptr));
        const QPoint p = a.position(OrbitAnimation::Mercury);
        return QColor(a.frame().pixel(p.x() + size / 2, p.y() + size / 2));
    };
    // At 100 degrees it is over the Sun's edge, dark; at 60 beside it, white.
    EXPECT_EQ(centreAfter(100, 25), QColor(96, 96, 96));
    EXPECT_EQ(a.position(OrbitAnimation::Mercury), QPoint(454, 519));
    EXPECT_EQ(centreAfter(60, 25), QColor(255, 255, 255));
    // At 270 it is behind the Sun, whose face covers it.
    EXPECT_EQ(centreAfter(270, 20), QColor(239, 239, 160));
    // Stepping below 0 goes on from 360.
    a.setAngle(OrbitAnimation::Mercury, 3);
    a.drawFrame(nullptr);
    EXPECT_EQ(a.angle(OrbitAnimation::Mercury), 360);
}

TEST_F(OrbitTest, PicturesAreDecodedOnceAndAMissingBackgroundKeepsTheLastOne) {
    OrbitAnimation a = model(3);
    a.toggle();
    for (int i = 0; i < 18; ++i) {
        placeAway(a);
        ASSERT_TRUE(a.drawFrame(nullptr));
    }
    // Space, Venus, Earth, Mars and JP1..JP6 (Jupiter changes every third frame).
    EXPECT_EQ(a.pictures().decodeCount(), 10);
    EXPECT_EQ(a.starLevel1(), 128); // 17 steps of 15 reach 255, the 18th starts again
    EXPECT_EQ(QColor(a.frame().pixel(5, 990)), QColor(Qt::blue));
    write("CalcLibrary/Venus1.jpg", Qt::red, 9); // changed: read again, and JP7 is due
    std::filesystem::remove(path("CalcLibrary/Space.jpg"));
    ASSERT_TRUE(a.drawFrame(nullptr));
    EXPECT_EQ(a.pictures().decodeCount(), 12);
    EXPECT_EQ(QColor(a.frame().pixel(5, 990)), QColor(Qt::blue));

    OrbitAnimation fresh = model(3);
    fresh.toggle();
    placeAway(fresh);
    ASSERT_TRUE(fresh.drawFrame(nullptr));
    EXPECT_EQ(QColor(fresh.frame().pixel(5, 990)), QColor(Qt::black));
    EXPECT_EQ(QColor(fresh.frame().pixel(101, 291)), QColor(15, 15, 15)); // a star
}

TEST_F(OrbitTest, QuietTicksStartItAndActivityStopsIt) {
    for (int tick = 1; tick < 11998; ++tick)
        view.Timer1Idle();
    EXPECT_FALSE(view.model().running());
    EXPECT_TRUE(screens.image1.isNull());
    view.Timer1Idle();
    EXPECT_TRUE(view.model().running());
    EXPECT_EQ(screens.only.back(), ScreenPicture::Image1);
    ASSERT_FALSE(screens.image1.isNull());

    const qint64 last = screens.image1.cacheKey();
    view.ResetIdle(); // a key press
    view.Timer1Idle();
    EXPECT_FALSE(view.model().running());
    EXPECT_EQ(view.model().idleCountdown(), 11999);
    EXPECT_EQ(screens.image1.cacheKey(), last); // the last frame stays
}

TEST_F(OrbitTest, AMissingPlanetPictureSaysSoOnceAndStops) {
    std::filesystem::remove(path("CalcLibrary/mars.jpg"));
    view.PlanetButtClick();
    const int shows = screens.shows;
    for (int tick = 0; tick < 5; ++tick)
        view.Timer1Idle();
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_NE(reporter.messages[0].find("mars.jpg"), std::string::npos);
    EXPECT_FALSE(view.model().running());
    EXPECT_EQ(screens.shows, shows + 1);
    EXPECT_EQ(view.model().idleCountdown(), 11996);
    EXPECT_TRUE(screens.timerRunning);
}
