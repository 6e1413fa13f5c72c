#pragma once

#include "app/DesktopServices.h"
#include "platform/ProgramFiles.h"

#include <QMainWindow>

#include <memory>
#include <string>

class QAction;
class QFrame;
class QTimer;

namespace pelcor {

class BoardModel;
class BoardView;
class Calculator;
class CalculatorView;
class ConstantsView;
class DrawingCommands;
class DrawingDocument;
class ExitPanels;
class GalleryView;
class ImageViewerView;
class InfoLine;
class KeptState;
class OptionsView;
class OrbitView;
class PersonalDataView;
class ScreenHost;
class SheetsView;
class SidePanelHost;
class TCalcConv;
class TCalcPrint1;
class TextEditorView;
class WindowAnswers;
class WindowReporter;
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

// The main window. It creates the features' models and views, places the views and
// connects them. The screen and the left column's side panels are two hosts the features
// ask; what the models tell the user goes through one WindowReporter.
class TMainCalc1 : public QMainWindow {
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
    ScreenHost& screens() { return *screens_; }
    InfoLine& infoLine() { return *info_; }
    Calculator& calculator();
    DrawingDocument& document() { return *document_; }
    DrawingCommands& drawingCommands() { return *commands_; }
    BoardModel& board() { return *board_; }
    Options& options() { return *optionsModel_; }
    OptionsView& optionsView() { return *optionsView_; }
    GalleryView& gallery() { return *gallery_; }
    TextEditorView& editor() { return *editor_; }
    TCalcPrint1& printWindow() { return *printWindow_; }
    ImageViewerView& imageViewer() { return *viewer_; }
    TCalcConv* converter() const; // once "Conversion" opened it

    // The menu's action, or a panel, of that object name (for tests and automation).
    QAction* menuAction(const QString& name) const;
    QFrame* panel(const QString& name) const;

    // Clears and redraws the board with the draw-mode options.
    void RepaintBoard();

    // --- saved state
    void LoadSettings();
    void SaveSettings();

protected:
    void closeEvent(QCloseEvent* event) override;
    // User activity anywhere in the window restarts the idle count.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildParts();
    void buildPersonalAndViewer();
    void wireMenu();
    void wireBoard();
    void wireOptions();
    void wireReference();
    void wireEditor();
    void focusAfterToggle();
    // A side list's close button: the list closes and the screen shows its mode again.
    void AstroCloseButtClick();

    MainCalcOptions options_;
    DesktopServices desktop_;
    ProgramFiles files_;
    std::unique_ptr<WindowReporter> reporter_;
    std::unique_ptr<KeptState> kept_;

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
    GalleryView* gallery_ = nullptr;
    ConstantsView* constants_ = nullptr;
    SheetsView* sheets_ = nullptr;
    OrbitView* orbit_ = nullptr;
    TextEditorView* editor_ = nullptr;
    std::unique_ptr<TCalcPrint1> printWindow_;
    ExitPanels* exitPanels_ = nullptr;
};

} // namespace pelcor
