#include "platform/Colors.h"

#include <QColor>

namespace pelcor {

QColor ToQColor(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int FromQColor(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

} // namespace pelcor
