#pragma once

#include "app/InfoLine.h"
#include "app/MainCalc.h"
#include "app/OptionsView.h"
#include "app/ScreenHost.h"
#include "board/BoardModel.h"
#include "board/DrawingCommands.h"
#include "board/DrawingDocument.h"
#include "calc/Calculator.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class QPushButton;
class QLineEdit;
class QLabel;

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace pelcor::testing {

// Message boxes are recorded instead of shown. File dialogs answer with the next name of
// `fileNames` (an empty name, or none left, is a cancel); each one's question is recorded.
// A save dialog first plays the filter changes of `filterChanges` (new index each), keeping
// the names they put back, and then answers with `chosenFilter` when it is set.
struct ScriptedDialogs : Dialogs {
    struct FileQuestion {
        bool save = false;
        QString filter;
        int filterIndex = 0;
        QString name;
    };
    QStringList messages;
    QStringList fileNames;
    std::vector<FileQuestion> fileQuestions;
    std::vector<int> filterChanges;
    QStringList namesPutBack;
    int chosenFilter = 0;

    std::vector<int> colors; // answers of the colour dialog, in turn; none: cancelled
    std::vector<QFont> fonts;
    void showMessage(const QString& text) override { messages << text; }
    std::optional<int> chooseColor(int) override {
        if (colors.empty()) return std::nullopt;
        const int c = colors.front();
        colors.erase(colors.begin());
        return c;
    }
    std::optional<QFont> chooseFont(const QFont&) override {
        if (fonts.empty()) return std::nullopt;
        const QFont f = fonts.front();
        fonts.erase(fonts.begin());
        return f;
    }
    QString openFileName(const QString& filter, int filterIndex, const QString& name) override {
        fileQuestions.push_back({false, filter, filterIndex, name});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    QString saveFileName(const QString& filter, int& filterIndex, const QString& name,
                         const FilterChange& onFilterChange) override {
        fileQuestions.push_back({true, filter, filterIndex, name});
        QString current = name;
        for (int index : filterChanges) {
            if (!onFilterChange) break;
            current = onFilterChange(index, current);
            namesPutBack << current;
            filterIndex = index;
        }
        filterChanges.clear();
        if (chosenFilter > 0) filterIndex = chosenFilter;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

struct RecordingSound : Sound {
    int beeps = 0;
    std::vector<std::string> waves;
    void beep() override { ++beeps; }
    void playWave(const std::string& path) override { waves.push_back(path); }
};

// Documents and web pages are recorded instead of opened; `result` is what the desktop
// answers.
struct RecordingShell : Shell {
    std::vector<std::string> opened;
    int result = 42;
    int open(const std::string& target) override {
        opened.push_back(target);
        return result;
    }
};

// The real main window, started without a splash wait, with the runtime files the build
// made beside the program.
class TestWindow {
public:
    // `programDir` empty: a fresh temporary copy of the program's runtime files. `userDir`
    // empty: the settings and the tape are kept in the program folder.
    explicit TestWindow(const std::string& programDir = {}, const std::string& userDir = {});
    ~TestWindow();

    TMainCalc1& window() { return *window_; }
    QPushButton* button(const QString& name) const;
    QLineEdit* readout() const;
    QLabel* info() const;
    QString tape() const;
    void click(const QString& buttonName);
    void type(const QString& keys);

    ScriptedDialogs dialogs;
    RecordingSound sound;
    RecordingShell shell;

private:
    std::unique_ptr<QTemporaryDir> ownDir_;
    std::unique_ptr<TMainCalc1> window_;
};

// Closes the window the way a user does: the close box, then "Yes".
void CloseWithYes(TestWindow& t);

// Clicks a question panel's button as soon as it shows; records whether it was asked.
struct Answer {
    Answer(TestWindow& t, const QString& button);
    QTimer timer;
    bool asked = false;
};

// Adds the example drawing's two shapes as the drawing tools add them: a white line from
// (100, 100) to (150, 120) and a red circle filled green, centre (160, 160), radius 50.
void DrawExample(TMainCalc1& w);

// The folder the build writes the program and its runtime files to.
std::string ProgramFolder();

// A temporary folder holding a copy of the program's runtime files, so tests never read
// or write the settings of the real program folder.
std::unique_ptr<QTemporaryDir> CopyOfProgramFolder();

} // namespace pelcor::testing
