#include "app/MainCalc.h"

#include "app/CalcSplash.h"
#include "calc/CalcKeypad.h"
#include "converter/Converter.h"
#include "platform/Colors.h"
#include "platform/Pictures.h"
#include "platform/Shell.h"
#include "platform/widgets/DesktopDialogs.h"
#include "platform/widgets/DesktopSound.h"
#include "platform/widgets/PictureBox.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QThread>
#include <QTimer>

namespace pelcor {

namespace {

constexpr int kBoardBackground = 9153434;
constexpr int kIdleTicks = 12000;
constexpr int kStoreMark = 33023;     // orange font of a store button holding a value
constexpr int kRecallMark = 15761408; // blue font of its recall button

void SetBackground(QWidget* w, int color) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    pal.setColor(QPalette::Base, ToQColor(color));
    w->setPalette(pal);
}

QFrame* MakePanel(const QString& name, QWidget* parent, int left, int top, int width, int height,
                  bool raised = true) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(raised ? QFrame::Raised : QFrame::Sunken);
    f->setGeometry(left, top, width, height);
    f->setAutoFillBackground(true);
    return f;
}

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent, int left, int top,
                  int width, int height) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setGeometry(left, top, width, height);
    return l;
}

QFont ArialFont(int pixelSize, bool bold = false) {
    QFont f("Arial");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace

TMainCalc1::TMainCalc1(MainCalcOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), files_(options_.programDir), calc_(*this) {
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
    shell_ = options_.shell;
    dialogs_ = options_.dialogs;
    sound_ = options_.sound;

    setObjectName("MainCalc1");
    setWindowTitle("Pelcor educational software - Scientific calculator");
    // The window is laid out in pixels for a small sans-serif font.
    setFont(ArialFont(11));
    buildLayout();
    buildMenu();
    watchPointerMoves();
    boardRenderer_ = std::make_unique<BoardRenderer>(Picture11->canvas());
    wireFileCommands();
    boardTools_ = std::make_unique<BoardTools>(DrawingList, *boardRenderer_);
    buildTextFrame();
    wireToolbar();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &TMainCalc1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(1000);

    // The window keeps its size: the client area is 643 x 509 under the menu.
    setFixedSize(643, 509 + menuBar()->sizeHint().height());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
}

TMainCalc1::~TMainCalc1() = default;

// --- layout -------------------------------------------------------------------------------

void TMainCalc1::buildLayout() {
    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    client_->setFixedSize(643, 509);
    SetBackground(client_, colors::DesktopBackground);
    setCentralWidget(client_);

    Panel1 = MakePanel("Panel1", client_, 2, 4, 628, 478);
    SetBackground(Panel1, colors::BtnFace);

    buildToolbar(Panel1);

    Image2 = MakeLabel("Image2", {}, Panel1, 5, 208, 145, 97);
    Image2->setToolTip("Right click to change image -- Left click to open image viewer");
    Image2->setAccessibleName(Image2->toolTip());
    Image2->setScaledContents(true);
    Image2->setFrameShape(QFrame::Box);

    PenColorLabel = MakeLabel("PenColorLabel", "PenColor", Panel1, 5, 309, 46, 17);
    PenColr = new QPlainTextEdit(Panel1);
    PenColr->setObjectName("PenColr");
    PenColr->setGeometry(50, 309, 29, 17);
    PenColr->setCursor(Qt::PointingHandCursor);
    SetBackground(PenColr, colors::White);
    static_cast<QPlainTextEdit*>(PenColr)->setReadOnly(true);
    static_cast<QPlainTextEdit*>(PenColr)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PenColr->setAccessibleName("PenColor");
    FillColorLabel = MakeLabel("FillColorLabel", "FillColor", Panel1, 84, 309, 46, 17);
    FillColr = new QPlainTextEdit(Panel1);
    FillColr->setObjectName("FillColr");
    FillColr->setGeometry(122, 309, 29, 17);
    FillColr->setCursor(Qt::PointingHandCursor);
    SetBackground(FillColr, colors::Black);
    static_cast<QPlainTextEdit*>(FillColr)->setReadOnly(true);
    static_cast<QPlainTextEdit*>(FillColr)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FillColr->setAccessibleName("FillColor");

    ScreenPanel = MakePanel("ScreenPanel", Panel1, 155, 8, 320, 320, false);
    ScreenPanel->setFrameShape(QFrame::NoFrame);
    SetBackground(ScreenPanel, colors::Black);
    Image1 = MakeLabel("Image1", {}, ScreenPanel, 0, 0, 320, 320);
    Image1->setScaledContents(true);
    Picture1 = new PictureBox("Picture1", 320, 320, kBoardBackground, ScreenPanel);
    Picture2 = new PictureBox("Picture2", 320, 320, colors::White, ScreenPanel);
    Picture11 = new PictureBox("Picture11", 320, 320, kBoardBackground, ScreenPanel);
    Image3 = MakeLabel("Image3", {}, ScreenPanel, 0, 0, 320, 320);
    ViewerImage = MakeLabel("ViewerImage", {}, ScreenPanel, 0, 0, 320, 320);
    RefLabel = MakeLabel("RefLabel", {}, ScreenPanel, 0, 0, 320, 320);
    RefLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(RefLabel, colors::White);
    TextLabel = MakeLabel("TextLabel", "Text", ScreenPanel, 40, 60, 30, 16);
    Clabel = MakeLabel("Clabel", {}, ScreenPanel, 0, 300, 320, 20);
    Formula = MakeLabel("Formula", {}, ScreenPanel, 0, 280, 320, 20);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Picture1, Picture2, Picture11, Image3, ViewerImage,
                                         RefLabel, TextLabel, Clabel, Formula})
        w->hide();

    CalcPanel = new CalcKeypad(Panel1);
    CalcPanel->setGeometry(476, 4, 149, 325);
    connect(CalcPanel, &CalcKeypad::keyClicked, this, &TMainCalc1::CalcButt);
    connect(CalcPanel, &CalcKeypad::operatorClicked, this, [this](const QString& op, int tag) {
        takeReadoutText();
        calc_.OperatorButton(op.toStdString(), tag);
        syncCalculator();
    });
    connect(CalcPanel, &CalcKeypad::hexEqualsClicked, this, [this] {
        takeReadoutText();
        calc_.CalcFunct();
        syncCalculator();
    });
    connect(CalcPanel, &CalcKeypad::logicClicked, this, [this](const QString& op) {
        takeReadoutText();
        calc_.LogicKey(op.toStdString());
        syncCalculator();
    });
    for (int m = 1; m <= 4; ++m) {
        connect(CalcPanel->button(QString("Mem%1Butt").arg(m)), &QPushButton::clicked, this,
                [this, m] {
                    takeReadoutText();
                    calc_.MemoryStore(m);
                    syncCalculator();
                });
        connect(CalcPanel->button(QString("MR%1Butt").arg(m)), &QPushButton::clicked, this,
                [this, m] {
                    takeReadoutText();
                    calc_.MemoryRecall(m);
                    syncCalculator();
                });
    }
    connect(CalcPanel->button("CEButt"), &QPushButton::clicked, this, &TMainCalc1::CEButtClick);
    connect(CalcPanel->button("CLRButt"), &QPushButton::clicked, this, &TMainCalc1::CLRButtClick);

    TotalStrg = new QPlainTextEdit(Panel1);
    TotalStrg->setObjectName("TotalStrg");
    TotalStrg->setGeometry(6, 331, 259, 55);
    TotalStrg->setReadOnly(true);
    TotalStrg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TotalStrg->setAccessibleName("Calculation tape");
    SetBackground(TotalStrg, colors::InfoBk);

    ReadOut = new QLineEdit("0", Panel1);
    ReadOut->setObjectName("ReadOut");
    ReadOut->setGeometry(272, 331, 351, 24);
    ReadOut->setFont(ArialFont(16, true));
    ReadOut->setAccessibleName("Readout");
    ReadOut->installEventFilter(this);
    connect(ReadOut, &QLineEdit::textEdited, this, [this](const QString& text) {
        calc_.ReadOutChange(text.toStdString());
        syncCalculator();
    });

    InfoLbl = MakeLabel("InfoLbl", {}, Panel1, 272, 358, 349, 19);
    InfoLbl->setAlignment(Qt::AlignCenter);
    InfoLbl->setFont(ArialFont(12));
    SetBackground(InfoLbl, colors::InfoBk);

    buildLowerArea(Panel1);

    StatusPanel = MakePanel("StatusPanel", client_, 3, 480, 628, 25);
    SetBackground(StatusPanel, colors::BtnFace);
    struct StatusField {
        const char* label;
        const char* memo;
        int left, labelWidth, memoWidth;
        const char* text;
    };
    const StatusField fields[] = {{" Images  ", "ImagesTotal", 4, 50, 50, "0"},
                                  {" Editing   ", "ImagesEdit", 110, 60, 150, "Not editing"},
                                  {" File   ", "CurrentFile", 326, 40, 258, ""}};
    for (const auto& f : fields) {
        MakeLabel(QString(f.memo) + "Label", f.label, StatusPanel, f.left, 4, f.labelWidth, 17);
        auto* memo = new QLineEdit(f.text, StatusPanel);
        memo->setObjectName(f.memo);
        memo->setReadOnly(true);
        memo->setGeometry(f.left + f.labelWidth, 2, f.memoWidth, 21);
        memo->setAccessibleName(QString(f.label).trimmed());
    }

    buildHiddenPanels(client_);
    buildOptionPanels(client_);
    buildAboutPanel(client_);
}

void TMainCalc1::buildToolbar(QWidget* parent) {
    CalcPanel2 = MakePanel("CalcPanel2", parent, 3, 4, 150, 201, false);
    struct Tool {
        const char* name;
        int tag;
        const char* hint;
        const char* caption;
        const char* glyph;
        int column, row;
    };
    // Columns at 4, 40, 76, 112; rows 28 pixels apart.
    const Tool tools[] = {
        {"BitBtn4", 0, "Image selector", "", "BMPFiles\\Pointer.bmp", 0, 0},
        {"BitBtn8", 1, "Image Move", "", "BmpFiles\\Move.bmp", 1, 0},
        {"BitBtn6", 12, "Rotate Hexagon", "", "BmpFiles\\Rotate.bmp", 2, 0},
        {"BitBtn18", 16, "Erase current selected image", "", "BmpFiles\\Eraser.bmp", 3, 0},
        {"BitBtn12", 2, "Draw Line image", "", "BmpFiles\\Line.bmp", 0, 1},
        {"BitBtn16", 3, "Draw Square image", "", "BmpFiles\\Box.bmp", 1, 1},
        {"BitBtn20", 4, "Toggle Fill mode On/Off", "", "BmpFiles\\Box2.bmp", 2, 1},
        {"BitBtn24", 5, "Draw Circle image", "", "BmpFiles\\Circle.bmp", 3, 1},
        {"BitBtn19", 10, "Draw Ellipse image", "", "BmpFiles\\Elipse.bmp", 0, 2},
        {"BitBtn15", 9, "Draw Triangle image", "", "BmpFiles\\Triangle.bmp", 1, 2},
        {"BitBtn14", 15, "Draw Hexagon image", "", "BmpFiles\\Hex.bmp", 2, 2},
        {"BitBtn5", 19, "Draw Text image", "", "BmpFiles\\Text.bmp", 3, 2},
        {"BitBtn11", 8, "Draw Parabola", "", "BmpFiles\\Para1.bmp", 0, 3},
        {"BitBtn7", 7, "Draw Hyperbola", "", "BmpFiles\\Para2.bmp", 1, 3},
        {"BitBtn3", 6, "Draw Hyerbola", "", "BmpFiles\\Para3.bmp", 2, 3},
        {"BitBtn1", 18, "", "", "BmpFiles\\Colr1.bmp", 3, 3},
        {"BitBtn17", 22, "Show selected intersections", "Solv", "", 0, 4},
        {"BitBtn21", 23, "", "Data", "", 1, 4},
        {"BitBtn9", 20, "Sound ON/OFF", "", "BmpFiles\\Speaker.bmp", 2, 4},
        {"BitBtn13", 21, "Display Screen Pictures ON/OFF", "", "BmpFiles\\Screen1.bmp", 3, 4},
        {"BitBtn22", 33, "Back through images", "", "", 0, 5},
        {"BitBtn25", 36, "Toggle through screens", "Img", "", 1, 5},
        {"BitBtn26", 36, "WireFrame for arrows", "#", "", 2, 5},
        {"BitBtn23", 32, "Forward through images", "", "", 3, 5},
        {"BitBtn27", 31, "", "", "", 1, 6},
        {"BitBtn28", 30, "", "", "", 3, 6},
    };
    for (const Tool& t : tools) {
        auto* b = new QPushButton(t.caption, CalcPanel2);
        b->setObjectName(t.name);
        b->setGeometry(4 + 36 * t.column, 4 + 28 * t.row, 33, 25);
        b->setProperty("Tag", t.tag);
        b->setFont(ArialFont(11, true));
        if (*t.hint) b->setToolTip(t.hint);
        if (!*t.caption) b->setAccessibleName(t.hint);
        if (*t.glyph) {
            const QIcon glyph = glyphIcon(t.glyph);
            if (!glyph.isNull()) {
                b->setIcon(glyph);
                b->setIconSize(glyph.availableSizes().value(0));
            }
        }
    }
    // Buttons that show an arrow drawn by the program.
    const std::pair<const char*, const char*> arrows[] = {{"BitBtn22", "\xE2\x97\x80"},
                                                          {"BitBtn23", "\xE2\x96\xB6"},
                                                          {"BitBtn27", "\xE2\x86\x90"},
                                                          {"BitBtn28", "\xE2\x86\x92"}};
    for (const auto& [name, arrow] : arrows) {
        auto* b = CalcPanel2->findChild<QPushButton*>(name);
        b->setIcon(GlyphPicture(QString::fromUtf8(arrow), 20, 18));
    }
    // The colour button and the picture library's arrows have neither caption nor hint.
    CalcPanel2->findChild<QPushButton*>("BitBtn1")->setAccessibleName("Colour");
    CalcPanel2->findChild<QPushButton*>("BitBtn27")->setAccessibleName("<");
    CalcPanel2->findChild<QPushButton*>("BitBtn28")->setAccessibleName(">");

    connect(CalcPanel2->findChild<QPushButton*>("BitBtn25"), &QPushButton::pressed, this,
            &TMainCalc1::ImageChangeClick);
}

void TMainCalc1::buildLowerArea(QWidget* parent) {
    TabControl1 = new QTabBar(parent);
    TabControl1->setObjectName("TabControl1");
    TabControl1->setGeometry(6, 390, 613, 25);
    TabControl1->setExpanding(false);
    TabControl1->setStyleSheet("QTabBar::tab { width: 92px; height: 19px; padding: 0px 2px; }");
    for (const char* tab : {"Solar System", "Solar Masses", "Atomic Values1", "Atomic Values2",
                            "General Data", "General Data1"})
        TabControl1->addTab(tab);
    const std::pair<const char*, int> panels[] = {
        {"SolarSysPanel", 13394016}, {"SolarMPanel", 8440960},  {"Atomic1Panel", 13402316},
        {"Atomic2Panel", 8421580},   {"GeneralPanel", 8441036}, {"GeneralPanel2", 204}};
    const int top = 390 + 25 - 7;
    for (int i = 0; i < 6; ++i) {
        constantPanels_[i] = MakePanel(panels[i].first, parent, 5, top, 638 - 22, 478 - top - 4);
        SetBackground(constantPanels_[i], panels[i].second);
        constantPanels_[i]->setVisible(i == 0);
    }
    TabControl1->raise();
    connect(TabControl1, &QTabBar::currentChanged, this, &TMainCalc1::TabControl1Change);
}

void TMainCalc1::TabControl1Change(int index) {
    for (int i = 0; i < 6; ++i)
        constantPanels_[i]->setVisible(i == index);
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
    auto* y = new QPushButton(yes, p);
    y->setObjectName(yesName);
    y->setGeometry(60, 70, 80, 28);
    auto* n = new QPushButton(no, p);
    n->setObjectName(noName);
    n->setGeometry(170, 70, 80, 28);
    connect(y, &QPushButton::clicked, this, [this] { AnswerExitPanel(128); });
    connect(n, &QPushButton::clicked, this, [this] { AnswerExitPanel(255); });
    p->hide();
    return p;
}

void TMainCalc1::buildHiddenPanels(QWidget* parent) {
    // Panels whose contents arrive with their own features; each is created hidden at
    // the place it opens.
    struct Hidden {
        const char* name;
        int left, top, width, height;
    };
    const Hidden hidden[] = {
        {"TextFrame", 8, 336, 305, 73},
        {"TextEditPanel", 2, 4, 628, 478},
        {"PersonalSettingsPanel", 155, 8, 320, 320},
        {"ViewerPanel", 159, 253, 313, 77},
        {"EditFrame", 5, 390, 616, 86},
    };
    for (const Hidden& h : hidden)
        MakePanel(h.name, parent, h.left, h.top, h.width, h.height)->hide();

    auto* textEdit = new QPlainTextEdit(parent);
    textEdit->setObjectName("TextEdit");
    textEdit->hide();
    auto* totalStrg2 = new QPlainTextEdit(parent);
    totalStrg2->setObjectName("TotalStrg2");
    totalStrg2->setGeometry(8, 390, 616, 66 + 25 - 4);
    totalStrg2->hide();

    // Side panels cover the left column one at a time.
    const std::pair<QFrame**, const char*> sides[] = {{&AstronomyPanel, "AstronomyPanel"},
                                                      {&PhysicsPanel, "PhysicsPanel"},
                                                      {&FormulaPanel, "FormulaPanel"},
                                                      {&PersonalPanel, "PersonalPanel"}};
    const char* closeNames[] = {"AstroCloseButt", "PhysCloseButt", "Button1", "PersCloseButt"};
    int i = 0;
    for (const auto& [slot, name] : sides) {
        *slot = MakePanel(name, Panel1, 19, 12, 149, 12);
        SetBackground(*slot, colors::BtnFace);
        auto* close = new QPushButton("X", *slot);
        close->setObjectName(closeNames[i++]);
        close->setGeometry(124, 298, 21, 21);
        connect(close, &QPushButton::clicked, this, &TMainCalc1::AstroCloseButtClick);
        (*slot)->hide();
    }
    PersonalSettingsPanel = parent->findChild<QFrame*>("PersonalSettingsPanel");

    ExitPanel = buildQuestionPanel("ExitPanel", "Do you wish to exit the Pelcor calculator?", "Yes",
                                   "No", "YesExitButt", "NoExitButt");
    ImageChangedPanel = buildQuestionPanel(
        "ImageChangedPanel",
        "The current image data is not yet saved - do you wish to Abort Exit and save the image.",
        "Exit", "Abort Exit", "ImageExitButt", "AbortExitButt");
}

void TMainCalc1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto item = [this](QMenu* menu, const QString& name, const QString& caption,
                       bool enabled = true) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setEnabled(enabled);
        return a;
    };
    auto heading = [bar](const QString& name, const QString& caption, bool enabled) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(name + "Menu");
        m->menuAction()->setObjectName(name);
        m->menuAction()->setEnabled(enabled);
        return m;
    };

    QMenu* file = heading("File1", "File", false);
    item(file, "New1", "New");
    item(file, "SaveGraphicsFile1", "Save Graphics File", false);
    item(file, "LoadGraphicsFile1", "Load Graphics File");
    item(file, "SaveTextFile1", "Save Text File", false);
    item(file, "LoadTextFile1", "Load Text File", false);
    item(file, "SaveImageBitmap1", "Export Graphics Image");
    item(file, "Printar", "Print");
    connect(item(file, "ExitProgram1", "Exit Program"), &QAction::triggered, this,
            &TMainCalc1::ExitProgram1Click);

    QMenu* edit = heading("Edit1", "Edit", false);
    item(edit, "Undo1", "Undo", false);

    QMenu* trig = heading("Trigonometric1", "Trigonometric", false);
    const char* sheets[] = {"Angles",
                            "Area",
                            "Basic Identities",
                            "Double Angle",
                            "Herons Formula",
                            "Law of Cosines",
                            "Law of Sines",
                            "Law of Tangent",
                            "MollweidesFormula",
                            "Newtons Formula",
                            "Product To Sum",
                            "Pythagorean Indentities",
                            "Radius of Circumscribed",
                            "Radius of Inscribed",
                            "Right Triangle Definition",
                            "Sum and Difference",
                            "Sum To Product",
                            "Symmetry Properties",
                            "Triangle Sides"};
    for (const char* s : sheets)
        item(trig, QString(s).remove(' ') + "1", s);

    QMenu* science = heading("Science1", "Science", false);
    item(science, "Magnetic1", "Magnetic", false);
    connect(item(science, "Formulas1", "Formula's"), &QAction::triggered, this,
            &TMainCalc1::FormulasClick);
    connect(item(science, "Physics1", "Physics"), &QAction::triggered, this,
            [this] { OpenSidePanel(PhysicsPanel); });
    connect(item(science, "Astronomy1", "Astronomy"), &QAction::triggered, this,
            [this] { OpenSidePanel(AstronomyPanel); });
    connect(item(science, "PersonalData1", "Personal Data"), &QAction::triggered, this,
            [this] { OpenSidePanel(PersonalPanel); });
    item(science, "Electricalrefdata1", "Electrical ref data");

    QAction* conversion = bar->addAction("Conversion");
    conversion->setObjectName("Conversion2");
    conversion->setEnabled(false);
    connect(conversion, &QAction::triggered, this, &TMainCalc1::Conversion2Click);

    QMenu* help = heading("Help1", "Help", false);
    connect(item(help, "AboutUs1", "About Us"), &QAction::triggered, this,
            &TMainCalc1::AboutUs1Click);
    connect(item(help, "Onlinehelp1", "Help Online"), &QAction::triggered, this,
            &TMainCalc1::Onlinehelp1Click);
    connect(item(help, "HelpFile1", "Help"), &QAction::triggered, this,
            &TMainCalc1::HelpFile1Click);

    QMenu* options = heading("Options1", "Options", false);
    connect(item(options, "Soundssetup1", "Sounds setup"), &QAction::triggered, this,
            &TMainCalc1::SetupSound);
    connect(item(options, "Screensetup1", "Screen setup"), &QAction::triggered, this,
            &TMainCalc1::SetupScreen);
    connect(item(options, "DrawMode1", "DrawMode"), &QAction::triggered, this,
            &TMainCalc1::DrawMode1Click);
    item(options, "CheckEditpczFile1", "Check/Edit .pcz File");

    QMenu* editor = heading("TextEditor1", "Text Editor", true);
    item(editor, "Viewcalculations1", "View calculations");
    item(editor, "TextEditor2", "Text Editor");

    QMenu* mode = heading("CalcMode1", "CalcMode", true);
    const char* modes[][2] = {
        {"Decimal1", "Decimal"}, {"Hexidecimal1", "Hexidecimal"}, {"Binary1", "Binary"}};
    for (int base = 0; base < 3; ++base) {
        connect(item(mode, modes[base][0], modes[base][1]), &QAction::triggered, this,
                [this, base] {
                    takeReadoutText();
                    if (base == 0)
                        calc_.Decimal1Click();
                    else if (base == 1)
                        calc_.Hexidecimal1Click();
                    else
                        calc_.Binary1Click();
                    CalcPanel->ApplyMode(calc_.calcBase());
                    syncCalculator();
                });
    }
}

QAction* TMainCalc1::menuAction(const QString& name) const {
    return menuBar()->findChild<QAction*>(name);
}

QFrame* TMainCalc1::panel(const QString& name) const {
    return findChild<QFrame*>(name);
}

// --- start-up -----------------------------------------------------------------------------

void TMainCalc1::FormCreate() {
    // 1. Start values of the switches.
    CalcKeypad::SetFontColor(CalcPanel2->findChild<QPushButton*>("BitBtn17"), colors::Black);
    SoundOn = true;
    ScreenHelpOn = false;

    // 2. The splash grows at the screen's centre.
    auto splash = std::make_unique<TCalcSplash1>();
    startPicture_ = LoadPicture(files_.resolve("Splash1.jpg"));
    if (options_.splashTicks > 0) splash->showGrowing(startPicture_, options_.animate ? 8 : 0);

    // 3. Where the window sits.
    move(90, y());

    // 4. Start values of the keypad's memories; the drawing board keeps its own
    //    (white pen, black fill, the board's background colour).
    for (int m = 1; m <= 4; ++m) {
        CalcPanel->button(QString("MR%1Butt").arg(m))->setToolTip("0");
        CalcPanel->button(QString("Mem%1Butt").arg(m))->setToolTip("0");
    }
    Picture11->setGeometry(0, 0, 320, 320);

    // 5. The saved state.
    LoadSettings();

    // 6. With no drawing file remembered: the start picture and the pointer's glyph.
    if (settings_.drawingFile.empty()) {
        DisplayMode = 0;
        ShowDisplayMode();
    }
    loadGlyph("BitBtn4", "BMPFiles\\Pointer.bmp");

    // 7. The pictures share the board's place; the start picture is the splash picture
    //    stretched to the screen.
    for (QWidget* w : std::initializer_list<QWidget*>{Picture1, Picture2, Image1, ViewerImage})
        w->setGeometry(Picture11->geometry());
    if (QWidget* viewer = panel("ViewerPanel"))
        viewer->setGeometry(ScreenPanel->x() + 4, 253, viewer->width(), 77);
    if (!startPicture_.isNull())
        Image1->setPixmap(
            QPixmap::fromImage(startPicture_.scaled(Image1->size(), Qt::IgnoreAspectRatio)
                                   .convertToFormat(QImage::Format_RGB888)));

    // 8. The lower area is laid out in buildLowerArea; the side panels start collapsed.
    for (QFrame* p : {AstronomyPanel, PhysicsPanel, FormulaPanel, PersonalPanel})
        p->setGeometry(19, 12, 149, 12);

    // 9. The drawing board: the window always opens on it.
    Picture1->hide();
    Picture2->hide();
    Picture11->hide();
    Image1->show();
    RepaintBoard();
    DisplayMode = 3;
    ShowDisplayMode();

    // 10. Timers and the information line.
    IdleCountdown = kIdleTicks;
    Timer1->start();
    Panel1->move(2, 4);
    InfoLbl->clear();

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
    for (const char* name : {"Conversion2", "Edit1", "File1", "Help1", "Options1", "TextEditor1",
                             "Science1", "Trigonometric1"})
        menuAction(name)->setEnabled(true);

    // 13. The readout takes the keys.
    focusReadout(static_cast<int>(ReadOut->text().size()), 1);
}

void TMainCalc1::Timer1Timer() {
    if (SplashCountdown >= -2) {
        --SplashCountdown;
        return;
    }
    if (IdleCountdown > 0) --IdleCountdown;
    // The idle animation starts from here once the astronomy panel has one.
}

// --- screens and panels -------------------------------------------------------------------

void TMainCalc1::ShowDisplayMode() {
    CalcKeypad::SetFontColor(CalcPanel->button("PlanetButt"), colors::Black);
    Image1->setVisible(DisplayMode == 0);
    Picture1->setVisible(DisplayMode == 1);
    Picture2->setVisible(DisplayMode == 2);
    Picture11->setVisible(DisplayMode == 3);
    CalcPanel->memLabel()->setVisible(DisplayMode == 3);
    RefLabel->setVisible(DisplayMode == 4);
    QAction* exportImage = menuAction("SaveImageBitmap1");
    QAction* saveGraphics = menuAction("SaveGraphicsFile1");
    QAction* print = menuAction("Printar");
    switch (DisplayMode) {
    case 0:
        exportImage->setEnabled(false);
        saveGraphics->setEnabled(false);
        print->setEnabled(false);
        break;
    case 1:
        exportImage->setEnabled(true);
        saveGraphics->setEnabled(false);
        print->setEnabled(true);
        break;
    case 2:
        exportImage->setEnabled(true);
        saveGraphics->setEnabled(false);
        print->setEnabled(false);
        Timer1->start();
        break;
    case 3:
        exportImage->setEnabled(true);
        print->setEnabled(true);
        break;
    default: break;
    }
}

void TMainCalc1::CloseSidePanels() {
    if (Picture2->isVisible()) {
        DisplayMode = SavedDisplayMode;
        ShowDisplayMode();
        IdleCountdown = kIdleTicks;
        Picture2->hide();
        Timer1->start();
    }
    for (QFrame* p :
         {PersonalSettingsPanel, PersonalPanel, AstronomyPanel, PhysicsPanel, FormulaPanel})
        p->hide();
    for (QFrame* p : {PersonalPanel, AstronomyPanel, PhysicsPanel})
        p->resize(p->width(), 12);
}

void TMainCalc1::setLeftColumnVisible(bool visible) {
    for (QWidget* w : std::initializer_list<QWidget*>{CalcPanel2, Image2, PenColorLabel,
                                                      FillColorLabel, PenColr, FillColr})
        w->setVisible(visible);
}

void TMainCalc1::pause() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (options_.animate) QThread::msleep(2);
}

void TMainCalc1::growPanel(QFrame* p, int toHeight, int step) {
    while (p->height() <= toHeight - 1) {
        p->resize(p->width(), p->height() + step);
        p->repaint();
        pause();
    }
    p->resize(p->width(), toHeight);
}

void TMainCalc1::OpenSidePanel(QFrame* p) {
    p->move(CalcPanel2->x() + 2, CalcPanel2->y() + 5);
    if (p->isVisible()) {
        setLeftColumnVisible(true);
        p->hide();
        return;
    }
    CloseSidePanels();
    setLeftColumnVisible(false);
    p->show();
    p->raise();
    growPanel(p, 322, 2);
}

void TMainCalc1::FormulasClick() {
    if (FormulaPanel->isVisible()) {
        OpenSidePanel(FormulaPanel);
        DisplayMode = SavedDisplayMode;
        ShowDisplayMode();
        return;
    }
    OpenSidePanel(FormulaPanel);
    SavedDisplayMode = DisplayMode;
    DisplayMode = 2;
    ShowDisplayMode();
    IdleCountdown = kIdleTicks;
    Timer1->stop();
    // The formula sheets draw on Picture2 once they are kept.
}

void TMainCalc1::Conversion2Click() {
    if (!converter_) {
        ReadoutAccess readout{[this] { return ReadOut->text(); },
                              [this](const QString& text) {
                                  calc_.ReplaceReadoutText(text.toStdString());
                                  syncCalculator();
                              }};
        converter_ = new TCalcConv(*dialogs_, std::move(readout),
                                   TCalcConv::Options{options_.animate}, this);
    }
    converter_->OpenConverter(ReadOut->text());
    converter_->showGrowing(pos() + QPoint(5, 50));
}

void TMainCalc1::AstroCloseButtClick() {
    DisplayMode = SavedDisplayMode;
    ShowDisplayMode();
    IdleCountdown = kIdleTicks;
    Timer1->start();
    setLeftColumnVisible(true);
    for (QFrame* p : {AstronomyPanel, PhysicsPanel, PersonalPanel, FormulaPanel})
        p->hide();
    boardRenderer_->RedrawAllShapes(DrawingList);
    Picture11->update();
}

void TMainCalc1::ImageChangeClick() {
    Timer1->stop();
    ++DisplayMode;
    if (DisplayMode == 2) DisplayMode = 3;
    if (DisplayMode > 4) DisplayMode = 0;
    if (DisplayMode == 4) Formula->clear(); // the electrical reference text is drawn here
    ShowDisplayMode();
    IdleCountdown = kIdleTicks;
    Timer1->start();
}

// --- calculator -----------------------------------------------------------------------------

void TMainCalc1::showInfo(const std::string& text) {
    InfoLbl->setText(QString::fromStdString(text));
}

void TMainCalc1::beep() {
    ErrorBeep();
}

void TMainCalc1::showMessage(const std::string& text) {
    dialogs_->showMessage(QString::fromStdString(text));
}

void TMainCalc1::ErrorBeep() {
    if (SoundOn) sound_->beep();
}

void TMainCalc1::PlayWave(const std::string& relativeName) {
    if (SoundOn && files_.exists(relativeName)) sound_->playWave(files_.resolve(relativeName));
}

void TMainCalc1::takeReadoutText() {
    const std::string text = ReadOut->text().toStdString();
    if (text != calc_.readout()) calc_.ReadOutChange(text);
}

void TMainCalc1::CalcButt(int tag) {
    takeReadoutText();
    calc_.CalcButt(tag);
    syncCalculator();
}

void TMainCalc1::CEButtClick() {
    calc_.CEButtClick();
    syncCalculator();
}

void TMainCalc1::CLRButtClick() {
    calc_.CLRButtClick();
    syncCalculator();
}

void TMainCalc1::focusReadout(int start, int length) {
    ReadOut->setFocus(Qt::OtherFocusReason);
    const int size = static_cast<int>(ReadOut->text().size());
    start = std::clamp(start, 0, size);
    if (start + length > size) length = size - start;
    if (length > 0)
        ReadOut->setSelection(start, length);
    else
        ReadOut->setCursorPosition(start);
}

void TMainCalc1::syncCalculator() {
    const QString text = QString::fromStdString(calc_.readout());
    if (ReadOut->text() != text) ReadOut->setText(text);
    QPalette pal = ReadOut->palette();
    pal.setColor(QPalette::Base, ToQColor(calc_.readoutColor()));
    ReadOut->setPalette(pal);
    CalcKeypad::SetFontColor(CalcPanel->button("ButtInv"), calc_.invFontColor());
    CalcKeypad::SetFontColor(CalcPanel->button("ExpButt"), calc_.expFontColor());
    for (int m = 1; m <= 4; ++m) {
        // The memory is kept in both buttons' hints, marked by their font colours.
        const QString text = QString::fromStdString(calc_.memory(m));
        const bool marked = calc_.memoryMarked(m);
        QPushButton* store = CalcPanel->button(QString("Mem%1Butt").arg(m));
        QPushButton* recall = CalcPanel->button(QString("MR%1Butt").arg(m));
        store->setToolTip(text);
        recall->setToolTip(text);
        CalcKeypad::SetFontColor(store, marked ? kStoreMark : colors::Black);
        CalcKeypad::SetFontColor(recall, marked ? kRecallMark : colors::Black);
    }

    QString tape = QString::fromStdString(calc_.tape());
    tape.replace("\r\n", "\n");
    if (TotalStrg->toPlainText() != tape) {
        TotalStrg->setPlainText(tape);
        // The newest line stays in view.
        QTextCursor end = TotalStrg->textCursor();
        end.movePosition(QTextCursor::End);
        TotalStrg->setTextCursor(end);
        TotalStrg->verticalScrollBar()->setValue(TotalStrg->verticalScrollBar()->maximum());
    }

    Calculator::Selection sel;
    if (calc_.takeFocusRequest(sel)) focusReadout(sel.start, sel.length);
}

bool TMainCalc1::eventFilter(QObject* watched, QEvent* event) {
    if (boardEvent(watched, event)) return true;
    if (pointerEvent(watched, event)) return true;
    if (watched == ReadOut && event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        // Shortcuts (copy, paste, select all) and keys that type nothing stay with the
        // edit box.
        if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        char typed = 0;
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
            typed = '\r';
        else if (ke->key() == Qt::Key_Backspace)
            typed = '\b';
        else if (ke->text().size() == 1 && ke->text()[0].unicode() < 128 && ke->text()[0].isPrint())
            typed = static_cast<char>(ke->text()[0].unicode());
        else if (!ke->text().isEmpty() && ke->text()[0].isPrint())
            typed = '?'; // a letter outside the keyboard map: swallowed below
        if (typed == 0) return false;
        takeReadoutText();
        const bool taken = calc_.ReadOutKeyPress(typed);
        syncCalculator();
        return taken;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- exit ---------------------------------------------------------------------------------

std::string TMainCalc1::DrawingListText() const {
    return DrawingList.Text();
}

void TMainCalc1::RepaintBoard() {
    BoardSettings& board = boardRenderer_->Settings;
    board.WireFrame = WireFrameOn();
    board.BlackWhite = BlackWhiteOn();
    board.BoardVisible = Picture11->isVisible() || DisplayMode == 3;
    const std::string problem = boardRenderer_->RepaintBoard(DrawingList);
    if (!problem.empty()) InfoLbl->setText(QString::fromStdString(problem));
    Picture11->update();
    if (auto* total = findChild<QLineEdit*>("ImagesTotal"))
        total->setText(QString::number(DrawingList.ShapeCount()));
}

int TMainCalc1::AskExitPanel(QFrame* p) {
    ExitAnswer = 0;
    p->show();
    p->raise();
    QEventLoop wait;
    exitWait_ = &wait;
    wait.exec();
    exitWait_ = nullptr;
    p->hide();
    return ExitAnswer;
}

void TMainCalc1::AnswerExitPanel(int answer) {
    ExitAnswer = answer;
    if (exitWait_) exitWait_->quit();
}

void TMainCalc1::ReadoutBackToDecimal() {
    // The whole calculator returns to decimal, so a refused exit leaves the readout and
    // the keys agreeing.
    if (calc_.calcBase() == 0) return;
    takeReadoutText();
    calc_.Decimal1Click();
    CalcPanel->ApplyMode(calc_.calcBase());
    syncCalculator();
}

void TMainCalc1::ExitProgram1Click() {
    ExitPanel->show();
    ExitPanel->raise();
    ReadoutBackToDecimal();
    SaveSettings();
    close();
}

void TMainCalc1::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    if (AskExitPanel(ExitPanel) == 255) {
        event->ignore();
        return;
    }
    ExitAnswer = 0;
    if (DrawingChanged() && AskExitPanel(ImageChangedPanel) == 255) {
        event->ignore();
        return;
    }
    closing_ = true;
    FormDestroy();
    event->accept();
}

void TMainCalc1::FormDestroy() {
    ExitPanel->show();
    Timer1->stop();
    Timer2->stop();
    ReadoutBackToDecimal();
    ReadOut->repaint();
    SaveSettings();
    ExitPanel->hide();
}

} // namespace pelcor
