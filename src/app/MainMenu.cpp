#include "app/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace pelcor {

MainMenu::MainMenu(QMenuBar* bar) : bar_(bar) {
    bar->setObjectName("MainMenu1");
    auto item = [](QMenu* menu, const QString& name, const QString& caption, bool enabled = true) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setEnabled(enabled);
        return a;
    };
    QMenu* menu = nullptr;
    auto heading = [bar, &menu](const QString& name, const QString& caption, bool enabled) {
        menu = bar->addMenu(caption);
        menu->setObjectName(name + "Menu");
        menu->menuAction()->setObjectName(name);
        menu->menuAction()->setEnabled(enabled);
        return menu->menuAction();
    };

    File1 = heading("File1", "File", false);
    New1 = item(menu, "New1", "New");
    SaveGraphicsFile1 = item(menu, "SaveGraphicsFile1", "Save Graphics File", false);
    LoadGraphicsFile1 = item(menu, "LoadGraphicsFile1", "Load Graphics File");
    SaveTextFile1 = item(menu, "SaveTextFile1", "Save Text File", false);
    LoadTextFile1 = item(menu, "LoadTextFile1", "Load Text File", false);
    SaveImageBitmap1 = item(menu, "SaveImageBitmap1", "Export Graphics Image");
    Printar = item(menu, "Printar", "Print");
    ExitProgram1 = item(menu, "ExitProgram1", "Exit Program");

    Edit1 = heading("Edit1", "Edit", false);
    Undo1 = item(menu, "Undo1", "Undo", false);
    Redo1 = item(menu, "Redo1", "Redo", false);
    Redo1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    Copy1 = item(menu, "Copy1", "Copy");
    Paste1 = item(menu, "Paste1", "Paste");
    CopyPicture1 = item(menu, "CopyPicture1", "Copy Picture");

    Trigonometric1 = heading("Trigonometric1", "Trigonometric", false);
    for (int i = 0; i < TrigSheetCount; ++i) {
        const QString caption = TrigSheetData(static_cast<TrigSheet>(i)).menuItem;
        TrigonometricSheets[i] = item(menu, QString(caption).remove(' ') + "1", caption);
    }

    Science1 = heading("Science1", "Science", false);
    Magnetic1 = item(menu, "Magnetic1", "Magnetic", false);
    Formulas1 = item(menu, "Formulas1", "Formula's");
    Physics1 = item(menu, "Physics1", "Physics");
    Astronomy1 = item(menu, "Astronomy1", "Astronomy");
    PersonalData1 = item(menu, "PersonalData1", "Personal Data");
    Electricalrefdata1 = item(menu, "Electricalrefdata1", "Electrical ref data");

    Conversion2 = bar->addAction("Conversion");
    Conversion2->setObjectName("Conversion2");
    Conversion2->setEnabled(false);

    Help1 = heading("Help1", "Help", false);
    AboutUs1 = item(menu, "AboutUs1", "About Us");
    Onlinehelp1 = item(menu, "Onlinehelp1", "Help Online");
    HelpFile1 = item(menu, "HelpFile1", "Help");

    Options1 = heading("Options1", "Options", false);
    Soundssetup1 = item(menu, "Soundssetup1", "Sounds setup");
    Screensetup1 = item(menu, "Screensetup1", "Screen setup");
    DrawMode1 = item(menu, "DrawMode1", "DrawMode");
    CheckEditpczFile1 = item(menu, "CheckEditpczFile1", "Check/Edit .pcz File");

    TextEditor1 = heading("TextEditor1", "Text Editor", true);
    Viewcalculations1 = item(menu, "Viewcalculations1", "View calculations");
    TextEditor2 = item(menu, "TextEditor2", "Text Editor");

    CalcMode1 = heading("CalcMode1", "CalcMode", true);
    Decimal1 = item(menu, "Decimal1", "Decimal");
    Hexidecimal1 = item(menu, "Hexidecimal1", "Hexidecimal");
    Binary1 = item(menu, "Binary1", "Binary");

    // The commands users repeat have keys, shown beside them in the menus.
    const std::pair<QAction*, QKeySequence> keys[] = {
        {New1, QKeySequence("Ctrl+N")},
        {SaveGraphicsFile1, QKeySequence("Ctrl+S")},
        {LoadGraphicsFile1, QKeySequence("Ctrl+O")},
        {SaveImageBitmap1, QKeySequence("Ctrl+E")},
        {Printar, QKeySequence("Ctrl+P")},
        {ExitProgram1, QKeySequence("Ctrl+Q")},
        {Undo1, QKeySequence("Ctrl+Z")},
        {Copy1, QKeySequence("Ctrl+C")},
        {Paste1, QKeySequence("Ctrl+V")},
        {CopyPicture1, QKeySequence("Ctrl+Shift+C")},
        {HelpFile1, QKeySequence("F1")},
        {Conversion2, QKeySequence("F2")},
    };
    for (const auto& [action, sequence] : keys)
        action->setShortcut(sequence);

    for (QMenu* m : bar->findChildren<QMenu*>()) {
        // An item's key obeys its heading too: while the heading is disabled the items
        // cannot be chosen, so their keys rest.
        QAction* headingAction = m->menuAction();
        auto followHeading = [m, headingAction] {
            const bool on = headingAction->isEnabled();
            for (QAction* a : m->actions()) {
                if (!a->property("keys").isValid())
                    a->setProperty("keys", QVariant::fromValue(a->shortcuts()));
                a->setShortcuts(on ? a->property("keys").value<QList<QKeySequence>>()
                                   : QList<QKeySequence>{});
            }
        };
        followHeading();
        QObject::connect(headingAction, &QAction::changed, m, followHeading);
        // A command chosen by a screen reader's action on the item closes the menus as a
        // click does (a click has closed them already).
        QObject::connect(m, &QMenu::triggered, m, [] {
            while (QWidget* popup = QApplication::activePopupWidget())
                if (!popup->close()) break;
        });
    }
}

QAction* MainMenu::action(const QString& name) const {
    return bar_->findChild<QAction*>(name);
}

} // namespace pelcor
