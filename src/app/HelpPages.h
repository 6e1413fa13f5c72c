#pragma once

#include "platform/ProgramFiles.h"

namespace pelcor {

class Reporter;
class Shell;

// The Help menu's pages: "Help File" opens the help shipped with the program and says on
// the information line how the desktop answered; "Online help" opens the same page on the
// web site.
class HelpPages {
public:
    HelpPages(Shell& shell, ProgramFiles files, Reporter& reporter);

    void HelpFile1Click();
    void Onlinehelp1Click();

private:
    Shell& shell_;
    ProgramFiles files_;
    Reporter& reporter_;
};

} // namespace pelcor
