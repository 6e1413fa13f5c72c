#include "app/DesktopServices.h"

#include "platform/Shell.h"
#include "platform/widgets/DesktopDialogs.h"
#include "platform/widgets/DesktopSound.h"

namespace pelcor {

DesktopServices::DesktopServices(QWidget* window, Dialogs* dialogs, Sound* sound, Shell* shell)
    : dialogs_(dialogs), sound_(sound), shell_(shell) {
    if (!dialogs_) {
        ownDialogs_ = std::make_unique<DesktopDialogs>(window);
        dialogs_ = ownDialogs_.get();
    }
    if (!sound_) {
        ownSound_ = std::make_unique<DesktopSound>();
        sound_ = ownSound_.get();
    }
    if (!shell_) {
        ownShell_ = std::make_unique<DesktopShell>();
        shell_ = ownShell_.get();
    }
}

DesktopServices::~DesktopServices() = default;

} // namespace pelcor
