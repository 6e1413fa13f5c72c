#pragma once

#include "editor/TextEditor.h"

#include <QFrame>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pelcor {

class Dialogs;
class Reporter;

// The main menu as the editor reaches it: entries by object name ("File1",
// "SaveImageBitmap1", ...). The window owns the menu and answers.
class MenuItems {
public:
    virtual ~MenuItems() = default;
    virtual bool isEnabled(const QString& name) const = 0;
    virtual void setEnabled(const QString& name, bool enabled) = 0;
};

// The text editor panel `TextEditPanel`: the memo `Storetext` under the `FontPanel` with
// the font fields, the file name and the close button "X". It covers the main window
// while open. Place it as a child of the main window's client area; it sizes itself from
// the main window each time it opens.
class TextEditorView : public QFrame {
    Q_OBJECT
public:
    TextEditorView(QWidget* parent, Reporter& reporter, Dialogs& dialogs, MenuItems& menu);

    // --- the menu commands; each opens the panel, or closes it when it is open
    // "View calculations": the memo shows `tapeText` (CR LF line ends) exactly.
    void ViewEditor1Click(const QString& tapeText);
    // "Text Editor": the memo keeps the text it had.
    void TextEditor2Click();
    // "Check/Edit .pcz File": the memo shows the drawing list's text. Emits
    // hideOptionPanels() first when it opens.
    void CheckFile1Click(const QString& drawingListText);
    // "Load Text File" and "Save Text File" of the File menu.
    void LoadTextFile1Click();
    void SaveTextFile1Click();

    // --- the panel's own controls
    void EditorCloseButt1Click();
    void TextFontButtClick(); // also clicks on Font1, Size1 and Color1
    void StoretextKeyUp();

    // --- what the window needs
    bool isPanelVisible() const { return editor_.isOpen(); }
    // The memo's text with CR LF line ends, and its font: what "Print" hands over.
    QString memoText() const;
    QFont memoFont() const { return editor_.Font; }

signals:
    // The sound, screen and draw-mode option panels must close: the drawing list view is
    // opening.
    void hideOptionPanels();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runCommand(EditorUse command, const QString* fill);
    void placeAndShow();
    void setMemoText(const QString& crlfText);
    void refreshFontFields();
    void apply(const MenuStates& states);
    void ShowMessage(const std::string& message);

    Dialogs& dialogs_;
    MenuItems& menu_;
    TextEditor editor_;
    bool filling_ = false;   // the memo is being filled by the program, not typed into
    bool showsPart_ = false; // the memo shows only the newest part of a tape or drawing text

    QPlainTextEdit* Storetext = nullptr;
    QFrame* FontPanel = nullptr;
    QPushButton* TextFontButt = nullptr;
    QLineEdit* Font1 = nullptr;
    QLineEdit* Size1 = nullptr;
    QLineEdit* Color1 = nullptr;
    QLabel* TextFileNme = nullptr;
    QPushButton* EditorCloseButt1 = nullptr;
    QLabel* EditorMsgLbl = nullptr;
};

} // namespace pelcor
