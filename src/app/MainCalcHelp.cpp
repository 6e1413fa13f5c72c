// Help and the about panel.

#include "app/MainCalc.h"

#include "app/AboutView.h"
#include "app/InfoLine.h"
#include "app/ScreenHost.h"
#include "platform/Shell.h"

namespace pelcor {

namespace {

const char* const kHelpPage = "calculator_help/help_menu.htm";

} // namespace

void TMainCalc1::HelpFile1Click() {
    const int result = shell_->open(files_.resolve(kHelpPage));
    std::string text = "Show help files";
    switch (result) {
    case 2: text = "invalid path or filename"; break;
    case 8: text = "insufficient memory"; break;
    case 11: text = "invalid EXE file"; break;
    case 31: text = "invalid action, or no application associated with the specified file"; break;
    default: break;
    }
    info_->Show(text);
}

void TMainCalc1::Onlinehelp1Click() {
    shell_->open(std::string(AboutView::WebSite()) + kHelpPage);
}

void TMainCalc1::AboutUs1Click() {
    about_->AboutUs1Click(screens_->StartPicture());
}

} // namespace pelcor
