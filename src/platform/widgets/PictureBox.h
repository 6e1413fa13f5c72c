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

    // How the picture on the canvas was drawn, to draw it again on another surface of the
    // same size (a vector picture, a printed page). A drawing set once the picture is drawn
    // stands for it until anything else draws on the canvas; a live one (a picture always
    // drawn again from its model) stands for it always.
    void setDrawing(SurfaceDrawing drawing, bool live = false);
    // Whether the drawing set stands for the picture on the canvas.
    bool hasDrawing() const;
    // The drawing that stands for the picture, or else one that stretches the canvas's
    // pixels over the surface.
    SurfaceDrawing drawing() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Canvas canvas_;
    SurfaceDrawing drawing_;
    bool live_ = false;
    std::uint64_t drawnAt_ = 0; // the canvas's generation when the drawing was set
};

} // namespace pelcor
