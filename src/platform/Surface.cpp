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
