#pragma once

#include <memory>
#include <string>

class QSoundEffect;

namespace pelcor {

// The error beep and the wave sounds. Whether sound is on is the caller's business.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
    // Plays a wave file without waiting for it; a missing file is skipped silently.
    virtual void playWave(const std::string& path) = 0;
};

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
