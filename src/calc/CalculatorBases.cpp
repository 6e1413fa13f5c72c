// The calculator's number bases (hexadecimal and binary, with the bitwise keys) and its
// memories.
#include "calc/Calculator.h"

#include "calc/NumberBases.h"
#include "platform/Colors.h"
#include "platform/NumberText.h"

#include <cmath>

namespace pelcor {

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

// --- number bases -------------------------------------------------------------------------

// A readout the base change can't convert stays as it is, with the base in force.
void Calculator::RefuseConversion() {
    reporter_.showInfo(ValueIllegalText);
    reporter_.beep();
    readoutColor_ = colors::ErrorPink;
}

void Calculator::ConvertReadout(NumberBase toBase) {
    if (toBase == calcBase_) return;
    if (readout_ == "0") {
        convText_ = "0";
        calcBase_ = toBase;
        return;
    }
    // The readout's value as a whole number in the base in force.
    double value = 0;
    if (calcBase_ == NumberBase::Hexadecimal) {
        value = HexToDec(readout_);
    } else if (calcBase_ == NumberBase::Binary) {
        value = BinToDec(readout_);
    } else if (auto v = ParseNumber(readout_)) {
        value = *v;
    } else {
        // Not a number: nothing to convert, and the base stays.
        return RefuseConversion();
    }
    if (toBase == NumberBase::Decimal) {
        convText_ = FormatGeneral(value);
    } else if (toBase == NumberBase::Hexadecimal) {
        auto hex = DecToHex(value);
        if (!hex) {
            return RefuseConversion();
        }
        convText_ = *hex;
    } else {
        if (calcBase_ == NumberBase::Decimal) {
            value = RoundHalfEven(value);
            if (std::fabs(value) >= 9.2e18) {
                return RefuseConversion();
            }
            readout_ = FormatGeneral(value);
        }
        convText_ = value == 0 ? "0" : DecToBin(static_cast<int64_t>(value));
    }
    readout_ = convText_;
    calcBase_ = toBase;
    entryActive_ = 0;
    dotEntered_ = false;
}

void Calculator::Decimal1Click() {
    ConvertReadout(NumberBase::Decimal);
    FocusAtEnd();
}

void Calculator::Hexidecimal1Click() {
    ConvertReadout(NumberBase::Hexadecimal);
    FocusAtEnd();
}

void Calculator::Binary1Click() {
    ConvertReadout(NumberBase::Binary);
    FocusAtEnd();
}

std::string Calculator::ReadoutInDecimal() const {
    if (calcBase_ == NumberBase::Hexadecimal)
        return readout_ == "0" ? "0" : FormatGeneral(HexToDec(readout_));
    if (calcBase_ == NumberBase::Binary)
        return readout_ == "0" ? "0" : FormatGeneral(BinToDec(readout_));
    return readout_;
}

void Calculator::OperatorButton(const std::string& op, int tag) {
    hexOpPending_ = op;
    CalcButt(tag);
    hexOpPending_.clear();
}

void Calculator::HexOperator() {
    hexOp_ = hexOpPending_;
    hexOpPending_.clear();
    hexFirst_ = HexToDec(readout_);
    convText_ = FormatGeneral(hexFirst_);
    reporter_.showInfo(convText_);
    entryActive_ = 0;
}

void Calculator::HexKey(int code) {
    if (code != key::Equals) equalsDone_ = 0;
    if (code == key::Backspace) {
        if (!readout_.empty()) readout_.pop_back();
        if (readout_.empty()) {
            readout_ = "0";
            dotEntered_ = false;
            entryActive_ = 0;
        } else {
            entryActive_ = 1;
        }
        return;
    }
    char append = 0;
    if (calcBase_ == NumberBase::Hexadecimal && code >= 0 && code <= 9)
        append = static_cast<char>('0' + code);
    if (calcBase_ == NumberBase::Hexadecimal && code >= 10 && code <= 15)
        append = static_cast<char>('A' + code - 10);
    if (calcBase_ == NumberBase::Binary && (code == 0 || code == 1))
        append = static_cast<char>('0' + code);
    // A key that adds nothing leaves the number as it is.
    if (append) {
        if (entryActive_ == 0) {
            readout_.clear();
            entryActive_ = 1;
        }
        pendingKey_ = key::None;
        readout_ += append;
    }
    keyFailed_ = false;
    ClosingSteps();
}

bool Calculator::HexKeyPress(char c) {
    if (calcBase_ == NumberBase::Hexadecimal) {
        if (IsDecimalDigit(c))
            HexKey(c - '0');
        else if (c >= 'A' && c <= 'F')
            HexKey(c - 'A' + 10);
        else if (c == '\b')
            HexKey(key::Backspace);
        else if (c == '+' || c == '*' || c == '/' || c == '-') {
            hexOpPending_ = c == '*' ? "X" : std::string(1, c);
            HexOperator();
        } else if (c == '=') {
            CalcFunct(); // the large "=" key
        }
    } else if (c == '0' || c == '1') {
        HexKey(c - '0');
    }
    return true;
}

void Calculator::CalcFunct() {
    readoutColor_ = colors::White;
    ReadoutCheck(); // reports only
    if (calcBase_ == NumberBase::Hexadecimal) {
        if (hexOp_ == "+" || hexOp_ == "-" || hexOp_ == "X" || hexOp_ == "/") {
            const int64_t a = hexFirst_, b = HexToDec(readout_);
            if (hexOp_ == "/" && b == 0) {
                reporter_.beep();
                reporter_.showMessage("An divide by zero error occurred during calculation");
                FocusAtEnd();
                return;
            }
            const int64_t r = hexOp_ == "+"   ? a + b
                              : hexOp_ == "-" ? a - b
                              : hexOp_ == "X" ? a * b
                                              : a / b;
            hexFirst_ = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(r)));
            readout_ = *DecToHex(hexFirst_);
            entryActive_ = 0;
            convText_ = readout_;
        }
    } else if (calcBase_ == NumberBase::Binary) {
        if (readout_ != "0" && !logicOp_.empty()) {
            convText_ = LogicResult(logicOp_, logicFirst_, readout_);
            if (!convText_.empty()) readout_ = convText_;
            entryActive_ = 0;
        }
    }
    FocusAtEnd();
}

void Calculator::LogicKey(const std::string& op) {
    readoutColor_ = colors::White;
    ReadoutCheck(); // reports only
    logicOp_ = op;
    entryActive_ = 0;
    logicFirst_ = readout_;
    FocusAtEnd();
}

// --- memories -------------------------------------------------------------------------------

void Calculator::MemoryStore(int n) {
    Memory& m = memories_[n - 1];
    // An emptied readout counts as "0", so a recall never empties the readout.
    if (readout_.empty()) readout_ = "0";
    m.text = readout_;
    m.marked = readout_ != "0";
    FocusAtEnd();
}

void Calculator::MemoryRecall(int n) {
    const Memory& m = memories_[n - 1];
    if (m.text != "0") readout_ = m.text;
    FocusAtEnd();
}

void Calculator::SetMemory(int n, const std::string& text, bool marked) {
    memories_[n - 1] = {text, marked};
}

} // namespace pelcor
