#pragma once

#include "platform/DisplayOptions.h"
#include "platform/ProgramFiles.h"
#include "reference/ConstantsModel.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <map>
#include <span>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QTabBar;
class QWidget;

namespace pelcor {

class ConstantCell;
struct Constant;
class Reporter;
class Screens;

// The constants library's controls: TabControl1 over the six tab panels of 18 cells, and
// the astronomy and physics side lists of 14 cells. Hovering a cell describes it, clicking
// puts its value into the readout. The window places and opens the side lists.
class ConstantsView : public QObject, private ConstantsDisplay {
    Q_OBJECT
public:
    // `lowerParent` receives TabControl1 and the tab panels, `sideParent` the two side
    // lists (hidden). Constant pictures appear on the screen's Image1; `options` tells
    // whether screen help (the constants' pictures) is on.
    ConstantsView(QWidget* lowerParent, QWidget* sideParent, Screens& screens, Reporter& reporter,
                  const DisplayOptions& options, ProgramFiles files, QObject* parent = nullptr);
    ~ConstantsView() override;

    ConstantsModel& model() { return model_; }

    // The start picture, put back into Image1 when a constant without a picture (or any
    // constant while screen pictures are off) is described away from the drawing board.
    void setStartPicture(const QImage& picture) { startPicture_ = picture; }

    // The three side lists the window's side-panel host opens and closes over the left
    // column: AstronomyPanel, PhysicsPanel and the formula topics' FormulaPanel.
    enum class SideList { Astronomy, Physics, Formulas };
    QWidget* sideList(SideList which) const;
    // Whether the formula topics' list is open.
    bool isFormulaListOpen() const;

    // The cell of a Tag, or nullptr.
    ConstantCell* cell(int tag) const;

    // Tab switching: only the selected tab's panel is shown.
    void TabControl1Change(int index);
    // Hover help over any cell that shares it (the personal entries too): highlight,
    // CurrentEntry, description and picture.
    void ShowHelp(QWidget* cell, int tag, int cellColor);
    // A click on a cell: describes it, then puts its value into the readout; a formula
    // topic's Tag (above 400) is passed on through TopicClicked instead.
    void InsertHelp(int tag);
    // For ClearInfo: the highlighted cell gets its own colour back.
    void RestoreHighlightedConst() { model_.RestoreHighlightedConst(); }

signals:
    // AstroCloseButt or PhysCloseButt: the window's common side-panel close.
    void SidePanelCloseClicked();
    // The pointer moved over one of the panels' background: the window's ClearInfo.
    void PointerOverPanel();
    // A formula topic was clicked (after it was selected); its sheet is drawn elsewhere.
    void TopicClicked(int tag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ConstantScreenState screenState() const override;
    void showPicture(PictureAction action, const std::string& pictureName) override;
    void paintCell(const CellPaint& paint) override;

    void buildTabs(QWidget* parent);
    QFrame* buildSideList(QWidget* parent, const char* name, const char* titleName,
                          const char* title, const char* closeName, const QString& cellPrefix,
                          const std::vector<int>& tags);
    ConstantCell* addCell(QWidget* panel, const QString& name, int tag, int left, int top,
                          int width, int height, int color);
    void takeScreen();

    QTabBar* TabControl1 = nullptr;
    // SolarSysPanel, SolarMPanel, Atomic1Panel, Atomic2Panel, GeneralPanel, GeneralPanel2.
    QFrame* TabPanels[6] = {};
    QFrame* AstronomyPanel = nullptr;
    QFrame* PhysicsPanel = nullptr;
    // The formula topics' list (Tags 401-414): a click draws the topic's sheet.
    QFrame* FormulaPanel = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* AstroCloseButt = nullptr;
    QPushButton* PhysCloseButt = nullptr;

    Screens& screens_;
    Reporter& reporter_;
    ProgramFiles files_;
    ConstantsModel model_;
    QImage startPicture_;
    const DisplayOptions& options_;
    std::map<int, ConstantCell*> cells_;
    // Cells that hover help has painted, by name (constant cells and personal entries).
    std::map<std::string, QPointer<QWidget>> paintable_;
};

} // namespace pelcor
