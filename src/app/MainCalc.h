#pragma once

#include "platform/ProgramFiles.h"
#include "platform/Reporter.h"
#include "platform/SettingsFile.h"
#include "platform/StateFile.h"

#include <QMainWindow>

#include <memory>
#include <string>

class QAction;
class QEventLoop;
class QFrame;
class QTimer;

namespace pelcor {

class AboutView;
class BoardModel;
class BoardView;
class Calculator;
class CalculatorView;
class ConstantsView;
class GalleryView;
class OrbitView;
class SheetsView;
class TCalcPrint1;
class TextEditorView;
class WindowAnswers;
class Dialogs;
class DrawingCommands;
class DrawingDocument;
class ImageViewerView;
class InfoLine;
class OptionsView;
class PersonalDataView;
class Shell;
class SidePanelHost;
class ScreenHost;
class Sound;
class TCalcConv;
struct MainMenu;
struct Options;

struct MainCalcOptions {
    std::string programDir;     // the folder of the program and its runtime files
    std::string userDir;        // where the settings and the tape are kept; programDir if empty
    int splashTicks = 60;       // ticks of Timer1 the splash stays up; 0 in tests
    bool animate = true;        // pause between the steps of growing panels
    Dialogs* dialogs = nullptr; // the desktop's own when not given
    Sound* sound = nullptr;     // the desktop's own when not given
    Shell* shell = nullptr;     // the desktop's own when not given
};

// The answers of the exit panels.
enum class ExitAnswer { None = 0, Exit = 128, Abort = 255 };

// The main window. It creates the features' models and views, places the views, connects
// them, and tells them what the user must see and hear (the Reporter, once for all). The
// screen and the left column's side panels are two hosts the features ask.
class TMainCalc1 : public QMainWindow, private Reporter {
    Q_OBJECT
    friend class WindowAnswers;

public:
    explicit TMainCalc1(MainCalcOptions options, QWidget* parent = nullptr);
    ~TMainCalc1() override;

    // Start-up: the splash, the start values, the screen, and the wait for the splash.
    void FormCreate();
    // One tick of Timer1: the splash's countdown, then the idle count and the orbit
    // animation.
    void Timer1Timer();

    // --- the window's own state
    int SplashCountdown = 0;
    // Ticks of Timer1 left before the orbit animation starts by itself.
    int idleCountdown() const;

    // --- the parts
    const ProgramFiles& programFiles() const { return files_; }
    MainMenu& menu() { return *menu_; }
    ScreenHost& screens() { return *screens_; }
    SidePanelHost& sidePanels() { return *sidePanels_; }
    InfoLine& infoLine() { return *info_; }
    CalculatorView& calculatorView() { return *calculatorView_; }
    Calculator& calculator();
    DrawingDocument& document() { return *document_; }
    DrawingCommands& drawingCommands() { return *commands_; }
    BoardModel& board() { return *board_; }
    BoardView& boardView() { return *boardView_; }
    Options& options() { return *optionsModel_; }
    OptionsView& optionsView() { return *optionsView_; }
    GalleryView& gallery() { return *gallery_; }
    ConstantsView& constants() { return *constants_; }
    SheetsView& sheets() { return *sheets_; }
    OrbitView& orbit() { return *orbit_; }
    TextEditorView& editor() { return *editor_; }
    TCalcPrint1& printWindow() { return *printWindow_; }
    PersonalDataView& personalData() { return *personal_; }
    ImageViewerView& imageViewer() { return *viewer_; }
    TCalcConv* converter() const { return converter_; }
    const Settings& settings() const { return settings_; }

    // The menu's action, or a panel, of that object name (for tests and automation).
    QAction* menuAction(const QString& name) const;
    QFrame* panel(const QString& name) const;

    // --- handlers that join several features
    void ImageChangeClick();
    void FormulasClick();
    void AstroCloseButtClick();
    void Conversion2Click();
    void ExitProgram1Click();
    void HelpFile1Click();
    void Onlinehelp1Click();
    void AboutUs1Click();
    // "Print": the screen's picture, or the editor's or the electrical reference's text, to
    // the print window; the main window hides while it is in use.
    void PrintarClick();
    // "Personal Data": opens the personal data over the left column, or closes it.
    void Personal1Click();
    // Clears and redraws the board with the draw-mode options.
    void RepaintBoard();

    // Opens a drawing as "Load Graphics File" does with the file chosen (the command line's
    // drawing); a file that does not read is said on the information line.
    void OpenGraphicsFile(const std::string& name);

    // --- saved state
    void LoadSettings();
    void SaveSettings();

protected:
    void closeEvent(QCloseEvent* event) override;
    // User activity anywhere in the window restarts the idle count.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Reporter
    void showInfo(const std::string& text) override;
    void beep() override;
    void showMessage(const std::string& text) override;
    std::string infoText() const override;
    bool infoLocked() const override;
    void playWave(const std::string& relativeName) override;
    void replaceReadout(const std::string& text, bool focus) override;
    std::string readoutText() const override;

    Reporter& reporter() { return *this; }
    void buildParts();
    void wireMenu();
    void wireBoard();
    void wireOptions();
    void wireReference();
    void wireEditor();
    QFrame* buildQuestionPanel(const QString& name, const QString& text, const QString& yes,
                               const QString& no, const QString& yesName, const QString& noName);
    void buildPersonalAndViewer();
    void wirePersonalAndViewer();
    void modeShown();
    void focusAfterToggle();
    // "CLS": the board's drawing, the gallery's plot and the tape.
    void CLSButtClick();
    // Waits, processing window messages, until an exit panel is answered.
    ExitAnswer AskExitPanel(QFrame* panel);
    void FormDestroy();
    void prepareStateFiles();

    MainCalcOptions options_;
    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<Sound> ownSound_;
    std::unique_ptr<Shell> ownShell_;
    Dialogs* dialogs_;
    Sound* sound_;
    Shell* shell_;
    ProgramFiles files_;
    ProgramFiles userFiles_;
    Settings settings_;
    // "TotalStr.dat" and "Pelcor.ini": where they were read from and where they are saved.
    StateFile tapeFile_{{}, 0};
    StateFile settingsFile_{{}, 0};

    QWidget* client_ = nullptr;
    QFrame* Panel1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<WindowAnswers> answers_;
    std::unique_ptr<ScreenHost> screens_;
    std::unique_ptr<SidePanelHost> sidePanels_;
    InfoLine* info_ = nullptr;
    CalculatorView* calculatorView_ = nullptr;
    std::unique_ptr<DrawingDocument> document_;
    std::unique_ptr<BoardModel> board_;
    DrawingCommands* commands_ = nullptr;
    BoardView* boardView_ = nullptr;
    std::unique_ptr<Options> optionsModel_;
    OptionsView* optionsView_ = nullptr;
    PersonalDataView* personal_ = nullptr;
    ImageViewerView* viewer_ = nullptr;
    AboutView* about_ = nullptr;
    GalleryView* gallery_ = nullptr;
    ConstantsView* constants_ = nullptr;
    SheetsView* sheets_ = nullptr;
    OrbitView* orbit_ = nullptr;
    TextEditorView* editor_ = nullptr;
    std::unique_ptr<TCalcPrint1> printWindow_;
    TCalcConv* converter_ = nullptr;
    QFrame* exitPanel_ = nullptr;
    QFrame* imageChangedPanel_ = nullptr;
    ExitAnswer exitAnswer_ = ExitAnswer::None;
    QEventLoop* exitWait_ = nullptr;
    bool closing_ = false;
    bool saveFailureReported_ = false;
    bool exitNoticeShown_ = false;
    std::string startupProblem_;
};

} // namespace pelcor
