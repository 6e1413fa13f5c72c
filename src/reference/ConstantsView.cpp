#include "reference/ConstantsView.h"

#include "reference/FormulaTopics.h"

#include "platform/Colors.h"
#include "platform/NumberText.h"
#include "platform/Pictures.h"
#include "platform/Reporter.h"
#include "platform/Screens.h"
#include "platform/widgets/Widgets.h"
#include "reference/ConstantCell.h"
#include "reference/Constants.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>

namespace pelcor {

namespace {

// The main window's width less its frame.
constexpr int kTabPanelWidth = 638 - 22;
constexpr int kTabPanelHeight = 65;
constexpr int kTabLeft = 6, kTabTop = 390, kTabWidth = 613, kTabHeight = 25;
constexpr int kSideListWidth = 149;

struct TabPanel {
    const char* name;
    const char* tab;
    int color;
};
constexpr TabPanel kTabPanels[6] = {
    {"SolarSysPanel", "Solar System", colors::SolarSystemTab},
    {"SolarMPanel", "Solar Masses", colors::SolarMassesTab},
    {"Atomic1Panel", "Atomic Values1", colors::AtomicValues1Tab},
    {"Atomic2Panel", "Atomic Values2", colors::AtomicValues2Tab},
    {"GeneralPanel", "General Data", colors::GeneralDataTab},
    {"GeneralPanel2", "General Data1", colors::GeneralData1Tab},
};

// A raised panel of the given colour that follows the pointer.
QFrame* ColouredPanel(const char* name, QWidget* parent, int color) {
    QFrame* f = MakePanel(name, parent, 0, 0, 0, 0);
    SetBackground(f, color);
    f->setMouseTracking(true);
    return f;
}

} // namespace

ConstantsView::ConstantsView(QWidget* lowerParent, QWidget* sideParent, Screens& screens,
                             Reporter& reporter, const DisplayOptions& options, ProgramFiles files,
                             QObject* parent)
    : QObject(parent), screens_(screens), reporter_(reporter), files_(std::move(files)),
      model_(reporter, *this), options_(options) {
    buildTabs(lowerParent);
    auto tagsOf = [](std::span<const Constant> constants) {
        std::vector<int> tags;
        for (const Constant& c : constants)
            tags.push_back(c.tag);
        return tags;
    };
    AstronomyPanel = buildSideList(sideParent, "AstronomyPanel", "Label4", "Astronomy Data",
                                   "AstroCloseButt", "AstroText", tagsOf(AstronomyConstants()));
    PhysicsPanel = buildSideList(sideParent, "PhysicsPanel", "Label5", " Physics Data",
                                 "PhysCloseButt", "PhysText", tagsOf(PhysicsConstants()));
    std::vector<int> topics;
    for (int tag = FirstTopicTag; tag <= LastTopicTag; ++tag)
        topics.push_back(tag);
    FormulaPanel = buildSideList(sideParent, "FormulaPanel", "FormulaTitle", " Formula Data",
                                 "Button1", "TopicText", topics);
    Label4 = AstronomyPanel->findChild<QLabel*>("Label4");
    Label5 = PhysicsPanel->findChild<QLabel*>("Label5");
    AstroCloseButt = AstronomyPanel->findChild<QPushButton*>("AstroCloseButt");
    PhysCloseButt = PhysicsPanel->findChild<QPushButton*>("PhysCloseButt");
}

ConstantsView::~ConstantsView() = default;

void ConstantsView::buildTabs(QWidget* parent) {
    TabControl1 = new QTabBar(parent);
    TabControl1->setObjectName("TabControl1");
    TabControl1->setGeometry(kTabLeft, kTabTop, kTabWidth, kTabHeight);
    TabControl1->setExpanding(false);
    TabControl1->setStyleSheet("QTabBar::tab { width: 97px; height: 19px; padding: 0px 2px; }");
    const int top = kTabTop + kTabHeight - 7;
    for (int i = 0; i < 6; ++i) {
        TabControl1->addTab(kTabPanels[i].tab);
        QFrame* panel = ColouredPanel(kTabPanels[i].name, parent, kTabPanels[i].color);
        panel->setGeometry(5, top, kTabPanelWidth, kTabPanelHeight);
        panel->installEventFilter(this);
        int index = 0;
        for (const Constant& c : TabConstants(i)) {
            const int column = index % 6, row = index / 6;
            ++index;
            addCell(panel, "StaticText" + QString::number(c.tag + 1), c.tag, 6 + 101 * column,
                    6 + 18 * row, 95, 17, kConstantCellColor);
        }
        panel->setVisible(i == 0);
        TabPanels[i] = panel;
    }
    TabControl1->raise();
    connect(TabControl1, &QTabBar::currentChanged, this, &ConstantsView::TabControl1Change);
}

QFrame* ConstantsView::buildSideList(QWidget* parent, const char* name, const char* titleName,
                                     const char* title, const char* closeName,
                                     const QString& cellPrefix, const std::vector<int>& tags) {
    QFrame* panel = ColouredPanel(name, parent, colors::BtnShadow);
    panel->setGeometry(19, 12, kSideListWidth, 12);
    panel->installEventFilter(this);

    const QFont bold = ArialFont(11, true);
    MakeLabel(titleName, title, panel, 6, 4, 88, 15)->setFont(bold);
    QPushButton* close = MakeButton(closeName, "Close", panel, kSideListWidth - 8 - 45, 3, 45, 17);
    close->setFont(bold);
    connect(close, &QPushButton::clicked, this, &ConstantsView::SidePanelCloseClicked);

    int row = 0;
    for (int tag : tags)
        addCell(panel, cellPrefix + QString::number(tag), tag, 4, SideListRowTops[row++], 137, 20,
                colors::BtnFace);
    panel->hide();
    return panel;
}

ConstantCell* ConstantsView::addCell(QWidget* panel, const QString& name, int tag, int left,
                                     int top, int width, int height, int color) {
    // A formula topic's cell draws its sheet; every other cell is a constant.
    const Constant* c = FindConstant(tag);
    const QString caption =
        c ? QString::fromUtf8(c->caption) : QString::fromStdString(TopicCaption(tag));
    auto* cell = new ConstantCell(name, tag, caption, color, panel);
    cell->setGeometry(left, top, width, height);
    // The blank cells are named by the value they insert.
    cell->setAccessibleName(!caption.isEmpty() ? caption
                                               : QString::fromStdString(FormatGeneral(c->value)));
    if (auto text = c ? ConstantDescription(*c) : std::nullopt)
        cell->setAccessibleDescription(QString::fromStdString(*text));
    connect(cell, &ConstantCell::hovered, this,
            [this, cell] { ShowHelp(cell, cell->tag(), cell->color()); });
    connect(cell, &ConstantCell::clicked, this, [this, cell] { InsertHelp(cell->tag()); });
    cells_[tag] = cell;
    paintable_[name.toStdString()] = cell;
    return cell;
}

QWidget* ConstantsView::sideList(SideList which) const {
    switch (which) {
    case SideList::Astronomy: return AstronomyPanel;
    case SideList::Physics: return PhysicsPanel;
    case SideList::Formulas: return FormulaPanel;
    }
    return nullptr;
}

bool ConstantsView::isFormulaListOpen() const {
    return !FormulaPanel->isHidden();
}

ConstantCell* ConstantsView::cell(int tag) const {
    auto it = cells_.find(tag);
    return it == cells_.end() ? nullptr : it->second;
}

void ConstantsView::TabControl1Change(int index) {
    for (int i = 0; i < 6; ++i)
        TabPanels[i]->setVisible(i == index);
}

void ConstantsView::ShowHelp(QWidget* cell, int tag, int cellColor) {
    const std::string name = cell->objectName().toStdString();
    paintable_[name] = cell;
    model_.ShowHelp(name, tag, cellColor);
}

void ConstantsView::InsertHelp(int tag) {
    if (!model_.InsertHelp(tag)) emit TopicClicked(tag);
}

bool ConstantsView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) emit PointerOverPanel();
    return QObject::eventFilter(watched, event);
}

ConstantScreenState ConstantsView::screenState() const {
    return {screens_.displayMode(), isFormulaListOpen(), options_.screenHelpOn(),
            screens_.isShown(ScreenPicture::Picture11)};
}

void ConstantsView::showPicture(PictureAction action, const std::string& pictureName) {
    if (action == PictureAction::ShowConstant) {
        const std::string path = files_.resolve("CalcLibrary\\" + pictureName);
        std::string error;
        const QImage picture = LoadPicture(path, &error);
        if (picture.isNull()) {
            reporter_.showMessage("Cannot open file \"" + path + "\": " + error);
            return;
        }
        screens_.setPicture(ScreenPicture::Image1, picture);
    } else {
        screens_.setPicture(ScreenPicture::Image1, startPicture_); // none: Image1 empties
        screens_.showDisplayMode();
    }
    takeScreen();
}

void ConstantsView::takeScreen() {
    screens_.stopClock();
    screens_.setIdleTimerRunning(false);
    screens_.showOnly(ScreenPicture::Image1);
    screens_.setTitle("");
}

void ConstantsView::paintCell(const CellPaint& paint) {
    auto it = paintable_.find(paint.cell);
    if (it == paintable_.end() || !it->second) return;
    if (auto* cell = qobject_cast<ConstantCell*>(it->second.data())) {
        cell->paint(paint.color);
        return;
    }
    QWidget* w = it->second;
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(paint.color));
    w->setPalette(pal);
}

} // namespace pelcor
