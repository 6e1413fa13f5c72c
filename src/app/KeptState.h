#pragma once

#include "platform/ProgramFiles.h"
#include "platform/SettingsFile.h"
#include "platform/StateFile.h"

#include <cstddef>
#include <optional>
#include <string>

namespace pelcor {

class Dialogs;
class Reporter;

// What the program keeps between runs in the user's folder: the settings "Pelcor.ini" and
// the tape "TotalStr.dat". A file that is there but can't be read is said once start-up is
// done and is not written over at exit (the exit saves beside it); a missing one leaves the
// start values. A save that fails is said once a run, on the information line and in a
// message; what the user must know about the files kept is said once a run at exit.
class KeptState {
public:
    KeptState(ProgramFiles userFiles, Dialogs& dialogs, Reporter& reporter);

    // The tape's text, or nothing when there is none to read.
    std::optional<std::string> LoadTape();
    // The tape shows only its newest lines: the user is told where the rest is, unless a
    // file problem is to be said.
    void NoteTapeLinesNotShown(std::size_t hidden);
    // Reads the settings into settings(); false when there are none to read (the start
    // values stay).
    bool LoadSettings();
    // The settings as read, and as the features write them before the exit saves them.
    Settings& settings() { return settings_; }
    // What start-up must say and hold on the information line once it is done: the first
    // file refused, or `problem` said here (the remembered drawing did not open), else the
    // tape's note; empty when all is well.
    void SetStartupProblem(const std::string& problem) { problem_ = problem; }
    std::string StartupProblem() const { return problem_.empty() ? tapeNote_ : problem_; }

    // Writes the tape and settings().
    void Save(const std::string& tape);

private:
    void prepare();
    void noteRefusal(const StateFile& file, const char* name);

    ProgramFiles userFiles_;
    Dialogs& dialogs_;
    Reporter& reporter_;
    // Where the files were read from and where they are saved.
    StateFile tapeFile_{{}, 0};
    StateFile settingsFile_{{}, 0};
    Settings settings_;
    std::string problem_;
    std::string tapeNote_;
    bool saveFailureReported_ = false;
    bool exitNoticeShown_ = false;
};

} // namespace pelcor
