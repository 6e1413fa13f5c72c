#include "platform/Canvas.h"

#include "platform/Colors.h"

#include <QFontMetrics>
#include <QPainter>

namespace pelcor {

namespace {

QPainter* Begin(QPainter& p, QImage& image) {
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    return &p;
}

} // namespace

Canvas::Canvas(int width, int height, int background)
    : image_(width, height, QImage::Format_RGB32) {
    clear(background);
}

void Canvas::resize(int width, int height, int background) {
    image_ = QImage(width, height, QImage::Format_RGB32);
    clear(background);
}

void Canvas::clear(int color) {
    image_.fill(ToQColor(color));
}

void Canvas::setFont(const QString& name, int pointSize, int color, bool bold, bool italic) {
    fontName_ = name;
    fontSize_ = pointSize;
    fontColor_ = color;
    fontBold_ = bold;
    fontItalic_ = italic;
}

QFont Canvas::font() const {
    QFont f(fontName_);
    // Sizes are points at the desktop's 96 dots per inch.
    f.setPixelSize(qMax(1, (fontSize_ * 96 + 36) / 72));
    f.setBold(fontBold_);
    f.setItalic(fontItalic_);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void Canvas::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Canvas::lineTo(int x, int y) {
    QPainter p;
    Begin(p, image_);
    QPen pen(ToQColor(penColor_));
    pen.setWidth(penWidth_ == 1 ? 0 : penWidth_);
    pen.setStyle(penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    if (penWidth_ == 1 && penStyle_ == PenStyle::Solid) {
        // Leave out the end point: draw to it and restore the pixel it covered.
        const bool inside = image_.rect().contains(x, y);
        const QRgb keep = inside ? image_.pixel(x, y) : 0;
        p.drawLine(penX_, penY_, x, y);
        p.end();
        if (inside && (x != penX_ || y != penY_)) image_.setPixel(x, y, keep);
    } else {
        p.drawLine(penX_, penY_, x, y);
    }
    penX_ = x;
    penY_ = y;
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    QPainter p;
    Begin(p, image_);
    if (brushStyle_ != BrushStyle::Clear) {
        p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1),
                   QBrush(ToQColor(brushColor_), brushStyle_ == BrushStyle::Solid
                                                     ? Qt::SolidPattern
                                                     : Qt::DiagCrossPattern));
    }
    QPen pen(ToQColor(penColor_));
    pen.setWidth(0);
    pen.setStyle(penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (x2 - x1 >= 1 && y2 - y1 >= 1) p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    QPainter p;
    Begin(p, image_);
    QPen pen(ToQColor(penColor_));
    pen.setWidth(penWidth_ == 1 ? 0 : penWidth_);
    pen.setStyle(penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    if (brushStyle_ == BrushStyle::Clear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(QBrush(ToQColor(brushColor_), brushStyle_ == BrushStyle::Solid
                                                     ? Qt::SolidPattern
                                                     : Qt::DiagCrossPattern));
    p.drawEllipse(QRect(x1, y1, qMax(0, x2 - x1 - 1), qMax(0, y2 - y1 - 1)));
}

void Canvas::fillRect(int x1, int y1, int x2, int y2) {
    if (brushStyle_ == BrushStyle::Clear) return;
    QPainter p;
    Begin(p, image_);
    p.fillRect(
        QRect(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2) - 1, qMax(y1, y2) - 1)),
        QBrush(ToQColor(brushColor_),
               brushStyle_ == BrushStyle::Solid ? Qt::SolidPattern : Qt::DiagCrossPattern));
}

void Canvas::textOut(int x, int y, const QString& text) {
    QPainter p;
    Begin(p, image_);
    QFont f = font();
    p.setFont(f);
    QFontMetrics fm(f);
    if (brushStyle_ != BrushStyle::Clear)
        p.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), ToQColor(brushColor_));
    p.setPen(ToQColor(fontColor_));
    p.drawText(x, y + fm.ascent(), text);
    penX_ = x + fm.horizontalAdvance(text);
    penY_ = y;
}

int Canvas::textHeight(const QString&) const {
    return QFontMetrics(font()).height();
}

int Canvas::textWidth(const QString& text) const {
    return QFontMetrics(font()).horizontalAdvance(text);
}

int Canvas::pixel(int x, int y) const {
    if (!image_.rect().contains(x, y)) return -1;
    return FromQColor(QColor(image_.pixel(x, y)));
}

void Canvas::setPixel(int x, int y, int color) {
    if (image_.rect().contains(x, y)) image_.setPixel(x, y, ToQColor(color).rgb());
}

void Canvas::stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture) {
    if (picture.isNull()) return;
    QPainter p;
    Begin(p, image_);
    p.drawImage(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), picture);
}

} // namespace pelcor
