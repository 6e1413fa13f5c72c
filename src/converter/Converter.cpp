#include "converter/Converter.h"

#include "converter/CategoryPictures.h"
#include "converter/Conversion.h"
#include "converter/UnitOptionView.h"
#include "converter/UnitTables.h"
#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/widgets/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QThread>

#include <algorithm>

namespace pelcor {

namespace {

constexpr int kNarrowWidth = 280;
constexpr int kWideWidth = 600;
constexpr int kHeight = 350;
constexpr int kStep = 15;

const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);
const QColor kInactiveBorder(180, 180, 180);

// Where each frame sits on the window, in the order of Categories().
struct FramePlace {
    int top;
    int height;
};
constexpr std::array<FramePlace, 13> kFramePlaces{{
    {40, 120}, // Temp
    {20, 232}, // Area
    {40, 185}, // Mass
    {20, 232}, // Distance
    {20, 232}, // Volume
    {40, 120}, // Velocity
    {40, 153}, // Power
    {35, 218}, // Pressure
    {40, 155}, // Energy
    {40, 138}, // Density
    {20, 232}, // Time
    {40, 168}, // Angles
    {40, 186}, // Force
}};

} // namespace

TCalcConv::TCalcConv(Dialogs& dialogs, ReadoutAccess& readout, QWidget* parent)
    : TCalcConv(dialogs, readout, Options{}, parent) {}

TCalcConv::TCalcConv(Dialogs& dialogs, ReadoutAccess& readout, Options options, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      dialogs_(dialogs), readout_(readout), options_(options) {
    setObjectName("CalcConv");
    setWindowTitle("Unit Conversion (Pelcor Calculator)");
    setFont(ArialFont(11));
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(0, 0);

    client_ = new QWidget(this);
    client_->setObjectName("ConvClient");
    client_->setAutoFillBackground(true);
    SetPaletteColor(client_, QPalette::Window, kBlue);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    buildMenu();
    buildLeftPart(client_);
    for (int i = 0; i < static_cast<int>(Categories().size()); ++i)
        buildFrame(client_, i);

    auto* sel = new QLabel("Selected item ==>", client_);
    sel->setObjectName("SelLabel");
    sel->setFont(ArialFont(11, true));
    SetPaletteColor(sel, QPalette::WindowText, kYellow);
    sel->setGeometry(280, 264, 104, 17);

    ClipLabel = new QLineEdit(client_);
    ClipLabel->setObjectName("ClipLabel");
    ClipLabel->setAccessibleName("Selected item");
    ClipLabel->setReadOnly(true);
    ClipLabel->setGeometry(384, 264, 177, 17);
    SetPaletteColor(ClipLabel, QPalette::Base, ToQColor(colors::BtnFace));
    ClipLabel->installEventFilter(this);

    RetVal = new QLineEdit(client_);
    RetVal->setObjectName("RetVal");
    RetVal->setGeometry(264, 304, 289, 21);
    RetVal->hide();

    buildSaveQuestion(client_);
    buildAboutPanel(client_);

    // FormCreate
    setGeometry(100, y(), kNarrowWidth, kHeight);
    for (FrameControls& f : frames_)
        f.frame->hide();
}

TCalcConv::~TCalcConv() {
    if (question_) question_->quit();
}

void TCalcConv::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto item = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    QMenu* file = bar->addMenu("File");
    file->setObjectName("File1");
    connect(item(file, "Close1", "Close"), &QAction::triggered, this, &TCalcConv::Close1Click);
    connect(item(file, "About1", "About"), &QAction::triggered, this, &TCalcConv::About1Click);
    QMenu* edit = bar->addMenu("Edit");
    edit->setObjectName("Edit1");
    Cut1 = item(edit, "Cut1", "Cut");
    Copy1 = item(edit, "Copy1", "Copy");
    Paste1 = item(edit, "Paste1", "Paste");
    CopyRead = item(edit, "CopyRead", "Copy selected to ReadOut(X)");
    Pasteit = item(edit, "Pasteit", "Copy selected to initial value");
    connect(Pasteit, &QAction::triggered, this, &TCalcConv::CopyReadClick);
    for (QAction* a : {Cut1, Paste1, Pasteit, Copy1, CopyRead})
        a->setEnabled(false);
}

void TCalcConv::buildLeftPart(QWidget* client) {
    auto* title = new QLabel("Select a conversion", client);
    title->setObjectName("Label1");
    title->setFont(ArialFont(24, true));
    title->setAlignment(Qt::AlignCenter);
    SetPaletteColor(title, QPalette::WindowText, kYellow);
    title->setGeometry(16, 8, 233, 33);

    const auto categories = Categories();
    for (int i = 0; i <= static_cast<int>(categories.size()); ++i) {
        const bool exit = i == static_cast<int>(categories.size());
        const QString name = exit ? "Exit" : Q(categories[i].name);
        auto* b = new QPushButton(client);
        b->setObjectName(exit ? "ExitButt" : Q(categories[i].button));
        b->setGeometry(i < 7 ? 16 : 136, 40 + 36 * (i % 7), 116, 33);
        const QSize picture(111, exit ? 25 : 23);
        b->setIcon(CategoryPicture(exit ? -1 : i, name, picture.width(), picture.height()));
        b->setIconSize(picture);
        b->setAccessibleName(name);
        b->setToolTip(name);
        if (exit) {
            ExitButt = b;
            connect(b, &QPushButton::clicked, this, &TCalcConv::ExitButtClick);
        } else {
            categoryButtons_.push_back(b);
            connect(b, &QPushButton::clicked, this, [this, i] { CategoryButtClick(i); });
        }
    }
}

void TCalcConv::buildFrame(QWidget* client, int index) {
    const UnitCategory& cat = Categories()[index];
    FrameControls f;
    f.category = &cat;
    f.frame = new QGroupBox(Q(cat.caption), client);
    f.frame->setObjectName(Q(cat.frame));
    f.frame->setFont(ArialFont(13, true));
    f.frame->setAutoFillBackground(true);
    SetPaletteColor(f.frame, QPalette::Window, ToQColor(colors::BtnFace));
    SetPaletteColor(f.frame, QPalette::WindowText, Qt::black);
    f.frame->setGeometry(280, kFramePlaces[index].top, 290, kFramePlaces[index].height);

    auto* label = new QLabel("Initial Value =>", f.frame);
    label->setFont(ArialFont(11, true));
    label->setGeometry(8, 24, 88, 15);

    f.input = new QLineEdit(f.frame);
    f.input->setObjectName(Q(cat.input));
    f.input->setAccessibleName("Initial Value");
    f.input->setFont(ArialFont(11));
    f.input->setGeometry(96, 20, 177, 21);
    f.input->installEventFilter(this);
    if (cat.temperature)
        connect(f.input, &QLineEdit::textChanged, this, &TCalcConv::TempTextChange);

    f.options = new QButtonGroup(f.frame);
    const bool wideCells = cat.temperature || cat.key == "Area";
    const int cellX = wideCells ? 96 : 112;
    const int cellWidth = wideCells ? 177 : 161;
    const int firstTop = cat.temperature ? 64 : 48;
    for (int u = 0; u < static_cast<int>(cat.units.size()); ++u) {
        const UnitInfo& unit = cat.units[u];
        const int top = firstTop + 16 * u;
        auto* option = new UnitOption(Q(unit.caption), f.frame);
        option->setObjectName(Q(unit.option));
        option->setFont(ArialFont(11, true));
        option->setGeometry(8, top, cellX - 10, 16);
        option->setChecked(u == 0);
        f.options->addButton(option, u);

        auto* cell = new QLabel(f.frame);
        cell->setObjectName(Q(unit.cell));
        cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        cell->setLineWidth(1);
        cell->setAutoFillBackground(true);
        SetPaletteColor(cell, QPalette::Window, Qt::white);
        SetPaletteColor(cell, QPalette::WindowText, Qt::black);
        cell->setFont(ArialFont(11, true));
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cell->setGeometry(cellX, top, cellWidth, 15);
        cell->installEventFilter(this);
        f.cells.push_back(cell);
    }
    connect(f.options, &QButtonGroup::idClicked, this,
            [this, index](int unit) { OptionClick(index, unit); });
    frames_.push_back(f);
}

void TCalcConv::buildSaveQuestion(QWidget* client) {
    SaveChange = new QFrame(client);
    SaveChange->setObjectName("SaveChange");
    SaveChange->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SaveChange->setAutoFillBackground(true);
    SetPaletteColor(SaveChange, QPalette::Window, kInactiveBorder);
    SaveChange->setGeometry(381, 160, 185, 97);

    auto* text = new QLabel(
        "Do you wish to save the below selected Item to the calculator READOUT(X) ?", SaveChange);
    text->setObjectName("SaveLbl");
    text->setFont(ArialFont(11, true));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setGeometry(8, 6, 169, 54);

    YesButt = new QPushButton("Yes", SaveChange);
    YesButt->setObjectName("YesButt");
    YesButt->setGeometry(24, 64, 57, 25);
    connect(YesButt, &QPushButton::clicked, this, &TCalcConv::YesButtClick);
    NoButt = new QPushButton("No", SaveChange);
    NoButt->setObjectName("NoButt");
    NoButt->setGeometry(104, 64, 57, 25);
    connect(NoButt, &QPushButton::clicked, this, &TCalcConv::NoButtClick);
    SaveChange->hide();
}

void TCalcConv::buildAboutPanel(QWidget* client) {
    AboutPanel = new QFrame(client);
    AboutPanel->setObjectName("AboutPanel");
    AboutPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    AboutPanel->setAutoFillBackground(true);
    AboutPanel->installEventFilter(this);
    PelcorImage = new QLabel(AboutPanel);
    PelcorImage->setObjectName("PelcorImage");
    PelcorImage->setScaledContents(true);
    PelcorImage->installEventFilter(this);

    const QPixmap picture = AboutPicture(250, 220);
    PelcorImage->setPixmap(picture);

    const char* texts[] = {"Data Converter", "Version 1.0.0"};
    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(texts[i], AboutPanel);
        l->setObjectName(i == 0 ? "AboutName" : "AboutVersion");
        l->setFont(ArialFont(i == 0 ? 20 : 13, true));
        SetPaletteColor(l, QPalette::WindowText, Qt::white);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setGeometry(14, 100 + 30 * i, 230, 28);
        l->installEventFilter(this);
        aboutLabels_.push_back(l);
    }
    AboutPanel->hide();
}

// --- opening and leaving

void TCalcConv::OpenConverter(const QString& readoutText) {
    RetVal->setText(readoutText.isEmpty() ? QString("0") : readoutText);
    AnswerGiven = false;
    CarriedValue = RetVal->text();
    resize(kNarrowWidth, height());
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    Paste1->setEnabled(clip && clip->hasText());
}

void TCalcConv::stepTo(int width, int height) {
    resize(width, height);
    if (!options_.animate) return;
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(2);
}

void TCalcConv::showGrowing(QPoint topLeft) {
    move(topLeft);
    resize(width(), 20);
    show();
    raise();
    activateWindow();
    if (options_.animate)
        for (int h : ResizeSteps(20, kStep, kHeight, kHeight))
            stepTo(width(), h);
    resize(width(), kHeight);
}

bool TCalcConv::saveQuestion() {
    if (ClipLabel->text().isEmpty() || ClipLabel->text() == readout_.text()) return false;
    // A hidden window asks nothing: nobody could see or answer the question.
    if (!isVisible()) return false;
    asking_ = true;
    AnswerGiven = false;
    SaveChange->show();
    SaveChange->raise();
    YesButt->setFocus();
    QPointer<TCalcConv> self(this);
    QEventLoop loop;
    question_ = &loop;
    loop.exec();
    if (!self) return true; // the window went away while it waited
    question_ = nullptr;
    asking_ = false;
    SaveChange->hide();
    return true;
}

void TCalcConv::YesButtClick() {
    readout_.replace(ClipLabel->text());
    AnswerGiven = true;
    if (question_) question_->quit();
}

void TCalcConv::NoButtClick() {
    AnswerGiven = true;
    if (question_) question_->quit();
}

void TCalcConv::ExitButtClick() {
    if (asking_) return;
    QPointer<TCalcConv> self(this);
    const bool asked = saveQuestion();
    if (!self) return;
    if (asked) ClipLabel->clear();
    if (options_.animate) {
        for (int w : ResizeSteps(width(), -kStep, 281))
            stepTo(w, height());
        for (int h : ResizeSteps(height(), -kStep, 51))
            stepTo(width(), h);
    }
    hide();
    emit converterClosed();
}

void TCalcConv::Close1Click() {
    if (asking_) return;
    QPointer<TCalcConv> self(this);
    saveQuestion();
    if (!self) return;
    hide();
    emit converterClosed();
}

// A question still waiting when the window is hidden (its owner window closed under it) ends
// unanswered, as No would end it; a window merely minimised keeps it.
void TCalcConv::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (question_ && !event->spontaneous()) question_->quit();
}

// The window has no close box; a close asked for by the desktop is File > Close.
void TCalcConv::closeEvent(QCloseEvent* event) {
    if (!isVisible()) return QMainWindow::closeEvent(event);
    event->ignore();
    Close1Click();
}

// --- categories and conversions

void TCalcConv::CategoryButtClick(int category) {
    if (category < 0 || category >= static_cast<int>(frames_.size())) return;
    settingInput_ = true;
    frames_[category].input->setText(CarriedValue);
    settingInput_ = false;
    CurrentCategory = Q(frames_[category].category->key);
    ShowCategory();
}

void TCalcConv::ShowCategory() {
    const int index = CategoryIndex(CurrentCategory.toStdString());
    if (index < 0) return;
    for (FrameControls& f : frames_)
        f.frame->hide();
    for (int w : ResizeSteps(width(), kStep, kWideWidth, kWideWidth))
        stepTo(w, height());
    Recompute(index);
    frames_[index].frame->show();
}

int TCalcConv::selectedUnit(int category) const {
    return std::max(0, frames_[category].options->checkedId());
}

void TCalcConv::Recompute(int category) {
    const QString text = frames_[category].input->text();
    if (SkipsRecomputation(text.toStdString())) return;
    convert(category, selectedUnit(category), Run::Recomputation);
}

void TCalcConv::TempTextChange() {
    if (settingInput_) return;
    const int index = CategoryIndex("Temp");
    const QString text = frames_[index].input->text();
    if (SkipsRecomputation(text.toStdString())) return;
    convert(index, selectedUnit(index), Run::Typing);
}

void TCalcConv::OptionClick(int category, int unit) {
    convert(category, unit, Run::UnitChoice);
}

void TCalcConv::convert(int category, int unit, Run run) {
    FrameControls& f = frames_[category];
    const std::string input = f.input->text().toStdString();
    if (run == Run::Typing && IsUnfinishedNumber(input)) return;
    const ConversionResult result = ConvertFrom(*f.category, unit, input);
    if (!result.ok()) {
        dialogs_.showMessage(QString::fromStdString(result.error));
        return;
    }
    // A recomputation carries its input to the next category; choosing a unit does not.
    if (run != Run::UnitChoice) CarriedValue = f.input->text();
    for (std::size_t i = 0; i < f.cells.size(); ++i)
        f.cells[i]->setText(QString::fromStdString(result.cells[i]));
}

// --- selecting a result

void TCalcConv::ResultMouseDown(QLabel* cell) {
    RetVal->setText(cell->text());
    SetPaletteColor(cell, QPalette::Window, kAqua);
    SetPaletteColor(ClipLabel, QPalette::Base, kAqua);
    RetVal->setText(QString::fromStdString(ExtractNumber(RetVal->text().toStdString())));
    ClipLabel->setText(RetVal->text());
}

void TCalcConv::ResultMouseUp(QLabel* cell) {
    SetPaletteColor(cell, QPalette::Window, Qt::white);
    SetPaletteColor(ClipLabel, QPalette::Base, ToQColor(colors::BtnFace));
    const bool selected = !ClipLabel->text().isEmpty();
    Pasteit->setEnabled(selected);
    CopyRead->setEnabled(selected);
}

void TCalcConv::CopyReadClick() {
    const int index = CategoryIndex(CurrentCategory.toStdString());
    if (index < 0) return;
    frames_[index].input->setText(ClipLabel->text());
}

// --- about

void TCalcConv::About1Click() {
    if (AboutPanel->isVisible()) {
        AboutPanel->hide();
        return;
    }
    const QWidget* area = centralWidget();
    AboutPanel->resize(256, 226);
    AboutPanel->move(area->width() / 2 - AboutPanel->width() / 2,
                     area->height() / 3 - AboutPanel->height() / 3);
    PelcorImage->setGeometry(3, 3, AboutPanel->width() - 6, AboutPanel->height() - 6);
    AboutPanel->show();
    AboutPanel->raise();
}

void TCalcConv::OkAboutButtClick() {
    AboutPanel->hide();
}

bool TCalcConv::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(watched, event);
    const bool press = type == QEvent::MouseButtonPress;

    if (press &&
        (watched == AboutPanel || watched == PelcorImage || watched == client_ ||
         std::find(aboutLabels_.begin(), aboutLabels_.end(), watched) != aboutLabels_.end())) {
        OkAboutButtClick();
        return false;
    }
    for (FrameControls& f : frames_) {
        for (QLabel* cell : f.cells) {
            if (watched != cell) continue;
            if (press)
                ResultMouseDown(cell);
            else
                ResultMouseUp(cell);
            return false;
        }
        if (watched == f.input && !press) {
            Cut1->setEnabled(f.input->hasSelectedText());
            Copy1->setEnabled(f.input->hasSelectedText());
        }
    }
    if (watched == ClipLabel && !press) {
        Cut1->setEnabled(ClipLabel->hasSelectedText());
        Copy1->setEnabled(ClipLabel->hasSelectedText());
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pelcor
