#pragma once

#include "platform/Sound.h"

#include <memory>

class QSoundEffect;

namespace pelcor {

// The desktop's beep, and waves played asynchronously by the desktop's sound player
// (silent where no audio device exists).
class DesktopSound : public Sound {
public:
    DesktopSound();
    ~DesktopSound() override;
    void beep() override;
    void playWave(const std::string& path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace pelcor
