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
// The desktop's standard colours the window is designed with.
inline constexpr int BtnFace = 212 + 256 * 208 + 65536 * 200;
inline constexpr int BtnShadow = 128 + 256 * 128 + 65536 * 128;
inline constexpr int InfoBk = 255 + 256 * 255 + 65536 * 225;
inline constexpr int MoneyGreen = 192 + 256 * 220 + 65536 * 192;
inline constexpr int DesktopBackground = 0 + 256 * 128 + 65536 * 128;
} // namespace colors

} // namespace pelcor
