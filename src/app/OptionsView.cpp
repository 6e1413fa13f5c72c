#include "app/OptionsView.h"

#include "platform/Reporter.h"
#include "platform/SettingsFile.h"
#include "platform/widgets/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace pelcor {

namespace {

QFrame* OptionPanel(const QString& name, const QString& title, QWidget* parent, int height) {
    QFrame* p = MakePanel(name, parent, 200, 50, 240, height);
    QLabel* label = MakeLabel(name + "Title", title, p, 10, 8, 220, 18);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    p->hide();
    return p;
}

QCheckBox* Box(const QString& name, const QString& caption, QWidget* parent, int top) {
    return MakeCheckBox(name, caption, parent, 16, top, 210, 20);
}

void SetSilently(QCheckBox* box, bool checked) {
    const QSignalBlocker quiet(box);
    box->setChecked(checked);
}

} // namespace

void Options::LoadSettings(const Settings& settings) {
    SoundOn = settings.soundEnabled;
    SoundOnAllErrors = settings.soundOnAllErrors;
}

void Options::SaveSettings(Settings& settings) const {
    settings.soundEnabled = SoundOn;
    settings.soundOnAllErrors = SoundOnAllErrors;
}

OptionsView::OptionsView(Options& options, Reporter& reporter, QWidget* parent)
    : options_(options), reporter_(reporter) {
    sound_ = OptionPanel("SoundPanel", "Setup sound options", parent, 160);
    snd0_ = Box("SndCheckBox0", "Sound is enabled", sound_, 40);
    snd1_ = Box("SndCheckBox1", "Sound active on all errors", sound_, 70);
    connect(snd0_, &QCheckBox::toggled, this, &OptionsView::SndCheckBox0Click);
    connect(snd1_, &QCheckBox::toggled, this, &OptionsView::SndCheckBox0Click);
    connect(MakeButton("SoundCloseButt", "Close", sound_, 82, 120, 75, 25), &QPushButton::clicked,
            sound_, &QWidget::hide);

    screen_ = OptionPanel("ScreenPanel2", "Setup Screen options", parent, 230);
    scrn_ = Box("ScrnCheckBox1", "Screen help is disabled", screen_, 36);
    connect(scrn_, &QCheckBox::toggled, this, &OptionsView::ScrnCheckBox1Click);
    for (int mode = 0; mode < 4; ++mode) {
        modes_[mode] = Box(QString("ScrnModeBox%1").arg(mode),
                           QString("Select screen Mode %1").arg(mode), screen_, 66 + 28 * mode);
        connect(modes_[mode], &QCheckBox::toggled, this, [this, mode](bool checked) {
            if (checked) ScreenModeBoxClick(mode);
        });
    }
    connect(MakeButton("Button2", "Close", screen_, 82, 192, 75, 25), &QPushButton::clicked,
            screen_, &QWidget::hide);

    draw_ = OptionPanel("DrawModePanel", "Setup drawing options", parent, 160);
    wireFrame_ = Box("WireFrame1", "Wire Frame ON", draw_, 40);
    blackWhite_ = Box("BlackWhite1", "Black white", draw_, 70);
    connect(wireFrame_, &QCheckBox::toggled, this,
            [this](bool checked) { options_.WireFrame = checked; });
    connect(blackWhite_, &QCheckBox::toggled, this,
            [this](bool checked) { options_.BlackWhite = checked; });
    connect(MakeButton("DrawModeOkButt", "OK", draw_, 82, 120, 75, 25), &QPushButton::clicked, this,
            [this] {
                draw_->hide();
                emit drawOptionsApplied();
            });
    Refresh();
}

void OptionsView::Refresh() {
    SetSilently(snd0_, options_.SoundOn);
    snd0_->setText(options_.SoundOn ? "Sound is enabled" : "Sound is disabled");
    SetSilently(snd1_, options_.SoundOnAllErrors);
    SetSilently(scrn_, options_.ScreenHelpOn);
    scrn_->setText(options_.ScreenHelpOn ? "Screen help is enabled" : "Screen help is disabled");
    SetSilently(wireFrame_, options_.WireFrame);
    SetSilently(blackWhite_, options_.BlackWhite);
}

void OptionsView::showPanel(QFrame* panel) {
    HidePanels();
    emit otherPanelsHideRequested();
    panel->show();
    panel->raise();
}

void OptionsView::HidePanels() {
    for (QFrame* p : {sound_, screen_, draw_})
        p->hide();
}

void OptionsView::SetupSound() {
    Refresh();
    showPanel(sound_);
}

void OptionsView::SndCheckBox0Click() {
    options_.SoundOnAllErrors = snd1_->isChecked();
    options_.SoundOn = snd0_->isChecked();
    snd0_->setText(options_.SoundOn ? "Sound is enabled" : "Sound is disabled");
    emit soundChanged(options_.SoundOn);
}

void OptionsView::ToggleSound() {
    options_.SoundOn = !options_.SoundOn;
    if (options_.SoundOn) reporter_.playWave("SndFiles\\Soundon.wav");
    Refresh();
    emit soundChanged(options_.SoundOn);
    sound_->hide();
    emit focusRequested();
}

void OptionsView::ToggleScreenHelp() {
    if (options_.ScreenHelpOn) {
        reporter_.playWave("SndFiles\\Screenoff.wav");
        options_.ScreenHelpOn = false;
        emit screenHelpChanged(false);
        emit screenPicturesOff();
    } else {
        reporter_.playWave("SndFiles\\Screenon.wav");
        options_.ScreenHelpOn = true;
        emit screenHelpChanged(true);
    }
    Refresh();
    emit focusRequested();
}

void OptionsView::SetupScreen() {
    Refresh();
    for (QCheckBox* box : modes_)
        SetSilently(box, false);
    showPanel(screen_);
}

void OptionsView::ScrnCheckBox1Click() {
    options_.ScreenHelpOn = scrn_->isChecked();
    scrn_->setText(options_.ScreenHelpOn ? "Screen help is enabled" : "Screen help is disabled");
    emit screenHelpChanged(options_.ScreenHelpOn);
}

void OptionsView::ScreenModeBoxClick(int mode) {
    SetSilently(modes_[mode], false);
    screen_->hide();
    emit screenModeChosen(mode);
}

void OptionsView::DrawMode1Click() {
    showPanel(draw_);
}

} // namespace pelcor
