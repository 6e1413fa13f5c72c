#include "reference/FormulaSheets.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelcor {

namespace {

using enum TrigSheet;
using enum SheetTriangle;

// The triangle's sides are a (right), b (bottom) and c (upper left), and the angles
// facing them ø, µ and ß: every formula names them so.
const std::vector<TrigSheetInfo>& Sheets() {
    static const std::vector<TrigSheetInfo> sheets = {
        {Angles,
         "Angles",
         "Angles",
         10,
         5,
         Oblique,
         {"1.  sin ø =  2. (Area)/ bc", "2.  cos ø = ( c ² + b ² - a ² ) / 2.b.c ",
          "3.  sin (ø / 2)  =  Sqrt [(s -b)(s - c) / b.c]",
          "4.  cos (ø / 2)  =  Sqrt [s(s - a) / b.c]"}},
        {Area,
         "Area",
         "Area Formulas",
         10,
         5,
         Oblique,
         {" 1.  Area = [c ² sin ø. sin µ] / 2.sin ß", " 2.  Area = [b ² sin ß. sin ø] / 2.sin µ",
          " 3.  Area = [a ² sin µ. sin ß] / 2.sin ø", " 4.  Area = b.c.sin ø / 2",
          " 5.  Area = a.c.sin µ / 2", " 6.  Area = a.b.sin ß / 2"}},
        {BasicIdentities,
         "Basic Identities",
         "Basic Identities",
         10,
         5,
         Right,
         {"1. sin x = 1 / cscx ", "2. cos x = 1 / secx ", "3. tan x = 1 / cotx ",
          "4. csc x = 1 / sinx ", "5. sec x = 1 / cosx ", "6. cot x = 1 / tanx ",
          "7. tan x = sinx / cosx ", "8. cot x = cosx / sinx "}},
        {DoubleAngle,
         "Double Angle",
         "Double Angle",
         10,
         5,
         Right,
         {"1. sin 2x = 2 sin x cos x ", "2. cos 2x = cos²x - sin² x",
          "3. cos 2x = 2 cos²x -1 = 1 - 2 sin²x", "4. tan 2x = 2 tan x / (1 - tan²x)"}},
        {HeronsFormula,
         "Herons Formula",
         "Herons Formula",
         10,
         5,
         Oblique,
         {" 1. Area  = Sqrt [s ( s - a)(s - b)(s - c)]", " 2. Semiperiimeter  s = ½(a + b + c)"}},
        {LawOfCosines,
         "Law of Cosines",
         "Law of Cosines",
         10,
         5,
         Oblique,
         {" 1.  a² = b ² + c ² - 2bc cos ø", " 2.  b² = a ² + c ² - 2ac cos µ",
          " 3.  c² = a ² + b ² - 2ab cos ß"}},
        {LawOfSines,
         "Law of Sines",
         " Law of Sines",
         10,
         5,
         Oblique,
         {" 1.  sin ø / a = sin µ / b = sin ß / c"}},
        {LawOfTangent,
         "Law of Tangent",
         "Law of Tangent",
         8,
         5,
         Oblique,
         {" 1.  (a + b) / (a - b) = [tan ½ ( µ + ø)] / [tan ½ ( ø - µ)]",
          " 2.  (a + c) / (a - c) = [tan ½ ( ø + ß)] / [tan ½ ( ø - ß)]",
          " 3.  (b + c) / (b - c) = [tan ½ ( µ + ß)] / [tan ½ ( µ - ß)]"}},
        {MollweidesFormula,
         "MollweidesFormula",
         "Mollweides Formula",
         10,
         5,
         Oblique,
         {" 1.  (a - b) / c  = [sin ½ ( ø - µ)] / cos ½ß",
          " 2.  (c - a) / b  = [sin ½ ( ß - ø)] / cos ½µ",
          " 3.  (b - c) / a  = [sin ½ ( µ - ß)] / cos ½ø"}},
        {NewtonsFormula,
         "Newtons Formula",
         "Newtons Formula",
         10,
         5,
         Oblique,
         {" 1.  (a + b) / c  = [cos ½ ( µ - ø)] / sin ½ß",
          " 2.  (c + a) / b  = [cos ½ ( ß - ø)] / sin ½µ",
          " 3.  (b + c) / a  = [cos ½ ( µ - ß)] / sin ½ø"}},
        {ProductToSum,
         "Product To Sum",
         "Product to Sum",
         10,
         5,
         Right,
         {" 1.  sin x.sin y = 1/2 [cos (x - y) - cos (x + y)]",
          " 2.  sin x.cos y = 1/2 [sin (x + y) + sin (x - y)]",
          " 3.  cos x.cos y = 1/2 [cos (x - y) + cos (x + y)]"}},
        {PythagoreanIdentities,
         "Pythagorean Indentities",
         "Pythagorean Identities",
         10,
         5,
         Oblique,
         {" 1.  sin ² x + cos² x = 1 ", " 2.  tan ² x + 1 = sec² x", " 3.  cot ² x + 1 = csc² x"}},
        {RadiusOfCircumscribed,
         "Radius of Circumscribed",
         "Radius of Circumscribed",
         8,
         20,
         Oblique,
         {" 1. R = a / 2.sin ø = b / 2.sinµ = c / 2.sin ß", " 1. R = a.b.c / 4 ( Area)"}},
        {RadiusOfInscribed,
         "Radius of Inscribed",
         "Radius of Inscribed",
         10,
         5,
         Oblique,
         {" 1. r = Sqrt [s ( s - a)(s - b)(s - c)] / s  = Area / s",
          " 1. Area = Sqrt [s ( s - a)(s - b)(s - c)]"}},
        {RightTriangleDefinition,
         "Right Triangle Definition",
         "Right Triangle Definition",
         10,
         5,
         Right,
         {" 1. sin ø = ops / hyp", " 2. cos ø = adj / hyp", " 3. tan ø = ops / adj",
          " 4. csc ø = hyp / ops", " 5. sec ø = hyp / adj", " 6. cot ø = adj / ops"}},
        {SumAndDifference,
         "Sum and Difference",
         "Sum and Difference",
         8,
         5,
         Right,
         {" 1.  sin (x ± y) = sin x . cos y  ±  cos x . sin y",
          " 2.  cos (x ± y) = cos x . cos y  -+  sin x . sin y",
          " 3.  tan (x ± y) = (tan x ±tan y)  /  (1 -+ tan x . tan y)"}},
        {SumToProduct,
         "Sum To Product",
         "Sum to Product",
         8,
         5,
         Right,
         {" 1.  sin x + sin y = 2 sin ((x + y)/2). cos ((x - y)/2)",
          " 2.  sin x - sin y = 2 cos ((x + y)/2). sin ((x - y)/2)",
          " 3.  cos x + cos y = 2 cos ((x + y)/2). cos ((x - y)/2)",
          " 4.  cos x - cos y = - 2 sin ((x + y)/2). sin ((x - y)/2)"}},
        {SymmetryProperties,
         "Symmetry Properties",
         "Symmetry Properties",
         10,
         5,
         Right,
         {" 1.  cos (- x) = cos x", " 2.  sin (- x) = - sin x", " 3.  tan ( - x) = - tan x ",
          " 4.  csc  (- x) = - csc x", " 5.  sec ( - x) = sec x", " 6.  cot ( - x) = - cot x"}},
        {TriangleSides,
         "Triangle Sides",
         "Triangle Sides",
         10,
         5,
         Oblique,
         {" 1.  a = b.cos ß +  c.cosµ", " 2.  b = c.cos ø +  a.cosß",
          " 3.  c = a.cos µ +  b.cosø"}},
    };
    return sheets;
}

// Reals become pixels by truncation toward zero.
int Trunc(double v) {
    return std::isfinite(v) ? static_cast<int>(std::clamp(v, -1e6, 1e6)) : 0;
}

void DrawGrid(Surface& c, int background, double originX, double originY) {
    c.setPenWidth(1);
    c.setPenStyle(Surface::PenStyle::Solid);
    c.setPenMode(Surface::PenMode::Copy);
    c.setBrushStyle(Surface::BrushStyle::Solid);
    c.setBrushColor(background);
    c.fillRect(0, 0, c.width(), c.height());
    c.setPenColor(sheetcolor::Grid);
    for (int v = 320; v >= 20; v -= 20) {
        Line(c, v, 0, v, 320);
        Line(c, 0, v, 320, v);
    }
    const int ox = Trunc(originX), oy = Trunc(originY);
    c.setPenColor(sheetcolor::Axis);
    Line(c, 0, oy, 2 * ox, oy);
    Line(c, ox, 0, ox, 2 * oy);
}

void DrawOblique(Surface& c, SheetWriter& out) {
    c.setPenColor(sheetcolor::Green);
    Line(c, 246, 70, 26, 160);
    Line(c, 246, 70, 206, 160);
    Line(c, 206, 160, 26, 160);
    DrawAngleArc(c, 26, 160, 43, 339, 359);
    DrawAngleArc(c, 206, 160, 33, 181, 292);
    DrawAngleArc(c, 246, 70, 45, 115, 157);
    const struct {
        int x, y;
        const char* letter;
    } letters[] = {{118, 90, "c"}, {132, 163, "b"}, {230, 110, "a"},
                   {86, 136, "ø"}, {191, 136, "ß"}, {221, 81, "µ"}};
    for (const auto& l : letters)
        out.write(l.x, l.y, sheetcolor::Aqua, 14, false, l.letter);
}

void DrawRight(Surface& c, SheetWriter& out) {
    c.setPenColor(sheetcolor::Green);
    Line(c, 234, 77, 118, 173);
    Line(c, 234, 77, 234, 173);
    Line(c, 234, 173, 118, 173);
    c.setPenColor(sheetcolor::Red);
    c.moveTo(209, 173);
    c.lineTo(209, 148);
    c.lineTo(234, 148);
    DrawAngleArc(c, 126, 173, 43, 314, 359);
    out.write(100, 160, sheetcolor::Aqua, 14, false, "C");
    out.write(235, 55, sheetcolor::Aqua, 14, false, "B");
    out.write(235, 175, sheetcolor::Aqua, 14, false, "A");
}

// An unfilled red circle with a light blue radius.
void DrawCircleWithRadius(Surface& c, int x1, int y1, int x2, int y2, int rx, int ry1, int ry2) {
    c.setBrushStyle(Surface::BrushStyle::Clear);
    c.setPenColor(sheetcolor::Red);
    c.ellipse(x1, y1, x2, y2);
    c.setPenColor(sheetcolor::LightBlue);
    Line(c, rx, ry1, rx, ry2);
}

void DrawExtras(Surface& c, TrigSheet sheet, SheetWriter& out) {
    switch (sheet) {
    case RadiusOfCircumscribed: DrawCircleWithRadius(c, -17, -37, 248, 192, 114, 78, 192); break;
    case RadiusOfInscribed: DrawCircleWithRadius(c, 155, 98, 218, 160, 187, 129, 160); break;
    case RightTriangleDefinition:
        // Each side named where it lies: the vertical side faces ø, the bottom one lies
        // beside it, the slanted one is the hypotenuse.
        out.write(240, 120, sheetcolor::Aqua, 10, false, "ops");
        out.write(155, 105, sheetcolor::Aqua, 10, false, "hyp");
        out.write(150, 150, sheetcolor::Aqua, 10, false, "ø");
        out.write(160, 178, sheetcolor::Aqua, 10, false, "adj");
        break;
    default: break;
    }
}

} // namespace

const TrigSheetInfo& TrigSheetData(TrigSheet sheet) {
    return Sheets()[static_cast<size_t>(sheet)];
}

std::optional<TrigSheet> TrigSheetOfMenuItem(std::string_view caption) {
    for (const TrigSheetInfo& s : Sheets())
        if (caption == s.menuItem) return s.sheet;
    return std::nullopt;
}

void DrawAngleArc(Surface& canvas, int cx, int cy, int radius, int from, int to) {
    for (int degree = from; degree <= to; ++degree) {
        const double a = degree * std::numbers::pi / 180;
        canvas.setPixel(cx + Trunc(radius * std::cos(a)), cy + Trunc(radius * std::sin(a)),
                        sheetcolor::Yellow);
    }
}

void DrawTrigSheet(Surface& canvas, TrigSheet sheet, int background, double originX, double originY,
                   std::vector<SheetText>* log) {
    const TrigSheetInfo& info = TrigSheetData(sheet);
    SheetWriter out(canvas, log);
    DrawGrid(canvas, background, originX, originY);
    if (info.triangle == Oblique)
        DrawOblique(canvas, out);
    else
        DrawRight(canvas, out);
    DrawExtras(canvas, sheet, out);
    int y = info.firstLineY;
    for (const char* line : info.lines) {
        out.write(SheetLineX, y, sheetcolor::Aqua, info.fontSize, false, line);
        y += SheetLineStep;
    }
}

} // namespace pelcor
