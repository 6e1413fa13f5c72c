#pragma once

#include "drawing/DrawingList.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelcor {

// The equations and measurements of the drawing board's shapes, in display units (10 pixels
// a unit, origin at pixel (160, 160), y upwards). All texts are UTF-8 ("²" is U+00B2); line
// breaks inside the message memo are CR LF.

inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double TwoPi = 6.283185307179586;
inline constexpr double DegreesPerRadian = 57.29577951308232;

// The line break of the message memo.
inline constexpr std::string_view MemoBreak = "\r\n";

struct UnitPoint {
    double x = 0;
    double y = 0;
};

// Board pixel to unit point (drawing/Coordinates.h).
UnitPoint UnitPointOf(int px, int py);
// The centre in units of a circle record: (X1, Y1) is the top-left of its square, X3 r.
UnitPoint CircleCentre(const ShapeRecord& s);
// The middle in units of the box (X1, Y1)-(X2, Y2), over one division so that a centre on a
// tenth is exact.
UnitPoint BoxCentre(const ShapeRecord& s);

struct LineValues {
    double Slope = 0;
    double Intercept = 0;
    double AngleDegrees = 0;
    double Length = 0;
};

// The measurements as the texts the memo, the information line and the edit frame show
// ("###.###" or the shortest form, as each kind writes them). A kind fills what it
// measures; the other fields stay empty.
struct MeasureTexts {
    // The point (X2, Y2) in units, "###.###": a line's end, a box's other corner (every kind
    // but TEXT, CIRCLE and TRIANGLE).
    std::string EndX, EndY;
    // An ellipse's and a circle's (X2, Y2) as whole pixels.
    std::string PixelX2, PixelY2;
    // A line: its length, slope m, intercept n (a vertical line's x, a horizontal line's y)
    // and angle in degrees; DescribeLine adds the angle in radians.
    std::string Length, Slope, Intercept, AngleDegrees, AngleRadians;
    // A rectangle's height and width, an ellipse's half width and half height, a circle's
    // radius.
    std::string Height, Width, HalfWidth, HalfHeight, Radius;
    // The centre and the area (a rectangle, an ellipse, a circle).
    std::string CentreX, CentreY, Area;
    bool operator==(const MeasureTexts&) const = default;
};

// What MeasureShape keeps about one shape.
struct ShapeMeasurement {
    // The working shape after measuring: an ELLIPSE has its half width and half height in
    // pixels in X3, Y3; a TEXT has "0" in TextRes5 and TextRes6. AppendShape stores these.
    ShapeRecord Shape;
    UnitPoint P1;                   // unit point of (X1, Y1)
    std::optional<UnitPoint> P2;    // unit point of (X2, Y2); not for TEXT, CIRCLE, TRIANGLE
    std::string P1xText, P1yText;   // P1 with "###.###"
    std::optional<LineValues> Line; // LINE only
    std::string LinePrefix;         // "", "Vertical line - " or "Horizontal line - "
    MeasureTexts Texts;
    // HEXAGON only: the radius X2 and the number of edges drawn Y2, as reals.
    std::optional<double> PolygonRadius, PolygonEdges;
    // The kind's general formula for the information line; nothing means the line is left
    // as it is (TRIANGLE, HEXAGON, PARABOLA, HYPER, HYPER1, TEXT).
    std::optional<std::string> Info;
};

// Measures `working` (a shape just released on the board, just selected, or being edited).
ShapeMeasurement MeasureShape(const ShapeRecord& working);

// The slope, intercept, length and angle texts of a described line for the edit frame.
struct LineEditTexts {
    std::string EditA, EditB, EditC, EditG;
    bool operator==(const LineEditTexts&) const = default;
};

// What DescribeShape gives the window.
struct ShapeDescription {
    // Show the message memo; false (nothing selected) hides it.
    bool ShowMemo = false;
    // Text to append to the memo's current text (the hit test may have put a line there).
    std::string Memo;
    // New information-line text; nothing leaves the line as MeasureShape left it.
    std::optional<std::string> Info;
    // The ten working texts after describing (a line's are computed again).
    MeasureTexts Texts;
    // LINE only: the edit frame's boxes and its equation label.
    std::optional<LineEditTexts> LineEdits;
    std::optional<std::string> EquatLabel;
};

// The display name of a kind in the memo ("Rectangle" for SQUARE, "Hexagon" for HEXAGON);
// an unknown kind is named by itself.
std::string KindDisplayName(std::string_view kind);

// Describes the shape of `measured` (the MeasureShape call made for it just before), which
// is shape number `selectedShape` of the drawing. `lineOrdinal` numbers a LINE among the
// lines of the drawing (LineOrdinalOf). A measurement with an empty kind describes "nothing
// selected": the memo is hidden and the information line cleared.
ShapeDescription DescribeShape(const ShapeMeasurement& measured, int selectedShape,
                               int lineOrdinal);

// The line part of DescribeShape: the line values computed again, the edit frame's texts and
// one memo line (none for a line of one point).
ShapeDescription DescribeLine(const ShapeMeasurement& measured, int lineOrdinal);

// 1 + the number of LINE records before record `number` of the drawing.
int LineOrdinalOf(const DrawingList& list, int number);

} // namespace pelcor
