#include "platform/BmpCodec.h"
#include "platform/Reporter.h"
#include "reference/ConstantCell.h"
#include "reference/ConstantsView.h"

#include "RecordingReporter.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QLabel>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace pelcor;

namespace {

struct Expected {
    int tag;
    const char* caption;
    const char* text;
    const char* readout;
};

// Cells from every tab and both lists, typed from the program's reference tables.
// clang-format off
const Expected kCells[] = {
    {0, "Earth polar radius", "Earths radius at the poles  = 6,356,800 meters", "6356800"},
    {8, "Earth solar Radius", "Mean radial distance of Earth from  the Sun = 149,597,870,691 meters", "149597870691"},
    {15, "Earth Orb velocity", "Mean orbit velocity of Earth = 29,770.897 meters per second", "29770.8977414723"},
    {17, "Earth circumferen", "Earths surface circumference = 40,002,924.26 meters", "40002924.2609024"},
    {18, "Mass of the Sun", "Mass of the sun  1.98982E+30 kg", "1.98982E30"},
    {31, "Earth rot deg/sec", "Earths rotational angular velocity = 1/240 = 0.00416666667 degrees", "0.00416666666666667"},
    {33, "Magnetic dipole", "Earths magnetic dipole moment 8.1E+22 A.m^2", "8.1E22"},
    {38, "Mass Electron", "Electron rest mass = 9.109534E-31 kg", "9.109534E-31"},
    {40, "e/me", "Elementary charge to Electron mass ratio = 1.7588047E+11 C/kg", "175880470000"},
    {44, "Mass hydrogen", "Mass hydrogen atom = 1.68620599838791E-27 kg", "1.68620599838791E-27"},
    {51, "Inductance", "Inductance 1 Henry = (1/c^2) Gaussian System (Weber / Amps)", "1.11265005605362E-17"},
    {52, "Capacitance", "Capacity 1 Farad = (c^2)cm Gaussian System (Coulomb / Volt)", "8.98755178736818E16"},
    {63, " Muon mass", "1.8835327E-28 = Muon rest mass", "1.8835327E-28"},
    {71, "Elect alpha pt", "0.000137093355575(61) = Electron to alpha particle ratio", "0.000137093355575"},
    {83, "G constant", "Gravitational constant = 6.6720E-11 N m^2/kg^2", "6.672E-11"},
    {89, "Earth's air pressure", "(1) Atmosphere = 14.70 pounds per square inch", "14.7"},
    {90, "", "(none)", "9000"},
    {91, "", "(none)", "12000"},
    {92, "", "(none)", "7000"},
    {95, "(1) radian in deg", "(1) Radian = 57.2957795 degrees", "57.2957795130823"},
    {96, "episilon(0)", "epsilon(0) - Permitivity of free space = 8.854187818E-12 C^2/N m^2 ", "8.854187818E-12"},
    {104, "electrn angulr spin", "Electron spin angular momemtum (h-bar / 2) = 5.2729433209844E-35 ", "5.2729433209844E-35"},
    {106, "alpha-electron ratio", "Alpha particle - electron mass ratio = 7294.2995363(32)", "7294.2995363"},
    {107, "log(e) 2.7182818", "Log (e) = 2.7182818", "2.71828182845905"},
    {201, "Dist centre earth -  moon", "Distance centre of the earth to centre of the moon = 384,400,000 meters ", "384400000"},
    {203, "Moon angular velocity", "Moons rotation angular velocity in Radians (2pi/2360448) = 2.66186E-6 ", "2.66186135309042E-6"},
    {206, "Earths orbital accelleration", "Earth orb/accel =29,772.9751^2/149,600,000,000=5.9252628E-3 m/sec^2", "0.00592526288814561"},
    {207, "Galactic velocity of Sun", "Velocity solar system(19.4 km sin the direction lII = 51°, bII = 23°)", "19400"},
    {211, "Galactic velocity 600km/s", "Local group galactic velocity = 600,780.729 meters per sec", "600780.729421762"},
    {215, "Earths angular Velocity rad", "Earths rotational Angular velocity in rad/sec = 7.2722E-5 Rad/sec", "7.27220521664303E-5"},
    {301, "atomic mass unit, unified ", "Atomic mass unit, unified 931.494(28) MeV/c ² =", "931.494"},
    {305, "Plank mass mp  kg", "Plank mass mp 2.17671(14) x 10-8 kg ² =", "2.17671E-8"},
    {307, "Sun luminosity watts", "Sun luminosity 3.846E 10+26 Watt", "3.846E26"},
    {314, "electron gyromagnetic ratio", "electron gyromagnetic ratio  1.7608592E+11", "176085920000"},
};
// clang-format on

using RecordingReporter = pelcor::testing::RecordingReporter;

struct FakeScreens : Screens {
    DisplayMode mode = DisplayMode::Gallery;
    bool board = false, clock = true, idle = true;
    std::optional<ScreenPicture> only;
    int modeShows = 0;
    DisplayMode displayMode() const override { return mode; }
    void setDisplayMode(DisplayMode m) override { mode = m; }
    void showDisplayMode() override { ++modeShows; }
    DisplayMode savedDisplayMode() const override { return mode; }
    void setSavedDisplayMode(DisplayMode) override {}
    void resetIdle() override {}
    void setIdleTimerRunning(bool running) override { idle = running; }
    void stopClock() override { clock = false; }
    void showOnly(ScreenPicture p) override { only = p; }
    bool isShown(ScreenPicture p) const override { return p == ScreenPicture::Picture11 && board; }
    void setTitle(const std::string&) override {}
    // Image1's picture, as the screen host would show it.
    QImage image1;
    void setPicture(ScreenPicture p, const QImage& image) override {
        if (p == ScreenPicture::Image1) image1 = image;
    }
};

QImage Filled(QRgb color) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class ConstantsViewTest : public ::testing::Test {
protected:
    ConstantsViewTest() {
        QDir(dir.path()).mkpath("CalcLibrary");
        BmpCodec::WriteFile(dir.filePath("CalcLibrary/EarthP.jpg").toStdString(),
                            Filled(qRgb(0, 0, 255)));
        view = std::make_unique<ConstantsView>(&host, &host, screens, reporter, options,
                                               ProgramFiles(dir.path().toStdString()));
        view->setStartPicture(Filled(qRgb(255, 0, 0)));
        // The window's ClearInfo: the information line and the highlight.
        QObject::connect(view.get(), &ConstantsView::PointerOverPanel, [this] {
            reporter.info.clear();
            view->RestoreHighlightedConst();
        });
        host.resize(640, 480);
        host.show();
    }

    // Through the window system, as the pointer moves; `dx` moves within the cell.
    static void move(QWidget* w, int dx = 0) {
        QTest::mouseMove(w, {w->width() / 2 + dx, w->height() - 3});
    }
    void move(int tag, int dx = 0) { move(view->cell(tag), dx); }
    // The tabs and their six panels, by name.
    QTabBar* tabs() { return host.findChild<QTabBar*>("TabControl1"); }
    QWidget* tabPanel(int i) {
        static const char* const names[] = {"SolarSysPanel", "SolarMPanel",  "Atomic1Panel",
                                            "Atomic2Panel",  "GeneralPanel", "GeneralPanel2"};
        return host.findChild<QWidget*>(names[i]);
    }
    // The ground of a cell, away from its caption.
    QColor ground(int tag) { return view->cell(tag)->grab().toImage().pixelColor(2, 2); }
    QRgb shown() { return screens.image1.isNull() ? 0 : screens.image1.pixel(16, 16); }

    QTemporaryDir dir;
    QWidget host;
    FakeScreens screens;
    RecordingReporter reporter;
    struct : DisplayOptions {
        bool screenHelp = false;
        bool screenHelpOn() const override { return screenHelp; }
        bool wireFrameOn() const override { return false; }
    } options;
    std::unique_ptr<ConstantsView> view;
};

TEST_F(ConstantsViewTest, HoverDescribesAndHighlightsUntilThePanelClearsIt) {
    tabs()->setCurrentIndex(1);
    move(18);
    move(18, 5);
    EXPECT_EQ(reporter.info, "Mass of the sun  1.98982E+30 kg");
    EXPECT_EQ(reporter.infoWrites, 1);
    EXPECT_EQ(ground(18), QColor(Qt::white));
    EXPECT_EQ(view->model().CurrentEntry(), 18);

    move(19); // the next cell takes the highlight
    EXPECT_EQ(ground(18), QColor(Qt::yellow));
    EXPECT_EQ(ground(19), QColor(Qt::white));
    move(tabPanel(1));
    EXPECT_EQ(reporter.info, "");
    EXPECT_EQ(ground(19), QColor(Qt::yellow));
    move(19); // coming back describes again
    EXPECT_EQ(reporter.info, "Suns mass consumed 4500000000 kg/sec");

    reporter.locked = true; // a locked line keeps its message and hover help rests
    move(20);
    EXPECT_EQ(reporter.info, "Suns mass consumed 4500000000 kg/sec");
    EXPECT_EQ(ground(20), QColor(Qt::yellow));
}

TEST_F(ConstantsViewTest, CellsDescribeThemselvesAndInsertTheirValueOneTabAtATime) {
    for (const Expected& e : kCells) {
        SCOPED_TRACE(e.tag);
        const int tab = e.tag < 108 ? e.tag / 18 : 0;
        tabs()->setCurrentIndex(tab);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(tabPanel(i)->isVisible(), i == tab);
        EXPECT_EQ(view->cell(e.tag)->text().toStdString(), e.caption);
        reporter.info = "(none)"; // kept by a cell without description
        QTest::mouseClick(view->cell(e.tag), Qt::LeftButton);
        EXPECT_EQ(reporter.info, e.text);
        EXPECT_EQ(reporter.readout, e.readout);
    }
}

TEST_F(ConstantsViewTest, AccessiblePressDescribesThenInserts) {
    const std::tuple<const char*, const char*, const char*> cells[] = {
        {"StaticText96", "(1) radian in deg", "57.2957795130823"},
        {"AstroText207", "Galactic velocity of Sun", "19400"}};
    for (const auto& [name, caption, value] : cells) {
        QAccessibleInterface* a =
            QAccessible::queryAccessibleInterface(host.findChild<QWidget*>(name));
        ASSERT_TRUE(a && a->actionInterface());
        EXPECT_EQ(a->text(QAccessible::Name), caption);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // The press is an animated click, finished a moment later.
        EXPECT_TRUE(QTest::qWaitFor([&] { return reporter.readout == value; }, 2000)) << name;
        EXPECT_EQ(QString::fromStdString(reporter.info), a->text(QAccessible::Description));
        EXPECT_NE(reporter.info, "");
    }
}

TEST_F(ConstantsViewTest, PicturesFollowTheScreenOptions) {
    options.screenHelp = true;
    move(0);
    EXPECT_EQ(shown(), qRgb(0, 0, 255));
    EXPECT_EQ(screens.only, ScreenPicture::Image1);
    EXPECT_FALSE(screens.clock || screens.idle);

    move(1); // EarthE.jpg is missing: one message, and the description stays
    move(1, 5);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].rfind("Cannot open file", 0), 0u);
    EXPECT_NE(reporter.messages[0].find("EarthE.jpg"), std::string::npos);
    EXPECT_EQ(reporter.info, "Earths radius at the equator  = 6,378,100 meters");

    options.screenHelp = false; // away from the board the start picture comes back
    move(0);
    EXPECT_EQ(shown(), qRgb(255, 0, 0));
    EXPECT_EQ(screens.modeShows, 1);
    screens.board = true; // over the board the screen stays
    move(2);
    EXPECT_EQ(screens.modeShows, 1);
}

} // namespace
