#include "app/HelpPages.h"

#include "app/AboutView.h"
#include "platform/Reporter.h"
#include "platform/Shell.h"

#include <string>

namespace pelcor {

namespace {

const char* const kHelpPage = "calculator_help/help_menu.htm";

} // namespace

HelpPages::HelpPages(Shell& shell, ProgramFiles files, Reporter& reporter)
    : shell_(shell), files_(std::move(files)), reporter_(reporter) {}

void HelpPages::HelpFile1Click() {
    const int result = shell_.open(files_.resolve(kHelpPage));
    std::string text = "Show help files";
    switch (result) {
    case 2: text = "invalid path or filename"; break;
    case 8: text = "insufficient memory"; break;
    case 11: text = "invalid EXE file"; break;
    case 31: text = "invalid action, or no application associated with the specified file"; break;
    default: break;
    }
    reporter_.showInfo(text);
}

void HelpPages::Onlinehelp1Click() {
    shell_.open(std::string(AboutView::WebSite()) + kHelpPage);
}

} // namespace pelcor
