#pragma once

#include "platform/Canvas.h"

#include <QWidget>

namespace pelcor {

// A picture control that shows its own canvas, pixel for pixel.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString& name, int width, int height, int background, QWidget* parent);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }
    // Replaces the picture with one stretched over the control's size.
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Canvas canvas_;
};

} // namespace pelcor
