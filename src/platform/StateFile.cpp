#include "platform/StateFile.h"

#include "platform/AtomicFile.h"

namespace pelcor {

StateFile::StateFile(std::string path, std::size_t limit)
    : path_(std::move(path)), limit_(limit), target_(path_) {}

LoadedFile StateFile::Load() {
    refusal_.clear();
    readBeside_ = false;
    target_ = path_;
    LoadedFile own = ReadRegularFile(path_, limit_);
    if (own.ok() || own.missing) return own;

    refusal_ = own.error;
    target_ = besidePath();
    LoadedFile beside = ReadRegularFile(target_, limit_);
    if (beside.ok()) {
        readBeside_ = true;
        return beside;
    }
    if (!beside.missing) target_.clear();
    return own;
}

std::string StateFile::Save(const std::string& bytes) const {
    if (target_.empty())
        return "neither " + path_ + " nor " + besidePath() + " could be read at start";
    return WriteFileAtomically(target_, bytes);
}

} // namespace pelcor
