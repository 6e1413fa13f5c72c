#pragma once

#include <QList>

class QFrame;
class QWidget;

namespace pelcor {

class Screens;

// The left column (the toolbar, the side picture and the colour swatches) and the side
// panels that cover it one at a time: the astronomy and physics lists, the formula
// topics and the personal data. Features register their panels; the menu commands ask
// this host to open or close them.
class SidePanelHost {
public:
    // `animate`: a panel grows step by step where the user sees it (off in tests).
    SidePanelHost(Screens& screens, QWidget* toolbar, bool animate);

    // The controls a side panel covers.
    void AddToLeftColumn(QWidget* widget);
    // A side panel; `collapses`: CloseSidePanels puts it back to height 12 (all but the
    // formula list).
    void AddPanel(QWidget* panel, bool collapses);
    // A panel CloseSidePanels hides too (the personal data's settings panel).
    void AddCompanion(QWidget* widget);

    // The menu command of a side panel: opens it (closing the others), or closes it when
    // it is open. Returns true when the panel is now open.
    bool Toggle(QWidget* panel);
    // Hides every side panel and gives the screen back from the formula topics.
    void CloseSidePanels();
    // The panels' common "Close": hides them all and shows the left column again.
    void CloseAll();
    void SetLeftColumnVisible(bool visible);

private:
    Screens& screens_;
    QWidget* toolbar_;
    bool animate_;
    QList<QWidget*> leftColumn_;
    QList<QWidget*> panels_;
    QList<QWidget*> collapsing_;
    QList<QWidget*> companions_;
};

} // namespace pelcor
