#include "platform/Sound.h"

#include <QApplication>

namespace pelcor {

void DesktopSound::beep() {
    QApplication::beep();
}

void DesktopSound::playWave(const std::string&) {}

} // namespace pelcor
