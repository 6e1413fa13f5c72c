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

} // namespace pelcor
