// Any bytes read as the settings file give settings; what they write reads back as the same
// settings, so the file stays the same from one run to the next (a personal value is kept to
// the 15 digits it is written with). A settings file the start refuses is left as it was by
// the save that follows.
#include "StateFileCheck.h"

#include "platform/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    const Settings read =
        Settings::FromFileBytes(std::string(reinterpret_cast<const char*>(data), size));
    const std::string written = read.ToFileBytes();
    const Settings again = Settings::FromFileBytes(written);
    if (again.ToFileBytes() != written) std::abort();
    // Texts kept as they are read back exactly; numbers as they were written.
    for (int i = 0; i < Settings::kPersonal; ++i)
        if (again.personalTitles[i] != read.personalTitles[i] ||
            again.personalValues[i].has_value() != read.personalValues[i].has_value())
            std::abort();
    if (again.readout != read.readout || again.displayMode != read.displayMode) std::abort();

    fuzz::CheckStateFile(
        data, size, "Pelcor.ini", read_limit::Settings,
        [](const std::string& bytes) { return Settings::FromFileBytes(bytes).ToFileBytes(); });
    return 0;
}
