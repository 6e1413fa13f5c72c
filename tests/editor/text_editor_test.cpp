#include "editor/TextEditorView.h"
#include "platform/Dialogs.h"
#include "platform/Reporter.h"

#include "RecordingReporter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace pelcor {
namespace {

using RecordingReporter = pelcor::testing::RecordingReporter;

// File dialogs answer with the next of `names` (none left: cancelled); questions No.
struct ScriptedDialogs : Dialogs {
    QStringList names;
    int saveFilter = 1;
    int questions = 0;
    void showMessage(const QString&) override {}
    QString openFileName(const QString&, int, const QString&) override { return next(); }
    QString saveFileName(const QString&, int& filterIndex, const QString&,
                         const FilterChange&) override {
        filterIndex = saveFilter;
        return next();
    }
    bool askYesNo(const QString&) override { return ++questions, false; }
    QString next() { return names.isEmpty() ? QString() : names.takeFirst(); }
};

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The menu's entries by name; an entry the menu does not have shows up as "?name" once
// it is set.
struct MenuMap : MenuItems {
    std::map<std::string, bool> on;
    bool& operator[](const std::string& name) { return on[name]; }
    bool isEnabled(const QString& name) const override { return on.at(name.toStdString()); }
    void setEnabled(const QString& name, bool enabled) override {
        const std::string n = name.toStdString();
        on[(on.count(n) ? "" : "?") + n] = enabled;
    }
};

class EditorTest : public ::testing::Test {
protected:
    EditorTest() {
        // The menu as the window leaves it after start-up.
        for (const char* name :
             {"File1", "Edit1", "Trigonometric1", "Science1", "Conversion2", "Help1", "Options1",
              "TextEditor1", "CalcMode1", "SaveGraphicsFile1", "LoadGraphicsFile1",
              "SaveImageBitmap1", "Viewcalculations1", "TextEditor2"})
            menu.on[name] = true;
        menu.on["SaveTextFile1"] = menu.on["LoadTextFile1"] = false;
        view = new TextEditorView(&window, reporter, dialogs, menu);
    }
    QString path(const char* name) const { return dir.filePath(name); }
    QPlainTextEdit* memo() const { return view->findChild<QPlainTextEdit*>("Storetext"); }
    std::vector<std::string> disabled() const {
        std::vector<std::string> off;
        for (const auto& [name, on] : menu.on)
            if (!on) off.push_back(name);
        return off;
    }

    QTemporaryDir dir;
    QWidget window;
    RecordingReporter reporter;
    ScriptedDialogs dialogs;
    MenuMap menu;
    TextEditorView* view = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(EditorTest, CalculationsViewShowsTheTapeAndHoldsTheMenuUntilClosed) {
    const QString tape = "2 + 3 = 5\r\n12.5 x 2 = 25\r\n7 - ";
    view->ViewEditor1Click(tape);
    EXPECT_TRUE(view->isPanelVisible());
    EXPECT_EQ(view->memoText(), tape);
    EXPECT_EQ(disabled(),
              (Names{"CalcMode1", "Conversion2", "Edit1", "File1", "Help1", "LoadGraphicsFile1",
                     "Options1", "SaveGraphicsFile1", "SaveImageBitmap1", "SaveTextFile1",
                     "Science1", "TextEditor2", "Trigonometric1"}));

    // "X" gives everything back and empties the calculations view.
    QTest::mouseClick(view->findChild<QPushButton*>("EditorCloseButt1"), Qt::LeftButton);
    EXPECT_FALSE(view->isPanelVisible());
    EXPECT_EQ(disabled(), (Names{"LoadTextFile1", "SaveTextFile1"}));
    EXPECT_EQ(view->memoText(), "");

    // Reopened, it shows the tape as it is now.
    view->ViewEditor1Click(tape + "4 = 3\r\n");
    EXPECT_EQ(view->memoText(), tape + "4 = 3\r\n");
}

TEST_F(EditorTest, EditorKeepsItsTextAndGivesBackOnlyWhatItTook) {
    menu["SaveImageBitmap1"] = false; // the start picture: nothing to export
    view->TextEditor2Click();
    EXPECT_EQ(disabled(),
              (Names{"CalcMode1", "Conversion2", "Edit1", "Help1", "LoadGraphicsFile1", "Options1",
                     "SaveGraphicsFile1", "SaveImageBitmap1", "SaveTextFile1", "Science1",
                     "Trigonometric1", "Viewcalculations1"}));
    QTest::keyClicks(memo(), "note");
    EXPECT_TRUE(menu["SaveTextFile1"]) << "typing offers Save Text File";
    view->TextEditor2Click();
    EXPECT_EQ(disabled(), (Names{"LoadTextFile1", "SaveImageBitmap1", "SaveTextFile1"}));
    view->TextEditor2Click();
    EXPECT_EQ(view->memoText(), "note");

    // The drawing list view leaves export, the calculator modes and the editor items alone,
    // however it is closed, even after an opening that found export enabled.
    view->EditorCloseButt1Click();
    menu["SaveImageBitmap1"] = true;
    view->ViewEditor1Click("tape");
    view->ViewEditor1Click("tape");
    menu["SaveImageBitmap1"] = false;
    QSignalSpy hide(view, &TextEditorView::hideOptionPanels);
    view->CheckFile1Click("(1)LINE...\r\n");
    EXPECT_EQ(hide.count(), 1);
    EXPECT_EQ(view->memoText(), "(1)LINE...\r\n");
    EXPECT_TRUE(menu["File1"] && menu["CalcMode1"] && menu["TextEditor2"] && !menu["Options1"]);
    view->ViewEditor1Click("tape");
    EXPECT_FALSE(view->isPanelVisible());
    EXPECT_EQ(disabled(), (Names{"LoadTextFile1", "SaveImageBitmap1", "SaveTextFile1"}));
}

TEST_F(EditorTest, SavedAndLoadedTextIsCp1252WithCrLfLineEnds) {
    view->TextEditor2Click();
    // Pasted: the test keyboard only types ASCII.
    memo()->insertPlainText("caf\u00e9\nline two");
    dialogs.names = {path("notes"), path("Report.TxT"), path("notes")};
    view->SaveTextFile1Click();
    EXPECT_EQ(ReadAll(path("notes.txt")), QByteArray("caf\xe9\r\nline two\r\n"));
    view->SaveTextFile1Click();
    EXPECT_EQ(ReadAll(path("Report.TxT")), QByteArray("caf\xe9\r\nline two\r\n"));

    // "notes" again: the dialog could not know of notes.txt, so the editor asks.
    QTest::keyClicks(memo(), "!");
    view->SaveTextFile1Click();
    EXPECT_EQ(dialogs.questions, 1);
    EXPECT_EQ(ReadAll(path("notes.txt")), QByteArray("caf\xe9\r\nline two\r\n"));

    // With "All Files" the name stays as typed.
    dialogs.saveFilter = 2;
    dialogs.names = {path("plain")};
    view->SaveTextFile1Click();
    EXPECT_EQ(ReadAll(path("plain")), QByteArray("caf\xe9\r\nline two!\r\n"));

    // Every line loaded ends with CR LF, and saving and loading again does not grow the file.
    WriteAll(path("a.txt"), "alpha\r\nbeta\nna\xefve");
    dialogs.saveFilter = 1;
    dialogs.names = {path("a.txt")};
    view->LoadTextFile1Click();
    EXPECT_EQ(view->memoText(), "alpha\r\nbeta\r\nna\u00efve\r\n");
    EXPECT_TRUE(menu["SaveTextFile1"]);
    EXPECT_EQ(view->findChild<QLabel*>("TextFileNme")->text(), path("a.txt"));
    for (int round = 0; round < 2; ++round) {
        dialogs.names = {path("a.txt")};
        view->SaveTextFile1Click();
        dialogs.names = {path("a.txt")};
        view->LoadTextFile1Click();
    }
    EXPECT_EQ(ReadAll(path("a.txt")), QByteArray("alpha\r\nbeta\r\nna\xefve\r\n"));
}

// Root writes through any permission; the save runs as an ordinary user where it can.
struct OrdinaryUser {
    const bool wasRoot = geteuid() == 0;
    OrdinaryUser() { EXPECT_TRUE(!wasRoot || setresuid(65534, 65534, 0) == 0); }
    ~OrdinaryUser() { EXPECT_TRUE(!wasRoot || setresuid(0, 0, 0) == 0); }
};

TEST_F(EditorTest, FailedLoadsAndSavesAreReportedAndLoseNothing) {
    view->TextEditor2Click();
    QTest::keyClicks(memo(), "keep me");
    WriteAll(path("picture.txt"), QByteArray("BM\0\0\x10\x20", 6));
    WriteAll(path("huge.txt"), QByteArray(int(TextEditor::kMaxFileBytes) + 1, 'x'));
    WriteAll(path("locked.txt"), "old contents\r\n");
    chmod(path("locked.txt").toLocal8Bit().constData(), 0444);
    chmod(dir.path().toLocal8Bit().constData(), 0777);
    const std::pair<QString, std::string> cases[] = {
        {path("missing.txt"),
         "*** Invalid file name error ***" + path("missing.txt").toStdString()},
        {path("picture.txt"), "binary data"},
        {path("huge.txt"), "too large"},
        {dir.path(), "not a regular file"},
        {path("locked.txt"), "was not saved"}};
    for (const auto& [name, message] : cases) {
        dialogs.names = {name};
        if (name.endsWith("locked.txt")) {
            OrdinaryUser user;
            view->SaveTextFile1Click();
        } else {
            view->LoadTextFile1Click();
        }
        ASSERT_FALSE(reporter.infos.empty());
        EXPECT_NE(reporter.infos.back().find(message), std::string::npos) << reporter.infos.back();
        EXPECT_EQ(view->memoText(), "keep me");
    }
    EXPECT_EQ(reporter.beeps, 5);
    EXPECT_EQ(ReadAll(path("locked.txt")), QByteArray("old contents\r\n"));
}

TEST_F(EditorTest, RefusalsShowWholeInTheEditorsOwnField) {
    window.resize(643, 530);
    window.show();
    view->TextEditor2Click();
    // The message field under the memo (hidden when empty).
    QLabel* field = window.findChild<QLabel*>("EditorMsgLbl");
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(field->isVisible());
    WriteAll(path("picture.txt"), QByteArray("BM\0\0\x10\x20", 6));
    WriteAll(path("huge.txt"), QByteArray(int(TextEditor::kMaxFileBytes) + 1, 'x'));
    for (const QString& name : {path("picture.txt"), path("huge.txt"), path("missing.txt")}) {
        dialogs.names = {name};
        view->LoadTextFile1Click();
        ASSERT_TRUE(field->isVisible()) << name.toStdString();
        // The same words as the information line, whole, in the editor's panel below the memo.
        EXPECT_EQ(field->accessibleDescription().toStdString(), reporter.infos.back());
        EXPECT_EQ(field->toolTip().toStdString(), reporter.infos.back());
        EXPECT_LE(field->heightForWidth(field->width()), field->height());
        EXPECT_TRUE(view->rect().contains(field->geometry()));
        EXPECT_FALSE(field->geometry().intersects(memo()->geometry()));
    }
    // A load that works takes the message away.
    WriteAll(path("notes.txt"), "fine\r\n");
    dialogs.names = {path("notes.txt")};
    view->LoadTextFile1Click();
    EXPECT_FALSE(field->isVisible());
}

TEST_F(EditorTest, ALongTapeOrDrawingShowsItsNewestLinesAndIsNotSavedShortened) {
    window.resize(643, 530);
    window.show();
    QLabel* field = window.findChild<QLabel*>("EditorMsgLbl");
    // Lines past the most the memo shows: only line ends, the largest number of lines.
    const qsizetype lines = TextEditor::kMostShownLines + 10;
    QString tape;
    for (qsizetype i = 0; i < lines; ++i)
        tape += "\r\n";
    tape += "1 + 1 = 2\r\n";
    view->ViewEditor1Click(tape);
    const QString shown = view->memoText();
    EXPECT_TRUE(tape.endsWith(shown));
    EXPECT_EQ(shown.count('\n'), TextEditor::kMostShownLines);
    EXPECT_TRUE(shown.endsWith("\r\n\r\n1 + 1 = 2\r\n"));
    ASSERT_TRUE(field->isVisible());
    EXPECT_EQ(field->toolTip(), "The tape is too long to show at once: its newest 65536 lines are "
                                "shown, and its 11 older lines are kept in TotalStr.dat. Saving "
                                "is off for this part.");
    // Long lines: at most the characters shown, from a line's start.
    QString drawing;
    const QString line = QString(999, 'x') + "\r\n";
    while (drawing.size() <= TextEditor::kMostShownChars)
        drawing += line;
    QTest::mouseClick(view->findChild<QPushButton*>("EditorCloseButt1"), Qt::LeftButton);
    view->CheckFile1Click(drawing);
    const QString part = view->memoText();
    EXPECT_TRUE(drawing.endsWith(part));
    EXPECT_LE(part.size(), TextEditor::kMostShownChars);
    EXPECT_GT(part.size(), TextEditor::kMostShownChars - line.size());
    EXPECT_TRUE(part.startsWith(line));
    EXPECT_TRUE(field->toolTip().startsWith("The drawing's text is too long to show at once"));

    // The shortened text is never written to a file, edited or not.
    memo()->appendPlainText("more");
    dialogs.names = {path("part.txt")};
    menu["SaveTextFile1"] = true;
    view->SaveTextFile1Click();
    EXPECT_FALSE(QFile::exists(path("part.txt")));
    EXPECT_EQ(field->toolTip(), TextEditor::kPartNotSaved);

    // A text within the limits shows whole and saves.
    QTest::mouseClick(view->findChild<QPushButton*>("EditorCloseButt1"), Qt::LeftButton);
    view->CheckFile1Click("[LINE]\r\n");
    EXPECT_EQ(view->memoText(), "[LINE]\r\n");
    EXPECT_FALSE(field->isVisible());
    dialogs.names = {path("whole.txt")};
    view->SaveTextFile1Click();
    EXPECT_EQ(ReadAll(path("whole.txt")), "[LINE]\r\n");
}

} // namespace
} // namespace pelcor
