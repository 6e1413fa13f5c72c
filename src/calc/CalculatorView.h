#pragma once

#include "calc/Calculator.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace pelcor {

class CalcKeypadView;
struct Settings;

// The calculator's controls: the readout `ReadOut`, the tape `TotalStrg` and the keypad
// `CalcPanel`. Keys, clicks and edits go to the Calculator; after each the controls show
// its state again (readout text and colour, the Inv and Exp highlights, the memories'
// hints and marks, the tape with its newest line in view, the readout's focus).
class CalculatorView : public QObject {
    Q_OBJECT
public:
    CalculatorView(Reporter& reporter, QWidget* parent);

    Calculator& calculator() { return calc_; }
    // The readout's text as shown.
    QString readoutText() const;
    // Draws the readout at once (before a pause).
    void repaintReadout();
    // The keypad's area, over which the pointer leaves the drawing board.
    QWidget* keypadArea() const;

    // --- what other features ask of the calculator's controls
    // The pointer's place on the drawing board in units, on the line under the keypad.
    void showPointerCoordinates(double x, double y);
    void hidePointerCoordinates();
    // The coordinates' line goes with the board: shown or hidden as it is.
    void setPointerCoordinatesShown(bool shown);
    // The "Orbit" key's caption back in black, as each display mode shows it.
    void showOrbitKeyAtRest();

    // Shows the calculator's state in the controls.
    void Sync();
    // The readout takes the keyboard focus, the caret at `start` with `length` characters
    // selected.
    void FocusReadout(int start, int length);
    // The caret at the end with one character selected.
    void FocusReadoutAtEnd();
    // Replaces the readout's text; with `focus` as SetReadout (focus, caret at the end,
    // one character selected), without it a plain change of the text.
    void ReplaceReadout(const std::string& text, bool focus);

    // --- handlers
    void CalcButt(int tag);
    void CEButtClick();
    void CLRButtClick();
    // The "CalcMode" commands: 0 decimal, 1 hexadecimal, 2 binary.
    void SetBase(NumberBase base);
    // A hexadecimal or binary readout back to decimal (at exit), keys included.
    void ReadoutBackToDecimal();
    void ClearTape();
    // "Copy": the readout's selection, or its whole number when nothing is selected, to the
    // clipboard.
    void CopyReadout();
    // "Paste": the clipboard's text as the calculator takes a pasted text.
    void PasteIntoReadout();

    // --- saved state: the readout and memories in the settings, the tape in its file
    void LoadSettings(const Settings& settings);
    void SaveSettings(Settings& settings) const;
    // The tape as the tape file gave it (ReadTapeFile).
    void LoadTape(std::string tape);
    std::string TapeFileBytes() const;

    // The memo shows the newest lines of the tape, at most about this many bytes of them,
    // so that a tape of any size shows at once; the calculator and the tape file keep the
    // whole tape.
    static constexpr std::size_t kTapeShownMost = std::size_t(256) << 10; // 256 KB
    // ... and at most this many lines (each line is a block of the memo's own to lay out).
    static constexpr std::size_t kTapeShownLinesMost = 16384;
    // The tape's lines before the memo's first line (0 when it shows the whole tape).
    std::size_t TapeLinesNotShown() const { return linesNotShown_; }

signals:
    void clearScreenClicked(); // "CLS"
    void orbitClicked();       // "Orbit"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The readout's text as the user left it, for the calculator to work on.
    void TakeReadoutText();
    template <typename Action> void Act(Action action) {
        TakeReadoutText();
        action();
        Sync();
    }

    Calculator calc_;
    CalcKeypadView* keypad_ = nullptr;
    QLineEdit* readout_ = nullptr;
    QPlainTextEdit* tape_ = nullptr;
    // Brings the memo up to the calculator's tape, changing only the lines that changed.
    void ShowTape();

    std::size_t shownFrom_ = 0; // where the memo's text starts in the tape: a line's start
    std::size_t linesNotShown_ = 0;
};

} // namespace pelcor
