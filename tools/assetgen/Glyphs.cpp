#include "Glyphs.h"

#include "Sketch.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

namespace pelcor::assetgen {

namespace {

const QColor kFace(212, 208, 200);
const QColor kActiveFace(255, 204, 138);
const QColor kShadow(128, 128, 128);
const QColor kLight(255, 255, 255);
const QColor kInk(20, 20, 20);
const QColor kShape(0, 48, 150);
const QColor kAxis(150, 150, 150);
const QColor kRed(205, 20, 20);

constexpr std::array<GlyphFiles, 18> kGlyphs{{
    {Glyph::Pointer, "Pointer.bmp", "Pointer1.bmp"},
    {Glyph::Move, "Move.bmp", "Move1.bmp"},
    {Glyph::Line, "Line.bmp", "Line1.bmp"},
    {Glyph::Box, "Box.bmp", "Box1.bmp"},
    {Glyph::Fill, "Box2.bmp", "Box21.bmp"},
    {Glyph::Circle, "Circle.bmp", "Circle1.bmp"},
    {Glyph::Hyperbola, "Para3.bmp", "Para31.bmp"},
    {Glyph::RectHyperbola, "Para2.bmp", "Para21.bmp"},
    {Glyph::Parabola, "Para1.bmp", "Para11.bmp"},
    {Glyph::Triangle, "Triangle.bmp", "Triangle1.bmp"},
    {Glyph::Ellipse, "Elipse.bmp", "Elipse1.bmp"},
    {Glyph::Rotate, "Rotate.bmp", "Rotate1.bmp"},
    {Glyph::Hex, "Hex.bmp", "Hex1.bmp"},
    {Glyph::Eraser, "Eraser.bmp", "Eraser1.bmp"},
    {Glyph::Colours, "Colr1.bmp", "Colr11.bmp"},
    {Glyph::Text, "Text.bmp", "Text1.bmp"},
    {Glyph::Speaker, "Speaker.bmp", "Speaker1.bmp"},
    {Glyph::Screen, "Screen.bmp", "Screen1.bmp"},
}};

// A filled arrow head in the glyphs' ink.
void ArrowHead(QPainter& p, QPointF tip, QPointF direction, double length, double halfWidth) {
    pelcor::assetgen::ArrowHead(p, tip, direction, length, halfWidth, kInk);
}

void Axes(QPainter& p) {
    p.setPen(QPen(kAxis, 1));
    p.drawLine(QPointF(3, 10.5), QPointF(21, 10.5));
    p.drawLine(QPointF(12.5, 2), QPointF(12.5, 19));
}

// Draws y = f(x) for x in [from, to] (glyph pixels) as one smooth line.
template <typename F> void Curve(QPainter& p, double from, double to, F f) {
    QPainterPath path;
    constexpr int kSteps = 40;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = from + (to - from) * i / kSteps;
        if (i == 0)
            path.moveTo(x, f(x));
        else
            path.lineTo(x, f(x));
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void DrawPointer(QPainter& p) {
    const QPolygonF arrow{{8.5, 1.5},   {8.5, 15.5},  {11.5, 12.5}, {14, 17.5},
                          {16.2, 16.5}, {13.8, 11.6}, {17.8, 11.6}};
    p.setPen(Stroke(kInk, 1));
    p.setBrush(kLight);
    p.drawPolygon(arrow);
}

void DrawMove(QPainter& p) {
    const QPointF c(12.5, 10);
    p.setPen(Stroke(kInk, 1.5));
    p.drawLine(QPointF(c.x(), 4.5), QPointF(c.x(), 15.5));
    p.drawLine(QPointF(6.5, c.y()), QPointF(18.5, c.y()));
    ArrowHead(p, {c.x(), 1.5}, {0, -1}, 4, 3);
    ArrowHead(p, {c.x(), 18.5}, {0, 1}, 4, 3);
    ArrowHead(p, {3.5, c.y()}, {-1, 0}, 4, 3);
    ArrowHead(p, {21.5, c.y()}, {1, 0}, 4, 3);
}

void DrawLine(QPainter& p) {
    p.setPen(Stroke(kShape, 1.6));
    p.drawLine(QPointF(5, 16), QPointF(19, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(3.5, 14.5, 3, 3));
    p.drawRect(QRectF(17.5, 2.5, 3, 3));
}

void DrawBox(QPainter& p) {
    p.setPen(QPen(kShape, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4.75, 4.75, 14.5, 10.5));
}

void DrawFill(QPainter& p, bool filled) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(filled ? QBrush(kShape) : QBrush(kLight));
    p.drawRect(QRectF(6.5, 3.5, 12, 12));
}

void DrawCircle(QPainter& p) {
    p.setPen(Stroke(kShape, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12.5, 10), 7, 7);
}

void DrawHyperbola(QPainter& p) {
    Axes(p);
    p.setPen(Stroke(kShape, 1.5));
    // x^2 / a^2 - y^2 / b^2 = 1, both branches.
    constexpr double a = 3, b = 3;
    for (double side : {-1.0, 1.0}) {
        QPainterPath path;
        for (int i = 0; i <= 40; ++i) {
            const double t = -1.55 + 3.1 * i / 40;
            const QPointF point(12.5 + side * a * std::cosh(t), 10.5 - b * std::sinh(t));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        p.drawPath(path);
    }
}

void DrawRectHyperbola(QPainter& p) {
    Axes(p);
    p.setPen(Stroke(kShape, 1.5));
    constexpr double k = 9;
    Curve(p, 13.5, 21, [&](double x) { return 10.5 - k / (x - 12.5); });
    Curve(p, 4, 11.5, [&](double x) { return 10.5 - k / (x - 12.5); });
}

void DrawParabola(QPainter& p) {
    Axes(p);
    p.setPen(Stroke(kShape, 1.5));
    Curve(p, 5.5, 19.5, [](double x) { return 16 - 0.27 * (x - 12.5) * (x - 12.5); });
}

void DrawTriangle(QPainter& p) {
    p.setPen(Stroke(kShape, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{{12.5, 3}, {20.5, 16.5}, {4.5, 16.5}});
}

void DrawEllipse(QPainter& p) {
    p.setPen(Stroke(kShape, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12.5, 10), 8.5, 5.5);
}

void DrawRotate(QPainter& p) {
    const QPointF c(12.5, 10);
    constexpr double r = 6;
    constexpr double start = 30, sweep = -300;
    QPainterPath path;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    p.setPen(Stroke(kShape, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    // Clockwise on screen: the end of the arc moves along (sin, cos) of its angle; it ends at
    // the top, pointing right into the gap.
    const double end = (start + sweep) * std::numbers::pi / 180;
    const QPointF tip = path.currentPosition();
    const QPointF direction(std::sin(end), std::cos(end));
    ArrowHead(p, tip + direction * 3, direction, 5.5, 3.5);
}

void DrawHex(QPainter& p) {
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const double angle = i * std::numbers::pi / 3;
        hex << QPointF(12.5 + 8 * std::cos(angle), 10 + 7.5 * std::sin(angle));
    }
    p.setPen(Stroke(kShape, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(hex);
}

void DrawEraser(QPainter& p) {
    p.save();
    p.translate(12, 10);
    p.rotate(-35);
    const QRectF body(-7.5, -3.5, 15, 7);
    QRectF tip = body;
    tip.setWidth(6);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawRect(body);
    p.setBrush(QColor(232, 96, 128));
    p.drawRect(tip);
    p.setPen(Stroke(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(body);
    p.drawLine(tip.topRight(), tip.bottomRight());
    p.restore();
}

void DrawColours(QPainter& p) {
    const std::array<QColor, 6> colours{QColor(230, 0, 0),   QColor(0, 170, 0),
                                        QColor(0, 60, 230),  QColor(255, 220, 0),
                                        QColor(200, 0, 200), QColor(0, 200, 220)};
    p.setRenderHint(QPainter::Antialiasing, false);
    // Three by two swatches of 5 x 5 pixels inside one-pixel black lines.
    constexpr int kLeft = 2, kTop = 3, kPitch = 6;
    p.fillRect(kLeft, kTop, 3 * kPitch + 1, 2 * kPitch + 1, kInk);
    for (int i = 0; i < 6; ++i)
        p.fillRect(kLeft + 1 + (i % 3) * kPitch, kTop + 1 + (i / 3) * kPitch, kPitch - 1,
                   kPitch - 1, colours[i]);
    p.setRenderHint(QPainter::Antialiasing, true);
}

void DrawText(QPainter& p) {
    QFont font("Liberation Sans");
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, kGlyphWidth, kGlyphHeight), Qt::AlignCenter, "A");
}

void DrawSpeakerBody(QPainter& p, const QColor& colour) {
    p.setPen(Stroke(kInk, 1));
    p.setBrush(colour);
    p.drawPolygon(
        QPolygonF{{3.5, 7.5}, {7, 7.5}, {11.5, 3.5}, {11.5, 16.5}, {7, 12.5}, {3.5, 12.5}});
}

void DrawSpeaker(QPainter& p, bool on) {
    if (on) {
        DrawSpeakerBody(p, QColor(60, 60, 60));
        p.setPen(Stroke(kShape, 1.4));
        p.setBrush(Qt::NoBrush);
        const QPointF c(11.5, 10);
        for (double r : {3.5, 6.5, 9.5}) {
            const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
            p.drawArc(box, -45 * 16, 90 * 16);
        }
    } else {
        DrawSpeakerBody(p, QColor(60, 60, 60));
        p.setPen(Stroke(kRed, 2));
        p.drawLine(QPointF(2.5, 17.5), QPointF(20.5, 2.5));
    }
}

void DrawScreen(QPainter& p, bool on) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(QRectF(2.5, 1.5, 19, 14), 1.5, 1.5);
    p.drawRect(QRectF(10.5, 15, 3, 2.5));
    p.drawRoundedRect(QRectF(7, 17, 10, 2), 1, 1);
    const QRectF screen(4.5, 3.5, 15, 10);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!on) {
        p.fillRect(screen, QColor(16, 16, 16));
        p.setRenderHint(QPainter::Antialiasing, true);
        return;
    }
    p.fillRect(screen, QColor(120, 190, 250));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.save();
    p.setClipRect(screen);
    p.setBrush(QColor(255, 215, 0));
    p.drawEllipse(QPointF(16.5, 6.5), 2, 2);
    p.setBrush(QColor(40, 150, 40));
    p.drawPolygon(
        QPolygonF{{4.5, 13.5}, {4.5, 10}, {9, 7}, {13, 10.5}, {15, 9}, {19.5, 12}, {19.5, 13.5}});
    p.restore();
}

void DrawFace(QPainter& p, Look look) {
    if (look == Look::Normal) {
        p.fillRect(0, 0, kGlyphWidth, kGlyphHeight, kFace);
        return;
    }
    // Sunken: shadow on the top and left, light on the bottom and right.
    p.fillRect(0, 0, kGlyphWidth, kGlyphHeight, kActiveFace);
    p.fillRect(0, 0, kGlyphWidth, 1, kShadow);
    p.fillRect(0, 0, 1, kGlyphHeight, kShadow);
    p.fillRect(0, kGlyphHeight - 1, kGlyphWidth, 1, kLight);
    p.fillRect(kGlyphWidth - 1, 0, 1, kGlyphHeight, kLight);
}

} // namespace

std::span<const GlyphFiles> AllGlyphs() {
    return kGlyphs;
}

QImage DrawGlyph(Glyph glyph, Look look) {
    QImage image(kGlyphWidth, kGlyphHeight, QImage::Format_RGB32);
    QPainter p(&image);
    const bool isSwitch = glyph == Glyph::Speaker || glyph == Glyph::Screen;
    const Look face = isSwitch ? Look::Normal : look;
    DrawFace(p, face);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    // A pressed button shows its picture one pixel down and to the right.
    if (face == Look::Second) p.translate(1, 1);
    const bool second = look == Look::Second;
    switch (glyph) {
    case Glyph::Pointer: DrawPointer(p); break;
    case Glyph::Move: DrawMove(p); break;
    case Glyph::Line: DrawLine(p); break;
    case Glyph::Box: DrawBox(p); break;
    case Glyph::Fill: DrawFill(p, second); break;
    case Glyph::Circle: DrawCircle(p); break;
    case Glyph::Hyperbola: DrawHyperbola(p); break;
    case Glyph::RectHyperbola: DrawRectHyperbola(p); break;
    case Glyph::Parabola: DrawParabola(p); break;
    case Glyph::Triangle: DrawTriangle(p); break;
    case Glyph::Ellipse: DrawEllipse(p); break;
    case Glyph::Rotate: DrawRotate(p); break;
    case Glyph::Hex: DrawHex(p); break;
    case Glyph::Eraser: DrawEraser(p); break;
    case Glyph::Colours: DrawColours(p); break;
    case Glyph::Text: DrawText(p); break;
    case Glyph::Speaker: DrawSpeaker(p, !second); break;
    case Glyph::Screen: DrawScreen(p, !second); break;
    }
    p.end();
    return image;
}

} // namespace pelcor::assetgen
