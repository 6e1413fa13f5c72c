#include "calc/CalculatorView.h"

#include "calc/CalcKeypadView.h"
#include "calc/TapeFile.h"
#include "platform/Colors.h"
#include "platform/NumberText.h"
#include "platform/SettingsFile.h"
#include "platform/widgets/PlainMemo.h"
#include "platform/widgets/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <string_view>

namespace pelcor {

CalculatorView::CalculatorView(Reporter& reporter, QWidget* parent) : calc_(reporter) {
    keypad_ = new CalcKeypadView(parent);
    keypad_->setGeometry(476, 4, 149, 325);
    connect(keypad_, &CalcKeypadView::keyClicked, this, &CalculatorView::CalcButt);
    connect(keypad_, &CalcKeypadView::operatorClicked, this,
            [this](const QString& op, int tag) { Act([&] { calc_.OperatorButton(S(op), tag); }); });
    connect(keypad_, &CalcKeypadView::hexEqualsClicked, this,
            [this] { Act([&] { calc_.CalcFunct(); }); });
    connect(keypad_, &CalcKeypadView::logicClicked, this,
            [this](const QString& op) { Act([&] { calc_.LogicKey(S(op)); }); });
    connect(keypad_, &CalcKeypadView::memoryStoreClicked, this,
            [this](int m) { Act([&] { calc_.MemoryStore(m); }); });
    connect(keypad_, &CalcKeypadView::memoryRecallClicked, this,
            [this](int m) { Act([&] { calc_.MemoryRecall(m); }); });
    connect(keypad_, &CalcKeypadView::clearEntryClicked, this, &CalculatorView::CEButtClick);
    connect(keypad_, &CalcKeypadView::clearAllClicked, this, &CalculatorView::CLRButtClick);
    connect(keypad_, &CalcKeypadView::clearScreenClicked, this,
            &CalculatorView::clearScreenClicked);
    connect(keypad_, &CalcKeypadView::orbitClicked, this, &CalculatorView::orbitClicked);

    tape_ = new PlainMemo(parent);
    tape_->setObjectName("TotalStrg");
    tape_->setGeometry(6, 331, 259, 55);
    tape_->setReadOnly(true);
    tape_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tape_->setAccessibleName("Calculation tape");
    // Only the program writes the tape: nothing to undo, and no copies of it kept.
    tape_->document()->setUndoRedoEnabled(false);
    SetBackground(tape_, colors::InfoBk);

    readout_ = new QLineEdit("0", parent);
    readout_->setObjectName("ReadOut");
    readout_->setGeometry(272, 331, 351, 24);
    readout_->setFont(ArialFont(16, true));
    readout_->setAccessibleName("Readout");
    readout_->installEventFilter(this);
    connect(readout_, &QLineEdit::textEdited, this, [this](const QString& text) {
        calc_.ReadOutChange(S(text));
        Sync();
    });
}

QString CalculatorView::readoutText() const {
    return readout_->text();
}

void CalculatorView::repaintReadout() {
    readout_->repaint();
}

QWidget* CalculatorView::keypadArea() const {
    return keypad_;
}

void CalculatorView::showPointerCoordinates(double x, double y) {
    keypad_->ShowPointerCoordinates(x, y);
}

void CalculatorView::hidePointerCoordinates() {
    keypad_->SetPointerCoordinatesShown(false);
}

void CalculatorView::setPointerCoordinatesShown(bool shown) {
    keypad_->SetPointerCoordinatesShown(shown);
}

void CalculatorView::showOrbitKeyAtRest() {
    keypad_->ShowOrbitKeyAtRest();
}

// --- showing the calculator -----------------------------------------------------------------

void CalculatorView::Sync() {
    const QString text = Q(calc_.readout());
    if (readout_->text() != text) readout_->setText(text);
    QPalette pal = readout_->palette();
    pal.setColor(QPalette::Base, ToQColor(calc_.readoutColor()));
    readout_->setPalette(pal);
    keypad_->ShowFunctionColors(calc_.invFontColor(), calc_.expFontColor());
    // The memory is kept in both buttons' hints, marked by their font colours.
    for (int m = 1; m <= 4; ++m)
        keypad_->ShowMemory(m, Q(calc_.memory(m)), calc_.memoryMarked(m));

    ShowTape();

    Calculator::Selection sel;
    if (calc_.takeFocusRequest(sel)) FocusReadout(sel.start, sel.length);
}

namespace {

// Tape text as the memo holds it: UTF-16, lines ended by a line feed.
QString MemoText(std::string_view tape) {
    return QString::fromUtf8(tape.data(), static_cast<qsizetype>(tape.size()))
        .replace("\r\n", "\n");
}

} // namespace

void CalculatorView::ShowTape() {
    // Only this writes the (read-only) tape memo; the calculator says where its tape changed.
    const std::size_t changed = calc_.takeTapeChange();
    if (changed == std::string::npos) return;
    const std::string& tape = calc_.tape();
    // The lines from the one that changed on are replaced; the calculator mostly adds a line
    // or changes its last one.
    const std::size_t keep = changed == 0 ? 0 : tape.rfind('\n', changed - 1) + 1; // a line's start
    // Changed in place while the memo stays within twice its bytes and lines, else shown again.
    const auto addedLines = [&] {
        return static_cast<std::size_t>(
            std::count(tape.begin() + static_cast<std::ptrdiff_t>(keep), tape.end(), '\n'));
    };
    if (keep >= shownFrom_ && tape.size() - shownFrom_ <= 2 * kTapeShownMost &&
        static_cast<std::size_t>(tape_->document()->blockCount()) + addedLines() <=
            2 * kTapeShownLinesMost) {
        const auto kept = MemoText(std::string_view(tape).substr(shownFrom_, keep - shownFrom_));
        QTextCursor edit(tape_->document());
        edit.setPosition(static_cast<int>(kept.size()));
        edit.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        edit.insertText(MemoText(std::string_view(tape).substr(keep)));
    } else {
        // The newest lines, up to the most the memo shows.
        shownFrom_ = 0;
        if (tape.size() > kTapeShownMost) {
            const std::size_t cut = tape.find('\n', tape.size() - kTapeShownMost);
            shownFrom_ = cut == std::string::npos ? tape.size() : cut + 1;
        }
        // Counted back from the end: the line ends before the last kTapeShownLinesMost ones
        // are left out.
        std::size_t lineEnds = 0;
        for (std::size_t i = tape.size(); i > shownFrom_; --i)
            if (tape[i - 1] == '\n' && ++lineEnds > kTapeShownLinesMost) {
                shownFrom_ = i;
                break;
            }
        linesNotShown_ = static_cast<std::size_t>(
            std::count(tape.begin(), tape.begin() + static_cast<std::ptrdiff_t>(shownFrom_), '\n'));
        tape_->setPlainText(MemoText(std::string_view(tape).substr(shownFrom_)));
    }
    // The newest line stays in view.
    QTextCursor end = tape_->textCursor();
    end.movePosition(QTextCursor::End);
    tape_->setTextCursor(end);
    tape_->verticalScrollBar()->setValue(tape_->verticalScrollBar()->maximum());
}

void CalculatorView::FocusReadout(int start, int length) {
    readout_->setFocus(Qt::OtherFocusReason);
    // A menu that is closing gives the focus back to where it was before the menu opened;
    // a menu command's focus must outlast that, so it is given again once the menu is gone.
    if (QApplication::activePopupWidget() || qobject_cast<QMenuBar*>(QApplication::focusWidget()))
        QTimer::singleShot(0, readout_, [r = readout_] {
            if (!r->hasFocus() && r->isVisible()) r->setFocus(Qt::OtherFocusReason);
        });
    const int size = static_cast<int>(readout_->text().size());
    start = std::clamp(start, 0, size);
    if (start + length > size) length = size - start;
    if (length > 0)
        readout_->setSelection(start, length);
    else
        readout_->setCursorPosition(start);
}

void CalculatorView::FocusReadoutAtEnd() {
    FocusReadout(static_cast<int>(readout_->text().size()), 1);
}

void CalculatorView::ReplaceReadout(const std::string& text, bool focus) {
    if (focus)
        calc_.SetReadout(text);
    else
        calc_.ReplaceReadoutText(text);
    Sync();
}

void CalculatorView::TakeReadoutText() {
    const std::string text = S(readout_->text());
    if (text != calc_.readout()) calc_.ReadOutChange(text);
}

// --- handlers -------------------------------------------------------------------------------

void CalculatorView::CalcButt(int tag) {
    Act([&] { calc_.CalcButt(tag); });
}

void CalculatorView::CEButtClick() {
    calc_.CEButtClick();
    Sync();
}

void CalculatorView::CLRButtClick() {
    calc_.CLRButtClick();
    Sync();
}

void CalculatorView::SetBase(NumberBase base) {
    Act([&] {
        if (base == NumberBase::Decimal)
            calc_.Decimal1Click();
        else if (base == NumberBase::Hexadecimal)
            calc_.Hexidecimal1Click();
        else
            calc_.Binary1Click();
        keypad_->ApplyMode(calc_.calcBase());
    });
}

void CalculatorView::ReadoutBackToDecimal() {
    // The whole calculator returns to decimal, so a refused exit leaves the readout and
    // the keys agreeing.
    if (calc_.calcBase() == NumberBase::Decimal) return;
    SetBase(NumberBase::Decimal);
}

void CalculatorView::ClearTape() {
    calc_.LoadTape("");
    Sync();
}

void CalculatorView::CopyReadout() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(readout_->hasSelectedText() ? readout_->selectedText() : readout_->text());
}

void CalculatorView::PasteIntoReadout() {
    const QString text = QGuiApplication::clipboard()->text();
    Act([&] { calc_.PasteText(S(text)); });
}

bool CalculatorView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != readout_) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // The window's commands (Copy, Paste, Undo, ...) come before the edit box's own
        // editing keys: a key bound to a command is left to it.
        auto* ke = static_cast<QKeyEvent*>(event);
        if (!(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
        const QKeySequence pressed(ke->keyCombination());
        for (const QAction* a : readout_->window()->findChildren<QAction*>())
            if (a->isEnabled() && a->shortcuts().contains(pressed)) return true;
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* ke = static_cast<QKeyEvent*>(event);
    // Shortcuts (copy, paste, select all) and keys that type nothing stay with the edit box.
    if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    char typed = 0;
    if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
        typed = '\r';
    else if (ke->key() == Qt::Key_Backspace)
        typed = '\b';
    else if (ke->key() == Qt::Key_Escape)
        typed = '\x1b';
    else if (ke->text().size() == 1 && ke->text()[0].unicode() < 128 && ke->text()[0].isPrint())
        typed = static_cast<char>(ke->text()[0].unicode());
    else if (!ke->text().isEmpty() && ke->text()[0].isPrint())
        typed = '?'; // a letter outside the keyboard map: swallowed below
    if (typed == 0) return false;
    TakeReadoutText();
    const bool taken = calc_.ReadOutKeyPress(typed);
    Sync();
    return taken;
}

// --- saved state ----------------------------------------------------------------------------

void CalculatorView::LoadSettings(const Settings& settings) {
    calc_.ReplaceReadoutText(settings.readout);
    for (int m = 1; m <= 4; ++m) {
        // Only memories that read as numbers above 0 get their marks back.
        const std::string& text = settings.memories[m - 1];
        const auto value = ParseNumber(text);
        calc_.SetMemory(m, text, value && *value > 0);
    }
    Sync();
}

void CalculatorView::SaveSettings(Settings& settings) const {
    settings.readout = S(readout_->text());
    for (int m = 1; m <= 4; ++m)
        settings.memories[m - 1] = calc_.memory(m);
}

void CalculatorView::LoadTape(std::string tape) {
    calc_.LoadTape(std::move(tape));
    Sync();
}

std::string CalculatorView::TapeFileBytes() const {
    return TapeToFileBytes(calc_.tape());
}

} // namespace pelcor
