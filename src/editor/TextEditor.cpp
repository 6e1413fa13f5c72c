#include "editor/TextEditor.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/Reporter.h"
#include "platform/TextLines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>

namespace pelcor {

namespace {

// The entries every opening takes away and every closing gives back.
constexpr const char* kTakenWhileOpen[] = {"Conversion2",
                                           "Edit1",
                                           "Help1",
                                           "Options1",
                                           "Science1",
                                           "Trigonometric1",
                                           "SaveGraphicsFile1",
                                           "LoadGraphicsFile1"};

void Switch(MenuStates& states, const char* name, bool enabled) {
    states.push_back({name, enabled});
}

bool EndsWithTxt(const std::string& name) {
    static const std::string ext = ".txt";
    if (name.size() < ext.size()) return false;
    return std::equal(
        ext.begin(), ext.end(), name.end() - static_cast<long>(ext.size()),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

QString Q(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TextEditor::TextEditor(Reporter& reporter) : reporter_(reporter) {}

// --- the menu --------------------------------------------------------------------------------

MenuStates TextEditor::Open(EditorUse use, bool exportEnabled) {
    MenuStates states;
    const bool takesExportAndModes = use != EditorUse::DrawingList;
    exportDisabledHere_ = false;
    if (takesExportAndModes) {
        ExportWasEnabled = exportEnabled;
        exportDisabledHere_ = exportEnabled;
        Switch(states, "SaveImageBitmap1", false);
    }
    Switch(states, "LoadTextFile1", true);
    for (const char* name : kTakenWhileOpen)
        Switch(states, name, false);
    if (use == EditorUse::Calculations) {
        Switch(states, "TextEditor2", false);
        Switch(states, "File1", false);
    } else if (use == EditorUse::TextFile) {
        Switch(states, "Viewcalculations1", false);
    }
    if (takesExportAndModes) Switch(states, "CalcMode1", false);
    use_ = use;
    return states;
}

MenuStates TextEditor::Close() {
    MenuStates states;
    Switch(states, "LoadTextFile1", false);
    Switch(states, "SaveTextFile1", false);
    for (const char* name : kTakenWhileOpen)
        Switch(states, name, true);
    Switch(states, "File1", true);
    Switch(states, "TextEditor1", true);
    // The calculations view and the editor give back what their opening took; the drawing
    // list view took neither, whichever command closes it.
    if (use_ == EditorUse::Calculations || use_ == EditorUse::TextFile) {
        if (exportDisabledHere_) Switch(states, "SaveImageBitmap1", true);
        Switch(states, "CalcMode1", true);
        Switch(states, use_ == EditorUse::Calculations ? "TextEditor2" : "Viewcalculations1", true);
    }
    exportDisabledHere_ = false;
    use_ = EditorUse::Closed;
    return states;
}

TextEditor::Step TextEditor::Command(EditorUse command, bool exportEnabled) {
    Step step;
    if (command == EditorUse::Closed) return step;
    if (!isOpen()) {
        step.opened = true;
        step.menu = Open(command, exportEnabled);
        return step;
    }
    // The tape and the drawing list are views: closing them empties the memo. The editor
    // keeps its text for the next opening.
    step.clearMemo = command != EditorUse::TextFile;
    step.menu = Close();
    return step;
}

TextEditor::Step TextEditor::CloseButton() {
    Step step;
    step.clearMemo = use_ == EditorUse::Calculations;
    step.menu = Close();
    // "X" gives back every entry the commands can take.
    for (const char* name : {"Viewcalculations1", "TextEditor2", "CalcMode1"}) {
        const bool listed = std::any_of(step.menu.begin(), step.menu.end(),
                                        [name](const MenuState& s) { return s.name == name; });
        if (!listed) Switch(step.menu, name, true);
    }
    return step;
}

MenuStates TextEditor::AfterTyping(bool memoEmpty) {
    return memoEmpty ? MenuStates{} : SaveOffered();
}

// --- text files ------------------------------------------------------------------------------

std::string TextEditor::MemoText(const std::string& fileBytes) {
    std::string memo;
    for (const std::string& line : SplitLines(Cp1252ToUtf8(fileBytes))) {
        memo += line;
        memo += "\r\n";
    }
    return memo;
}

std::string TextEditor::FileBytes(const std::string& memoText) {
    const std::string bytes = Utf8ToCp1252(memoText);
    std::string file;
    file.reserve(bytes.size() + 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            file += "\r\n";
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            file += c;
        }
    }
    if (file.size() < 2 || file.compare(file.size() - 2, 2, "\r\n") != 0) file += "\r\n";
    return file;
}

std::string TextEditor::SaveName(const std::string& chosen, int filterIndex) {
    if (filterIndex == 1 && !EndsWithTxt(chosen)) return chosen + ".txt";
    return chosen;
}

bool TextEditor::Refuse(const std::string& message) {
    message_ = message;
    reporter_.showInfo(message);
    reporter_.beep();
    return false;
}

bool TextEditor::LoadFile(const std::string& path, std::string& memoText) {
    message_.clear();
    const auto refuse = [this, &path](const std::string& why) {
        return Refuse("*** Not loaded: " + path + " - " + why + " ***");
    };
    const QFileInfo info(Q(path));
    if (path.empty() || !info.exists()) return Refuse("*** Invalid file name error ***" + path);
    // A folder, a pipe or a device could block the read or never end.
    if (!info.isFile()) return refuse("it is not a regular file");
    const std::string tooLarge = "it is larger than " +
                                 std::to_string(kMaxFileBytes / (1024 * 1024)) +
                                 " MB, too large for the editor";
    if (static_cast<std::size_t>(info.size()) > kMaxFileBytes) return refuse(tooLarge);
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) return refuse("it could not be read");
    // The file may have grown since it was measured: never read past the limit.
    const QByteArray data = file.read(static_cast<qint64>(kMaxFileBytes) + 1);
    if (file.error() != QFile::NoError) return refuse("it could not be read");
    if (static_cast<std::size_t>(data.size()) > kMaxFileBytes) return refuse(tooLarge);
    if (data.contains('\0')) return refuse("it holds binary data, not text");
    memoText = MemoText(std::string(data.constData(), static_cast<std::size_t>(data.size())));
    TextFileName = path;
    return true;
}

bool TextEditor::SaveFile(const std::string& path, const std::string& memoText) {
    message_.clear();
    TextFileName = path;
    const std::string bytes = FileBytes(memoText);
    const std::string failure = WriteFileAtomically(path, bytes);
    if (!failure.empty())
        return Refuse("*** The text was not saved in " + path + ": " + failure + " ***");
    // Characters that Windows-1252 cannot hold come back as "?": say so rather than let
    // the user find out later.
    if (Cp1252ToUtf8(Utf8ToCp1252(memoText)) != memoText) {
        message_ = "Saved " + path + " - characters outside Windows-1252 were written as \"?\"";
        reporter_.showInfo(message_);
    }
    return true;
}

qsizetype TextEditor::ShownFrom(const QString& text, qsizetype& linesLeftOut) {
    // Back from the end over the characters that may be shown, counting the lines' starts.
    const qsizetype n = text.size();
    const qsizetype stop = std::max<qsizetype>(0, n - kMostShownChars);
    qsizetype from = n, lines = 0;
    for (qsizetype p = n - 1; p >= stop; --p) {
        const bool starts =
            p == 0 || text[p - 1] == u'\n' || (text[p - 1] == u'\r' && text[p] != u'\n');
        if (!starts) continue;
        if (++lines > kMostShownLines) break;
        from = p;
    }
    if (n == 0) from = 0;
    linesLeftOut = 0;
    for (qsizetype i = 0; i < from; ++i)
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == n || text[i + 1] != u'\n')))
            ++linesLeftOut;
    return from;
}

std::string TextEditor::ShortenedMessage(EditorUse use, qsizetype linesShown,
                                         qsizetype linesLeftOut) {
    const std::string shown = std::to_string(linesShown), left = std::to_string(linesLeftOut);
    if (use == EditorUse::Calculations)
        return "The tape is too long to show at once: its newest " + shown +
               " lines are shown, and its " + left +
               " older lines are kept in TotalStr.dat. Saving is off for this part.";
    return "The drawing's text is too long to show at once: its last " + shown +
           " lines are shown, and its " + left +
           " first lines are kept on the board. Saving is off for this part.";
}

} // namespace pelcor
