#include "converter/UnitTables.h"

#include <array>
#include <numbers>

namespace pelcor {

namespace {

constexpr std::string_view kSquared = "\xC2\xB2"; // ²
constexpr std::string_view kCubed = "\xC2\xB3";   // ³
constexpr double kPi = std::numbers::pi;

// The international foot, inch and pound, and the standard pound-force.
constexpr double kPound = 0.45359237;
constexpr double kPoundForce = 4.4482216152605;
constexpr double kCubicFoot = 0.028316846592;     // m³
constexpr double kCubicInch = 0.000016387064;     // m³
constexpr double kSquareInch = 0.00064516;        // m²
constexpr double kAtmosphere = 101325;            // Pa
constexpr double kBtu = 1055.05585262;            // J, international table
constexpr double kElectronVolt = 1.602176634E-19; // J, fixed by the SI since 2019

constexpr std::array<UnitInfo, 3> kTemperature{{
    {"FOption", "Fahrenheit", "Fahrenheit", " F ", "", 0},
    {"COption", "Celcius", "Celcius", " C ", "", 0},
    {"KOption", "Kelvin", "Kelvin", " K ", "", 0},
}};

// Base: square metre.
constexpr std::array<UnitInfo, 11> kArea{{
    {"Option1", "Millimetres", "ALabel20", " mm ", kSquared, 0.000001},
    {"Option2", "Centimetres", "ALabel21", " cm ", kSquared, 0.0001},
    {"Option3", "Metres", "ALabel22", " m ", kSquared, 1},
    {"Option4", "Ares", "ALabel23", " a ", "", 100},
    {"Option5", "Hectares", "ALabel24", " ha ", "", 10000},
    {"Option6", "Kilometres", "ALabel25", " Km ", kSquared, 1000000},
    {"Option7", "Inches", "ALabel26", " in ", kSquared, 0.00064516},
    {"Option8", "Feet", "ALabel27", " ft ", kSquared, 0.09290304},
    {"Option9", "Yards", "ALabel28", " ya ", kSquared, 0.83612736},
    {"Option10", "Acres", "ALabel29", " acres ", "", 4046.8564224},
    {"Option11", "Miles", "ALabel210", " mi ", kSquared, 2589988.110336},
}};

// Base: kilogram.
constexpr std::array<UnitInfo, 8> kMass{{
    {"Option22", "Milligrams", "ALabel221", " mg ", "", 0.000001},
    {"Option21", "Grams", "ALabel220", " gr ", "", 0.001},
    {"Option20", "Carat", "ALabel219", " Kt ", "", 0.0002},
    {"Option19", "Kilogram", "ALabel218", " Kg ", "", 1},
    {"Option18", "Tonne", "ALabel217", " t ", "", 1000},
    {"Option17", "Ounces", "ALabel216", " oz ", "", 0.028349523125},
    {"Option16", "Pound", "ALabel215", " lb ", "", kPound},
    {"Option15", "Drames", "ALabel214", " dr ", "", 0.0017718451953125},
}};
constexpr std::array<SuffixException, 1> kMassExceptions{{{0, 6, " lb"}}};

// Base: metre.
constexpr std::array<UnitInfo, 11> kDistance{{
    {"Option30", "Millimetres", "ALabel229", " mm ", "", 0.001},
    {"Option29", "Centimetres", "ALabel228", " cm ", "", 0.01},
    {"Option28", "Decimetres", "ALabel227", " dcm ", "", 0.1},
    {"Option27", "Metres", "ALabel226", " m ", "", 1},
    {"Option26", "Decametres", "ALabel225", " decm ", "", 10},
    {"Option25", "Hectometres", "ALabel224", " hm ", "", 100},
    {"Option24", "Kilometres", "ALabel223", " Km ", "", 1000},
    {"Option23", "Inches", "ALabel222", " in ", "", 0.0254},
    {"Option14", "Feet", "ALabel213", " ft ", "", 0.3048},
    {"Option13", "Yards", "ALabel212", " ya ", "", 0.9144},
    {"Option12", "Miles", "ALabel211", " mi ", "", 1609.344},
}};
constexpr std::array<SuffixException, 1> kDistanceExceptions{{{9, 4, " decam "}}};

// Base: litre. US liquid teaspoon, pint, quart, gallon and fluid ounce; the 42-gallon barrel.
constexpr std::array<UnitInfo, 11> kVolume{{
    {"Option41", "Millilitres", "ALabel240", " ml ", "", 0.001},
    {"Option40", "Litres", "ALabel239", " l ", "", 1},
    {"Option39", "Cubic-Metres", "ALabel238", " cu.m ", "", 1000},
    {"Option38", "Teaspoons", "ALabel237", " tsp ", "", 0.00492892159375},
    {"Option37", "Pints", "ALabel236", " pt ", "", 0.473176473},
    {"Option36", "Quarts", "ALabel235", " qt ", "", 0.946352946},
    {"Option35", "Gallons", "ALabel234", " gal", "", 3.785411784},
    {"Option34", "Cubic inches", "ALabel233", " cu.in ", "", 0.016387064},
    {"Option33", "Cubic feet", "ALabel232", " cu.ft ", "", 28.316846592},
    {"Option32", "ounces", "ALabel231", " fl.oz", "", 0.0295735295625},
    {"Option31", "Gallons petrol", "ALabel230", " bp ", "", 158.987294928},
}};

// Base: metre per second.
constexpr std::array<UnitInfo, 4> kVelocity{{
    {"Option52", "Metres/sec", "ALabel251", " m/s ", "", 1},
    {"Option51", "Kilometres/hr", "ALabel250", " Km/h ", "", 1 / 3.6},
    {"Option50", "Feet/sec", "ALabel249", " ft/s ", "", 0.3048},
    {"Option49", "Miles/hour", "ALabel248", " mi/hr ", "", 0.44704},
}};

// Base: watt. Metric horsepower; international-table calorie and BTU.
constexpr std::array<UnitInfo, 6> kPower{{
    {"Option42", "Watts", "ALabel241", " w ", "", 1},
    {"Option43", "Kilowatts", "ALabel242", " Kw ", "", 1000},
    {"Option44", "Megawatts", "ALabel243", " Mw ", "", 1000000},
    {"Option45", "Horsepower", "ALabel244", " HP ", "", 735.49875},
    {"Option46", "Calories/hour", "ALabel245", " cal/h ", "", 0.001163},
    {"Option47", "BTU/hour", "ALabel246", " BTU/h ", "", kBtu / 3600},
}};

// Base: newton per square metre.
constexpr std::array<UnitInfo, 10> kPressure{{
    {"Option58", "Pascal", "ALabel257", " Pa ", "", 1},
    {"Option59", "Millibars", "ALabel258", " mbar ", "", 100},
    {"Option60", "Kilopascal", "ALabel259", " KPa ", "", 1000},
    {"Option61", "Bars", "ALabel260", " bar ", "", 100000},
    {"Option62", "Atmospheres", "ALabel261", " Atm ", "", kAtmosphere},
    {"Option63", "Inch-water", "ALabel262", " inH2O ", "", 249.08891},
    {"Option64", "Inch-mercury", "ALabel263", " inHg ", "", 25.4 * kAtmosphere / 760},
    {"Option65", "Millim-mercury", "ALabel264", " mmHg ", "", kAtmosphere / 760},
    {"Option66", "Pound/sq-inch", "ALabel265", " psi ", "", kPoundForce / kSquareInch},
    {"Option67", "Kilogram/sq-cm", "ALabel266", " Kgf/cm ", kSquared, 98066.5},
}};

// Base: joule.
constexpr std::array<UnitInfo, 6> kEnergy{{
    {"Option69", "Joules", "ALabel268", " J ", "", 1},
    {"Option70", "Electron-volt", "Alabel269", " eV ", "", kElectronVolt},
    {"Option71", "Calories", "Alabel270", " cal ", "", 4.1868},
    {"Option72", "Kilocalories", "Alabel271", " Kcal ", "", 4186.8},
    {"Option73", "Kilowatt-hour", "Alabel272", " Kwh ", "", 3600000},
    {"Option74", "Foot Pound", "Alabel273", " lbf ", "", 0.3048 * kPoundForce},
}};

// Base: kilogram per cubic metre. The radio buttons carry the captions of the first five
// volume units; the rows are the density units their suffixes name. The second unit is
// grams per cubic metre.
constexpr std::array<UnitInfo, 5> kDensity{{
    {"Option80", "Millilitres", "ALabel279", " Kg/m ", kCubed, 1},
    {"Option81", "Litres", "ALabel280", " gr/m ", kCubed, 0.001},
    {"Option82", "Cubic-Metres", "ALabel281", " oz/ft ", kCubed, 0.028349523125 / kCubicFoot},
    {"Option83", "Teaspoons", "ALabel282", " lb/ft ", kCubed, kPound / kCubicFoot},
    {"Option84", "Pints", "ALabel283", " lb/in ", kCubed, kPound / kCubicInch},
}};

// Base: second. A month is 30.4375 days and a year 365.25 days.
constexpr std::array<UnitInfo, 11> kTime{{
    {"Option91", "Nanaseconds", "ALabel290", " ns", "", 0.000000001},
    {"Option92", "Milliseconds", "ALabel291", " ms", "", 0.001},
    {"Option93", "Seconds", "ALabel292", " sec", "", 1},
    {"Option94", "Minutes", "ALabel293", " min", "", 60},
    {"Option95", "Hours", "ALabel294", " hrs", "", 3600},
    {"Option96", "Days", "ALabel295", " day", "", 86400},
    {"Option97", "Weeks", "ALabel296", " wks", "", 604800},
    {"Option98", "Months", "ALabel297", " mth", "", 2629800},
    {"Option99", "Years", "ALabel298", " yrs", "", 31557600},
    {"Option100", "Centuries", "ALabel299", " cen", "", 3155760000},
    {"Option101", "Milleniums", "ALabel2100", " mil", "", 31557600000},
}};
constexpr std::array<SuffixException, 4> kTimeExceptions{{
    {2, 1, " ms "},
    {2, 2, " sec "},
    {3, 3, " min "},
    {0, 9, " cent"},
}};

// Base: radian. The "Centigrade" unit is the hundredth of a grade.
constexpr std::array<UnitInfo, 7> kAngles{{
    {"Option113", "Radians", "ALabel2112", " rad ", "", 1},
    {"Option114", "Degrees", "ALabel2113", " deg ", "", kPi / 180},
    {"Option115", "Minutes", "ALabel2114", " min ", "", kPi / 10800},
    {"Option116", "Seconds", "ALabel2115", " sec ", "", kPi / 648000},
    {"Option117", "Grades", "ALabel2116", " grad ", "", kPi / 200},
    {"Option118", "Centigrade", "ALabel2117", " cgrad ", "", kPi / 20000},
    {"Option119", "Quadrant", "ALabel2118", " quadr ", "", kPi / 2},
}};

// Base: newton.
constexpr std::array<UnitInfo, 8> kForce{{
    {"Option102", "Newtons", "ALabel2101", " N ", "", 1},
    {"Option103", "Milli-newtons", "ALabel2102", " mN ", "", 0.001},
    {"Option104", "Dynes", "ALabel2103", " dyn ", "", 0.00001},
    {"Option105", "Kilo-newtons", "ALabel2104", " KN ", "", 1000},
    {"Option106", "Gram-force", "ALabel2105", " gf ", "", 0.00980665},
    {"Option107", "Poundal", "ALabel2106", " pdf ", "", 0.138254954376},
    {"Option108", "Ounce-force", "ALabel2107", " ozf ", "", 0.27801385095378125},
    {"Option109", "Pound-force", "ALabel2108", " lbf ", "", kPoundForce},
}};

const std::array<UnitCategory, 13> kCategories{{
    {"Temp",
     "Temperature",
     "TemperButt",
     "TempFrame",
     "Tempreture",
     "TempText",
     true,
     kTemperature,
     {}},
    {"Area", "Area", "AreaButt", "AreaFrame", "Area", "AreaText", false, kArea, {}},
    {"Mass", "Mass", "MassButt", "MassFrame", "Mass", "MassText", false, kMass, kMassExceptions},
    {"Distance", "Distance", "DistButt", "DistanceFrame", "Distance", "DistanceText", false,
     kDistance, kDistanceExceptions},
    {"Volume", "Volume", "VolumeButt", "VolumeFrame", "Volume", "VolumeText", false, kVolume, {}},
    {"Velocity",
     "Velocity",
     "VelocitButt",
     "VelocityFrame",
     "Velocity",
     "VelocityText",
     false,
     kVelocity,
     {}},
    {"Power", "Power", "PowerButt", "PowerFrame", "Power", "PowerText", false, kPower, {}},
    {"Pressure",
     "Pressure",
     "PressButt",
     "PressureFrame",
     "Pressure",
     "PressureText",
     false,
     kPressure,
     {}},
    {"Energy", "Energy", "EnergyButt", "EnergyFrame", "Energy", "EnergyText", false, kEnergy, {}},
    {"Density",
     "Density",
     "DensitButt",
     "DensityFrame",
     "Density",
     "DensityText",
     false,
     kDensity,
     {}},
    {"Time", "Time", "TimeButt", "TimeFrame", "Time", "TimeText", false, kTime, kTimeExceptions},
    {"Angles", "Angles", "AngleButt", "AnglesFrame", "Angles", "AnglesText", false, kAngles, {}},
    {"Force", "Force", "ForceButt", "ForceFrame", "Force", "ForceText", false, kForce, {}},
}};

} // namespace

std::span<const UnitCategory> Categories() {
    return kCategories;
}

int CategoryIndex(std::string_view key) {
    for (std::size_t i = 0; i < kCategories.size(); ++i)
        if (kCategories[i].key == key) return static_cast<int>(i);
    return -1;
}

} // namespace pelcor
