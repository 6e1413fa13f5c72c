#pragma once

#include <QPixmap>
#include <QString>

namespace pelcor {

// The picture of a category button of the converter: its icon and `name`, drawn by the
// program.
QPixmap CategoryPicture(int category, const QString& name, int width, int height);
// The picture of the converter's about panel.
QPixmap AboutPicture(int width, int height);

} // namespace pelcor
