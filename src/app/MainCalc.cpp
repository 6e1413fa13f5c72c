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
#include "board/DrawingCommands.h"
#include "board/DrawingDocument.h"
#include "calc/CalcKeypadView.h"
#include "calc/CalculatorView.h"
#include "converter/Converter.h"
#include "editor/TextEditorView.h"
#include "gallery/GalleryView.h"
#include "platform/Colors.h"
#include "platform/Cp1252.h"
#include "platform/Pictures.h"
#include "platform/Shell.h"
#include "platform/widgets/DesktopDialogs.h"
#include "platform/widgets/DesktopSound.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Widgets.h"
#include "print/CalcPrinter.h"
#include "reference/ConstantsView.h"
#include "reference/FormulaSheets.h"
#include "reference/ImageViewerView.h"
#include "reference/OrbitView.h"
#include "reference/SheetsView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace pelcor {

TMainCalc1::TMainCalc1(MainCalcOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), files_(options_.programDir),
      userFiles_(options_.userDir.empty() ? options_.programDir : options_.userDir) {
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
    menu_ = std::make_unique<MainMenu>(menuBar());
    buildParts();
    wireMenu();
    wireBoard();
    wireOptions();
    wireReference();
    wireEditor();
    QApplication::instance()->installEventFilter(this);
    wirePersonalAndViewer();

    // The window keeps its size: the client area is 643 x 509 under the menu.
    setFixedSize(643, 509 + menuBar()->sizeHint().height());
    // The windows keep the colours they are designed with under any desktop theme.
    UseProgramPalette(this);
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
    hooks.resetIdle = [this] { orbit_->ResetIdle(); };
    hooks.stopClock = [this] { gallery_->stopClock(); };
    hooks.modeShown = [this] { modeShown(); };
    screens_ = std::make_unique<ScreenHost>(Panel1, *menu_, std::move(hooks));

    info_ = new InfoLine(Panel1);
    info_->setParent(this);

    document_ = std::make_unique<DrawingDocument>(reporter());
    board_ = std::make_unique<BoardModel>(*document_, screens_->Picture11()->canvas(), reporter(),
                                          *screens_);
    // The board is always its list drawn again.
    screens_->Picture11()->setDrawing([this](Surface& surface) { board_->DrawPicture(surface); },
                                      true);
    boardView_ = new BoardView(*board_, *dialogs_, files_,
                               {Panel1, client_, screens_->Picture11(), screens_->TextLabel()});
    boardView_->setParent(this);
    commands_ =
        new DrawingCommands(*board_, *screens_, *dialogs_, reporter(),
                            {&screens_->Picture1()->canvas(), &screens_->Picture2()->canvas(),
                             &screens_->Picture11()->canvas()},
                            this);

    // Without the animation a panel takes its height at once: no steps, no pause.
    std::function<void()> panelPause;
    if (options_.animate) panelPause = [this] { pause(); };
    sidePanels_ = std::make_unique<SidePanelHost>(*screens_, boardView_->toolbar(), panelPause);
    for (QWidget* w : boardView_->swatchControls())
        sidePanels_->AddToLeftColumn(w);

    gallery_ = new GalleryView(
        screens_->Picture1(), *screens_, [this] { return optionsModel_->WireFrame; },
        [this] { return screens_->isShown(ScreenPicture::Picture11); }, gallery::SystemClock(),
        this);
    constants_ =
        new ConstantsView(Panel1, Panel1, screens_->Image1(), *screens_, reporter(), files_, this);
    constants_->setScreenHelpQuery([this] { return optionsModel_->ScreenHelpOn; });
    sidePanels_->AddPanel(constants_->sideList(ConstantsView::SideList::Astronomy), true);
    sidePanels_->AddPanel(constants_->sideList(ConstantsView::SideList::Physics), true);
    sidePanels_->AddPanel(constants_->sideList(ConstantsView::SideList::Formulas), false);
    sheets_ = new SheetsView(
        {screens_->Picture1(), screens_->Picture2(), screens_->RefLabel(), screens_->Picture11()},
        *screens_, [this] { return board_->renderer().Settings.BackgroundColor; },
        [this] { return editor_ && editor_->isPanelVisible(); }, this);
    orbit_ = new OrbitView(screens_->Image1(), *screens_, reporter(), files_, {}, this);
    editor_ = new TextEditorView(
        client_, reporter(), *dialogs_,
        MenuAccess{[this](const QString& name) { return menuAction(name)->isEnabled(); },
                   [this](const QString& name, bool on) { menuAction(name)->setEnabled(on); }});
    printWindow_ = std::make_unique<TCalcPrint1>(*dialogs_);
    UseProgramPalette(printWindow_.get());

    buildPersonalAndViewer();

    optionsModel_ = std::make_unique<Options>();
    optionsView_ = new OptionsView(*optionsModel_, reporter(), client_);
    optionsView_->setParent(this);

    about_ = new AboutView(*menu_, *shell_, client_, panelPause);
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
                                                      calculatorView_->keypadArea()})
        boardView_->WatchPointerOver(w);
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
    DrawingCommands* d = commands_;
    connect(m.New1, &QAction::triggered, d, &DrawingCommands::New);
    connect(m.SaveGraphicsFile1, &QAction::triggered, d, &DrawingCommands::Save);
    connect(m.LoadGraphicsFile1, &QAction::triggered, d, &DrawingCommands::Load);
    connect(m.SaveImageBitmap1, &QAction::triggered, d, &DrawingCommands::Export);
    connect(m.Undo1, &QAction::triggered, d, &DrawingCommands::Undo);
    connect(m.Redo1, &QAction::triggered, d, &DrawingCommands::Redo);
    connect(m.Formulas1, &QAction::triggered, this, &TMainCalc1::FormulasClick);
    connect(m.Physics1, &QAction::triggered, this, [this] {
        sidePanels_->Toggle(constants_->sideList(ConstantsView::SideList::Physics));
    });
    connect(m.Astronomy1, &QAction::triggered, this, [this] {
        sidePanels_->Toggle(constants_->sideList(ConstantsView::SideList::Astronomy));
    });
    connect(m.PersonalData1, &QAction::triggered, this, &TMainCalc1::Personal1Click);
    connect(m.Conversion2, &QAction::triggered, this, &TMainCalc1::Conversion2Click);
    connect(m.AboutUs1, &QAction::triggered, this, &TMainCalc1::AboutUs1Click);
    connect(m.Onlinehelp1, &QAction::triggered, this, &TMainCalc1::Onlinehelp1Click);
    connect(m.HelpFile1, &QAction::triggered, this, &TMainCalc1::HelpFile1Click);
    connect(m.Soundssetup1, &QAction::triggered, optionsView_, &OptionsView::SetupSound);
    connect(m.Screensetup1, &QAction::triggered, optionsView_, &OptionsView::SetupScreen);
    connect(m.DrawMode1, &QAction::triggered, optionsView_, &OptionsView::DrawMode1Click);
    connect(m.Copy1, &QAction::triggered, calculatorView_, &CalculatorView::CopyReadout);
    connect(m.Paste1, &QAction::triggered, calculatorView_, &CalculatorView::PasteIntoReadout);
    connect(m.CopyPicture1, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setImage(screens_->CurrentPicture()); });
    const std::pair<QAction*, NumberBase> modes[] = {{m.Decimal1, NumberBase::Decimal},
                                                     {m.Hexidecimal1, NumberBase::Hexadecimal},
                                                     {m.Binary1, NumberBase::Binary}};
    for (const auto& [action, base] : modes)
        connect(action, &QAction::triggered, calculatorView_,
                [this, base] { calculatorView_->SetBase(base); });
}

void TMainCalc1::wireBoard() {
    BoardView& v = *boardView_;
    connect(&v, &BoardView::imageChangeClicked, this, &TMainCalc1::ImageChangeClick);
    connect(&v, &BoardView::galleryBackClicked, gallery_, &GalleryView::LeftArrowClick);
    connect(&v, &BoardView::galleryForwardClicked, gallery_, &GalleryView::RightArrowClick);
    connect(&v, &BoardView::solidClicked, gallery_, &GalleryView::SolidClick);
    connect(&v, &BoardView::soundToggleRequested, optionsView_, &OptionsView::ToggleSound);
    connect(&v, &BoardView::screenHelpToggleRequested, optionsView_,
            &OptionsView::ToggleScreenHelp);
    connect(&v, &BoardView::focusReadoutRequested, this,
            [this] { calculatorView_->FocusReadoutAtEnd(); });
    connect(&v, &BoardView::saveOffered, this,
            [this] { menu_->SaveGraphicsFile1->setEnabled(true); });
    connect(&v, &BoardView::infoLockRequested, this, [this] { info_->InfoLock = 255; });
    // "Undo" and "Redo" are offered while there is a step to take.
    connect(&v, &BoardView::drawingChanged, this, [this] {
        menu_->Undo1->setEnabled(document_->CanUndo());
        menu_->Redo1->setEnabled(document_->CanRedo());
    });
    connect(commands_, &DrawingCommands::changed, &v, &BoardView::Refresh);
    connect(commands_, &DrawingCommands::repaintRequested, this, &TMainCalc1::RepaintBoard);
    connect(commands_, &DrawingCommands::saveOffered, menu_->SaveGraphicsFile1,
            &QAction::setEnabled);
    connect(calculatorView_, &CalculatorView::clearScreenClicked, this, &TMainCalc1::CLSButtClick);
    connect(&v, &BoardView::pointerCoordinates, calculatorView_,
            &CalculatorView::showPointerCoordinates);
    connect(&v, &BoardView::pointerLeftBoard, calculatorView_,
            &CalculatorView::hidePointerCoordinates);
    v.pointerBlocked = [this] { return constants_->isFormulaListOpen() || viewer_->isOpen(); };
}

void TMainCalc1::wireOptions() {
    OptionsView& o = *optionsView_;
    connect(&o, &OptionsView::soundChanged, boardView_, &BoardView::ShowSoundGlyph);
    connect(&o, &OptionsView::screenHelpChanged, boardView_, &BoardView::ShowScreenGlyph);
    connect(&o, &OptionsView::focusRequested, this, &TMainCalc1::focusAfterToggle);
    connect(&o, &OptionsView::drawOptionsApplied, this, &TMainCalc1::RepaintBoard);
    connect(&o, &OptionsView::screenPicturesOff, this, [this] {
        QLabel* image1 = screens_->Image1();
        screens_->ShowStartPicture();
        image1->hide();
        image1->setEnabled(false);
        Timer1->start();
        gallery_->enableClock();
        screens_->showDisplayMode();
    });
    connect(&o, &OptionsView::screenModeChosen, this, [this](int mode) {
        // Mode 2 shows the picture library, wired with the viewer.
        if (mode == 0) screens_->showDisplayMode(DisplayMode::Start);
        if (mode == 1) gallery_->ShowCurrentFigure();
        if (mode == 3) screens_->showDisplayMode(DisplayMode::Board);
    });
}

void TMainCalc1::wireReference() {
    connect(constants_, &ConstantsView::SidePanelCloseClicked, this,
            &TMainCalc1::AstroCloseButtClick);
    connect(constants_, &ConstantsView::PointerOverPanel, info_, &InfoLine::ClearInfo);
    connect(constants_, &ConstantsView::TopicClicked, sheets_, &SheetsView::ShowTopic);
    connect(info_, &InfoLine::cleared, constants_, &ConstantsView::RestoreHighlightedConst);

    for (int i = 0; i < TrigSheetCount; ++i)
        connect(menu_->TrigonometricSheets[i], &QAction::triggered, sheets_,
                [this, which = static_cast<TrigSheet>(i)] { sheets_->TrigSheetClick(which); });
    connect(menu_->Electricalrefdata1, &QAction::triggered, sheets_,
            &SheetsView::ElectroPower1Click);
    connect(sheets_, &SheetsView::leaveBoardInteraction, this, [this] {
        board_->LeaveInteraction();
        boardView_->Refresh();
    });
    connect(sheets_, &SheetsView::referenceOpened, this, [this] {
        menu_->Printar->setEnabled(true);
        menu_->SaveTextFile1->setEnabled(false);
        info_->InfoLock = 0;
    });
    connect(sheets_, &SheetsView::restoreStartPictureRequested, orbit_,
            &OrbitView::RequestStartPicture);

    connect(calculatorView_, &CalculatorView::orbitClicked, orbit_, &OrbitView::PlanetButtClick);
    connect(orbit_, &OrbitView::focusReturnRequested, this, &TMainCalc1::focusAfterToggle);
    connect(orbit_, &OrbitView::closeEditFrameRequested, boardView_, &BoardView::CloseEditFrame);
}

void TMainCalc1::wireEditor() {
    connect(optionsView_, &OptionsView::otherPanelsHideRequested, this, [this] {
        if (editor_->isPanelVisible()) editor_->EditorCloseButt1Click();
    });
    connect(editor_, &TextEditorView::hideOptionPanels, optionsView_, &OptionsView::HidePanels);
    // While the editor is open the drawing tools rest.
    board_->textEditOpen = [this] { return editor_->isPanelVisible(); };
    connect(menu_->Viewcalculations1, &QAction::triggered, this,
            [this] { editor_->ViewEditor1Click(Q(calculatorView_->calculator().tape())); });
    connect(menu_->TextEditor2, &QAction::triggered, editor_, &TextEditorView::TextEditor2Click);
    connect(menu_->CheckEditpczFile1, &QAction::triggered, this,
            [this] { editor_->CheckFile1Click(Q(Cp1252ToUtf8(document_->Text()))); });
    connect(menu_->LoadTextFile1, &QAction::triggered, editor_,
            &TextEditorView::LoadTextFile1Click);
    connect(menu_->SaveTextFile1, &QAction::triggered, editor_,
            &TextEditorView::SaveTextFile1Click);
    connect(menu_->Printar, &QAction::triggered, this, &TMainCalc1::PrintarClick);
    connect(printWindow_.get(), &TCalcPrint1::printerClosed, this, [this] { show(); });
}

void TMainCalc1::PrintarClick() {
    if (editor_->isPanelVisible()) {
        printWindow_->ShowText(editor_->memoText(), editor_->memoFont());
    } else {
        switch (screens_->displayMode()) {
        case DisplayMode::Gallery:
            printWindow_->ShowPicture(screens_->Picture1()->canvas().image(),
                                      screens_->Picture1()->drawing());
            break;
        case DisplayMode::Board:
            printWindow_->ShowPicture(screens_->Picture11()->canvas().image(),
                                      screens_->Picture11()->drawing());
            break;
        case DisplayMode::Reference: {
            QFont design("Arial");
            design.setPointSize(8);
            printWindow_->ShowText(screens_->RefLabel()->text(), design);
            break;
        }
        default: return; // "Print" is not offered on the other screens
        }
    }
    hide();
}

int TMainCalc1::idleCountdown() const {
    return orbit_->model().idleCountdown();
}

bool TMainCalc1::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::Wheel) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this && orbit_)
        orbit_->ResetIdle();
    // While the drawing has a step to undo or redo, its keys are the menu's, not the
    // readout's own text undo.
    if (type == QEvent::ShortcutOverride && menu_) {
        const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
        for (QAction* a : {menu_->Undo1, menu_->Redo1})
            if (a->isEnabled() && a->shortcuts().contains(key)) {
                event->ignore();
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, event);
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
    return info_->InfoLock != 0 || info_->held();
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
    // A click or a key on the splash ends its wait early (step 11).
    bool splashDismissed = false;
    connect(splash.get(), &TCalcSplash1::dismissed, this,
            [&splashDismissed] { splashDismissed = true; });
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
    constants_->setStartPicture(screens_->StartPicture());

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
    orbit_->ResetIdle();
    Timer1->start();
    Panel1->move(2, 4);
    info_->Show("");

    // 11. Wait for the splash; a click or a key on it ends the wait at once.
    SplashCountdown = splashDismissed ? 0 : options_.splashTicks;
    if (SplashCountdown > 0) {
        QEventLoop wait;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &wait, [this, &wait, &splashDismissed] {
            if (splashDismissed) SplashCountdown = 0;
            if (SplashCountdown <= 0) wait.quit();
        });
        connect(splash.get(), &TCalcSplash1::dismissed, &wait, [this, &wait] {
            SplashCountdown = 0;
            wait.quit();
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
    if (!startupProblem_.empty()) info_->ShowHeld(startupProblem_);
}

void TMainCalc1::Timer1Timer() {
    if (SplashCountdown >= -2) {
        --SplashCountdown;
        return;
    }
    orbit_->Timer1Idle();
}

void TMainCalc1::pause() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(2);
}

// --- screens and panels ---------------------------------------------------------------------

void TMainCalc1::modeShown() {
    calculatorView_->showOrbitKeyAtRest();
    calculatorView_->setPointerCoordinatesShown(screens_->displayMode() == DisplayMode::Board);
}

void TMainCalc1::RepaintBoard() {
    board_->SetDisplayOptions(optionsModel_->WireFrame, optionsModel_->BlackWhite);
    board_->RepaintBoard();
    boardView_->Refresh(); // its drawingChanged also offers "Undo" and "Redo"
}

void TMainCalc1::focusAfterToggle() {
    if (board_->TextToolOpen())
        boardView_->addText()->setFocus();
    else
        calculatorView_->FocusReadoutAtEnd();
}

void TMainCalc1::FormulasClick() {
    QWidget* formulas = constants_->sideList(ConstantsView::SideList::Formulas);
    if (!sidePanels_->Toggle(formulas)) {
        screens_->showDisplayMode(screens_->savedDisplayMode());
        return;
    }
    screens_->setSavedDisplayMode(screens_->displayMode());
    screens_->showDisplayMode(DisplayMode::Sheets);
    orbit_->ResetIdle();
    Timer1->stop();
    sheets_->ShowChooser();
}

void TMainCalc1::AstroCloseButtClick() {
    screens_->showDisplayMode(screens_->savedDisplayMode());
    orbit_->ResetIdle();
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
    const DisplayMode from = screens_->displayMode();
    const DisplayMode mode = next[static_cast<int>(from)];
    if (mode == DisplayMode::Reference) {
        screens_->setTitle("");
        sheets_->PrepareReference(from);
    }
    screens_->showDisplayMode(mode);
    orbit_->ResetIdle();
    Timer1->start();
}

void TMainCalc1::Conversion2Click() {
    if (!converter_) {
        ReadoutAccess readout{
            [this] { return calculatorView_->readoutText(); },
            [this](const QString& text) { calculatorView_->ReplaceReadout(S(text), false); }};
        converter_ = new TCalcConv(*dialogs_, std::move(readout),
                                   TCalcConv::Options{options_.animate}, this);
        UseProgramPalette(converter_);
    }
    converter_->OpenConverter(calculatorView_->readoutText());
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
    gallery_->stopClock();
    calculatorView_->ReadoutBackToDecimal();
    calculatorView_->repaintReadout();
    SaveSettings();
    exitPanel_->hide();
}

} // namespace pelcor
