#include "reference/Constants.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <array>

namespace pelcor {

namespace {

// The constants library as the cells show it. The texts are the program's own, blanks,
// spellings and all; values are written as the readout shows them.
// Columns: Tag, caption, information line, its tail after the value, value, picture.
// clang-format off
constexpr std::array kConstants = std::to_array<Constant>({
    {0, "Earth polar radius", "Earths radius at the poles  = 6,356,800 meters", nullptr, 6356800.0, "EarthP.jpg"},
    {1, "Earth equat radius", "Earths radius at the equator  = 6,378,100 meters", nullptr, 6378100.0, "EarthE.jpg"},
    {2, "Earth's Avg radius", "Earths average radius = 6,375,401.7863 meters", nullptr, 6375401.7863, "EarthA.jpg"},
    {3, "Sun's radius", "Radius of the Sun 6.95990000E+8 meters", nullptr, 695990000.0, "PLSun.jpg"},
    {4, "Moon radius", "Moons radius = 1,738,000 meters", nullptr, 1738000.0, "PL0.jpg"},
    {5, "Moon distance", "Mean Earth-Moon distance 380,000,000 meters", nullptr, 380000000.0, "PL10.jpg"},
    {6, "Mercury distance", "Mean radial distance of Mercury from the Sun 57,900,000,000 meters", nullptr, 57900000000.0, "PL1.jpg"},
    {7, "Venus distance", "Mean radial distance of Venus from the Sun 108,200,000,000 meters", nullptr, 108200000000.0, "PL2.jpg"},
    {8, "Earth solar Radius", "Mean radial distance of Earth from  the Sun = 149,597,870,691 meters", nullptr, 149597870691.0, "PL3.jpg"},
    {9, "Mars distance", "Mean radial distance of Mars from the Sun 227,900,000,000 meters", nullptr, 227900000000.0, "PL4.jpg"},
    {10, "Jupiter distance", "Mean radial distance of Jupiter from the Sun 778,300,000,000 meters", nullptr, 778300000000.0, "PL5.jpg"},
    {11, "Saturn distance", "Mean radial distance of Saturn from the Sun 1,427,000,000,000 meters", nullptr, 1427000000000.0, "PL6.jpg"},
    {12, "Uranus distance", "Mean radial distance of Uranus from the Sun 2,869,600,000,000 meters", nullptr, 2869600000000.0, "PL7.jpg"},
    {13, "Neptune distance", "Mean radial distance of Neptune from the Sun 4,496,600,000,000 meters", nullptr, 4496600000000.0, "PL8.jpg"},
    {14, "Pluto distance", "Mean radial distance of Pluto from the Sun 5,900,000,000,000 meters", nullptr, 5900000000000.0, "PL9.jpg"},
    {15, "Earth Orb velocity", "Mean orbit velocity of Earth = 29,770.897 meters per second", nullptr, 29770.8977414723, "EarthO.jpg"},
    {16, "Earth equ spin", "Earths equatorial spin rate = 462.9 meters per second", nullptr, 462.996808575259, "EarthR.jpg"},
    {17, "Earth circumferen", "Earths surface circumference = 40,002,924.26 meters", nullptr, 40002924.2609024, "EarthC.jpg"},
    {18, "Mass of the Sun", "Mass of the sun  1.98982E+30 kg", nullptr, 1.98982E30, nullptr},
    {19, "Mass consumed", "Suns mass consumed 4500000000 kg/sec", nullptr, 4500000000.0, nullptr},
    {20, "Sun's radiation", "Suns radiation rate 3.92E+26 watts", nullptr, 3.92E26, "PLSun1.jpg"},
    {21, "Earth's mass", "Mass of the earth  5.9742E+24 kg", nullptr, 5.9742E24, nullptr},
    {22, "Moon's mass", "Mass of the moon  7.36E+22 kg", nullptr, 7.36E22, nullptr},
    {23, "Mercury's mass", "Mass of Mercury  3.588E+23 kg", nullptr, 3.588E23, nullptr},
    {24, "Venus's mass", "Mass of Venus  4.8438E+24 kg", nullptr, 4.8438E24, nullptr},
    {25, "Mars's mass", "Mass of Mars  6.578E+23 kg", nullptr, 6.578E23, nullptr},
    {26, "Jupiter's mass", "Mass of Jupiter  1.90164E+27 kg", nullptr, 1.90164E27, nullptr},
    {27, "Saturn's mass", "Mass of Saturn  5.69296E+26 kg", nullptr, 5.69296E26, nullptr},
    {28, "Uranus's mass", "Mass of Uranus  8.671E+25 kg", nullptr, 8.671E25, nullptr},
    {29, "Neptunes's mass", "Mass of Neptune  1.02258E+26 kg", nullptr, 1.02258E26, nullptr},
    {30, "Pluto's mass", "Mass of Pluto  1.196E+22 kg", nullptr, 1.196E22, nullptr},
    {31, "Earth rot deg/sec", "Earths rotational angular velocity = 1/240 = 0.00416666667 degrees", nullptr, 0.00416666666666667, nullptr},
    {32, "Sun equ circumfer", "Sun equatorial circumference = 4,379,000,000 meters", nullptr, 4379000000.0, nullptr},
    {33, "Magnetic dipole", "Earths magnetic dipole moment 8.1E+22 A.m^2", nullptr, 8.1E22, nullptr},
    {34, "Mercury orbit vel", "Mean orbit velocity of Mercury = 47,900 meters per second", nullptr, 47900.0, nullptr},
    {35, "Venus orbit vel", "Mean orbit velocity of Venus = 35,000 meters per second", nullptr, 35000.0, nullptr},
    {36, "Mass Muon", "Muon rest mass = 1.8835327E-28 kg", nullptr, 1.8835327E-28, nullptr},
    {37, "Mass Proton", "Proton rest mass = 1.6726485E-27 kg", nullptr, 1.6726485E-27, nullptr},
    {38, "Mass Electron", "Electron rest mass = 9.109534E-31 kg", nullptr, 9.109534E-31, nullptr},
    {39, "Mass Neutron", "Neutron rest mass = 1.6749543E-27 kg", nullptr, 1.6749543E-27, nullptr},
    {40, "e/me", "Elementary charge to Electron mass ratio = 1.7588047E+11 C/kg", nullptr, 175880470000.0, nullptr},
    {41, "e/mp", "Elementary charge to proton mass ratio = 95787560.8652984 C/kg", nullptr, 95787560.8652984, nullptr},
    {42, "E/mn", "Elementary charge to neutron mass ratio = 95655696.3972092 C/kg", nullptr, 95655696.3972092, nullptr},
    {43, "e (charge)", "Elementary charge = 1.6021892E-19 C", nullptr, 1.6021892E-19, nullptr},
    {44, "Mass hydrogen", "Mass hydrogen atom = ", " kg", 1.68620599838791E-27, nullptr},
    {45, "(c) speed of light", "Electromagnetic speed of light = 299,792,458 meters per second", nullptr, 299792458.0, nullptr},
    {46, "Planks constant", "Plancks constant = 6.626176E-34", nullptr, 6.626176E-34, nullptr},
    {47, "mp/me", "Ratio of (mass proton/mass electron) = 1836.15152", nullptr, 1836.15152, nullptr},
    {48, "Magnetic flux", "Magnetic flux quantum = 2.06783461E-15 Wb", nullptr, 2.06783461E-15, nullptr},
    {49, "Neut-Elect mag", "0.00104066882 = Neutron-Electron mag moment ratio", nullptr, 0.00104066882, nullptr},
    {50, "Bohr radius", "Bohr radius = 5.29177249E-11 meters", nullptr, 5.29177249E-11, nullptr},
    {51, "Inductance", "Inductance 1 Henry = (1/c^2) Gaussian System (Weber / Amps)", nullptr, 1.11265005605362E-17, nullptr},
    {52, "Capacitance", "Capacity 1 Farad = (c^2)cm Gaussian System (Coulomb / Volt)", nullptr, 8.98755178736818E16, nullptr},
    {53, "Proton radius", "Proton Radius = 1.2E-15 meters", nullptr, 1.2E-15, nullptr},
    {54, "Neut compton", "1.3195911E-15 m = Neutron Compton wavelength", nullptr, 1.3195911E-15, nullptr},
    {55, "Neut mag-nuclr", "1.91304275 = Neutron magnetic moment in nuclear magnetons", nullptr, 1.91304275, nullptr},
    {56, "Neut magnetic", "9.6623707E-27 = Neutron magnetic moment J((T)E-1)", nullptr, 9.6623707E-27, nullptr},
    {57, "Neut-Prot mag", "0.68497934 = Neutron-Proton magnetic moment ratio", nullptr, 0.68497934, nullptr},
    {58, "Fine Structure", "0.00729735308 = Fine structure constant", nullptr, 0.00729735308, nullptr},
    {59, "Elec-Prot mag", "658.2106881 = Proton-Electron magnetic moment ratio", nullptr, 658.2106881, nullptr},
    {60, "Prot compton", "1.32141002E-15 m = Proton Compton wavelength", nullptr, 1.32141002E-15, nullptr},
    {61, "Prot mag-nuclr", "2.792847386 = Proton magnetic moment in nuclear magnetons", nullptr, 2.792847386, nullptr},
    {62, "Prot magnetic", "1.4106171E-26 = Proton magnetic moment J((T)E-1)", nullptr, 1.4106171E-26, nullptr},
    {63, " Muon mass", "1.8835327E-28 = Muon rest mass", nullptr, 1.8835327E-28, nullptr},
    {64, "Muon-Elec mass", "206.7682262 = Muon electron mass ratio", nullptr, 206.7682262, nullptr},
    {65, "Muon magnetic", "4.4904514E-26 = Muon magnetic moment", nullptr, 4.4904514E-26, nullptr},
    {66, "Elect compton", "2.4263089E-12 m = Electron Compton wavelength", nullptr, 2.4263089E-12, nullptr},
    {67, "Elect mag-nuclr", "1838.282 = Electron magnetic moment in nuclear magnetons", nullptr, 1838.282, nullptr},
    {68, "Elect magnetic", "9.284832E-24 = Electron magnetic moment J((T)E-1)", nullptr, 9.284832E-24, nullptr},
    {69, "Elect classic rad", "2.81794092E-15 m = Classic Electron radius", nullptr, 2.81794092E-15, nullptr},
    {70, "Elect g factor", "2.002319304386 = Electron g factor", nullptr, 2.002319304386, nullptr},
    {71, "Elect alpha pt", "0.000137093355575(61) = Electron to alpha particle ratio", nullptr, 0.000137093355575, nullptr},
    {72, "g (Earth)", "Earths surface gravity = 9.80665 meters per sec per sec", nullptr, 9.80665, nullptr},
    {73, "g (Moon)", "Moons surface gravity = 1.67 meters per sec per sec", nullptr, 1.67, nullptr},
    {74, "g (Sun)", "Suns surface gravity = 274.071 meters per sec per sec", nullptr, 274.07147, nullptr},
    {75, "g (Mercury)", "Mercury surface gravity = 3.628 meters per sec per sec", nullptr, 3.62846, nullptr},
    {76, "g (Venus)", "Venus surface gravity = 8.629 meters per sec per sec", nullptr, 8.62985, nullptr},
    {77, "g (Mars)", "Mars surface gravity = 3.726527 meters per sec per sec", nullptr, 3.726527, nullptr},
    {78, "Sound in air", "Speed of sound in Air 331.3 meters per sec", nullptr, 331.3, nullptr},
    {79, "Sound in water", "Speed of sound in Water 1450 meters per sec", nullptr, 1450.0, nullptr},
    {80, "Sound in granite", "Speed of sound in Granite rock 6000 meters per sec", nullptr, 6000.0, nullptr},
    {81, "Sound in hydrogen", "Speed of sound in Hydrogen 1286 meters per sec", nullptr, 1286.0, nullptr},
    {82, "1 horsepower (W)", "(1) one horsepower = 745.7 watts", nullptr, 745.7, nullptr},
    {83, "G constant", "Gravitational constant = 6.6720E-11 N m^2/kg^2", nullptr, 6.672E-11, nullptr},
    {84, "Sec's per minute", "Seconds in a minute = 60 seconds", nullptr, 60.0, nullptr},
    {85, "Sec's per hour", "Seconds in a Hour = 3600 seconds", nullptr, 3600.0, nullptr},
    {86, "Sec's per day", "Seconds in a day = 86400 seconds", nullptr, 86400.0, nullptr},
    {87, "Sec's per year", "Seconds in a Year = 3.156E+7 seconds", nullptr, 31560000.0, nullptr},
    {88, "Sec's siderial day", "Seconds in a siderial day = 86164 seconds", nullptr, 86164.0, nullptr},
    {89, "Earth's air pressure", "(1) Atmosphere = 14.70 pounds per square inch", nullptr, 14.7, nullptr},
    {90, "", nullptr, nullptr, 9000.0, nullptr},
    {91, "", nullptr, nullptr, 12000.0, nullptr},
    {92, "", nullptr, nullptr, 7000.0, nullptr},
    {93, "(g) 32.174 feet/s", "Acceleration of g in 32.174 feet per second", nullptr, 32.174, nullptr},
    {94, "h-bar", "h-bar = Planks constant / (2 x Pi) = 1.05458866419688E-34", nullptr, 1.05458866419688E-34, nullptr},
    {95, "(1) radian in deg", "(1) Radian = 57.2957795 degrees", nullptr, 57.2957795130823, nullptr},
    {96, "episilon(0)", "epsilon(0) - Permitivity of free space = 8.854187818E-12 C^2/N m^2 ", nullptr, 8.854187818E-12, nullptr},
    {97, "Permeability const", "Permeability constant = 1.25663706143592E-6 H/m (4pi exactly)", nullptr, 1.25663706143592E-6, nullptr},
    {98, "Faraday constant", "Faraday constant = 9.648456E+4 C/mol ", nullptr, 96484.56, nullptr},
    {99, "Rydberg constant", "Rydberg constant = 1.097373177E+7 /m ", nullptr, 10973731.77, nullptr},
    {100, "Avogadro constant", "Avogadro constant = 6.022045E+23 /mol ", nullptr, 6.022045E23, nullptr},
    {101, "Molar gas const", "Molar gas constant = 8.31441 J/mol-K ", nullptr, 8.31441, nullptr},
    {102, "Magnetic 1Tesla", "Magnetic-Inductance 1 Tesla = (10000) Gauss Gaussian System (B/c)", nullptr, 10000.0, nullptr},
    {103, "electrn rest energy", "Electron rest energy (mc^2) = 8.18724085837912E-14 ", nullptr, 8.18724085837912E-14, nullptr},
    {104, "electrn angulr spin", "Electron spin angular momemtum (h-bar / 2) = 5.2729433209844E-35 ", nullptr, 5.2729433209844E-35, nullptr},
    {105, "electrn classic vel", "Electron classic velocity = 2,187,691.2636 meters per sec", nullptr, 2187691.2636, nullptr},
    {106, "alpha-electron ratio", "Alpha particle - electron mass ratio = 7294.2995363(32)", nullptr, 7294.2995363, nullptr},
    {107, "log(e) 2.7182818", "Log (e) = 2.7182818", nullptr, 2.71828182845905, nullptr},
    // The astronomy list.
    {201, "Dist centre earth -  moon", "Distance centre of the earth to centre of the moon = 384,400,000 meters ", nullptr, 384400000.0, nullptr},
    {202, "Period of moon rotation", "Period of moon rotation and orbit (27.32 days) = 2360448 seconds", nullptr, 2360448.0, nullptr},
    {203, "Moon angular velocity", "Moons rotation angular velocity in Radians (2pi/2360448) = 2.66186E-6 ", nullptr, 2.66186135309042E-6, nullptr},
    {204, "Moons orbit velocity", "The moons orbit velocity of the earth = 1023.2195 meters per sec ", nullptr, 1023.2195, nullptr},
    {205, "Earth solar angular velocity", "Earth - Sun solar orbit angular velocity = 1.99016E-7 Radians", nullptr, 1.99016010026738E-7, nullptr},
    {206, "Earths orbital accelleration", "Earth orb/accel =29,772.9751^2/149,600,000,000=5.9252628E-3 m/sec^2", nullptr, 0.00592526288814561, nullptr},
    {207, "Galactic velocity of Sun", "Velocity solar system(19.4 km sin the direction lII = 51\u00B0, bII = 23\u00B0)", nullptr, 19400.0, nullptr},
    {208, "Galactic U velocity 9000", "Solar system U (Inward) velocity = 9000 meters per sec ", nullptr, 9000.0, nullptr},
    {209, "Galactic V velocity 12000", "Solar system V (Forward) velocity = 12000 meters per sec", nullptr, 12000.0, nullptr},
    {210, "Galactic W velocity 7000", "Solar system W (Vertical) velocity = 7000 meters per sec", nullptr, 7000.0, nullptr},
    {211, "Galactic velocity 600km/s", "Local group galactic velocity = 600,780.729 meters per sec", nullptr, 600780.729421762, "PLGVel.jpg"},
    {212, "Galactic spin vel 225km/s", "Galactic spin velocity - direction of 90 degrees = 225,000 m/s", nullptr, 225000.0, "PLGSpin.jpg"},
    {213, "Gal local spin vel 300km/s", "Galactic spin vel - direction long 120 deg, lat +35 deg = 300,000 m/s", nullptr, 300000.0, nullptr},
    {215, "Earths angular Velocity rad", "Earths rotational Angular velocity in rad/sec = 7.2722E-5 Rad/sec", nullptr, 7.27220521664303E-5, nullptr},
    // The physics list.
    {301, "atomic mass unit, unified ", "Atomic mass unit, unified 931.494(28) MeV/c \u00B2 =", nullptr, 931.494, nullptr},
    {302, "Rydberg energy  ", "Rydberg energy 13.6056981(40) eV", nullptr, 13.6056981, nullptr},
    {303, "astronomical unit ", "astronomical unit (Radius Sun-Earth) 149,597,870,691 meters", nullptr, 149597870691.0, nullptr},
    {304, "Avogadro constant ", "Avogadro constant 6.0221367(36)E+23 mol-1", nullptr, 6.0221367E23, nullptr},
    {305, "Plank mass mp  kg", "Plank mass mp 2.17671(14) x 10-8 kg \u00B2 =", nullptr, 2.17671E-8, nullptr},
    {306, "Proton mass mp MeV/c^2 ", "Proton mass mp 938.272 31(28) MeV/c^2 =", nullptr, 938.27231, nullptr},
    {307, "Sun luminosity watts", "Sun luminosity 3.846E 10+26 Watt", nullptr, 3.846E26, nullptr},
    {308, "Boltzman constant eV/K", "Boltzmann constant k 8.617 385(73) x 10-5 eV/K", nullptr, 8.617385E-5, nullptr},
    {309, "Boltzman constant J/K", "Boltzman constant J/K  1.380658E-23", nullptr, 1.380658E-23, nullptr},
    {310, "electron mass MeV/c^2", "electron mass MeV/c2  0.51099906", nullptr, 0.51099906, nullptr},
    {311, "electron charge  esu", "electron charge magnitude esu  4.8032068E-10", nullptr, 4.8032068E-10, nullptr},
    {312, "Faraday constant F", "Faraday constant F  9.64846E+4", nullptr, 96484.6, nullptr},
    {313, "Nuclear magneton", "Nuclear magneton  5.0507866E-27", nullptr, 5.0507866E-27, nullptr},
    {314, "electron gyromagnetic ratio", "electron gyromagnetic ratio  1.7608592E+11", nullptr, 176085920000.0, nullptr},
});
// clang-format on

constexpr size_t kTabCells = 18;
constexpr size_t kTabs = 6;
constexpr size_t kListCells = 14;
static_assert(kConstants.size() == kTabs * kTabCells + 2 * kListCells);

constexpr bool TagsAscending() {
    for (size_t i = 1; i < kConstants.size(); ++i)
        if (kConstants[i].tag <= kConstants[i - 1].tag) return false;
    return true;
}
static_assert(TagsAscending(), "FindConstant searches the table by Tag");

} // namespace

const Constant* FindConstant(int tag) {
    const auto* it = std::lower_bound(kConstants.begin(), kConstants.end(), tag,
                                      [](const Constant& c, int t) { return c.tag < t; });
    return it != kConstants.end() && it->tag == tag ? &*it : nullptr;
}

std::span<const Constant> AllConstants() {
    return kConstants;
}

std::span<const Constant> TabConstants(int tab) {
    if (tab < 0 || tab >= static_cast<int>(kTabs)) return {};
    return AllConstants().subspan(static_cast<size_t>(tab) * kTabCells, kTabCells);
}

std::span<const Constant> AstronomyConstants() {
    return AllConstants().subspan(kTabs * kTabCells, kListCells);
}

std::span<const Constant> PhysicsConstants() {
    return AllConstants().subspan(kTabs * kTabCells + kListCells, kListCells);
}

std::optional<std::string> ConstantDescription(const Constant& constant) {
    if (!constant.description) return std::nullopt;
    std::string text = constant.description;
    if (constant.descriptionTail) text += FormatGeneral(constant.value) + constant.descriptionTail;
    return text;
}

} // namespace pelcor
