#pragma once

#include "platform/Reporter.h"
#include "platform/Screens.h"

// A screen host that always shows the board and a reporter that shows nothing, for the
// features' models and views timed alone.
class NoScreens : public pelcor::Screens {
public:
    pelcor::DisplayMode displayMode() const override { return pelcor::DisplayMode::Board; }
    void setDisplayMode(pelcor::DisplayMode) override {}
    void showDisplayMode() override {}
    pelcor::DisplayMode savedDisplayMode() const override { return pelcor::DisplayMode::Board; }
    void setSavedDisplayMode(pelcor::DisplayMode) override {}
    void resetIdle() override {}
    void setIdleTimerRunning(bool) override {}
    void stopClock() override {}
    void showOnly(pelcor::ScreenPicture) override {}
    bool isShown(pelcor::ScreenPicture) const override { return false; }
    void setTitle(const std::string&) override {}
};

class NoReporter : public pelcor::Reporter {
public:
    void showInfo(const std::string&) override {}
    void beep() override {}
    void showMessage(const std::string&) override {}
};
