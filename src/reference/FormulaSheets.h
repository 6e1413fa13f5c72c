#pragma once

#include "reference/SheetText.h"

#include <optional>
#include <string_view>
#include <vector>

namespace pelcor {

// The nineteen trigonometric sheets, in the order of the "Trigonometric" menu.
enum class TrigSheet {
    Angles,
    Area,
    BasicIdentities,
    DoubleAngle,
    HeronsFormula,
    LawOfCosines,
    LawOfSines,
    LawOfTangent,
    MollweidesFormula,
    NewtonsFormula,
    ProductToSum,
    PythagoreanIdentities,
    RadiusOfCircumscribed,
    RadiusOfInscribed,
    RightTriangleDefinition,
    SumAndDifference,
    SumToProduct,
    SymmetryProperties,
    TriangleSides,
};
inline constexpr int TrigSheetCount = 19;

// The figure a sheet draws its formulas beside.
enum class SheetTriangle { Oblique, Right };

struct TrigSheetInfo {
    TrigSheet sheet;
    const char* menuItem; // the item's caption in the "Trigonometric" menu
    const char* title;    // shown in the title label over the screen
    int fontSize;         // of the formula lines, in points
    int firstLineY;       // the lines follow 15 pixels apart
    SheetTriangle triangle;
    std::vector<const char*> lines; // UTF-8
};

const TrigSheetInfo& TrigSheetData(TrigSheet sheet);
// The sheet of a "Trigonometric" menu caption such as "Law of Sines".
std::optional<TrigSheet> TrigSheetOfMenuItem(std::string_view caption);

// Where the formula lines start and how far apart they are.
inline constexpr int SheetLineX = 5;
inline constexpr int SheetLineStep = 15;

// Draws a whole sheet on the 320 x 320 screen picture: the board's background, the grid
// every 20 pixels, the axes through the board's origin, the sheet's triangle with its arcs,
// letters and extra figures, then the formula lines. With a log, every text drawn is kept
// in order.
void DrawTrigSheet(Surface& canvas, TrigSheet sheet, int background, double originX, double originY,
                   std::vector<SheetText>* log = nullptr);

// The yellow arc of an angle: for each whole degree from `from` to `to`, the pixel at
// radius `radius` from the centre (y downwards).
void DrawAngleArc(Surface& canvas, int cx, int cy, int radius, int from, int to);

} // namespace pelcor
