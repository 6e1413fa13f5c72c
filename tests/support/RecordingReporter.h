#pragma once

#include "platform/Reporter.h"

#include <string>
#include <vector>

namespace pelcor::testing {

// The window's side of `Reporter` for tests of a model or a view: it records what arrives.
struct RecordingReporter : Reporter {
    std::string info;               // the information line as shown now
    std::vector<std::string> infos; // every line shown, oldest first
    int infoWrites = 0;
    int beeps = 0;
    std::vector<std::string> messages; // message boxes, oldest first
    std::vector<std::string> waves;
    // The readout's text; put there without the focus it reads "(not focused) <text>".
    std::string readout;
    std::string readoutShown; // what readoutText() answers
    bool locked = false;      // what infoLocked() answers

    void showInfo(const std::string& text) override {
        info = text;
        infos.push_back(text);
        ++infoWrites;
    }
    void beep() override { ++beeps; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::string infoText() const override { return info; }
    bool infoLocked() const override { return locked; }
    void playWave(const std::string& relativeName) override { waves.push_back(relativeName); }
    void replaceReadout(const std::string& text, bool focus) override {
        readout = focus ? text : "(not focused) " + text;
    }
    std::string readoutText() const override { return readoutShown; }
};

} // namespace pelcor::testing
