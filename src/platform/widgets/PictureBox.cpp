#include "platform/widgets/PictureBox.h"

#include "platform/Colors.h"

#include <QPainter>

#include <utility>

namespace pelcor {

PictureBox::PictureBox(const QString& name, int width, int height, int background, QWidget* parent)
    : QWidget(parent), canvas_(width, height, background) {
    setObjectName(name);
    setGeometry(0, 0, width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture) {
    if (canvas_.width() != width() || canvas_.height() != height())
        canvas_.resize(width(), height(), colors::White);
    canvas_.stretchDraw(0, 0, width(), height(), picture);
    update();
}

void PictureBox::setDrawing(SurfaceDrawing drawing, bool live) {
    drawing_ = std::move(drawing);
    live_ = live;
    drawnAt_ = canvas_.generation();
}

bool PictureBox::hasDrawing() const {
    return drawing_ && (live_ || drawnAt_ == canvas_.generation());
}

SurfaceDrawing PictureBox::drawing() const {
    if (hasDrawing()) return drawing_;
    return [picture = canvas_.image()](Surface& surface) {
        surface.stretchDraw(0, 0, surface.width(), surface.height(), picture);
    };
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, canvas_.image());
}

} // namespace pelcor
