// The main window's saved state and its sound and screen options.

#include "app/MainCalc.h"

#include "calc/CalcKeypad.h"
#include "calc/TapeFile.h"
#include "platform/AtomicFile.h"
#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "platform/Pictures.h"
#include "platform/Sound.h"
#include "platform/widgets/PictureBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace pelcor {

namespace {

const char* const kSettingsFile = "Pelcor.ini";
const char* const kTapeFile = "TotalStr.dat";

QCheckBox* AddBox(const QString& name, const QString& caption, QWidget* parent, int top) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(16, top, 210, 20);
    return box;
}

QPushButton* AddButton(const QString& name, const QString& caption, QWidget* parent, int left,
                       int top) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(left, top, 75, 25);
    return b;
}

QFrame* AddOptionPanel(const QString& name, const QString& title, QWidget* parent, int height) {
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setGeometry(200, 50, 240, height);
    p->setAutoFillBackground(true);
    auto* label = new QLabel(title, p);
    label->setObjectName(name + "Title");
    label->setGeometry(10, 8, 220, 18);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    p->hide();
    return p;
}

} // namespace

// --- panels -------------------------------------------------------------------------------

void TMainCalc1::buildOptionPanels(QWidget* parent) {
    QFrame* sound = AddOptionPanel("SoundPanel", "Setup sound options", parent, 160);
    QCheckBox* snd0 = AddBox("SndCheckBox0", "Sound is enabled", sound, 40);
    snd0->setChecked(true);
    QCheckBox* snd1 = AddBox("SndCheckBox1", "Sound active on all errors", sound, 70);
    snd1->setChecked(true);
    connect(snd0, &QCheckBox::clicked, this, &TMainCalc1::SndCheckBox0Click);
    connect(snd1, &QCheckBox::clicked, this, &TMainCalc1::SndCheckBox0Click);
    connect(AddButton("SoundCloseButt", "Close", sound, 82, 120), &QPushButton::clicked, sound,
            &QWidget::hide);

    QFrame* screen = AddOptionPanel("ScreenPanel2", "Setup Screen options", parent, 230);
    QCheckBox* scrn = AddBox("ScrnCheckBox1", "Screen help is disabled", screen, 36);
    connect(scrn, &QCheckBox::clicked, this, &TMainCalc1::ScrnCheckBox1Click);
    for (int mode = 0; mode < 4; ++mode) {
        QCheckBox* box = AddBox(QString("ScrnModeBox%1").arg(mode),
                                QString("Select screen Mode %1").arg(mode), screen, 66 + 28 * mode);
        connect(box, &QCheckBox::clicked, this, [this, mode] { ScreenModeBoxClick(mode); });
    }
    connect(AddButton("Button2", "Close", screen, 82, 192), &QPushButton::clicked, screen,
            &QWidget::hide);

    QFrame* draw = AddOptionPanel("DrawModePanel", "Setup drawing options", parent, 160);
    AddBox("WireFrame1", "Wire Frame ON", draw, 40);
    AddBox("BlackWhite1", "Black white", draw, 70);
    connect(AddButton("DrawModeOkButt", "OK", draw, 82, 120), &QPushButton::clicked, this,
            [this, draw] {
                draw->hide();
                RepaintBoard();
            });
}

void TMainCalc1::showOptionPanel(QFrame* p) {
    for (const char* name : {"SoundPanel", "ScreenPanel2", "DrawModePanel", "TextEditPanel"})
        if (QFrame* other = panel(name); other != p) other->hide();
    p->show();
    p->raise();
}

QIcon TMainCalc1::glyphIcon(const char* picture) {
    const std::string path = files_.resolve(picture);
    auto it = glyphs_.find(path);
    if (it == glyphs_.end()) {
        const QImage image = LoadPicture(path);
        it = glyphs_.emplace(path, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)))
                 .first;
    }
    return it->second;
}

void TMainCalc1::loadGlyph(const char* button, const char* picture) {
    const QIcon glyph = glyphIcon(picture);
    if (!glyph.isNull()) CalcPanel2->findChild<QPushButton*>(button)->setIcon(glyph);
}

void TMainCalc1::focusAfterToggle() {
    QWidget* text = findChild<QWidget*>("AddText");
    QWidget* frame = panel("TextFrame");
    if (frame && frame->isVisible() && text)
        text->setFocus();
    else
        focusReadout(static_cast<int>(ReadOut->text().size()), 1);
}

void TMainCalc1::SetupSound() {
    QFrame* p = panel("SoundPanel");
    auto* snd0 = p->findChild<QCheckBox*>("SndCheckBox0");
    snd0->setChecked(SoundOn);
    snd0->setText(SoundOn ? "Sound is enabled" : "Sound is disabled");
    showOptionPanel(p);
}

void TMainCalc1::SndCheckBox0Click() {
    QFrame* p = panel("SoundPanel");
    auto* snd0 = p->findChild<QCheckBox*>("SndCheckBox0");
    settings_.soundOnAllErrors = p->findChild<QCheckBox*>("SndCheckBox1")->isChecked();
    SoundOn = snd0->isChecked();
    loadGlyph("BitBtn9", SoundOn ? "BmpFiles\\Speaker.bmp" : "BmpFiles\\Speaker1.bmp");
    snd0->setText(SoundOn ? "Sound is enabled" : "Sound is disabled");
}

void TMainCalc1::ToggleSound() {
    auto* snd0 = panel("SoundPanel")->findChild<QCheckBox*>("SndCheckBox0");
    if (SoundOn) {
        SoundOn = false;
        loadGlyph("BitBtn9", "BmpFiles\\Speaker1.bmp");
        snd0->setChecked(false);
        snd0->setText("Sound is disabled");
    } else {
        SoundOn = true;
        PlayWave("SndFiles\\Soundon.wav");
        loadGlyph("BitBtn9", "BmpFiles\\Speaker.bmp");
        snd0->setChecked(true);
        snd0->setText("Sound is enabled");
    }
    panel("SoundPanel")->hide();
    focusAfterToggle();
}

void TMainCalc1::ToggleScreenHelp() {
    if (ScreenHelpOn) {
        PlayWave("SndFiles\\Screenoff.wav");
        ScreenHelpOn = false;
        loadGlyph("BitBtn13", "BmpFiles\\Screen1.bmp");
        Image1->hide();
        Image1->setEnabled(false);
        Timer1->start();
        Timer2->start();
        ShowDisplayMode();
    } else {
        PlayWave("SndFiles\\Screenon.wav");
        ScreenHelpOn = true;
        loadGlyph("BitBtn13", "BmpFiles\\Screen.bmp");
    }
    focusAfterToggle();
}

void TMainCalc1::SetupScreen() {
    QFrame* p = panel("ScreenPanel2");
    auto* box = p->findChild<QCheckBox*>("ScrnCheckBox1");
    box->setChecked(ScreenHelpOn);
    box->setText(ScreenHelpOn ? "Screen help is enabled" : "Screen help is disabled");
    for (int mode = 0; mode < 4; ++mode)
        p->findChild<QCheckBox*>(QString("ScrnModeBox%1").arg(mode))->setChecked(false);
    showOptionPanel(p);
}

void TMainCalc1::ScrnCheckBox1Click() {
    auto* box = panel("ScreenPanel2")->findChild<QCheckBox*>("ScrnCheckBox1");
    ScreenHelpOn = box->isChecked();
    loadGlyph("BitBtn13", ScreenHelpOn ? "BmpFiles\\Screen.bmp" : "BmpFiles\\Screen1.bmp");
    box->setText(ScreenHelpOn ? "Screen help is enabled" : "Screen help is disabled");
}

void TMainCalc1::ScreenModeBoxClick(int mode) {
    QFrame* p = panel("ScreenPanel2");
    p->findChild<QCheckBox*>(QString("ScrnModeBox%1").arg(mode))->setChecked(false);
    p->hide();
    // Modes 1 and 2 show the gallery figure and the picture library once those are kept.
    if (mode == 0 || mode == 3) {
        DisplayMode = mode;
        ShowDisplayMode();
    }
}

void TMainCalc1::DrawMode1Click() {
    showOptionPanel(panel("DrawModePanel"));
}

bool TMainCalc1::WireFrameOn() const {
    return findChild<QCheckBox*>("WireFrame1")->isChecked();
}

bool TMainCalc1::BlackWhiteOn() const {
    return findChild<QCheckBox*>("BlackWhite1")->isChecked();
}

// --- settings -------------------------------------------------------------------------------

void TMainCalc1::loadSidePicture() {
    if (settings_.sidePicture.empty()) settings_.sidePicture = files_.resolve("Pelcor.jpg");
    const QImage picture = LoadPicture(settings_.sidePicture);
    if (picture.isNull()) return;
    Image2->setPixmap(QPixmap::fromImage(picture.scaled(Image2->size(), Qt::IgnoreAspectRatio)
                                             .convertToFormat(QImage::Format_RGB888)));
}

void TMainCalc1::LoadSettings() {
    std::string bytes;
    if (ReadWholeFile(files_.resolve(kTapeFile), bytes)) calc_.LoadTape(TapeFromFileBytes(bytes));

    if (ReadWholeFile(files_.resolve(kSettingsFile), bytes)) {
        settings_ = Settings::FromFileBytes(bytes);
        calc_.ReplaceReadoutText(settings_.readout);
        for (int m = 1; m <= 4; ++m) {
            // Only memories that read as numbers above 0 get their marks back.
            const std::string& text = settings_.memories[m - 1];
            const auto value = ParseNumber(text);
            calc_.SetMemory(m, text, value && *value > 0);
        }
        DisplayMode = settings_.displayMode;
        InfoLbl->setText(QString::fromStdString(settings_.info));
        auto* snd0 = panel("SoundPanel")->findChild<QCheckBox*>("SndCheckBox0");
        auto* snd1 = panel("SoundPanel")->findChild<QCheckBox*>("SndCheckBox1");
        const bool changed = snd0->isChecked() != settings_.soundEnabled ||
                             snd1->isChecked() != settings_.soundOnAllErrors;
        snd0->setChecked(settings_.soundEnabled);
        snd1->setChecked(settings_.soundOnAllErrors);
        if (changed) SndCheckBox0Click();
        if (!settings_.drawingFile.empty()) ReadGraphicsFile(settings_.drawingFile);
        // The gallery figure is drawn here once the gallery is kept.
        if (DisplayMode > 0) ShowDisplayMode();
    }
    loadSidePicture();
    syncCalculator();
    // A drawing loaded at start counts as unchanged.
    EditBackup = DrawingListText();
    TakeUndoSnapshot(false);
}

void TMainCalc1::SaveSettings() {
    settings_.readout = ReadOut->text().toStdString();
    for (int m = 1; m <= 4; ++m)
        settings_.memories[m - 1] = calc_.memory(m);
    settings_.displayMode = DisplayMode;
    settings_.shapeCount = DrawingList.ShapeCount();
    settings_.info = InfoLbl->text().toStdString();
    settings_.soundEnabled =
        panel("SoundPanel")->findChild<QCheckBox*>("SndCheckBox0")->isChecked();
    settings_.soundOnAllErrors =
        panel("SoundPanel")->findChild<QCheckBox*>("SndCheckBox1")->isChecked();
    if (settings_.sidePicture.empty()) settings_.sidePicture = files_.resolve("Pelcor.jpg");

    std::string failure =
        WriteFileAtomically(files_.resolve(kTapeFile), TapeToFileBytes(calc_.tape()));
    const std::string settingsFailure =
        WriteFileAtomically(files_.resolve(kSettingsFile), settings_.ToFileBytes());
    if (failure.empty()) failure = settingsFailure;
    if (!failure.empty() && !saveFailureReported_) {
        saveFailureReported_ = true;
        const QString message =
            QString("The settings could not be saved in %1: %2")
                .arg(QString::fromStdString(files_.dir()), QString::fromStdString(failure));
        InfoLbl->setText(message);
        dialogs_->showMessage(message);
    }
}

} // namespace pelcor
