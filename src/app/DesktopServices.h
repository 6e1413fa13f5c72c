#pragma once

#include <memory>

class QWidget;

namespace pelcor {

class Dialogs;
class Shell;
class Sound;

// What the window asks of the desktop: its dialogs, its sound and its shell (documents and
// web pages). Each is the desktop's own unless a stand-in is handed over (tests).
class DesktopServices {
public:
    DesktopServices(QWidget* window, Dialogs* dialogs, Sound* sound, Shell* shell);
    ~DesktopServices();

    Dialogs& dialogs() const { return *dialogs_; }
    Sound& sound() const { return *sound_; }
    Shell& shell() const { return *shell_; }

private:
    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<Sound> ownSound_;
    std::unique_ptr<Shell> ownShell_;
    Dialogs* dialogs_;
    Sound* sound_;
    Shell* shell_;
};

} // namespace pelcor
