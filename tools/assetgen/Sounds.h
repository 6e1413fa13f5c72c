#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pelcor::assetgen {

inline constexpr int kSoundRate = 22050;

// Mono 16-bit samples at kSoundRate.
using Samples = std::vector<std::int16_t>;

// Played when sound is switched on: a rising two-note chime.
Samples SynthesiseSoundOn();
// Played when the screen pictures are switched on: a bright upward glide.
Samples SynthesiseScreenOn();
// Played when the screen pictures are switched off: a softer downward glide.
Samples SynthesiseScreenOff();

// The bytes of a RIFF/WAVE file holding `samples` as 16-bit mono PCM at `rate`.
std::string EncodeWave(const Samples& samples, int rate);

// Writes SndFiles/Soundon.wav, Screenon.wav and Screenoff.wav below `folder`, creating the
// folder as needed. Returns an empty text on success, else the reason for the first failure.
std::string WriteRuntimeSounds(const std::string& folder);

} // namespace pelcor::assetgen
