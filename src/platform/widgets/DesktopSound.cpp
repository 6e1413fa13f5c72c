#include "platform/widgets/DesktopSound.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace pelcor {

DesktopSound::DesktopSound() = default;
DesktopSound::~DesktopSound() = default;

void DesktopSound::beep() {
    QApplication::beep();
}

void DesktopSound::playWave(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile()) return;
    // One player, kept alive while it plays; a new wave replaces the one playing.
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(file));
    effect_->play();
}

} // namespace pelcor
