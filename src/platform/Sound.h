#pragma once

#include <string>

namespace pelcor {

// The error beep and the wave sounds. Whether sound is on is the caller's business.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
    // Plays a wave file without waiting for it; a missing file is skipped silently.
    virtual void playWave(const std::string& path) = 0;
};

// The desktop's beep. Wave playback arrives with the sound options; until then waves are
// not played.
class DesktopSound : public Sound {
public:
    void beep() override;
    void playWave(const std::string& path) override;
};

} // namespace pelcor
