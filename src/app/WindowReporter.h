#pragma once

#include "platform/ProgramFiles.h"
#include "platform/Reporter.h"

#include <QObject>

#include <string>

namespace pelcor {

class Dialogs;
class InfoLine;
class ReadoutAccess;
class Sound;
struct Options;

// What the features' models tell the user, said one way for the whole window: messages on
// the information line, the beep and the wave sounds while the sound is on, message boxes,
// and the readout's text, which the window hands to the calculator's view.
class WindowReporter : public QObject, public Reporter {
    Q_OBJECT
public:
    WindowReporter(InfoLine& info, const Options& options, Sound& sound, Dialogs& dialogs,
                   ProgramFiles files, const ReadoutAccess& readout);

    void showInfo(const std::string& text) override;
    void beep() override;
    void showMessage(const std::string& text) override;
    std::string infoText() const override;
    bool infoLocked() const override;
    void playWave(const std::string& relativeName) override;
    void replaceReadout(const std::string& text, bool focus) override;
    std::string readoutText() const override;

signals:
    void readoutReplaceRequested(const std::string& text, bool focus);

private:
    InfoLine& info_;
    const Options& options_;
    Sound& sound_;
    Dialogs& dialogs_;
    ProgramFiles files_;
    const ReadoutAccess& readout_;
};

} // namespace pelcor
