#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QString>

#include <memory>

namespace pelcor {

// A paint device whose painter writes an SVG document: its view box is the device's
// `width` x `height` pixels, at 96 pixels to the inch.
//
// - paths are <path>s, drawn with the painter's pen and brush; one group carries the style
//   (pen, brush, fill rule, transform) of every path drawn one after another with it, so a
//   picture of many shapes in few colours stays small;
// - texts are <text>s in their fonts, at their baselines, in the pen's colour;
// - pictures are <image>s holding a PNG;
// - the clip is not written: the view box is the picture's edge.
class SvgDocument final : public QPaintDevice {
public:
    SvgDocument(int width, int height, const QString& title, const QString& description);
    ~SvgDocument() override;
    SvgDocument(const SvgDocument&) = delete;
    SvgDocument& operator=(const SvgDocument&) = delete;

    QPaintEngine* paintEngine() const override;
    // The document written so far; whole once the painter has ended.
    const QByteArray& bytes() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> engine_;
    int width_, height_;
};

} // namespace pelcor
