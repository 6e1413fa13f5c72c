#pragma once

namespace pelcor {

// The Tags of the toolbar's buttons: the tool (or command) each stands for.
enum class ToolTag : int {
    Pointer = 0,
    Move = 1,
    Line = 2,
    Rectangle = 3,
    Fill = 4,
    Circle = 5,
    Hyper = 6,
    Hyper1 = 7,
    Parabola = 8,
    Triangle = 9,
    Ellipse = 10,
    Rotate = 12,
    Hexagon = 15,
    Erase = 16,
    Colour = 18,
    Text = 19,
    Sound = 20,
    ScreenHelp = 21,
    Solv = 22,
    Data = 23,
    LibraryForward = 30,
    LibraryBack = 31,
    GalleryForward = 32,
    GalleryBack = 33,
    Screens = 36, // "Img" and "#"
};

inline constexpr int TagOf(ToolTag tag) {
    return static_cast<int>(tag);
}

// One button of the toolbar `CalcPanel2`, in columns 4, 40, 76, 112 and rows 28 pixels
// apart. `normal` and `active` are its pictures beside the program (the second while it is
// the active tool); `arrow` a glyph the program draws instead.
struct ToolButton {
    const char* name;
    ToolTag tag;
    const char* hint;
    const char* caption;
    const char* normal;
    const char* active;
    const char* arrow;
    int column, row;
};

// The whole toolbar, described once.
extern const ToolButton kToolbar[26];

} // namespace pelcor
