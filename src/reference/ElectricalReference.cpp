#include "reference/ElectricalReference.h"

namespace pelcor {

const std::string& ElectricalReference::Text() {
    static const std::string text = [] {
        const char* lines[] = {
            "1 Farad       = 1 Coulomb / 1 Volt",
            "1 Coulomb = 1 Ampere * 1 Second",
            "1 Volt         = 1 Joule / 1 Coulomb",
            "1 Volt         = 1 Ampere * 1 Ohm  = (1 Watt / 1 Ampere)",
            "1 Ampere   = 1 Coulomb / 1 Second",
            "1 Ampere   = 1 Volt / 1 Ohm",
            "1 Ohm        = 1 Volt / 1 Ampere",
            "1 Watt        = 1 Ampere² * 1 Ohm = (1 Joule / 1 Second)",
            "1 Watt        = 1 Ampere * 1 Volt",
            "1 Henry      = 1 Volt * (1 Second / 1 Ampere)",
            "1 Tesla       = 1 Weber / 1 meter²",
            "1 Tesla       = 1 Newton / (1 Ampere * 1 Meter)",
            "1 Tesla       = 10000 gauss",
            "1 Joule       = 1 kg * (1 Meter²/ 1 second²)",
            "1 Joule      = (1 Newton * 1 Meter)",
            "1 Newton   = 1 kg * (1 Meter per sec per sec)",
        };
        std::string all;
        for (const char* line : lines)
            all += std::string(line) + '\r';
        return all;
    }();
    return text;
}

ElectricalReference::Toggle ElectricalReference::toggle(bool textEditorOpen) {
    if (textEditorOpen) return Toggle::Ignored;
    screens_.setTitle("");
    screens_.setIdleTimerRunning(false);
    if (screens_.displayMode() == DisplayMode::Reference) {
        screens_.showDisplayMode(cameFrom_);
        screens_.setTitle("");
        screens_.setIdleTimerRunning(true);
        return Toggle::Closed;
    }
    cameFrom_ = screens_.displayMode();
    screens_.showDisplayMode(DisplayMode::Reference);
    return Toggle::Opened;
}

} // namespace pelcor
