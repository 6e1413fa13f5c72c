#pragma once

#include <QFont>
#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace pelcor {

class Reporter;

// What the editor panel is open for: each of the three menu commands that open it.
enum class EditorUse {
    Closed,
    Calculations, // "View calculations": the calculation tape
    TextFile,     // "Text Editor": plain ".txt" files
    DrawingList,  // "Check/Edit .pcz File": the drawing list as text
};

// One main-menu item or heading, by its object name, and whether it is to be enabled.
struct MenuState {
    std::string name;
    bool enabled;
    bool operator==(const MenuState&) const = default;
};
using MenuStates = std::vector<MenuState>;

// The text editor's rules: which menu entries its commands disable and enable, and the
// text files it loads and saves. The memo's text itself stays in the memo; here it is
// passed in and out with CR LF line ends.
class TextEditor {
public:
    explicit TextEditor(Reporter& reporter);

    // What a menu command does to the panel: open it, or close it when it is open.
    struct Step {
        bool opened = false;    // the panel is now open (otherwise it was closed)
        bool clearMemo = false; // the memo is emptied
        MenuStates menu;        // the menu entries to switch, in order
    };
    // "View calculations", "Text Editor" or "Check/Edit .pcz File" chosen from the menu.
    // `exportEnabled`: whether "Export Graphics Image" is enabled at this moment.
    Step Command(EditorUse command, bool exportEnabled);
    // The panel's "X".
    Step CloseButton();
    // A key typed in the memo: "Save Text File" is offered once the memo holds text.
    static MenuStates AfterTyping(bool memoEmpty);
    // After a file is loaded: "Save Text File" is offered.
    static MenuStates SaveOffered() { return {{"SaveTextFile1", true}}; }

    EditorUse use() const { return use_; }
    bool isOpen() const { return use_ != EditorUse::Closed; }

    // --- text files
    static constexpr const char* kFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
    // Files larger than this are refused: the memo is for notes, not for data dumps.
    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

    // The tape or drawing text that "View calculations" and "Check/Edit .pcz File" show is
    // cut to what the memo shows at once (within a second): its newest lines, at most this
    // many characters and lines of them.
    static constexpr qsizetype kMostShownChars = 4 * 1024 * 1024;
    static constexpr qsizetype kMostShownLines = 65'536;
    // Where the shown part of `text` (lines ended by CR LF, LF or CR) starts: a line's start,
    // 0 for the whole text. `linesLeftOut` gets the number of lines before it.
    static qsizetype ShownFrom(const QString& text, qsizetype& linesLeftOut);
    // The editor's message for a text shown from the line after `linesLeftOut` lines.
    static std::string ShortenedMessage(EditorUse use, qsizetype linesShown,
                                        qsizetype linesLeftOut);
    // The message of "Save Text File" refused while the memo shows such a part.
    static constexpr const char* kPartNotSaved =
        "The memo shows only the newest part of a longer text: it is not saved, so that "
        "nothing is lost. Copy what you need into a new text instead.";

    // The file's bytes as the memo shows them: Windows-1252 decoded, every line followed
    // by CR LF (so a last line without a line end gets one).
    static std::string MemoText(const std::string& fileBytes);
    // The memo's text as the file holds it: Windows-1252, ending with a line end. A text
    // that already ends with CR LF is written as it stands, so that loading and saving a
    // file again and again does not add empty lines.
    static std::string FileBytes(const std::string& memoText);
    // The name a save writes: with the first filter ".txt" is added unless the name ends
    // with ".txt" in any letter case.
    static std::string SaveName(const std::string& chosen, int filterIndex);

    // Loads `path` into `memoText`. On success TextFileName := path and true; a missing,
    // unreadable, oversized or binary file is reported in the information line with a
    // beep, and `memoText` and TextFileName stay as they were.
    bool LoadFile(const std::string& path, std::string& memoText);
    // Writes `memoText` to `path` (already named by SaveName) in one step: the old file is
    // replaced only by a complete new one. TextFileName := path. A failure is reported
    // with a beep and the old file stays as it was.
    bool SaveFile(const std::string& path, const std::string& memoText);

    // What the last load or save had to say (a refusal, or a note on a save), for the
    // editor's own field: the panel covers the information line. Empty when all went well.
    const std::string& Message() const { return message_; }

    std::string TextFileName; // the text file last opened or saved; empty at start
    bool ExportWasEnabled = false;
    QFont Font{"Arial", 8}; // the memo's font
    int FontColor = 0;      // the memo's font colour (red + 256 green + 65536 blue)

private:
    MenuStates Open(EditorUse use, bool exportEnabled);
    MenuStates Close();
    // Reports a refusal in the information line with a beep and keeps it as the message.
    bool Refuse(const std::string& message);

    Reporter& reporter_;
    EditorUse use_ = EditorUse::Closed;
    bool exportDisabledHere_ = false; // this opening disabled "Export Graphics Image"
    std::string message_;
};

} // namespace pelcor
