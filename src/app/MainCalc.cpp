#include "app/MainCalc.h"

#include "app/AboutView.h"
#include "app/CalcSplash.h"
#include "app/InfoLine.h"
#include "app/MainMenu.h"
#include "app/OptionsView.h"
#include "app/ScreenHost.h"
#include "app/SidePanelHost.h"
#include "board/BoardModel.h"
#include "board/BoardView.h"
#include "board/DrawingDocument.h"
#include "calc/CalcKeypadView.h"
#include "calc/CalculatorView.h"
#include "converter/Converter.h"
#include "platform/Colors.h"
#include "platform/Pictures.h"
#include "platform/Shell.h"
#include "platform/widgets/DesktopDialogs.h"
#include "platform/widgets/DesktopSound.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QThread>
#include <QTimer>

namespace pelcor {

namespace {

constexpr int kIdleTicks = 12000;

} // namespace

TMainCalc1::TMainCalc1(MainCalcOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), files_(options_.programDir) {
    if (!options_.dialogs) {
        ownDialogs_ = std::make_unique<DesktopDialogs>(this);
        options_.dialogs = ownDialogs_.get();
    }
    if (!options_.sound) {
        ownSound_ = std::make_unique<DesktopSound>();
        options_.sound = ownSound_.get();
    }
    if (!options_.shell) {
        ownShell_ = std::make_unique<DesktopShell>();
        options_.shell = ownShell_.get();
    }
    dialogs_ = options_.dialogs;
    sound_ = options_.sound;
    shell_ = options_.shell;

    setObjectName("MainCalc1");
    setWindowTitle("Pelcor educational software - Scientific calculator");
    // The window is laid out in pixels for a small sans-serif font.
    setFont(ArialFont(11));

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &TMainCalc1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(1000);

    menu_ = std::make_unique<MainMenu>(menuBar());
    buildParts();
    wireMenu();
    wireBoard();
    wireOptions();
    wirePersonalAndViewer();

    // The window keeps its size: the client area is 643 x 509 under the menu.
    setFixedSize(643, 509 + menuBar()->sizeHint().height());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
}

TMainCalc1::~TMainCalc1() = default;

Calculator& TMainCalc1::calculator() {
    return calculatorView_->calculator();
}

// --- the parts ----------------------------------------------------------------------------

void TMainCalc1::buildParts() {
    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    client_->setFixedSize(643, 509);
    SetBackground(client_, colors::DesktopBackground);
    setCentralWidget(client_);
    Panel1 = MakePanel("Panel1", client_, 2, 4, 628, 478);
    SetBackground(Panel1, colors::BtnFace);

    calculatorView_ = new CalculatorView(reporter(), Panel1);
    calculatorView_->setParent(this);

    ScreenHost::Hooks hooks;
    hooks.idleTimerRunning = [this](bool running) { running ? Timer1->start() : Timer1->stop(); };
    hooks.resetIdle = [this] { IdleCountdown = kIdleTicks; };
    hooks.stopClock = [this] { Timer2->stop(); };
    hooks.modeShown = [this] { modeShown(); };
    screens_ = std::make_unique<ScreenHost>(Panel1, *menu_, std::move(hooks));

    info_ = new InfoLine(Panel1);
    info_->setParent(this);

    document_ = std::make_unique<DrawingDocument>(reporter());
    board_ = std::make_unique<BoardModel>(*document_, screens_->Picture11()->canvas(), reporter(),
                                          *screens_);
    boardView_ = new BoardView(*board_, *dialogs_, files_,
                               {Panel1, client_, screens_->Picture11(), screens_->TextLabel(),
                                calculatorView_->keypad()->memLabel()});
    boardView_->setParent(this);

    sidePanels_ =
        std::make_unique<SidePanelHost>(*screens_, boardView_->toolbar(), [this] { pause(); });
    for (QWidget* w : boardView_->swatchControls())
        sidePanels_->AddToLeftColumn(w);

    // The constants' tabs; their cells arrive with the constants library.
    auto* tabs = new QTabBar(Panel1);
    tabs->setObjectName("TabControl1");
    tabs->setGeometry(6, 390, 613, 25);
    tabs->setExpanding(false);
    tabs->setStyleSheet("QTabBar::tab { width: 92px; height: 19px; padding: 0px 2px; }");
    for (const char* tab : {"Solar System", "Solar Masses", "Atomic Values1", "Atomic Values2",
                            "General Data", "General Data1"})
        tabs->addTab(tab);
    const std::pair<const char*, int> panels[] = {
        {"SolarSysPanel", 13394016}, {"SolarMPanel", 8440960},  {"Atomic1Panel", 13402316},
        {"Atomic2Panel", 8421580},   {"GeneralPanel", 8441036}, {"GeneralPanel2", 204}};
    const int top = 390 + 25 - 7;
    QList<QFrame*> constantPanels;
    for (const auto& [name, color] : panels) {
        QFrame* p = MakePanel(name, Panel1, 5, top, 638 - 22, 478 - top - 4);
        SetBackground(p, color);
        p->setVisible(constantPanels.isEmpty());
        constantPanels << p;
        info_->WatchClearing(p);
    }
    tabs->raise();
    connect(tabs, &QTabBar::currentChanged, this, [constantPanels](int index) {
        for (int i = 0; i < constantPanels.size(); ++i)
            constantPanels[i]->setVisible(i == index);
    });

    buildPlaceholders();
    buildPersonalAndViewer();

    optionsModel_ = std::make_unique<Options>();
    optionsView_ = new OptionsView(*optionsModel_, reporter(), client_);
    optionsView_->setParent(this);
    optionsView_->hideOtherPanels = [this] { panel("TextEditPanel")->hide(); };

    about_ = new AboutView(*menu_, *shell_, client_, [this] { pause(); });
    about_->setParent(this);
    connect(about_, &AboutView::closed, this, [this] { screens_->showDisplayMode(); });

    exitPanel_ = buildQuestionPanel("ExitPanel", "Do you wish to exit the Pelcor calculator?",
                                    "Yes", "No", "YesExitButt", "NoExitButt");
    imageChangedPanel_ = buildQuestionPanel(
        "ImageChangedPanel",
        "The current image data is not yet saved - do you wish to Abort Exit and save the image.",
        "Exit", "Abort Exit", "ImageExitButt", "AbortExitButt");

    // Moving over a picture ends the lock that keeps a message in the line.
    for (QWidget* w : std::initializer_list<QWidget*>{screens_->Picture1(), screens_->Picture2(),
                                                      screens_->Image3(), screens_->Image1(),
                                                      screens_->RefLabel(), screens_->Picture11()})
        info_->WatchUnlocking(w);
    // The coordinates hide once the pointer leaves the board.
    for (QWidget* w : std::initializer_list<QWidget*>{this, client_, Panel1, boardView_->toolbar(),
                                                      calculatorView_->keypad()})
        boardView_->WatchPointerOver(w);
}

void TMainCalc1::buildPlaceholders() {
    // Panels whose contents arrive with their own features, each created hidden where it
    // opens.
    MakePanel("TextEditPanel", client_, 2, 4, 628, 478)->hide();
    MakePanel("EditFrame", client_, 5, 390, 616, 86)->hide();
    const std::pair<const char*, const char*> sides[] = {{"AstronomyPanel", "AstroCloseButt"},
                                                         {"PhysicsPanel", "PhysCloseButt"},
                                                         {"FormulaPanel", "Button1"}};
    for (const auto& [name, closeName] : sides) {
        QFrame* p = MakePanel(name, Panel1, 19, 12, 149, 12);
        SetBackground(p, colors::BtnFace);
        connect(MakeButton(closeName, "X", p, 124, 298, 21, 21), &QPushButton::clicked, this,
                &TMainCalc1::AstroCloseButtClick);
        sidePanels_->AddPanel(p, QString(name) != "FormulaPanel");
        info_->WatchClearing(p);
    }
}

QFrame* TMainCalc1::buildQuestionPanel(const QString& name, const QString& text, const QString& yes,
                                       const QString& no, const QString& yesName,
                                       const QString& noName) {
    QFrame* p = MakePanel(name, client_, 165, 130, 310, 110);
    SetBackground(p, colors::BtnFace);
    QLabel* l = MakeLabel(name + "Label", text, p, 10, 8, 290, 52);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(ArialFont(13, true));
    auto answer = [this](ExitAnswer a) {
        exitAnswer_ = a;
        if (exitWait_) exitWait_->quit();
    };
    connect(MakeButton(yesName, yes, p, 60, 70, 80, 28), &QPushButton::clicked, this,
            [answer] { answer(ExitAnswer::Exit); });
    connect(MakeButton(noName, no, p, 170, 70, 80, 28), &QPushButton::clicked, this,
            [answer] { answer(ExitAnswer::Abort); });
    p->hide();
    return p;
}

void TMainCalc1::wireMenu() {
    MainMenu& m = *menu_;
    connect(m.ExitProgram1, &QAction::triggered, this, &TMainCalc1::ExitProgram1Click);
    connect(m.New1, &QAction::triggered, this, &TMainCalc1::New1Click);
    connect(m.SaveGraphicsFile1, &QAction::triggered, this, &TMainCalc1::SaveGraphicsFile1Click);
    connect(m.LoadGraphicsFile1, &QAction::triggered, this, &TMainCalc1::LoadGraphicsFile1Click);
    connect(m.SaveImageBitmap1, &QAction::triggered, this, &TMainCalc1::SaveImageBitmap1Click);
    connect(m.Undo1, &QAction::triggered, this, &TMainCalc1::Undo1Click);
    connect(m.Formulas1, &QAction::triggered, this, &TMainCalc1::FormulasClick);
    connect(m.Physics1, &QAction::triggered, this,
            [this] { sidePanels_->Toggle(panel("PhysicsPanel")); });
    connect(m.Astronomy1, &QAction::triggered, this,
            [this] { sidePanels_->Toggle(panel("AstronomyPanel")); });
    connect(m.PersonalData1, &QAction::triggered, this, &TMainCalc1::Personal1Click);
    connect(m.Conversion2, &QAction::triggered, this, &TMainCalc1::Conversion2Click);
    connect(m.AboutUs1, &QAction::triggered, this, &TMainCalc1::AboutUs1Click);
    connect(m.Onlinehelp1, &QAction::triggered, this, &TMainCalc1::Onlinehelp1Click);
    connect(m.HelpFile1, &QAction::triggered, this, &TMainCalc1::HelpFile1Click);
    connect(m.Soundssetup1, &QAction::triggered, optionsView_, &OptionsView::SetupSound);
    connect(m.Screensetup1, &QAction::triggered, optionsView_, &OptionsView::SetupScreen);
    connect(m.DrawMode1, &QAction::triggered, optionsView_, &OptionsView::DrawMode1Click);
    QAction* modes[] = {m.Decimal1, m.Hexidecimal1, m.Binary1};
    for (int base = 0; base < 3; ++base)
        connect(modes[base], &QAction::triggered, calculatorView_,
                [this, base] { calculatorView_->SetBase(base); });
}

void TMainCalc1::wireBoard() {
    BoardView& v = *boardView_;
    connect(&v, &BoardView::imageChangeClicked, this, &TMainCalc1::ImageChangeClick);
    connect(&v, &BoardView::soundToggleRequested, optionsView_, &OptionsView::ToggleSound);
    connect(&v, &BoardView::screenHelpToggleRequested, optionsView_,
            &OptionsView::ToggleScreenHelp);
    connect(&v, &BoardView::focusReadoutRequested, this,
            [this] { calculatorView_->FocusReadoutAtEnd(); });
    connect(&v, &BoardView::saveOffered, this,
            [this] { menu_->SaveGraphicsFile1->setEnabled(true); });
    connect(calculatorView_->keypad()->button("CLSButt"), &QPushButton::clicked, this,
            &TMainCalc1::CLSButtClick);
    v.pointerBlocked = [this] {
        return !panel("FormulaPanel")->isHidden() || !panel("ViewerPanel")->isHidden();
    };
}

void TMainCalc1::wireOptions() {
    OptionsView& o = *optionsView_;
    connect(&o, &OptionsView::soundChanged, boardView_, &BoardView::ShowSoundGlyph);
    connect(&o, &OptionsView::screenHelpChanged, boardView_, &BoardView::ShowScreenGlyph);
    connect(&o, &OptionsView::focusRequested, this, &TMainCalc1::focusAfterToggle);
    connect(&o, &OptionsView::drawOptionsApplied, this, &TMainCalc1::RepaintBoard);
    connect(&o, &OptionsView::screenPicturesOff, this, [this] {
        QLabel* image1 = screens_->Image1();
        screens_->SetStartPicture(LoadPicture(files_.resolve("Splash1.jpg")));
        image1->hide();
        image1->setEnabled(false);
        Timer1->start();
        Timer2->start();
        screens_->showDisplayMode();
    });
    connect(&o, &OptionsView::screenModeChosen, this, [this](int mode) {
        // Mode 1 shows the gallery figure once the gallery is kept; mode 2 is the library's.
        if (mode == 0) screens_->showDisplayMode(DisplayMode::Start);
        if (mode == 3) screens_->showDisplayMode(DisplayMode::Board);
    });
}

QAction* TMainCalc1::menuAction(const QString& name) const {
    return menu_->action(name);
}

QFrame* TMainCalc1::panel(const QString& name) const {
    return findChild<QFrame*>(name);
}

// --- the Reporter ---------------------------------------------------------------------------

void TMainCalc1::showInfo(const std::string& text) {
    info_->Show(text);
}

void TMainCalc1::beep() {
    if (optionsModel_->SoundOn) sound_->beep();
}

void TMainCalc1::showMessage(const std::string& text) {
    dialogs_->showMessage(Q(text));
}

std::string TMainCalc1::infoText() const {
    return info_->Text();
}

bool TMainCalc1::infoLocked() const {
    return info_->InfoLock != 0;
}

void TMainCalc1::playWave(const std::string& relativeName) {
    if (optionsModel_->SoundOn && files_.exists(relativeName))
        sound_->playWave(files_.resolve(relativeName));
}

void TMainCalc1::replaceReadout(const std::string& text, bool focus) {
    calculatorView_->ReplaceReadout(text, focus);
}

// --- start-up -----------------------------------------------------------------------------

void TMainCalc1::FormCreate() {
    // 1. Start values of the switches.
    optionsModel_->SoundOn = true;
    optionsModel_->ScreenHelpOn = false;

    // 2. The splash grows at the screen's centre.
    auto splash = std::make_unique<TCalcSplash1>();
    const QImage splashPicture = LoadPicture(files_.resolve("Splash1.jpg"));
    if (options_.splashTicks > 0) splash->showGrowing(splashPicture, options_.animate ? 8 : 0);

    // 3. Where the window sits.
    move(90, y());

    // 4. Start values: the keypad's memories (the board keeps its own: white pen, black
    //    fill, the board's background colour).
    calculatorView_->Sync();

    // 5. The saved state.
    LoadSettings();

    // 6. With no drawing file remembered: the start picture and the pointer's glyph.
    if (settings_.drawingFile.empty()) screens_->showDisplayMode(DisplayMode::Start);

    // 7. The pictures share the board's place (the viewer's panel is placed by the viewer);
    //    the start picture is the splash picture stretched to the screen.
    screens_->SetStartPicture(splashPicture);

    // 8. The lower area is laid out as it was built; the side panels start collapsed.

    // 9. The drawing board: the window always opens on it.
    screens_->Picture1()->hide();
    screens_->Picture2()->hide();
    screens_->Picture11()->hide();
    screens_->Image1()->show();
    RepaintBoard();
    board_->SelectTool(ToolTag::Pointer);
    boardView_->Refresh();

    // 10. Timers and the information line.
    IdleCountdown = kIdleTicks;
    Timer1->start();
    Panel1->move(2, 4);
    info_->Show("");

    // 11. Wait for the splash.
    SplashCountdown = options_.splashTicks;
    if (SplashCountdown > 0) {
        QEventLoop wait;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &wait, [this, &wait] {
            if (SplashCountdown <= 0) wait.quit();
        });
        poll.start(10);
        wait.exec();
    }
    splash.reset();

    // 12. Show the window and open the menu.
    show();
    repaint();
    for (QAction* a : {menu_->Conversion2, menu_->Edit1, menu_->File1, menu_->Help1,
                       menu_->Options1, menu_->TextEditor1, menu_->Science1, menu_->Trigonometric1})
        a->setEnabled(true);

    // 13. The readout takes the keys.
    calculatorView_->FocusReadoutAtEnd();
}

void TMainCalc1::Timer1Timer() {
    if (SplashCountdown >= -2) {
        --SplashCountdown;
        return;
    }
    if (IdleCountdown > 0) --IdleCountdown;
    // The idle animation starts from here once the astronomy panel has one.
}

void TMainCalc1::pause() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (options_.animate) QThread::msleep(2);
}

// --- screens and panels ---------------------------------------------------------------------

void TMainCalc1::modeShown() {
    SetFontColor(calculatorView_->keypad()->button("PlanetButt"), colors::Black);
    calculatorView_->keypad()->memLabel()->setVisible(screens_->displayMode() ==
                                                      DisplayMode::Board);
}

void TMainCalc1::RepaintBoard() {
    board_->SetDisplayOptions(optionsModel_->WireFrame, optionsModel_->BlackWhite);
    board_->RepaintBoard();
    showDocumentState();
}

void TMainCalc1::focusAfterToggle() {
    if (board_->TextToolOpen())
        boardView_->addText()->setFocus();
    else
        calculatorView_->FocusReadoutAtEnd();
}

void TMainCalc1::FormulasClick() {
    QFrame* formulas = panel("FormulaPanel");
    if (!sidePanels_->Toggle(formulas)) {
        screens_->showDisplayMode(screens_->savedDisplayMode());
        return;
    }
    screens_->setSavedDisplayMode(screens_->displayMode());
    screens_->showDisplayMode(DisplayMode::Sheets);
    IdleCountdown = kIdleTicks;
    Timer1->stop();
    // The formula sheets draw on Picture2 once they are kept.
}

void TMainCalc1::AstroCloseButtClick() {
    screens_->showDisplayMode(screens_->savedDisplayMode());
    IdleCountdown = kIdleTicks;
    Timer1->start();
    sidePanels_->CloseAll();
    board_->RedrawAllShapes();
    screens_->Picture11()->update();
}

void TMainCalc1::ImageChangeClick() {
    Timer1->stop();
    static constexpr DisplayMode next[] = {DisplayMode::Gallery, DisplayMode::Board,
                                           DisplayMode::Board, DisplayMode::Reference,
                                           DisplayMode::Start};
    const DisplayMode mode = next[static_cast<int>(screens_->displayMode())];
    if (mode == DisplayMode::Reference) screens_->setTitle(""); // the electrical reference
    screens_->showDisplayMode(mode);
    IdleCountdown = kIdleTicks;
    Timer1->start();
}

void TMainCalc1::Conversion2Click() {
    if (!converter_) {
        ReadoutAccess readout{
            [this] { return calculatorView_->readout()->text(); },
            [this](const QString& text) { calculatorView_->ReplaceReadout(S(text), false); }};
        converter_ = new TCalcConv(*dialogs_, std::move(readout),
                                   TCalcConv::Options{options_.animate}, this);
    }
    converter_->OpenConverter(calculatorView_->readout()->text());
    converter_->showGrowing(pos() + QPoint(5, 50));
}

// --- exit ---------------------------------------------------------------------------------

ExitAnswer TMainCalc1::AskExitPanel(QFrame* p) {
    exitAnswer_ = ExitAnswer::None;
    p->show();
    p->raise();
    QEventLoop wait;
    exitWait_ = &wait;
    wait.exec();
    exitWait_ = nullptr;
    p->hide();
    return exitAnswer_;
}

void TMainCalc1::ExitProgram1Click() {
    exitPanel_->show();
    exitPanel_->raise();
    calculatorView_->ReadoutBackToDecimal();
    SaveSettings();
    close();
}

void TMainCalc1::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    if (AskExitPanel(exitPanel_) == ExitAnswer::Abort) {
        event->ignore();
        return;
    }
    if (document_->Changed() && AskExitPanel(imageChangedPanel_) == ExitAnswer::Abort) {
        event->ignore();
        return;
    }
    closing_ = true;
    FormDestroy();
    event->accept();
}

void TMainCalc1::FormDestroy() {
    exitPanel_->show();
    Timer1->stop();
    Timer2->stop();
    calculatorView_->ReadoutBackToDecimal();
    calculatorView_->readout()->repaint();
    SaveSettings();
    exitPanel_->hide();
}

} // namespace pelcor
