#include "app/MainCalc.h"

#include "app/AboutView.h"
#include "app/CalcSplash.h"
#include "app/ExitPanels.h"
#include "app/HelpPages.h"
#include "app/InfoLine.h"
#include "app/KeptState.h"
#include "app/MainMenu.h"
#include "app/OptionsView.h"
#include "app/ScreenHost.h"
#include "app/SidePanelHost.h"
#include "app/WindowAnswers.h"
#include "app/WindowReporter.h"
#include "board/BoardModel.h"
#include "board/BoardView.h"
#include "board/DrawingCommands.h"
#include "board/DrawingDocument.h"
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
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

namespace pelcor {

TMainCalc1::TMainCalc1(MainCalcOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)),
      desktop_(this, options_.dialogs, options_.sound, options_.shell),
      files_(options_.programDir) {
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
    // The client area, the window's central widget, holds the panels.
    QWidget* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(643, 509);
    SetBackground(client, colors::DesktopBackground);
    setCentralWidget(client);
    Panel1 = MakePanel("Panel1", client, 2, 4, 628, 478);
    SetBackground(Panel1, colors::BtnFace);

    answers_ = std::make_unique<WindowAnswers>(*this);
    optionsModel_ = std::make_unique<Options>();
    info_ = new InfoLine(Panel1);
    info_->setParent(this);
    reporter_ = std::make_unique<WindowReporter>(*info_, *optionsModel_, desktop_.sound(),
                                                 desktop_.dialogs(), files_, *answers_);
    kept_ = std::make_unique<KeptState>(
        ProgramFiles(options_.userDir.empty() ? options_.programDir : options_.userDir),
        desktop_.dialogs(), *reporter_);
    calculatorView_ = new CalculatorView(*reporter_, Panel1);
    calculatorView_->setParent(this);
    connect(reporter_.get(), &WindowReporter::readoutReplaceRequested, calculatorView_,
            &CalculatorView::ReplaceReadout);

    screens_ = std::make_unique<ScreenHost>(Panel1, *menu_);
    connect(screens_.get(), &ScreenHost::idleTimerRunningRequested, Timer1,
            [this](bool running) { running ? Timer1->start() : Timer1->stop(); });
    // Once the screen shows a mode, the keypad shows its part of it.
    connect(screens_.get(), &ScreenHost::modeShown, this, [this] {
        calculatorView_->showOrbitKeyAtRest();
        calculatorView_->setPointerCoordinatesShown(screens_->displayMode() == DisplayMode::Board);
    });

    document_ = std::make_unique<DrawingDocument>(*reporter_);
    board_ = std::make_unique<BoardModel>(*document_, screens_->Picture11()->canvas(), *reporter_,
                                          *screens_, *answers_);
    // The board is always its list drawn again.
    screens_->Picture11()->setDrawing([this](Surface& surface) { board_->DrawPicture(surface); },
                                      true);
    boardView_ =
        new BoardView(*board_, desktop_.dialogs(), files_, {Panel1, client, screens_->Picture11()});
    boardView_->setParent(this);
    commands_ =
        new DrawingCommands(*board_, *screens_, desktop_.dialogs(), *reporter_,
                            {&screens_->Picture1()->canvas(), &screens_->Picture2()->canvas(),
                             &screens_->Picture11()->canvas()},
                            this);

    sidePanels_ =
        std::make_unique<SidePanelHost>(*screens_, boardView_->toolbar(), options_.animate);
    for (QWidget* w : boardView_->swatchControls())
        sidePanels_->AddToLeftColumn(w);

    gallery_ = new GalleryView(screens_->Picture1(), *screens_, *optionsModel_,
                               gallery::SystemClock(), this);
    connect(screens_.get(), &ScreenHost::clockStopRequested, gallery_, &GalleryView::stopClock);
    constants_ =
        new ConstantsView(Panel1, Panel1, *screens_, *reporter_, *optionsModel_, files_, this);
    sidePanels_->AddPanel(constants_->sideList(ConstantsView::SideList::Astronomy), true);
    sidePanels_->AddPanel(constants_->sideList(ConstantsView::SideList::Physics), true);
    sidePanels_->AddPanel(constants_->sideList(ConstantsView::SideList::Formulas), false);
    sheets_ =
        new SheetsView({screens_->Picture1(), screens_->Picture2()}, *screens_, *answers_, this);
    orbit_ = new OrbitView(*screens_, *reporter_, files_, {}, this);
    connect(screens_.get(), &ScreenHost::idleResetRequested, orbit_, &OrbitView::ResetIdle);
    editor_ = new TextEditorView(client, *reporter_, desktop_.dialogs(), *answers_);
    printWindow_ = std::make_unique<TCalcPrint1>(desktop_.dialogs());
    UseProgramPalette(printWindow_.get());

    buildPersonalAndViewer();

    optionsView_ = new OptionsView(*optionsModel_, *reporter_, client);
    optionsView_->setParent(this);

    auto* about = new AboutView(*menu_, desktop_.shell(), client, options_.animate);
    about->setParent(this);
    connect(about, &AboutView::closed, this, [this] { screens_->showDisplayMode(); });
    connect(menu_->AboutUs1, &QAction::triggered, about,
            [this, about] { about->AboutUs1Click(screens_->StartPicture()); });

    exitPanels_ = new ExitPanels(client);

    // Moving over a picture ends the lock that keeps a message in the line.
    screens_->WatchPointer();
    connect(screens_.get(), &ScreenHost::pointerOverPicture, info_, &InfoLine::ReleaseLock);
    // The coordinates hide once the pointer leaves the board.
    for (QWidget* w : std::initializer_list<QWidget*>{this, client, Panel1, boardView_->toolbar(),
                                                      calculatorView_->keypadArea()})
        boardView_->WatchPointerOver(w);
}

void TMainCalc1::wireMenu() {
    MainMenu& m = *menu_;
    connect(m.ExitProgram1, &QAction::triggered, this, [this] {
        exitPanels_->ShowWhileSaving();
        calculatorView_->ReadoutBackToDecimal();
        SaveSettings();
        close();
    });
    DrawingCommands* d = commands_;
    connect(m.New1, &QAction::triggered, d, &DrawingCommands::New);
    connect(m.SaveGraphicsFile1, &QAction::triggered, d, &DrawingCommands::Save);
    connect(m.LoadGraphicsFile1, &QAction::triggered, d, &DrawingCommands::Load);
    connect(m.SaveImageBitmap1, &QAction::triggered, d, &DrawingCommands::Export);
    connect(m.Undo1, &QAction::triggered, d, &DrawingCommands::Undo);
    connect(m.Redo1, &QAction::triggered, d, &DrawingCommands::Redo);
    // "Formula's": the formula list opens over the left column with the chooser on the
    // screen, or closes and gives the screen back.
    connect(m.Formulas1, &QAction::triggered, this, [this] {
        if (!sidePanels_->Toggle(constants_->sideList(ConstantsView::SideList::Formulas))) {
            screens_->showDisplayMode(screens_->savedDisplayMode());
            return;
        }
        screens_->setSavedDisplayMode(screens_->displayMode());
        screens_->showDisplayMode(DisplayMode::Sheets);
        orbit_->ResetIdle();
        Timer1->stop();
        sheets_->ShowChooser();
    });
    connect(m.Physics1, &QAction::triggered, this, [this] {
        sidePanels_->Toggle(constants_->sideList(ConstantsView::SideList::Physics));
    });
    connect(m.Astronomy1, &QAction::triggered, this, [this] {
        sidePanels_->Toggle(constants_->sideList(ConstantsView::SideList::Astronomy));
    });
    connect(m.Conversion2, &QAction::triggered, this, [this] {
        TCalcConv* conv = converter();
        if (!conv) {
            conv = new TCalcConv(desktop_.dialogs(), *answers_,
                                 TCalcConv::Options{options_.animate}, this);
            UseProgramPalette(conv);
        }
        conv->OpenConverter(calculatorView_->readoutText());
        conv->showGrowing(pos() + QPoint(5, 50));
    });
    auto help = std::make_shared<HelpPages>(desktop_.shell(), files_, *reporter_);
    connect(m.Onlinehelp1, &QAction::triggered, this, [help] { help->Onlinehelp1Click(); });
    connect(m.HelpFile1, &QAction::triggered, this, [help] { help->HelpFile1Click(); });
    connect(m.Soundssetup1, &QAction::triggered, optionsView_, &OptionsView::SetupSound);
    connect(m.Screensetup1, &QAction::triggered, optionsView_, &OptionsView::SetupScreen);
    connect(m.DrawMode1, &QAction::triggered, optionsView_, &OptionsView::DrawMode1Click);
    connect(m.Copy1, &QAction::triggered, calculatorView_, &CalculatorView::CopyReadout);
    connect(m.Paste1, &QAction::triggered, calculatorView_, &CalculatorView::PasteIntoReadout);
    connect(m.CopyPicture1, &QAction::triggered, this, [this] { screens_->CopyPicture(); });
    const std::pair<QAction*, NumberBase> modes[] = {{m.Decimal1, NumberBase::Decimal},
                                                     {m.Hexidecimal1, NumberBase::Hexadecimal},
                                                     {m.Binary1, NumberBase::Binary}};
    for (const auto& [action, base] : modes)
        connect(action, &QAction::triggered, calculatorView_,
                [this, base] { calculatorView_->SetBase(base); });
}

void TMainCalc1::wireBoard() {
    BoardView& v = *boardView_;
    connect(&v, &BoardView::imageChangeClicked, screens_.get(), &ScreenHost::ImageChangeClick);
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
    // "CLS": the board's drawing, or the gallery's picture, and the tape.
    connect(calculatorView_, &CalculatorView::clearScreenClicked, this, [this] {
        if (!commands_->CLS()) gallery_->ClearScreen();
        calculatorView_->ClearTape();
        focusAfterToggle();
    });
    connect(&v, &BoardView::pointerCoordinates, calculatorView_,
            &CalculatorView::showPointerCoordinates);
    connect(&v, &BoardView::pointerLeftBoard, calculatorView_,
            &CalculatorView::hidePointerCoordinates);
}

void TMainCalc1::wireOptions() {
    OptionsView& o = *optionsView_;
    connect(&o, &OptionsView::soundChanged, boardView_, &BoardView::ShowSoundGlyph);
    connect(&o, &OptionsView::screenHelpChanged, boardView_, &BoardView::ShowScreenGlyph);
    connect(&o, &OptionsView::focusRequested, this, &TMainCalc1::focusAfterToggle);
    connect(&o, &OptionsView::drawOptionsApplied, this, &TMainCalc1::RepaintBoard);
    connect(&o, &OptionsView::screenPicturesOff, this, [this] {
        screens_->RestStartPicture();
        Timer1->start();
        gallery_->enableClock();
        screens_->showDisplayMode();
    });
    connect(&o, &OptionsView::screenModeChosen, this, [this](int mode) {
        if (mode == 0) screens_->showDisplayMode(DisplayMode::Start);
        if (mode == 1) gallery_->ShowCurrentFigure();
        if (mode == 2) viewer_->ShowLibraryImage(); // the picture library
        if (mode == 3) screens_->showDisplayMode(DisplayMode::Board);
    });
}

void TMainCalc1::wireReference() {
    connect(screens_.get(), &ScreenHost::referenceReached, sheets_, &SheetsView::PrepareReference);
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
    connect(menu_->Viewcalculations1, &QAction::triggered, this,
            [this] { editor_->ViewEditor1Click(Q(calculatorView_->calculator().tape())); });
    connect(menu_->TextEditor2, &QAction::triggered, editor_, &TextEditorView::TextEditor2Click);
    connect(menu_->CheckEditpczFile1, &QAction::triggered, this,
            [this] { editor_->CheckFile1Click(Q(Cp1252ToUtf8(document_->Text()))); });
    connect(menu_->LoadTextFile1, &QAction::triggered, editor_,
            &TextEditorView::LoadTextFile1Click);
    connect(menu_->SaveTextFile1, &QAction::triggered, editor_,
            &TextEditorView::SaveTextFile1Click);
    // "Print": the editor's text, or the screen's picture or text; the window hides while the
    // print window is in use.
    connect(menu_->Printar, &QAction::triggered, this, [this] {
        if (editor_->isPanelVisible())
            printWindow_->ShowText(editor_->memoText(), editor_->memoFont());
        else if (!screens_->Print(*printWindow_))
            return; // "Print" is not offered on the other screens
        hide();
    });
    connect(printWindow_.get(), &TCalcPrint1::printerClosed, this, [this] { show(); });
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

TCalcConv* TMainCalc1::converter() const {
    return findChild<TCalcConv*>("CalcConv", Qt::FindDirectChildrenOnly);
}

QAction* TMainCalc1::menuAction(const QString& name) const {
    return menu_->action(name);
}

QFrame* TMainCalc1::panel(const QString& name) const {
    return findChild<QFrame*>(name);
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
    if (kept_->settings().drawingFile.empty()) screens_->showDisplayMode(DisplayMode::Start);

    // 7. The pictures share the board's place (the viewer's panel is placed by the viewer);
    //    the start picture is the splash picture stretched to the screen.
    screens_->SetStartPicture(splashPicture);
    constants_->setStartPicture(screens_->StartPicture());

    // 8. The lower area is laid out as it was built; the side panels start collapsed.

    // 9. The drawing board: the window always opens on it.
    screens_->ShowOpeningPicture();
    RepaintBoard();
    board_->SelectTool(ToolTag::Pointer);
    boardView_->Refresh();

    // 10. Timers and the information line.
    orbit_->ResetIdle();
    Timer1->start();
    Panel1->move(2, 4);
    info_->Show("");

    // 11. Wait for the splash; a click or a key on it ends the wait at once.
    SplashCountdown = options_.splashTicks;
    splash->WaitFor(SplashCountdown);
    splash.reset();

    // 12. Show the window and open the menu.
    show();
    repaint();
    for (QAction* a : {menu_->Conversion2, menu_->Edit1, menu_->File1, menu_->Help1,
                       menu_->Options1, menu_->TextEditor1, menu_->Science1, menu_->Trigonometric1})
        a->setEnabled(true);

    // 13. The readout takes the keys.
    calculatorView_->FocusReadoutAtEnd();
    if (const std::string problem = kept_->StartupProblem(); !problem.empty())
        info_->ShowHeld(problem);
}

void TMainCalc1::Timer1Timer() {
    if (SplashCountdown >= -2) {
        --SplashCountdown;
        return;
    }
    orbit_->Timer1Idle();
}

// --- screens and panels ---------------------------------------------------------------------

void TMainCalc1::RepaintBoard() {
    board_->SetDisplayOptions(optionsModel_->WireFrame, optionsModel_->BlackWhite);
    board_->RepaintBoard();
    boardView_->Refresh(); // its drawingChanged also offers "Undo" and "Redo"
}

void TMainCalc1::focusAfterToggle() {
    if (!boardView_->FocusTextTool()) calculatorView_->FocusReadoutAtEnd();
}

void TMainCalc1::AstroCloseButtClick() {
    screens_->showDisplayMode(screens_->savedDisplayMode());
    orbit_->ResetIdle();
    Timer1->start();
    sidePanels_->CloseAll();
    board_->RedrawAllShapes();
    screens_->Picture11()->update();
}

// --- exit ---------------------------------------------------------------------------------

void TMainCalc1::closeEvent(QCloseEvent* event) {
    if (exitPanels_->Confirmed()) { // the exit is saved already
        event->accept();
        return;
    }
    if (!exitPanels_->Confirm(*document_)) {
        event->ignore();
        return;
    }
    exitPanels_->ShowWhileSaving();
    Timer1->stop();
    gallery_->stopClock();
    calculatorView_->ReadoutBackToDecimal();
    calculatorView_->repaintReadout();
    SaveSettings();
    exitPanels_->Hide();
    event->accept();
}

} // namespace pelcor
