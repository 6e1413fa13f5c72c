#pragma once

class QColor;

namespace pelcor {

// Colours are stored as red + 256 * green + 65536 * blue, as the program writes them.
QColor ToQColor(int value);
int FromQColor(const QColor& color);

namespace colors {
inline constexpr int White = 16777215;
inline constexpr int Black = 0;
inline constexpr int ErrorPink = 13684991;      // readout after an error
inline constexpr int Aqua = 16776960;           // readout awaiting an exponent or a root's degree
inline constexpr int Highlight = 24831;         // Inv and Exp while active
inline constexpr int Green = 36864;             // "Solv" and "Data" while on
inline constexpr int StoreMark = 33023;         // a memory's store button while it holds a value
inline constexpr int RecallMark = 15761408;     // and its recall button
inline constexpr int BoardBackground = 9153434; // the drawing board and the gallery
// The drawing board's fixed colours. Handles are found again by their exact colour, so no
// ordinary drawing colour should use theirs.
inline constexpr int AxisLine = 12632256;
inline constexpr int AxisLabel = 4210752;
inline constexpr int DarkPen = 4210752; // white pens in wire frame, every pen in black and white
inline constexpr int Crosshair = 8421504;
inline constexpr int CornerHandle = 1114366;      // the size-all cursor's handles
inline constexpr int CentreHandle = 1114353;      // the drag cursor's handles
inline constexpr int HeightHandle = 1048831;      // polygon forms 1 to 3
inline constexpr int RadiusLine = 1114111;        // polygon: centre to the last edge's ends
inline constexpr int ApothemLine = 1113856;       // polygon: centre to the last edge's middle
inline constexpr int IntersectionRing = 16711696; // the rings round intersection points
inline constexpr int DragHandleAlt = 1048823;     // a second colour the drag cursor answers to
// The edit frame's guides over a circle or an ellipse.
inline constexpr int GuidePerpendicular = 12632319; // centre to both axes
inline constexpr int GuideRadius = 16761024;        // centre to the edge along each axis
// The desktop's standard colours the window is designed with.
inline constexpr int BtnFace = 212 + 256 * 208 + 65536 * 200;
inline constexpr int BtnShadow = 128 + 256 * 128 + 65536 * 128;
inline constexpr int InfoBk = 255 + 256 * 255 + 65536 * 225;
inline constexpr int MoneyGreen = 192 + 256 * 220 + 65536 * 192;
inline constexpr int DesktopBackground = 0 + 256 * 128 + 65536 * 128;
inline constexpr int Teal = 0 + 256 * 128 + 65536 * 128;        // the edit frame's equation
inline constexpr int AboutPanel = 59 + 256 * 179 + 65536 * 192; // the about panel's ground
// The rest of the program's palette: the shades between the face and the shadow, the
// selection and the visited link.
inline constexpr int Mid = 160 + 256 * 160 + 65536 * 160;
inline constexpr int Midlight = 227 + 256 * 227 + 65536 * 227;
inline constexpr int DarkShadow = 64 + 256 * 64 + 65536 * 64; // also the print preview's shadow
inline constexpr int SelectionBlue = 10 + 256 * 36 + 65536 * 106;
inline constexpr int VisitedLink = 128 + 256 * 0 + 65536 * 128;
// The constants' six tab panels, in the tabs' order.
inline constexpr int SolarSystemTab = 96 + 256 * 96 + 65536 * 204;
inline constexpr int SolarMassesTab = 128 + 256 * 204 + 65536 * 128;
inline constexpr int AtomicValues1Tab = 204 + 256 * 128 + 65536 * 204;
inline constexpr int AtomicValues2Tab = 204 + 256 * 128 + 65536 * 128;
inline constexpr int GeneralDataTab = 204 + 256 * 204 + 65536 * 128;
inline constexpr int GeneralData1Tab = 204;
} // namespace colors

} // namespace pelcor
