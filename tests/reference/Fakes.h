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

    // Image1's picture; the pictures hidden; the electrical reference's text and ground.
    QImage image1;
    std::vector<pelcor::ScreenPicture> hidden;
    std::string referenceText;
    int referenceBackground = -1;
    void setPicture(pelcor::ScreenPicture p, const QImage& image) override {
        if (p == pelcor::ScreenPicture::Image1) image1 = image;
    }
    void hidePicture(pelcor::ScreenPicture p) override {
        hidden.push_back(p);
        if (p == pelcor::ScreenPicture::RefLabel) refLabelShown = false;
    }
    void setReferenceText(const std::string& text, int background) override {
        referenceText = text;
        referenceBackground = background;
    }
};

using FakeReporter = pelcor::testing::RecordingReporter;
