#pragma once

#include "app/SettingsFile.h"
#include "board/BoardRenderer.h"
#include "board/BoardTools.h"
#include "calc/Calculator.h"
#include "drawing/DrawingList.h"
#include "platform/ProgramFiles.h"

#include <QIcon>
#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

class QAction;
class QEventLoop;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QTimer;

namespace pelcor {

class CalcKeypad;
class TCalcConv;
class Dialogs;
class PictureBox;
class Shell;
class Sound;

struct MainCalcOptions {
    std::string programDir;     // the folder of the program and its runtime files
    int splashTicks = 60;       // ticks of Timer1 the splash stays up; 0 in tests
    bool animate = true;        // pause between the steps of growing panels
    Dialogs* dialogs = nullptr; // the desktop's own when not given
    Sound* sound = nullptr;     // the desktop's own when not given
    Shell* shell = nullptr;     // the desktop's own when not given
};

// The main window: the toolbar, the screen, the keypad, the tape, the readout, the
// information line and the constants tabs, with the main menu.
class TMainCalc1 : public QMainWindow, private Reporter {
    Q_OBJECT
public:
    explicit TMainCalc1(MainCalcOptions options, QWidget* parent = nullptr);
    ~TMainCalc1() override;

    // Start-up: the splash, the start values, the screen, and the wait for the splash.
    void FormCreate();

    // --- window-level state
    int DisplayMode = 0;
    int SavedDisplayMode = 0;
    bool SoundOn = true;
    bool ScreenHelpOn = false;
    int IdleCountdown = 0;
    int SplashCountdown = 0;
    int ExitAnswer = 0;
    // The drawing as it was last saved or loaded; the drawing counts as changed while
    // its text differs from this.
    std::string EditBackup;

    const ProgramFiles& programFiles() const { return files_; }
    Calculator& calculator() { return calc_; }

    void ShowDisplayMode();
    void CloseSidePanels();
    void ErrorBeep();
    void PlayWave(const std::string& relativeName);

    // --- handlers
    void CalcButt(int tag);
    void CEButtClick();
    void CLRButtClick();
    void ImageChangeClick();
    void AstroCloseButtClick();
    void ExitProgram1Click();
    // Opens or closes one of the side panels over the left column.
    void OpenSidePanel(QFrame* panel);
    void FormulasClick();
    // "Conversion": the converter window opens with the readout's text.
    void Conversion2Click();
    TCalcConv* converter() const { return converter_; }

    // The drawing board's shapes.
    pelcor::DrawingList DrawingList;
    BoardRenderer& boardRenderer() { return *boardRenderer_; }
    // Clears and redraws the board from the list with the current display options, and
    // shows the shape count.
    void RepaintBoard();
    // The drawing's text as the drawing list writes it.
    std::string DrawingListText() const;
    bool DrawingChanged() const { return DrawingListText() != EditBackup; }

    // --- drawing files, undo and picture export
    // The copy "Undo" brings back (the list and, with it, its shape count).
    pelcor::DrawingList UndoSnapshot;
    // The remembered drawing file name (kept in the settings).
    const std::string& DrawingFileName() const { return settings_.drawingFile; }
    std::string ExportFileName;
    int ExportFilterIndex = 1; // 1 JPEG, 2 bitmap
    // Takes the undo snapshot of the drawing; `offerUndo` enables "Undo".
    void TakeUndoSnapshot(bool offerUndo);
    // Writes the drawing to `name` (".pcz" added when missing).
    void WriteGraphicsFile(const std::string& name);
    // Reads the drawing file `name`; a file that does not read leaves the drawing as it was.
    void ReadGraphicsFile(const std::string& name);
    void SaveGraphicsFile1Click();
    void LoadGraphicsFile1Click();
    void New1Click();
    void CLSButtClick();
    void Undo1Click();
    void SaveImageBitmap1Click();

    // --- settings, sound and screen options
    void LoadSettings();
    void SaveSettings();
    void ToggleSound();
    void ToggleScreenHelp();
    void SetupSound();
    void SetupScreen();
    void DrawMode1Click();
    bool WireFrameOn() const;
    bool BlackWhiteOn() const;
    const Settings& settings() const { return settings_; }

    // --- drawing tools
    // The mouse-down handler of every toolbar button.
    void DrawButt(int tag);
    void SelectTool(int tag);
    BoardTools& boardTools() { return *boardTools_; }

    // --- help, about and the information line
    // While non-zero, pointer movement does not clear the information line and the
    // constants' hover help rests.
    int InfoLock = 0;
    void ClearInfo();
    // Hover help of a constant label: highlights it; the constants write its description.
    void ShowHelp(QLabel* constant);
    void HelpFile1Click();
    void Onlinehelp1Click();
    void AboutUs1Click();

    QAction* menuAction(const QString& name) const;
    QFrame* panel(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Reporter
    void showInfo(const std::string& text) override;
    void beep() override;
    void showMessage(const std::string& text) override;

    void buildLayout();
    void buildToolbar(QWidget* parent);
    void buildLowerArea(QWidget* parent);
    void buildHiddenPanels(QWidget* parent);
    void buildMenu();
    QFrame* buildQuestionPanel(const QString& name, const QString& text, const QString& yes,
                               const QString& no, const QString& yesName, const QString& noName);
    void syncCalculator();
    // The readout's text as the user left it, for the calculator to work on.
    void takeReadoutText();
    void focusReadout(int start, int length);
    void Timer1Timer();
    // Waits, processing window messages, until an exit panel is answered.
    int AskExitPanel(QFrame* panel);
    void AnswerExitPanel(int answer);
    void FormDestroy();
    void ReadoutBackToDecimal();
    void growPanel(QFrame* panel, int toHeight, int step);
    void setLeftColumnVisible(bool visible);
    void TabControl1Change(int index);
    void pause();
    void buildOptionPanels(QWidget* parent);
    void SndCheckBox0Click();
    void ScrnCheckBox1Click();
    void ScreenModeBoxClick(int mode);
    void showOptionPanel(QFrame* panel);
    void loadGlyph(const char* button, const char* picture);
    // A button picture from the program folder, read once.
    QIcon glyphIcon(const char* picture);
    void loadSidePicture();
    void focusAfterToggle();
    void buildAboutPanel(QWidget* parent);
    void setAboutMenus(bool enabled);
    void watchPointerMoves();
    void buildTextFrame();
    void wireToolbar();
    bool boardEvent(QObject* watched, QEvent* event);
    void closeTextTool();
    void showToolGlyphs(int tag);
    void TextOkButtClick();
    void describeNothing();
    void restoreHighlightedConst();
    // GetPenColor and GetFillColor: the colour dialog for a swatch.
    void GetSwatchColor(QWidget* swatch);
    bool pointerEvent(QObject* watched, QEvent* event);

    MainCalcOptions options_;
    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<Sound> ownSound_;
    std::unique_ptr<Shell> ownShell_;
    Shell* shell_;
    Dialogs* dialogs_;
    Sound* sound_;
    ProgramFiles files_;
    Calculator calc_;

    // controls
    QWidget* client_ = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* CalcPanel2 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* PenColorLabel = nullptr;
    QLabel* FillColorLabel = nullptr;
    QWidget* PenColr = nullptr;
    QWidget* FillColr = nullptr;
    QFrame* ScreenPanel = nullptr;
    QLabel* Image1 = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture11 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* ViewerImage = nullptr;
    QLabel* RefLabel = nullptr;
    QLabel* TextLabel = nullptr;
    QLabel* Clabel = nullptr;
    QLabel* Formula = nullptr;
    CalcKeypad* CalcPanel = nullptr;
    QPlainTextEdit* TotalStrg = nullptr;
    QLineEdit* ReadOut = nullptr;
    QLabel* InfoLbl = nullptr;
    QTabBar* TabControl1 = nullptr;
    QFrame* constantPanels_[6] = {};
    QFrame* StatusPanel = nullptr;
    QFrame* ExitPanel = nullptr;
    QFrame* ImageChangedPanel = nullptr;
    QFrame* AstronomyPanel = nullptr;
    QFrame* PhysicsPanel = nullptr;
    QFrame* FormulaPanel = nullptr;
    QFrame* PersonalPanel = nullptr;
    QFrame* PersonalSettingsPanel = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QImage startPicture_;
    bool closing_ = false;
    // The saved state, including the parts kept for features that read them later.
    Settings settings_;
    bool saveFailureReported_ = false;
    void wireFileCommands();
    QLabel* HighlightedConst = nullptr;
    QColor SavedConstColor;
    QFrame* AboutPanel = nullptr;
    TCalcConv* converter_ = nullptr;
    std::unique_ptr<BoardRenderer> boardRenderer_;
    std::unique_ptr<BoardTools> boardTools_;
    std::map<std::string, QIcon> glyphs_;
    bool pointerUsed_ = false; // the pointer tool has been chosen once
    QEventLoop* exitWait_ = nullptr;
};

} // namespace pelcor
