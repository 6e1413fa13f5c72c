// Any bytes read as the tape file give a tape of finished lines; the tape written and read
// again is the same tape. A tape file the start refuses is left as it was by the save that
// follows.
#include "StateFileCheck.h"

#include "calc/TapeFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelcor;
    const std::string tape =
        TapeFromFileBytes(std::string(reinterpret_cast<const char*>(data), size));
    if (!tape.empty() && tape.substr(tape.size() - 2) != "\r\n") std::abort();
    if (TapeFromFileBytes(TapeToFileBytes(tape)) != tape) std::abort();

    fuzz::CheckStateFile(
        data, size, "TotalStr.dat", read_limit::Tape, [](const std::string& bytes) {
            bool cut = false;
            const std::string saved = TapeToFileBytes(TapeFromFileBytes(bytes), &cut);
            if (cut || saved.size() > read_limit::Tape) std::abort();
            return saved;
        });
    return 0;
}
