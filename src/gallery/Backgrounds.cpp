#include "gallery/Backgrounds.h"

#include "gallery/GalleryPaint.h"

namespace pelcor::gallery {

void ClearBoard(Surface& canvas, int color, ClearOptions options) {
    const int fill = options.wireFrameOn && options.boardVisible ? White : color;
    SetBrush(canvas, fill);
    canvas.clear(fill);
}

void FlatGrid(Surface& canvas) {
    const int w = canvas.width(), h = canvas.height();
    const int cx = w / 2, cy = h / 2;
    canvas.clear(BackgroundColor);
    canvas.setPenColor(GridGrey);
    for (int x = cx; x < w; x += 12)
        Line(canvas, x, 0, x, 2 * cy);
    for (int x = cx; x > 0; x -= 12)
        Line(canvas, x, 0, x, 2 * cy);
    for (int y = cy; y < 2 * cx; y += 12)
        Line(canvas, 0, y, 2 * cx, y);
    for (int y = cy; y > 0; y -= 12)
        Line(canvas, 0, y, 2 * cx, y);
    canvas.setPenColor(AxisRed);
    Line(canvas, 0, cy, 2 * cx, cy);
    Line(canvas, cx, 0, cx, 2 * cy);
}

void PerspectiveGrid(Surface& canvas) {
    const int w = canvas.width(), h = canvas.height();
    const int cx = w / 2, cy = h / 2;
    const int a = cx - 32, b = cy + 32, w2 = 2 * cx;
    canvas.setPenColor(GridGrey);
    // The back wall.
    for (int x = a; x < w; x += 12)
        Line(canvas, x, 0, x, b);
    for (int y = b; y > 0; y -= 12)
        Line(canvas, a, y, w2, y);
    // The left wall.
    for (int n = a, c = 0; n > 0; n -= 10, c += 10)
        Line(canvas, n, 0, n, b + c);
    for (int c = 0, d = 0; c + d < h; c += 12, d += 7)
        Line(canvas, a, c, 0, c + d);
    // The floor.
    for (int y = b, d = 0; y < 2 * cy; y += 10, d += 10)
        Line(canvas, a - d, y, w2, y);
    for (int x = a, d = 0; x < w2; x += 12, d += 19)
        Line(canvas, x, b, d, 2 * cy);
    canvas.setPenColor(AxisRed);
    Line(canvas, a, b, 0, 2 * cy);
    Line(canvas, a, b, a, 0);
    Line(canvas, a, b, w2, b);
}

} // namespace pelcor::gallery
