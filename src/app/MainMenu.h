#pragma once

#include "reference/FormulaSheets.h"

#include <QString>

class QAction;
class QMenuBar;

namespace pelcor {

// The main menu `MainMenu1` with its headings and items, each action named as the program
// names it ("File1", "SaveGraphicsFile1", ...). The window connects the items to their
// features.
struct MainMenu {
    // Builds the menu on `bar`; the first seven headings start disabled.
    explicit MainMenu(QMenuBar* bar);

    QAction *File1, *New1, *SaveGraphicsFile1, *LoadGraphicsFile1, *SaveTextFile1, *LoadTextFile1,
        *SaveImageBitmap1, *Printar, *ExitProgram1;
    QAction *Edit1, *Undo1, *Redo1, *Copy1, *Paste1, *CopyPicture1;
    QAction* Trigonometric1;
    QAction* TrigonometricSheets[TrigSheetCount]; // in the menu's order
    QAction *Science1, *Magnetic1, *Formulas1, *Physics1, *Astronomy1, *PersonalData1,
        *Electricalrefdata1;
    QAction* Conversion2;
    QAction *Help1, *AboutUs1, *Onlinehelp1, *HelpFile1;
    QAction *Options1, *Soundssetup1, *Screensetup1, *DrawMode1, *CheckEditpczFile1;
    QAction *TextEditor1, *Viewcalculations1, *TextEditor2;
    QAction *CalcMode1, *Decimal1, *Hexidecimal1, *Binary1;

    // The menu's action of that object name (headings and items), or none.
    QAction* action(const QString& name) const;

private:
    QMenuBar* bar_;
};

} // namespace pelcor
