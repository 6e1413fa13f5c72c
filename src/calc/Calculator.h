#pragma once

#include "calc/NumberBases.h"
#include "platform/Reporter.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace pelcor {

// The information line's message when the readout or a function's value is no number.
inline constexpr const char* ValueIllegalText = "Calculation function Error  Value illegal";

// Key codes: the Tags of the keypad buttons (the digits are their own codes, 0 to 9). As
// the last key pressed, None means no key yet and OperatorReplaced that an operator key
// replaced the one before it.
namespace key {
enum Code : int {
    None = 0,
    Point = 10,
    Equals = 11,
    Multiply = 12,
    Divide = 13,
    Plus = 14,
    Minus = 15,
    Inv = 16,
    Sin = 17,
    Cos = 18,
    Tan = 19,
    Sqrt = 20,
    RootN = 21,
    Square = 22,
    PowerN = 23,
    Log = 24,
    Exp = 25,
    Reciprocal = 26,
    Sign = 27,
    Ln = 28,
    Percent = 29,
    Pi = 30,
    Backspace = 31,
    // Not a keypad Tag: the keyboard's Escape acts as the "CE" key.
    ClearEntry = 32,
    OperatorReplaced = 255,
};
} // namespace key

// The keyboard of the decimal mode: each key that types a keypad code. Enter is '\r',
// Backspace '\b' and Escape '\x1b'; letters are upper case (lower case types the same).
struct KeyboardKey {
    char typed;
    int code;
    const char* keyName; // as the hints and the help page name the key
};
inline constexpr KeyboardKey DecimalKeyboard[] = {
    {'0', 0, "0"},           {'1', 1, "1"},       {'2', 2, "2"},  {'3', 3, "3"},
    {'4', 4, "4"},           {'5', 5, "5"},       {'6', 6, "6"},  {'7', 7, "7"},
    {'8', 8, "8"},           {'9', 9, "9"},       {'.', 10, "."}, {'\r', 11, "Enter"},
    {'=', 11, "="},          {'*', 12, "*"},      {'/', 13, "/"}, {'+', 14, "+"},
    {'-', 15, "-"},          {'I', 16, "I"},      {'S', 17, "S"}, {'C', 18, "C"},
    {'T', 19, "T"},          {'R', 20, "R"},      {'Y', 21, "Y"}, {'Q', 22, "Q"},
    {'^', 23, "^"},          {'L', 24, "L"},      {'E', 25, "E"}, {'U', 26, "U"},
    {'~', 27, "~"},          {'N', 28, "N"},      {'%', 29, "%"}, {'P', 30, "P"},
    {'\b', 31, "Backspace"}, {'\x1b', 32, "Esc"},
};
// The keypad code a typed character stands for in decimal mode (after upper-casing), or -1.
int DecimalKeyCode(char typed);
// The keys that type a code, joined by " or " ("= or Enter"); empty when none does.
std::string KeyboardKeysFor(int code);

// What went wrong in a calculation; each has its own message box.
enum class CalcError { DivideByZero, Overflow, Underflow };

// The immediate-execution calculator: the readout text, the entry state, the pending
// operation and the calculation tape. Operations are applied in the order keyed, without
// precedence. Everything the window must show is read back from here after each call;
// messages, beeps and message boxes go through the reporter.
class Calculator {
public:
    explicit Calculator(Reporter& reporter);

    // A readout selection for the window to apply: the caret at `start`, `length`
    // characters selected.
    struct Selection {
        int start = 0;
        int length = 0;
    };

    // --- what the window shows
    const std::string& readout() const { return readout_; }
    int readoutColor() const { return readoutColor_; }
    int invFontColor() const { return invFontColor_; }
    int expFontColor() const { return expFontColor_; }
    const std::string& tape() const { return tape_; }
    // Replaces the whole tape, as read back from the tape file.
    void LoadTape(std::string tape) {
        tape_ = std::move(tape);
        tapeChangedFrom_ = 0;
    }
    // Where the tape has changed since the last call (the calculator changes only its end,
    // or replaces it whole: 0); std::string::npos when it has not changed.
    std::size_t takeTapeChange() {
        const std::size_t from = tapeChangedFrom_;
        tapeChangedFrom_ = std::string::npos;
        return from;
    }
    NumberBase calcBase() const { return calcBase_; }

    // After an action that focuses the readout: the selection to show. Cleared by reading.
    bool takeFocusRequest(Selection& selection);

    // --- actions
    // The one handler of every keypad button: check the readout, then perform the key.
    void CalcButt(int tag);
    // A character typed into the readout ('\r' for Enter, '\b' for Backspace, '\x1b' for
    // Escape). Returns
    // true when the calculator took the key, false when it is left to the edit box as an
    // ordinary edit (while the readout holds an illegal character).
    bool ReadOutKeyPress(char typed);
    // The user edited the readout text directly.
    void ReadOutChange(const std::string& text);
    // Replaces the whole readout, focuses it with the caret at the end.
    void SetReadout(const std::string& text);
    // A text pasted into the calculator: in decimal mode a number as the program writes
    // numbers goes into the readout as SetReadout puts it; any other text is typed, one
    // character after the other, as ReadOutKeyPress takes it. A text holding a character
    // the keyboard does not take changes nothing and is reported. False when refused.
    bool PasteText(const std::string& text);
    // Replaces the readout text without focusing it (as the personal list and the
    // converter do).
    void ReplaceReadoutText(const std::string& text);
    void CEButtClick();
    void CLRButtClick();
    // Checks the readout for illegal characters; reports the first one found.
    bool ReadoutCheck();
    // The calculator's key action for one key code.
    void CalcKey(int code);

    // --- number bases
    // The "CalcMode" commands: convert the readout and switch the base (0 decimal,
    // 1 hexadecimal, 2 binary). Choosing the base in force changes nothing.
    void Decimal1Click();
    void Hexidecimal1Click();
    void Binary1Click();
    // An operator button (x, divide, +, -): records its operator text ("X", "/", "+",
    // "-") for the hexadecimal arithmetic, then acts as any keypad key.
    void OperatorButton(const std::string& op, int tag);
    // The "=" of the hexadecimal and binary modes.
    void CalcFunct();
    // The bitwise keys: "AND", "OR", "XOR", "NOR".
    void LogicKey(const std::string& op);
    // The readout's value in decimal, whatever the base in force.
    std::string ReadoutInDecimal() const;
    const std::string& convText() const { return convText_; }

    // --- memories 1..4: the readout's text exactly as it was stored
    void MemoryStore(int n);
    void MemoryRecall(int n);
    const std::string& memory(int n) const { return memories_[n - 1].text; }
    bool memoryMarked(int n) const { return memories_[n - 1].marked; }
    void SetMemory(int n, const std::string& text, bool marked);

    // --- state, for the rest of the window and for tests
    bool entryActive() const { return entryActive_ != 0; }
    bool invActive() const { return invActive_; }
    bool expActive() const { return expActive_; }
    bool readoutError() const { return readoutError_; }
    double operandX() const { return operandX_; }
    double resultValue() const { return resultValue_; }
    int opCode() const { return opCode_; }

private:
    void DigitKey(int digit);
    void PointKey();
    void PiKey();
    void BackspaceKey();
    void ExpKey();
    void SignKey();
    void OperationKey(int n);
    void ReplaceOperator(int n);
    bool ComputeOp();
    void TapeStep();
    void ClosingSteps();
    void ShowCalcError(CalcError which);
    void FunctionError(const std::string& message, double shownValue);
    bool ReadReadout(double& value);
    // A readout that does not read as a number: the function error, or the overflow or
    // underflow message for a number beyond the range of reals; the readout keeps its text.
    void RefuseReadout();
    void ShowResult();
    void FocusAtEnd();
    void AppendTape(const std::string& text) {
        TapeChangesFrom(tape_.size());
        tape_ += text;
    }
    void TapeChangesFrom(std::size_t at) { tapeChangedFrom_ = std::min(tapeChangedFrom_, at); }
    void HexKey(int code);
    void HexOperator();
    bool HexKeyPress(char c);
    void ConvertReadout(NumberBase toBase);
    void RefuseConversion();

    Reporter& reporter_;

    std::string readout_ = "0";
    int readoutColor_;
    int invFontColor_;
    int expFontColor_;
    std::string tape_;
    std::size_t tapeChangedFrom_ = std::string::npos;
    NumberBase calcBase_ = NumberBase::Decimal;

    bool focusRequested_ = false;
    Selection selection_;

    // entry state
    int entryActive_ = 0;
    bool dotEntered_ = false;
    bool expActive_ = false;
    bool readoutError_ = false;
    double readoutValue_ = 0;
    key::Code pendingKey_ = key::None;
    int equalsDone_ = 0;

    // evaluation state
    double operandX_ = 0;
    double operandY_ = 0;
    double lastX_ = 0;
    double resultValue_ = 0;
    int opCode_ = 0;
    int tapeMarker_ = 0;
    bool invActive_ = false;
    // Set when the current key ended in an error: it then writes no completed tape line.
    bool keyFailed_ = false;

    // number bases
    std::string convText_;
    std::string hexOpPending_;
    std::string hexOp_;
    int32_t hexFirst_ = 0;
    std::string logicOp_;
    std::string logicFirst_;

    struct Memory {
        std::string text = "0";
        bool marked = false;
    };
    Memory memories_[4];
};

} // namespace pelcor
