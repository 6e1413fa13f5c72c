#include "board/BoardTools.h"

#include "drawing/Coordinates.h"

#include <cmath>

namespace pelcor {

namespace {

constexpr double kPi = 3.1415926535897932385;

double Distance(int x1, int y1, int x2, int y2) {
    return std::sqrt(double(x1 - x2) * (x1 - x2) + double(y1 - y2) * (y1 - y2));
}

} // namespace

NewShapeStyle BoardTools::Style() const {
    NewShapeStyle style;
    style.PenColor = PenColor;
    style.FillColor = FillColor;
    style.FillMode = FillMode;
    style.BackgroundColor = renderer_.Settings.BackgroundColor;
    return style;
}

void BoardTools::ToggleFill() {
    ActiveTool = PreviousTool;
    FillMode = FillMode == Fill::Outline ? Fill::Solid : Fill::Outline;
}

void BoardTools::Crosshair(bool paint) {
    Canvas& c = renderer_.canvas();
    const int from = paint ? renderer_.Settings.BackgroundColor : colors::Crosshair;
    const int to = paint ? colors::Crosshair : renderer_.Settings.BackgroundColor;
    if (crossY_ >= 0)
        for (int x = 1; x < c.width(); ++x)
            if (c.pixel(x, crossY_) == from) c.setPixel(x, crossY_, to);
    if (crossX_ >= 0)
        for (int y = 1; y < c.height(); ++y)
            if (c.pixel(crossX_, y) == from) c.setPixel(crossX_, y, to);
}

void BoardTools::MouseDown(int x, int y, bool right) {
    Working.X3 = Working.Y3 = Working.X4 = Working.Y4 = 0;
    Working.Aux1 = Working.Aux2 = Working.Aux3 = Working.Aux4 = 0;
    button_ = right ? 2 : 1;
    if (!RotateMode) {
        PenX = x;
        PenY = y;
    }
    crossX_ = x;
    crossY_ = y;
    if (!right) Crosshair(true);
    Canvas& c = renderer_.canvas();
    c.setPenColor(PenColor);
    c.setBrushColor(FillColor);
    pressX_ = prevX1_ = prevX2_ = x;
    pressY_ = prevY1_ = prevY2_ = y;
    prevRadius_ = 0;
}

void BoardTools::MouseMove(int x, int y, bool leftDown) {
    // Every move forgets the kind: a press and release without a move adds nothing.
    Working.Kind.clear();
    if (!leftDown || button_ != 1) return;
    renderer_.RedrawAllShapes(list_);
    if (MoveMode || RotateMode) return; // moving and rotating a selected shape
    DrawPreview(x, y);
    renderer_.DrawAxes();
}

void BoardTools::DrawPreview(int x, int y) {
    Canvas& c = renderer_.canvas();
    const int background = renderer_.Settings.BackgroundColor;
    const int fill = FillMode == Fill::Solid ? FillColor : background;
    c.setPenMode(Canvas::PenMode::Copy);
    c.setPenStyle(Canvas::PenStyle::Solid);
    c.setBrushStyle(Canvas::BrushStyle::Solid);
    const int px = pressX_, py = pressY_;
    switch (ActiveTool) {
    case ToolTag::Line:
        Working.Kind = kind::Line;
        c.setPenColor(background);
        c.moveTo(prevX1_, prevY1_);
        c.lineTo(prevX2_, prevY2_);
        c.setPenColor(PenColor);
        c.moveTo(px, py);
        c.lineTo(x, y);
        Working.X1 = x, Working.Y1 = y, Working.X2 = px, Working.Y2 = py;
        prevX1_ = px, prevY1_ = py, prevX2_ = x, prevY2_ = y;
        break;
    case ToolTag::Rectangle:
    case ToolTag::Ellipse: {
        const bool box = ActiveTool == ToolTag::Rectangle;
        Working.Kind = box ? kind::Square : kind::Ellipse;
        const auto shape = [&c, box](int x1, int y1, int x2, int y2) {
            box ? c.rectangle(x1, y1, x2, y2) : c.ellipse(x1, y1, x2, y2);
        };
        c.setPenColor(background);
        c.setBrushColor(background);
        shape(prevX1_, prevY1_, prevX2_, prevY2_);
        c.setPenColor(PenColor);
        c.setBrushColor(fill);
        shape(px, py, x, y);
        Working.X1 = x, Working.Y1 = y, Working.X2 = px, Working.Y2 = py;
        prevX1_ = px, prevY1_ = py, prevX2_ = x, prevY2_ = y;
        break;
    }
    case ToolTag::Circle: {
        Working.Kind = kind::Circle;
        c.setPenColor(background);
        c.setBrushColor(background);
        c.ellipse(prevX1_, prevY1_, prevX2_, prevY2_);
        c.setPenColor(PenColor);
        c.setBrushColor(fill);
        const int r = static_cast<int>(std::fabs(Distance(px, py, x, y)));
        Working.X1 = px - r, Working.Y1 = py - r, Working.X2 = px + r, Working.Y2 = py + r;
        c.ellipse(Working.X1, Working.Y1, Working.X2, Working.Y2);
        prevX1_ = Working.X1, prevY1_ = Working.Y1, prevX2_ = Working.X2, prevY2_ = Working.Y2;
        Working.Aux2 = 0;
        Working.Aux3 = 30;
        Working.X3 = Working.Y3 = r;
        break;
    }
    case ToolTag::Triangle: {
        Working.Kind = kind::Triangle;
        c.setPenColor(background);
        Triangle(px, py, prevRadius_);
        const double r = Distance(px, py, x, y);
        c.setPenColor(PenColor);
        Triangle(px, py, r);
        Working.X1 = px, Working.Y1 = py;
        Working.X2 = Working.Y2 = static_cast<int>(r);
        prevRadius_ = r;
        break;
    }
    case ToolTag::Hexagon: {
        if (RotateMode) break;
        Working.Kind = kind::Hexagon;
        renderer_.Settings.HandlesSuppressed = true;
        Working.Aux1 = 15, Working.Aux2 = 0, Working.Aux3 = 30, Working.Aux4 = 6;
        c.setPenColor(background);
        Hexagon(px, py, prevRadius_);
        const double r = Distance(px, py, x, y);
        c.setPenColor(PenColor);
        renderer_.DrawPolygon(Working, px, py, r, 6);
        Working.X1 = px, Working.Y1 = py;
        Working.X2 = static_cast<int>(r);
        Working.Y2 = 6;
        prevRadius_ = r;
        break;
    }
    default: break;
    }
}

void BoardTools::Triangle(int cx, int cy, double r) {
    Canvas& c = renderer_.canvas();
    int* corners[3][2] = {
        {&Working.X3, &Working.Y3}, {&Working.X4, &Working.Y4}, {&Working.Aux1, &Working.Aux2}};
    int k = 0;
    for (int i = -90; i <= 150; i += 120, ++k) {
        const double a = i * kPi / 180, b = (i + 120) * kPi / 180;
        const int x1 = static_cast<int>(cx + r * std::cos(a)),
                  y1 = static_cast<int>(cy + r * std::sin(a));
        c.moveTo(x1, y1);
        c.lineTo(static_cast<int>(cx + r * std::cos(b)), static_cast<int>(cy + r * std::sin(b)));
        *corners[k][0] = x1;
        *corners[k][1] = y1;
    }
}

void BoardTools::Hexagon(int cx, int cy, double r) {
    Canvas& c = renderer_.canvas();
    for (int a = 15; a < 375; a += 60) {
        const double u = a * kPi / 180, v = (a + 60) * kPi / 180;
        c.moveTo(static_cast<int>(cx + r * std::cos(u)), static_cast<int>(cy + r * std::sin(u)));
        c.lineTo(static_cast<int>(cx + r * std::cos(v)), static_cast<int>(cy + r * std::sin(v)));
    }
}

int BoardTools::MouseUp(int x, int y, bool mayAdd) {
    button_ = 0;
    Crosshair(false);
    crossX_ = crossY_ = -1;
    renderer_.Settings.HandlesSuppressed = false;
    renderer_.canvas().moveTo(x, y);
    prevX1_ = x;
    prevY1_ = y;
    Refused.clear();
    if (!mayAdd) return 0;
    if (MoveMode) return 0;
    const int added = list_.AppendShape(Working, Style(), &Refused);
    Working.Kind.clear();
    renderer_.RepaintBoard(list_);
    return added;
}

BoardCursor BoardTools::CursorAt(int x, int y) const {
    const int p = renderer_.canvas().pixel(x, y);
    if (p == colors::CornerHandle || p == colors::HeightHandle) return BoardCursor::SizeAll;
    if (p == colors::CentreHandle || p == colors::DragHandleAlt) return BoardCursor::Drag;
    return BoardCursor::Cross;
}

int BoardTools::AddFixedShape(ToolTag tag) {
    ShapeRecord s;
    s.X1 = s.Y1 = OriginPixel;
    if (tag == ToolTag::Hyper) {
        s.Kind = kind::Hyper;
        s.X2 = 300, s.Y2 = 200;
    } else if (tag == ToolTag::Hyper1) {
        s.Kind = kind::Hyper1;
        s.X2 = 50, s.Y2 = 0;
    } else {
        s.Kind = kind::Parabola;
        s.X3 = 5, s.Y3 = 0, s.X4 = 0;
        s.Aux1 = -50;
        s.Aux2 = static_cast<int>(10 * (-25 * 0.5));
    }
    // Drawn once over the board, then added; the window's repaint that follows shows the
    // list with its colour rules, so the list is walked once.
    Refused.clear();
    if (!list_.LimitRefusal(s).empty()) return list_.AppendShape(s, Style(), &Refused);
    renderer_.canvas().setPenColor(PenColor);
    renderer_.DrawShape(s, 0);
    return list_.AppendShape(s, Style());
}

int BoardTools::AddText(const std::string& text, const std::string& fontName, int fontSize,
                        bool bold, int lineHeight) {
    Refused.clear();
    if (text.empty()) return 0;
    ShapeRecord s;
    s.Kind = kind::Text;
    s.X1 = PenX;
    s.Y1 = PenY;
    s.Text = text;
    s.FontName = fontName;
    s.FontSize = std::to_string(fontSize);
    s.FontStyle = bold ? "Bold" : "Normal";
    const int added = list_.AppendShape(s, Style(), &Refused);
    if (!added) return 0;
    PenY += lineHeight;
    renderer_.RepaintBoard(list_);
    return added;
}

} // namespace pelcor
