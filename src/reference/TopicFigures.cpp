#include "reference/TopicFigures.h"

#include "reference/SheetText.h"

#include <cmath>
#include <numbers>
#include <string>

namespace pelcor {

namespace {

// A line ending in a small filled triangle at (x2, y2).
void Arrow(Surface& c, int x1, int y1, int x2, int y2) {
    Line(c, x1, y1, x2, y2);
    const double a = std::atan2(y2 - y1, x2 - x1);
    const double spread = std::numbers::pi / 7, length = 7;
    const int lx = x2 - static_cast<int>(length * std::cos(a - spread));
    const int ly = y2 - static_cast<int>(length * std::sin(a - spread));
    const int rx = x2 - static_cast<int>(length * std::cos(a + spread));
    const int ry = y2 - static_cast<int>(length * std::sin(a + spread));
    // Filled by lines from the tip to every point of the base.
    const int steps = std::max(std::abs(rx - lx), std::abs(ry - ly));
    for (int i = 0; i <= steps; ++i) {
        const int bx = lx + (steps ? (rx - lx) * i / steps : 0);
        const int by = ly + (steps ? (ry - ly) * i / steps : 0);
        Line(c, x2, y2, bx, by);
    }
    c.setPixel(x2, y2, c.penColor());
}

void Circle(Surface& c, int cx, int cy, int r) {
    c.setBrushStyle(Surface::BrushStyle::Clear);
    c.ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
}

// Half an ellipse around (cx, cy) through the points `halfWidth` either side, bulging up
// (negative height) or down, with an arrow in its middle pointing left.
void FieldLine(Surface& c, int cx, int cy, int halfWidth, int height) {
    c.moveTo(cx + halfWidth, cy);
    for (int d = 5; d <= 180; d += 5) {
        const double a = d * std::numbers::pi / 180;
        c.lineTo(cx + static_cast<int>(halfWidth * std::cos(a)),
                 cy + static_cast<int>(height * std::sin(a)));
    }
    Arrow(c, cx + 6, cy + height, cx - 2, cy + height);
}

// Fraction bars for "1 over 1/X1 + 1/X2 + 1/X3": the three numerators in `ones` at
// (onesX, onesY), the denominators in `terms` at (termsX, termsY); the long bar goes under
// the single numerator above them.
void FractionBars(Surface& c, int onesX, const std::string& ones, int termsX, int termsY,
                  const std::string& terms, int mainBarY) {
    c.setFont(SheetFont, 10, sheetcolor::Black, true);
    auto at = [&](const std::string& text, size_t chars) {
        return c.textWidth(QString::fromStdString(text.substr(0, chars)));
    };
    const int left = termsX + at(terms, 0) - 3;
    const int right = termsX + at(terms, terms.size()) + 3;
    Line(c, left, mainBarY, right, mainBarY);
    // Under each numerator "1", a bar as wide as its term ("R1", "C2", ...).
    size_t term = 0;
    for (size_t i = ones.find('1'); i != std::string::npos; i = ones.find('1', i + 1)) {
        term = terms.find_first_not_of(" +", term);
        if (term == std::string::npos) break;
        const size_t end = terms.find(' ', term);
        const int x1 = termsX + at(terms, term);
        const int x2 = termsX + at(terms, end == std::string::npos ? terms.size() : end);
        const int one = onesX + at(ones, i) + c.textWidth("1") / 2;
        const int half = std::max((x2 - x1) / 2, one - x1);
        Line(c, one - half, termsY - 1, one + half + 1, termsY - 1);
        term = end;
    }
}

void Electrostatic(Surface& c) {
    Circle(c, 57, 266, 14);
    Circle(c, 237, 266, 14);
    Arrow(c, 130, 266, 72, 266);
    Arrow(c, 160, 266, 222, 266);
}

void ElectricField(Surface& c) {
    Circle(c, 86, 201, 16);
    Circle(c, 236, 201, 16);
    Arrow(c, 219, 201, 104, 201);
    FieldLine(c, 161, 201, 60, -20);
    FieldLine(c, 161, 201, 60, 20);
}

void Induction(Surface& c) {
    c.setPenWidth(2);
    c.setBrushStyle(Surface::BrushStyle::Clear);
    c.rectangle(100, 58, 241, 210);
    c.setPenWidth(1);
    Arrow(c, 100, 118, 100, 96);  // the current i, upwards in the wire in the field
    Arrow(c, 99, 124, 62, 124);   // F1 against the motion
    Arrow(c, 170, 57, 170, 40);   // F2
    Arrow(c, 170, 210, 170, 228); // F3
    Arrow(c, 242, 133, 274, 133); // V, the loop pulled out of the field
    c.setPenColor(sheetcolor::Blue);
    Line(c, 197, 58, 197, 209); // L, the side's length across the field
    Line(c, 193, 58, 202, 58);
    Line(c, 193, 209, 202, 209);
}

void ParticlePath(Surface& c) {
    Circle(c, 166, 140, 86);
    c.setBrushStyle(Surface::BrushStyle::Solid);
    c.setBrushColor(sheetcolor::Red);
    c.ellipse(161, 49, 171, 59);
    Arrow(c, 160, 54, 108, 54);  // V
    Arrow(c, 166, 60, 166, 112); // F towards the centre
}

void OhmsTriangle(Surface& c) {
    c.setPenWidth(2);
    c.moveTo(110, 32);
    c.lineTo(190, 140);
    c.lineTo(30, 140);
    c.lineTo(110, 32);
    Line(c, 67, 91, 154, 91);
    c.setPenWidth(1);
}

} // namespace

void DrawTopicFigure(Surface& canvas, int tag) {
    canvas.setPenColor(sheetcolor::Black);
    canvas.setPenWidth(1);
    switch (tag) {
    case 402: Electrostatic(canvas); break;
    case 404: ElectricField(canvas); break;
    case 406:
        FractionBars(canvas, 30, "R total  =  1      1      1", 90, 135, "R1 + R2 + R3", 117);
        FractionBars(canvas, 30, "C total  =  1      1      1", 90, 290, "C1 + C2 + C3", 272);
        break;
    case 408: Induction(canvas); break;
    case 409: ParticlePath(canvas); break;
    case 411: OhmsTriangle(canvas); break;
    default: break;
    }
    canvas.setPenColor(sheetcolor::Black);
    canvas.setPenWidth(1);
}

} // namespace pelcor
