#include "app/WindowReporter.h"

#include "app/InfoLine.h"
#include "app/OptionsView.h"
#include "converter/Converter.h"
#include "platform/Dialogs.h"
#include "platform/Sound.h"
#include "platform/widgets/Widgets.h"

namespace pelcor {

WindowReporter::WindowReporter(InfoLine& info, const Options& options, Sound& sound,
                               Dialogs& dialogs, ProgramFiles files, const ReadoutAccess& readout)
    : info_(info), options_(options), sound_(sound), dialogs_(dialogs), files_(std::move(files)),
      readout_(readout) {}

void WindowReporter::showInfo(const std::string& text) {
    info_.Show(text);
}

void WindowReporter::beep() {
    if (options_.SoundOn) sound_.beep();
}

void WindowReporter::showMessage(const std::string& text) {
    dialogs_.showMessage(Q(text));
}

std::string WindowReporter::infoText() const {
    return info_.Text();
}

bool WindowReporter::infoLocked() const {
    return info_.InfoLock != 0 || info_.held();
}

void WindowReporter::playWave(const std::string& relativeName) {
    if (options_.SoundOn && files_.exists(relativeName))
        sound_.playWave(files_.resolve(relativeName));
}

void WindowReporter::replaceReadout(const std::string& text, bool focus) {
    emit readoutReplaceRequested(text, focus);
}

std::string WindowReporter::readoutText() const {
    return S(readout_.text());
}

} // namespace pelcor
