#include "app/KeptState.h"

#include "calc/TapeFile.h"
#include "platform/Dialogs.h"
#include "platform/Reporter.h"
#include "platform/widgets/Widgets.h"

namespace pelcor {

namespace {

const char* const kSettingsFile = "Pelcor.ini";
const char* const kTapeFile = "TotalStr.dat";

} // namespace

KeptState::KeptState(ProgramFiles userFiles, Dialogs& dialogs, Reporter& reporter)
    : userFiles_(std::move(userFiles)), dialogs_(dialogs), reporter_(reporter) {}

void KeptState::prepare() {
    if (!tapeFile_.path().empty()) return;
    tapeFile_ = StateFile(userFiles_.resolve(kTapeFile), read_limit::Tape);
    settingsFile_ = StateFile(userFiles_.resolve(kSettingsFile), read_limit::Settings);
}

void KeptState::noteRefusal(const StateFile& file, const char* name) {
    if (!file.refused() || !problem_.empty()) return;
    problem_ = std::string("*** ") + name + " was not read: " + file.refusal();
    if (file.readBeside())
        problem_ +=
            "; " + std::string(name) + ".new, saved beside it at the last exit, was read instead";
    problem_ += " ***";
}

std::optional<std::string> KeptState::LoadTape() {
    prepare();
    const LoadedFile tape = tapeFile_.Load();
    noteRefusal(tapeFile_, kTapeFile);
    if (!tape.ok()) return std::nullopt;
    return TapeFromFileBytes(tape.bytes);
}

void KeptState::NoteTapeLinesNotShown(std::size_t hidden) {
    if (hidden == 0) return;
    tapeNote_ = "The tape shows its newest lines; " + std::to_string(hidden) +
                (hidden == 1 ? " older line is" : " older lines are") + " kept in " + kTapeFile;
}

bool KeptState::LoadSettings() {
    prepare();
    const LoadedFile bytes = settingsFile_.Load();
    noteRefusal(settingsFile_, kSettingsFile);
    if (!bytes.ok()) return false;
    settings_ = Settings::FromFileBytes(bytes.bytes);
    return true;
}

void KeptState::Save(const std::string& tape) {
    prepare();
    bool tapeCut = false;
    const std::string tapeBytes = TapeToFileBytes(tape, &tapeCut);
    std::string failure = tapeFile_.Save(tapeBytes);
    const std::string settingsFailure = settingsFile_.Save(settings_.ToFileBytes());
    if (failure.empty()) failure = settingsFailure;
    if (!failure.empty() && !saveFailureReported_) {
        saveFailureReported_ = true;
        const std::string message =
            "The settings could not be saved in " + userFiles_.dir() + ": " + failure;
        reporter_.showInfo(message);
        dialogs_.showMessage(Q(message));
    }

    // What the user must know about the files kept, once a run.
    if (exitNoticeShown_) return;
    std::string notice;
    auto keptBeside = [&notice](const StateFile& file, const char* name, const char* what) {
        if (!file.refused() || file.saveTarget().empty()) return;
        if (!notice.empty()) notice += "\n";
        notice += std::string(name) + " was not read at start (" + file.refusal() +
                  ") and was left as it was; " + what + " saved beside it in " + name + ".new";
    };
    keptBeside(tapeFile_, kTapeFile, "the tape was");
    keptBeside(settingsFile_, kSettingsFile, "the settings were");
    if (tapeCut) {
        if (!notice.empty()) notice += "\n";
        notice += std::string("The tape is longer than ") + kTapeFile +
                  " may hold (16 MB): its oldest lines were left out of the file";
    }
    if (notice.empty()) return;
    exitNoticeShown_ = true;
    dialogs_.showMessage(Q(notice));
}

} // namespace pelcor
