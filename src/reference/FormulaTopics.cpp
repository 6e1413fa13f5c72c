#include "reference/FormulaTopics.h"

#include "reference/TopicFigures.h"

#include <map>

namespace pelcor {

namespace {

constexpr int Red = sheetcolor::Red;
constexpr int Black = sheetcolor::Black;
constexpr int Blue = sheetcolor::Blue;

// Headings and formulas are written bold; the field's rows of crosses and the lambda are
// regular.
SheetText T(int x, int y, int color, int size, const char* text) {
    return SheetText{x, y, color, size, true, text};
}
SheetText Lambda(int x, int y) {
    return SheetText{x, y, Black, 10, false, "λ", GreekFont};
}

// Nine rows of crosses, the field going into the page.
void AddField(std::vector<SheetText>& texts, int x) {
    for (int y = 40; y <= 216; y += 22)
        texts.push_back(SheetText{x, y, Blue, 8, false,
                                  "x       x       x       x       x       x       x       x"});
}

struct Topic {
    const char* caption;
    std::vector<SheetText> texts;
};

std::map<int, Topic> MakeTopics() {
    std::map<int, Topic> t;
    t[401] = {"Gravitational Force",
              {T(80, 20, Red, 12, "Gravitational Force:"),
               T(30, 70, Black, 10, "Fg = G m1m2/r²      (Newtons Law)"),
               T(30, 90, Black, 10, "G = 6.67x10^-11 Nm²/kg²   (in MKS system)"),
               T(30, 120, Red, 10, "Potential Energy GPE:"),
               T(30, 140, Black, 10, "U = GPE = mgh   (near surface of the Earth)"),
               T(30, 170, Red, 10, "Kinetic Energy:"), T(30, 190, Black, 10, "KE = ½mv ²"),
               T(30, 220, Red, 10, "Work Energy Theorem:"),
               T(30, 240, Black, 10, "W = EB-EA = (KEB-KEA) + (UB-UA)"),
               T(30, 270, Red, 10, "Force:"),
               T(30, 290, Black, 10, "F = ma  ( Force = mass * acceleration )")}};
    t[402] = {
        "Electrostatic Force  ",
        {T(80, 20, Red, 12, "Electrostatic Force:"),
         T(30, 50, Black, 10, "Fe = K q1q2/r²    (Coulombs Law)"),
         T(30, 70, Black, 10, "K = 8.99x10^9 Nm2/C2    (in MKS system)"),
         T(30, 90, Black, 10, "K = 1/(4pi e0) where e0 = 8.85x10^-12 C²/( Nm²)"),
         T(30, 120, Red, 10, "Electric potential Energy:"),
         T(30, 140, Black, 10, "EPE = U (Units = Joules)"), T(30, 170, Red, 10, "Kinetic Energy:"),
         T(30, 190, Black, 10, "KE = ½mv ²"), T(30, 220, Red, 10, "Work Energy Theorem:"),
         T(30, 240, Black, 10, "W = EB - EA = (KEB - KEA) + (UB - UA)"),
         T(50, 260, Black, 10, "q1"), T(230, 260, Black, 10, "q2"), T(140, 288, Black, 10, "r ²")}};
    t[403] = {"Fine Structure Constant",
              {T(70, 20, Red, 12, "Fine Structure Constant:"),
               T(30, 70, Black, 10, "Fine Structure Constant (dimensionless)"),
               T(30, 90, Black, 10, "a =  K 2pi e²/hc   (in all units)"),
               T(30, 140, Black, 10, "h = Planks Constant"),
               T(30, 160, Black, 10, "c = speed of light in vacuum")}};
    t[404] = {"The Electric Field",
              {T(80, 20, Red, 12, "The Electric Field:"),
               T(30, 70, Black, 10, "F = K qQ/r² = q (KQ/r²) = q E"),
               T(30, 90, Black, 10, "E = F/q         E = KQ/r²"),
               T(30, 110, Black, 10, "E = Newtons per Coulomb (units = N/C)"),
               T(30, 140, Red, 10, "The Electric Field is a Vector Field:"),
               T(30, 160, Black, 10, "E = ( KQ / r² ) r^"), T(77, 195, Black, 10, "q -"),
               T(227, 195, Black, 10, "q +")}};
    t[405] = {"Simple Harmonic Motion",
              {T(70, 20, Red, 12, "Simple Harmonic Motion:"),
               T(30, 50, Red, 10, "Hookes Law Spring:"), T(63, 70, Black, 10, "d²x     d²x    k"),
               T(10, 85, Black, 10, "-kx = m ----- or ----- + --- x = 0  , where x = x(t)"),
               T(63, 100, Black, 10, "dt²       dt²    m"),
               T(30, 130, Red, 10, "Angular frequency w = 2pi frequency"),
               T(30, 150, Black, 10, "and is measured in radians/second."),
               T(30, 170, Black, 10, "C = k/m and thus w = Sqrt(C) = Sqrt(k/m)"),
               T(30, 200, Red, 10, "SHM Differential Equation:"), T(66, 220, Black, 10, "d²x(t)"),
               T(63, 235, Black, 10, "--------   + Cx(t) = 0"), T(70, 250, Black, 10, "dt²")}};
    t[406] = {"Resistors and Capacitors",
              {T(70, 10, Red, 12, "Resistors and Capacitors:"),
               T(30, 40, Red, 10, "Two Resistors in parallel:"),
               T(30, 60, Black, 10, "R total = (R1 * R2) / (R1 + R2)"),
               T(30, 85, Red, 10, "Three or more Resistors in parallel:"),
               T(122, 100, Black, 10, "1"), T(30, 120, Black, 10, "R total  =  1      1      1"),
               T(90, 135, Black, 10, "R1 + R2 + R3"), T(30, 160, Red, 10, "Resistors in Series:"),
               T(30, 180, Black, 10, "R total = R1 + R2 + R3"),
               T(30, 205, Red, 10, "Capacitors in Parallel:"),
               T(30, 220, Black, 10, "C total = C1 + C2 + C3"),
               T(30, 245, Red, 10, "Capacitors in Series:"), T(122, 260, Black, 10, "1"),
               T(30, 275, Black, 10, "C total  =  1      1      1"),
               T(90, 290, Black, 10, "C1 + C2 + C3")}};
    t[407] = {"Charged Particles",
              {T(90, 10, Red, 12, "Charged particles:"),
               T(10, 40, Red, 10, "Force Between Two-Charged Particles (rest):"),
               T(30, 70, Black, 10, "Fe = -------  r^ (electrostatic force)"),
               T(65, 60, Black, 10, "KQq"), T(70, 85, Black, 10, "r²"),
               T(30, 105, Black, 10, "where K = 8.99x10^9 Nm² / C²"),
               T(10, 140, Red, 10, "Force Between Two Moving Charged Particles:"),
               T(2, 170, Black, 10, "Fem = -------  r^ + -------  v * V * r (electromag force)"),
               T(48, 160, Black, 10, "KQq          KQq"),
               T(53, 185, Black, 10, "r²             c² r²"),
               T(30, 210, Black, 10, "where K = 8.99x10^9 Nm² / C²"),
               T(30, 227, Black, 10, "where c = speed of light")}};
    {
        Topic induction{"Electromagnetic Induction",
                        {T(50, 10, Red, 12, "Electro-magnetic Induction:")}};
        AddField(induction.texts, 5);
        for (const SheetText& s :
             {T(185, 125, Blue, 8, "L"), T(40, 200, Blue, 8, "B"), T(278, 128, Black, 8, "V"),
              T(44, 128, Black, 8, "F1"), T(150, 44, Black, 8, "F2"), T(150, 214, Black, 8, "F3"),
              T(107, 106, Black, 8, "i"),
              T(30, 235, Black, 10, "F2 and F3 cancel out leaving only F1"),
              T(10, 255, Black, 10, "i = e / R = (BLV) / R     where R = wire resistance"),
              T(10, 275, Black, 10, "F1 = iLB sin(90)  = (B² L² V) / R"),
              T(10, 295, Black, 10, "Sin(90) Wire and field are 90 degrees relative")})
            induction.texts.push_back(s);
        t[408] = induction;
    }
    {
        Topic particle{"Charged Particle magnetic",
                       {T(18, 10, Red, 12, "Charged Particles in a Magnetic Field:")}};
        AddField(particle.texts, 70);
        for (const SheetText& s :
             {T(238, 60, Blue, 10, "B"), T(94, 51, Black, 10, "V"), T(162, 35, Black, 10, "q"),
              T(162, 115, Black, 10, "F"), T(80, 270, Black, 10, "F  =  qV * B  =  qVB Sinø"),
              T(50, 240, Black, 10, "V = F/qB"), T(190, 240, Black, 10, "B = F/qV")})
            particle.texts.push_back(s);
        t[409] = particle;
    }
    t[410] = {"Electrostatic versus Gravity",
              {T(20, 10, Red, 12, "Electrostatic Force versus Gravity:"),
               T(30, 40, Red, 10, "Electrostatic Force:"),
               T(30, 60, Black, 10, "Fe = K q1q2/r²          (Coulombs Law)"),
               T(30, 80, Black, 10, "K = 8.99x10^9 Nm²/C²    (in MKS system)"),
               T(30, 130, Red, 10, "Gravitational Force:"),
               T(30, 150, Black, 10, "Fg = G m1m2/r²          (Newtons Law)"),
               T(30, 170, Black, 10, "G = 6.67x10^-11 Nm²/kg²      (in MKS system)"),
               T(30, 220, Red, 10, "Ratio Electrostatic and Gravitational Force:"),
               T(30, 240, Black, 10, "Fe / Fg  =  K e² / G m²  =  4.16x10^42"),
               T(80, 260, Black, 10, " (Massive number !!!)")}};
    t[411] = {"Ohms Law",
              {T(100, 10, Red, 12, "OHMS LAW:"), T(100, 55, Red, 20, "V"),
               T(70, 95, Red, 20, "I  *  R"), T(190, 60, Black, 10, "V = Voltage"),
               T(190, 80, Black, 10, "I = Current"), T(190, 100, Black, 10, "R = Resistance"),
               T(30, 190, Black, 10, "Voltage  =  V = I * R  =  Volts"),
               T(30, 210, Black, 10, "Current  =  I = V / R  =  Amps"),
               T(30, 230, Black, 10, "Resistance  =  R = V / I  = Ohms"),
               T(30, 250, Black, 10, "Power  =  P  =  I² * R   =   V * I   =   Watts")}};
    t[412] = {"Wavelength - Frequency",
              {T(65, 10, Red, 12, "Wavelength and Frequency:"), Lambda(20, 40),
               T(30, 40, Black, 10, " = wavelength - lambda"),
               T(20, 60, Black, 10, "c = Speed of light = 299,792,458 m/sec"),
               T(20, 80, Black, 10, "f = frequency        frequency = 1 / time"),
               T(20, 100, Black, 10, "t = time                 time = 1 / frequency"),
               T(20, 130, Red, 10, "Frequency:"), T(20, 150, Black, 10, "Frequency = f = c / "),
               Lambda(145, 150), T(157, 150, Black, 10, "= hertz( cycles per sec )"),
               T(20, 180, Red, 10, "Wavelength - lambda:"), T(20, 200, Black, 10, "Wavelength = "),
               Lambda(115, 200), T(125, 200, Black, 10, "= c / f = meters"),
               T(20, 230, Red, 10, "Time:"), T(20, 250, Black, 10, "Time = t = "), Lambda(90, 250),
               T(102, 250, Black, 10, "/ c = seconds")}};
    t[413] = {"Temperature",
              {T(110, 10, Red, 12, "Temperature:"), T(30, 30, Red, 10, "Water boils:"),
               T(30, 45, Black, 10, "Fahrenheit = 212 F degrees:"),
               T(30, 60, Black, 10, "Celcius       = 100 C degrees:"),
               T(30, 75, Black, 10, "Kelvin        = 373 K degrees:"),
               T(30, 100, Red, 10, "Water freezes:"),
               T(30, 115, Black, 10, "Fahrenheit = 32 F degrees:"),
               T(30, 130, Black, 10, "Celcius       = 0 C degrees:"),
               T(30, 145, Black, 10, "Kelvin        = 273 K degrees:"),
               T(30, 170, Red, 10, "Absolute zero:"),
               T(30, 185, Black, 10, "Fahrenheit = -459.67 degrees:"),
               T(30, 200, Black, 10, "Celcius       = -273 degrees:"),
               T(30, 215, Black, 10, "Kelvin        = 0 degrees:"),
               T(30, 235, Red, 10, "Temperature formula:"),
               T(30, 250, Black, 10, "Celsius = (Fahrenheit - 32) * 5 / 9"),
               T(30, 265, Black, 10, "Fahrenheit = Celsius * 9 / 5 + 32")}};
    t[414] = {"Energy",
              {T(110, 10, Red, 12, "ENERGY:"), T(20, 40, Red, 10, "Relativistic Energy:"),
               T(20, 70, Black, 10, "E = mc²  =  Energy = mass * (speed of light)²"),
               T(20, 100, Black, 10, "m = E / c ²  =  mass = Energy / (speed of light)²"),
               T(20, 130, Black, 10, "c² = E / m  =  (speed of light)² = Energy / mass"),
               T(20, 160, Red, 10, "Rest Mass Energy:"),
               T(20, 190, Black, 10, "E       = m   c² = joules"), T(29, 196, Black, 8, "rest"),
               T(81, 196, Black, 8, "0"), T(20, 226, Red, 10, "Kinetic Energy:"),
               T(20, 256, Black, 10, "E   = ½mv² = joules"), T(29, 262, Black, 8, "K"),
               T(20, 286, Black, 10, "mass (m) = ( 2*E ) / v² = kg")}};
    return t;
}

const std::map<int, Topic>& Topics() {
    static const std::map<int, Topic> topics = MakeTopics();
    return topics;
}

void Fill(Surface& c) {
    c.setBrushStyle(Surface::BrushStyle::Solid);
    c.setBrushColor(sheetcolor::Cream);
    c.fillRect(0, 0, c.width(), c.height());
    c.setPenColor(Black);
    c.setPenWidth(1);
    c.setPenStyle(Surface::PenStyle::Solid);
    c.setPenMode(Surface::PenMode::Copy);
}

} // namespace

std::string TopicCaption(int tag) {
    const auto it = Topics().find(tag);
    return it == Topics().end() ? std::string() : it->second.caption;
}

const std::vector<SheetText>& TopicTexts(int tag) {
    static const std::vector<SheetText> none;
    const auto it = Topics().find(tag);
    return it == Topics().end() ? none : it->second.texts;
}

void DrawChooser(Surface& canvas, std::vector<SheetText>* log) {
    Fill(canvas);
    SheetWriter out(canvas, log);
    const char* lines[] = {"Select a formula group form", "the formula group titles",
                           "listed on the left hand side", "to display the information."};
    int y = 20;
    for (const char* line : lines) {
        out.write(70, y, Red, 12, true, line);
        y += 22;
    }
    for (y = 20; y <= 86; y += 22)
        out.write(5, y, Black, 12, true, "<----------");
}

bool DrawTopic(Surface& canvas, int tag, std::vector<SheetText>* log) {
    const auto it = Topics().find(tag);
    if (it == Topics().end()) return false;
    Fill(canvas);
    DrawTopicFigure(canvas, tag);
    SheetWriter out(canvas, log);
    for (const SheetText& text : it->second.texts)
        out.write(text);
    return true;
}

} // namespace pelcor
