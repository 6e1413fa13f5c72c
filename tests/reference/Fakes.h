#pragma once

#include "platform/Reporter.h"
#include "platform/Screens.h"

#include "RecordingReporter.h"

#include <string>
#include <vector>

// A screen host that keeps what it was asked.
class FakeScreens : public pelcor::Screens {
public:
    pelcor::DisplayMode mode = pelcor::DisplayMode::Board;
    pelcor::DisplayMode saved = pelcor::DisplayMode::Board;
    bool timerRunning = true;
    int shows = 0; // ShowDisplayMode calls
    std::vector<pelcor::ScreenPicture> only;
    std::string title = "old title";
    bool refLabelShown = false;

    pelcor::DisplayMode displayMode() const override { return mode; }
    void setDisplayMode(pelcor::DisplayMode m) override { mode = m; }
    void showDisplayMode() override {
        ++shows;
        refLabelShown = mode == pelcor::DisplayMode::Reference;
    }
    pelcor::DisplayMode savedDisplayMode() const override { return saved; }
    void setSavedDisplayMode(pelcor::DisplayMode m) override { saved = m; }
    void resetIdle() override {}
    void setIdleTimerRunning(bool running) override { timerRunning = running; }
    void stopClock() override {}
    void showOnly(pelcor::ScreenPicture p) override {
        only.push_back(p);
        refLabelShown = p == pelcor::ScreenPicture::RefLabel;
    }
    bool isShown(pelcor::ScreenPicture p) const override {
        return p == pelcor::ScreenPicture::RefLabel && refLabelShown;
    }
    void setTitle(const std::string& text) override { title = text; }
};

using FakeReporter = pelcor::testing::RecordingReporter;
