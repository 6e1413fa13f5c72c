#pragma once

#include "platform/DisplayOptions.h"

#include <QObject>

#include <string>

class QCheckBox;
class QFrame;
class QWidget;

namespace pelcor {

class Reporter;
struct Settings;

// The switches of the "Options" menu: sound, screen pictures and the draw mode.
struct Options : DisplayOptions {
    bool SoundOn = true;
    bool ScreenHelpOn = false;
    bool SoundOnAllErrors = true; // "Sound active on all errors": stored, no other effect
    bool WireFrame = false;       // "Wire Frame ON"
    bool BlackWhite = false;      // "Black white"

    void LoadSettings(const Settings& settings);
    void SaveSettings(Settings& settings) const;

    bool screenHelpOn() const override { return ScreenHelpOn; }
    bool wireFrameOn() const override { return WireFrame; }
};

// The three option panels `SoundPanel`, `ScreenPanel2` and `DrawModePanel` and the two
// toolbar toggles. Check boxes act on `toggled`, so a click, the space bar and a screen
// reader's toggle all do the same; the program's own changes of a box are silent.
class OptionsView : public QObject {
    Q_OBJECT
public:
    OptionsView(Options& options, Reporter& reporter, QWidget* parent);

    // Shows the options' state in the panels' boxes.
    void Refresh();

    // --- handlers
    void SetupSound();
    void SndCheckBox0Click();
    void ToggleSound();
    void ToggleScreenHelp();
    void SetupScreen();
    void ScrnCheckBox1Click();
    void ScreenModeBoxClick(int mode);
    void DrawMode1Click();
    // Hides the option panels (the text editor opens over them).
    void HidePanels();

signals:
    // An option panel opens: another panel it replaces (the text editor's) must close.
    void otherPanelsHideRequested();
    void soundChanged(bool on);
    void screenHelpChanged(bool on);
    // Screen pictures were switched off by the toolbar: the start picture goes and the
    // screen shows its mode again.
    void screenPicturesOff();
    void screenModeChosen(int mode);
    // "OK" of the draw-mode panel.
    void drawOptionsApplied();
    void focusRequested();

private:
    void showPanel(QFrame* panel);

    Options& options_;
    Reporter& reporter_;
    QFrame* sound_;
    QFrame* screen_;
    QFrame* draw_;
    QCheckBox* snd0_;
    QCheckBox* snd1_;
    QCheckBox* scrn_;
    QCheckBox* modes_[4];
    QCheckBox* wireFrame_;
    QCheckBox* blackWhite_;
};

} // namespace pelcor
