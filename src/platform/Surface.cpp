#include "platform/Surface.h"

#include <QFontMetrics>

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace pelcor {

void Surface::setFont(const QString& name, int pointSize, int color, bool bold, bool italic) {
    fontName_ = name;
    fontSize_ = pointSize;
    fontColor_ = color;
    fontBold_ = bold;
    fontItalic_ = italic;
}

void Surface::HoldBox(int& x1, int& y1, int& x2, int& y2) const {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    auto hold = [](int v, int size) { return std::clamp(v, -2, size + 2); };
    x1 = hold(x1, width());
    x2 = hold(x2, width());
    y1 = hold(y1, height());
    y2 = hold(y2, height());
}

QFont Surface::font() const {
    QFont f(fontName_);
    // Points at 96 dots per inch, held to a size the desktop can draw.
    const long long points = std::llabs(static_cast<long long>(fontSize_));
    f.setPixelSize(static_cast<int>(std::clamp<long long>((points * 96 + 36) / 72, 1, 1000)));
    f.setBold(fontBold_);
    f.setItalic(fontItalic_);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int Surface::textHeight(const QString&) const {
    return QFontMetrics(font()).height();
}

int Surface::textWidth(const QString& text) const {
    return QFontMetrics(font()).horizontalAdvance(text);
}

void Surface::takeStyle(const Surface& other) {
    const int width = width_, height = height_;
    const std::uint64_t generation = generation_;
    *this = other;
    width_ = width;
    height_ = height;
    generation_ = generation;
}

void Surface::touch() {
    static std::atomic<std::uint64_t> last{0};
    generation_ = ++last;
}

} // namespace pelcor
