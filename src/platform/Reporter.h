#pragma once

#include <string>

namespace pelcor {

// How a feature's model tells the window what the user must see or hear. The main window
// implements it once; tests record what arrives.
class Reporter {
public:
    virtual ~Reporter() = default;

    // The information line: a message replaces the one shown.
    virtual void showInfo(const std::string& text) = 0;
    // The error beep (silent while sound is off).
    virtual void beep() = 0;
    // A message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;

    // The information line's text as shown now.
    virtual std::string infoText() const { return {}; }
    // While the line is locked, pointer movement does not clear it and hover help rests.
    virtual bool infoLocked() const { return false; }
    // A wave sound beside the program, such as "SndFiles\\Soundon.wav" (silent while sound
    // is off or the file is missing).
    virtual void playWave(const std::string& relativeName) { (void)relativeName; }
    // Puts `text` into the calculator's readout. With `focus` the readout also takes the
    // keyboard focus with the caret at the end and one character selected; without it only
    // the text changes.
    virtual void replaceReadout(const std::string& text, bool focus) { (void)text, (void)focus; }
    // The calculator's readout as shown now.
    virtual std::string readoutText() const { return {}; }
};

} // namespace pelcor
