#include "Sounds.h"

#include "platform/AtomicFile.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace pelcor::assetgen {

namespace {

// Loudest sample of a sound, as a share of full scale.
constexpr double kPeak = 0.55;
constexpr double kSoftPeak = 0.5;
// Every sound fades to nothing over its last few milliseconds, so playback never ends
// with a click.
constexpr double kFadeOut = 0.012;

// One tone whose pitch moves smoothly (on a musical, that is logarithmic, scale) from
// `startHz` to `endHz`. It rises to full loudness in `attack` seconds and then dies away
// exponentially, losing 1/e every `decay` seconds.
struct Tone {
    double start = 0;  // seconds into the sound
    double length = 0; // seconds
    double startHz = 0;
    double endHz = 0;
    double attack = 0.005;
    double decay = 0.1;
    double loudness = 1; // relative to the other tones of the sound
    double overtone = 0; // loudness of the octave above, relative to the tone
};

void AddTone(std::vector<double>& mix, const Tone& tone) {
    const int first = static_cast<int>(tone.start * kSoundRate);
    const int count = static_cast<int>(tone.length * kSoundRate);
    const double ratio = tone.endHz / tone.startHz;
    double phase = 0;
    for (int i = 0; i < count && first + i < static_cast<int>(mix.size()); ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double hz = tone.startHz * std::pow(ratio, t / tone.length);
        const double rise = std::min(1.0, t / tone.attack);
        const double fall = std::exp(-t / tone.decay);
        // Each tone also fades out by itself, so one ending inside another stays quiet.
        const double left = tone.length - t;
        const double tail = std::min(1.0, left / kFadeOut);
        const double wave = std::sin(phase) + tone.overtone * std::sin(2 * phase);
        mix[first + i] += tone.loudness * rise * fall * tail * wave;
        phase += 2 * std::numbers::pi * hz / kSoundRate;
    }
}

// Scales the mix so its loudest sample is `peak` of full scale and rounds it to 16 bits.
Samples Finish(const std::vector<double>& mix, double peak) {
    double loudest = 0;
    for (double v : mix)
        loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0 ? peak * 32767 / loudest : 0;
    Samples out;
    out.reserve(mix.size());
    for (double v : mix)
        out.push_back(static_cast<std::int16_t>(std::lround(v * scale)));
    return out;
}

Samples Render(double seconds, double peak, std::initializer_list<Tone> tones) {
    std::vector<double> mix(static_cast<std::size_t>(seconds * kSoundRate), 0.0);
    for (const Tone& tone : tones)
        AddTone(mix, tone);
    return Finish(mix, peak);
}

void PutText(std::string& out, const char* text) {
    out.append(text, 4);
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

Samples SynthesiseSoundOn() {
    // A5 then E6, a rising fifth; the second note starts while the first dies away.
    return Render(0.35, kPeak,
                  {
                      {.start = 0.0,
                       .length = 0.17,
                       .startHz = 880.0,
                       .endHz = 880.0,
                       .attack = 0.004,
                       .decay = 0.07,
                       .loudness = 0.8,
                       .overtone = 0.2},
                      {.start = 0.11,
                       .length = 0.24,
                       .startHz = 1318.5,
                       .endHz = 1318.5,
                       .attack = 0.004,
                       .decay = 0.08,
                       .loudness = 1.0,
                       .overtone = 0.2},
                  });
}

Samples SynthesiseScreenOn() {
    return Render(0.25, kPeak,
                  {{.start = 0.0,
                    .length = 0.25,
                    .startHz = 660.0,
                    .endHz = 1760.0,
                    .attack = 0.006,
                    .decay = 0.09,
                    .loudness = 1.0,
                    .overtone = 0.25}});
}

Samples SynthesiseScreenOff() {
    // A quieter pure tone with a slower start sounds softer than the bright "on" glide.
    return Render(0.25, kSoftPeak,
                  {{.start = 0.0,
                    .length = 0.25,
                    .startHz = 990.0,
                    .endHz = 370.0,
                    .attack = 0.015,
                    .decay = 0.1,
                    .loudness = 1.0,
                    .overtone = 0.0}});
}

std::string EncodeWave(const Samples& samples, int rate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    PutText(out, "RIFF");
    PutLittleEndian(out, 36 + dataBytes, 4);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutLittleEndian(out, 16, 4);       // size of the format block
    PutLittleEndian(out, 1, 2);        // PCM
    PutLittleEndian(out, 1, 2);        // one channel
    PutLittleEndian(out, rate, 4);     // samples per second
    PutLittleEndian(out, rate * 2, 4); // bytes per second
    PutLittleEndian(out, 2, 2);        // bytes per sample frame
    PutLittleEndian(out, 16, 2);       // bits per sample
    PutText(out, "data");
    PutLittleEndian(out, dataBytes, 4);
    for (std::int16_t s : samples)
        PutLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

std::string WriteRuntimeSounds(const std::string& folder) {
    const QString soundFolder = QDir(QString::fromStdString(folder)).filePath("SndFiles");
    if (!QDir().mkpath(soundFolder))
        return soundFolder.toStdString() + ": cannot create the folder";

    const struct {
        const char* name;
        Samples (*make)();
    } sounds[] = {
        {"Soundon.wav", SynthesiseSoundOn},
        {"Screenon.wav", SynthesiseScreenOn},
        {"Screenoff.wav", SynthesiseScreenOff},
    };
    for (const auto& sound : sounds) {
        const std::string path = QDir(soundFolder).filePath(sound.name).toStdString();
        const std::string error = WriteFileAtomically(path, EncodeWave(sound.make(), kSoundRate));
        if (!error.empty()) return path + ": " + error;
    }
    return {};
}

} // namespace pelcor::assetgen
