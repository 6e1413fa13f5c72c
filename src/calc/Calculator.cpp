#include "calc/Calculator.h"

#include "calc/NumberBases.h"
#include "platform/Colors.h"
#include "platform/NumberText.h"

#include <cfloat>
#include <cmath>

namespace pelcor {

namespace {

constexpr double kPi = 3.1415926535897932385;
constexpr double kDegToRad = 0.017453292519943295769;
constexpr double kRadToDeg = 57.295779513082320877;
// The base of the "Ln" key, kept to six decimals as the key's hint states.
constexpr double kEValue = 2.718282;

bool IsOperator(int n) {
    return n >= key::Multiply && n <= key::Minus;
}

// Whether the key before left an operation that an operator key may replace. Inv and
// Backspace leave none: the operator after them starts its own.
bool LeftAnOperation(int pendingKey) {
    return pendingKey > 0 && pendingKey != key::Inv && pendingKey != key::Backspace;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Calculator::Calculator(Reporter& reporter)
    : reporter_(reporter), readoutColor_(colors::White), invFontColor_(colors::Black),
      expFontColor_(colors::Black) {}

bool Calculator::takeFocusRequest(Selection& selection) {
    if (!focusRequested_) return false;
    selection = selection_;
    focusRequested_ = false;
    return true;
}

void Calculator::FocusAtEnd() {
    focusRequested_ = true;
    selection_ = {static_cast<int>(readout_.size()), 1};
}

// --- entry points -------------------------------------------------------------------------

void Calculator::CalcButt(int tag) {
    readoutColor_ = colors::White;
    if (!ReadoutCheck()) return;
    readoutValue_ = 0;
    if (calcBase_ == NumberBase::Decimal)
        CalcKey(tag);
    else if (calcBase_ == NumberBase::Hexadecimal && tag >= key::Multiply && tag <= key::Minus &&
             !hexOpPending_.empty())
        HexOperator();
    else
        HexKey(tag);
    if (!focusRequested_) FocusAtEnd();
}

int DecimalKeyCode(char typed) {
    const char c = typed >= 'a' && typed <= 'z' ? static_cast<char>(typed - 'a' + 'A') : typed;
    if (c == '\n') return key::Equals;
    for (const KeyboardKey& k : DecimalKeyboard)
        if (k.typed == c) return k.code;
    return -1;
}

std::string KeyboardKeysFor(int code) {
    std::string keys;
    for (const KeyboardKey& k : DecimalKeyboard) {
        if (k.code != code) continue;
        // "=" before Enter: the sign is the key's caption.
        const std::string name = k.keyName;
        keys = keys.empty() ? name : name == "=" ? name + " or " + keys : keys + " or " + name;
    }
    return keys;
}

bool Calculator::ReadOutKeyPress(char typed) {
    readoutColor_ = colors::White;
    if (!ReadoutCheck()) return false;
    readoutValue_ = 0;
    char c = typed >= 'a' && typed <= 'z' ? static_cast<char>(typed - 'a' + 'A') : typed;
    if (calcBase_ != NumberBase::Decimal) {
        HexKeyPress(c);
        if (!focusRequested_) FocusAtEnd();
        return true;
    }
    const int code = DecimalKeyCode(c);
    if (code == key::ClearEntry) {
        CEButtClick();
    } else if (code >= 0) {
        CalcKey(code);
        if (!focusRequested_) FocusAtEnd();
    }
    return true;
}

bool Calculator::PasteText(const std::string& text) {
    // Blanks and line ends around the text are the clipboard's, not the user's keys.
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return false;
    const std::string pasted = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);

    // A number as the readout holds it; a leading "+" is the key + and a digit.
    if (calcBase_ == NumberBase::Decimal && pasted[0] != '+' && ParseNumber(pasted)) {
        std::string number = pasted;
        for (char& ch : number)
            if (ch == 'e') ch = 'E';
        SetReadout(number);
        return true;
    }

    for (char ch : pasted) {
        const char c = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
        const bool taken =
            calcBase_ == NumberBase::Decimal ? DecimalKeyCode(c) >= 0 && c != '\x1b'
            : calcBase_ == NumberBase::Hexadecimal
                ? IsDigit(c) || (c >= 'A' && c <= 'F') ||
                      std::string_view("+-*/=\r\n\b").find(c) != std::string_view::npos
                : c == '0' || c == '1';
        if (!taken) {
            reporter_.showInfo(std::string("Cannot paste: the character \" ") + ch +
                               " \" is not a calculator key");
            reporter_.beep();
            return false;
        }
    }
    for (char ch : pasted)
        if (!ReadOutKeyPress(ch)) return false;
    return true;
}

void Calculator::ReadOutChange(const std::string& text) {
    readout_ = text;
    readoutColor_ = colors::White;
}

void Calculator::SetReadout(const std::string& text) {
    readout_ = text;
    FocusAtEnd();
}

void Calculator::ReplaceReadoutText(const std::string& text) {
    readout_ = text;
    readoutColor_ = colors::White;
}

bool Calculator::ReadoutCheck() {
    const std::string& t = readout_;
    int dots = 0, exps = 0, pluses = 0, minuses = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        bool legal = false;
        if (calcBase_ == NumberBase::Hexadecimal) {
            legal = IsDigit(c) || (c >= 'A' && c <= 'F');
        } else if (calcBase_ == NumberBase::Binary) {
            legal = c == '0' || c == '1' || c == '8' || c == '9';
        } else if (IsDigit(c)) {
            legal = true;
        } else if (c == '.') {
            legal = ++dots <= 1;
        } else if (c == 'E') {
            legal = i >= 1 && ++exps <= 1;
        } else if (c == '+') {
            legal = i >= 1 && ++pluses <= 1 && t[i - 1] == 'E';
        } else if (c == '-') {
            legal = ++minuses <= 2 && (i == 0 || t[i - 1] == 'E');
        }
        if (!legal) {
            reporter_.showInfo(std::string("Illegal charactor \" ") + c + " \" found in Readout");
            reporter_.beep();
            readoutError_ = true;
            readoutColor_ = colors::ErrorPink;
            focusRequested_ = true;
            selection_ = {static_cast<int>(i), 1};
            return false;
        }
    }
    readoutError_ = false;
    readoutColor_ = colors::White;
    return true;
}

void Calculator::CEButtClick() {
    dotEntered_ = false;
    readout_ = "0";
    entryActive_ = 0;
    readoutColor_ = colors::White;
    invFontColor_ = colors::Black;
    invActive_ = false;
    FocusAtEnd();
}

void Calculator::CLRButtClick() {
    readout_ = "0";
    entryActive_ = 0;
    operandX_ = 0;
    operandY_ = 0;
    opCode_ = 0;
    tapeMarker_ = 0;
    readoutColor_ = colors::White;
    tape_.clear();
    tapeChangedFrom_ = 0;
    pendingKey_ = key::None;
    invFontColor_ = colors::Black;
    dotEntered_ = false;
    invActive_ = false;
    FocusAtEnd();
}

// --- keys -------------------------------------------------------------------------------

void Calculator::CalcKey(int code) {
    keyFailed_ = false;
    if (code != key::Equals) equalsDone_ = 0;
    if (code >= 0 && code <= 9) return DigitKey(code);
    if (code == key::Point) return PointKey();
    if (code == key::Pi) return PiKey();
    if (code == key::Backspace) return BackspaceKey();

    if (readout_.empty()) readout_ = "0";
    if (readout_ == "0") return ClosingSteps();
    if (code == key::Exp) return ExpKey();
    if (code == key::Sign) return SignKey();
    OperationKey(code);
}

void Calculator::ClosingSteps() {
    if (!keyFailed_) TapeStep();
    expFontColor_ = colors::Black;
    expActive_ = false;
}

void Calculator::DigitKey(int digit) {
    if (entryActive_ == 0) {
        readout_.clear();
        entryActive_ = 1;
        dotEntered_ = false;
    }
    pendingKey_ = key::None;
    readout_ += static_cast<char>('0' + digit);
    ClosingSteps();
}

void Calculator::PointKey() {
    if (!dotEntered_) {
        dotEntered_ = true;
        if (entryActive_ == 0) {
            readout_ = "0";
            entryActive_ = 1;
        }
        pendingKey_ = key::None;
        readout_ += '.';
    }
    ClosingSteps();
}

void Calculator::PiKey() {
    readout_ = FormatGeneral(kPi);
    pendingKey_ = key::None;
    entryActive_ = 1;
    ClosingSteps();
}

void Calculator::BackspaceKey() {
    if (expActive_ && readout_.size() > 1) {
        readout_.resize(readout_.size() - 2);
    } else {
        if (!readout_.empty() && readout_.back() == '.') dotEntered_ = false;
        if (!readout_.empty()) readout_.pop_back();
    }
    if (readout_.empty()) {
        readout_ = "0";
        dotEntered_ = false;
        entryActive_ = 0;
        return;
    }
    entryActive_ = 1;
    pendingKey_ = key::Backspace;
    ClosingSteps();
}

void Calculator::ExpKey() {
    const auto endsWith = [this](const char* s) {
        return readout_.size() >= 2 && readout_.compare(readout_.size() - 2, 2, s) == 0;
    };
    if (endsWith("E-") || endsWith("E+")) return;
    if (readout_.size() > 2 &&
        (readout_.find("E-") != std::string::npos || readout_.find("E+") != std::string::npos))
        return;
    if (expActive_) {
        expActive_ = false;
        expFontColor_ = colors::Black;
        entryActive_ = 0;
    } else {
        expFontColor_ = colors::Highlight;
        expActive_ = true;
        entryActive_ = 1;
        readout_ += "E-";
    }
}

void Calculator::SignKey() {
    const size_t e = readout_.rfind('E');
    if (e == std::string::npos || e + 1 >= readout_.size() ||
        (readout_[e + 1] != '-' && readout_[e + 1] != '+')) {
        if (!readout_.empty() && readout_[0] == '-')
            readout_.erase(0, 1);
        else
            readout_.insert(0, "-");
    } else {
        readout_[e + 1] = readout_[e + 1] == '-' ? '+' : '-';
    }
}

bool Calculator::ReadReadout(double& value) {
    if (auto v = ParseNumber(readout_)) {
        value = *v;
        return true;
    }
    return false;
}

void Calculator::RefuseReadout() {
    // Marked as an illegal character is; the entry goes on, so the user can correct it.
    readoutColor_ = colors::ErrorPink;
    focusRequested_ = true;
    selection_ = {static_cast<int>(readout_.size()), 1};
    keyFailed_ = true;
    reporter_.beep();
    switch (WhyNotANumber(readout_)) {
    case NumberFault::TooLarge:
        reporter_.showMessage("An Overflow error occurred during calculation. Number " + readout_ +
                              " is too large");
        break;
    case NumberFault::TooSmall:
        reporter_.showMessage(
            "An Underflow error occurred during calculation. Number is too small");
        break;
    default: reporter_.showInfo(ValueIllegalText); break;
    }
}

void Calculator::ShowResult() {
    readout_ = FormatGeneral(resultValue_);
}

void Calculator::OperationKey(int n) {
    if (n == key::Inv) {
        if (invFontColor_ == colors::Highlight) {
            invFontColor_ = colors::Black;
            tapeMarker_ = 0;
            invActive_ = false;
        } else {
            invFontColor_ = colors::Highlight;
            tapeMarker_ = key::Inv;
            invActive_ = true;
        }
        pendingKey_ = key::Inv;
        return ClosingSteps();
    }

    // A readout that passed the character check but is no number ("5E-", "5E+400") stops
    // the key before anything pending is touched, and stays as typed.
    double value = 0;
    if (!ReadReadout(value)) return RefuseReadout();

    if (LeftAnOperation(pendingKey_)) {
        ReplaceOperator(n);
        if (pendingKey_ == key::OperatorReplaced) {
            pendingKey_ = static_cast<key::Code>(n);
            return;
        }
    }

    ReadReadout(readoutValue_);

    // Chain: complete the pending operation first.
    if (operandX_ != 0 && n != key::Equals) {
        operandY_ = readoutValue_;
        tapeMarker_ = key::Equals;
        pendingKey_ = key::Equals;
        const bool ok = ComputeOp();
        ShowResult();
        if (!ok) return;
        TapeStep();
        ReadReadout(operandX_);
        equalsDone_ = 0;
    }

    ReadReadout(readoutValue_);

    switch (n) {
    case key::Equals:
        if (operandX_ != 0) {
            if (equalsDone_ == key::Equals) return;
            operandY_ = readoutValue_;
            tapeMarker_ = key::Equals;
            pendingKey_ = key::Equals;
            ComputeOp();
            ShowResult();
        } else {
            operandX_ = readoutValue_;
            opCode_ = n;
            entryActive_ = 0;
        }
        break;
    case key::Sin:
    case key::Cos:
    case key::Tan:
    case key::Log:
    case key::Percent:
        opCode_ = n;
        ComputeOp();
        ShowResult();
        break;
    case key::Sqrt:
    case key::RootN:
        if (!readout_.empty() && readout_[0] == '-') {
            reporter_.showInfo("**** Calculator Error ****");
            readoutColor_ = colors::ErrorPink;
            focusRequested_ = true;
            selection_ = {0, 1};
            reporter_.beep();
            return;
        }
        if (n == key::Sqrt) {
            opCode_ = n;
            operandX_ = readoutValue_;
            ComputeOp();
            ShowResult();
        } else {
            opCode_ = n;
            entryActive_ = 0;
            tapeMarker_ = n;
            operandX_ = readoutValue_;
            readoutColor_ = colors::Aqua;
        }
        break;
    case key::Square:
        opCode_ = n;
        operandX_ = readoutValue_;
        ComputeOp();
        ShowResult();
        break;
    case key::PowerN:
        opCode_ = n;
        entryActive_ = 0;
        tapeMarker_ = n;
        operandX_ = readoutValue_;
        readoutColor_ = colors::Aqua;
        break;
    case key::Reciprocal:
        opCode_ = n;
        operandY_ = readoutValue_;
        ComputeOp();
        ShowResult();
        break;
    case key::Ln:
        if (readoutValue_ == 0) return;
        opCode_ = n;
        operandY_ = readoutValue_;
        ComputeOp();
        ShowResult();
        break;
    case key::Multiply:
    case key::Divide:
    case key::Plus:
    case key::Minus:
        operandX_ = readoutValue_;
        opCode_ = n;
        entryActive_ = 0;
        break;
    default: return;
    }
    pendingKey_ = static_cast<key::Code>(n);
    ClosingSteps();
}

void Calculator::ReplaceOperator(int n) {
    if (!IsOperator(n)) {
        pendingKey_ = static_cast<key::Code>(n);
        return;
    }
    opCode_ = n;
    pendingKey_ = key::OperatorReplaced;
    while (!tape_.empty() && tape_.back() != '\n')
        tape_.pop_back();
    TapeChangesFrom(tape_.size());
    if (tape_.empty()) return;
    static const char* const kOps[] = {" * ", " / ", " + ", " - "};
    AppendTape(readout_ + kOps[n - key::Multiply]);
    ReadReadout(operandX_);
}

// --- evaluation -------------------------------------------------------------------------

void Calculator::ShowCalcError(CalcError which) {
    reporter_.beep();
    if (which == CalcError::Overflow) {
        reporter_.showMessage("An Overflow error occurred during calculation. Number " +
                              FormatGeneral(operandX_) + "^" + FormatGeneral(operandY_) +
                              " is too large");
    } else if (which == CalcError::Underflow) {
        reporter_.showMessage(
            "An Underflow error occurred during calculation. Number is too small");
    } else {
        reporter_.showMessage("An divide by zero error occurred during calculation");
    }
    resultValue_ = operandX_;
    // The readout now shows a computed value: the next digit starts a new number.
    entryActive_ = 0;
    keyFailed_ = true;
}

void Calculator::FunctionError(const std::string& message, double shownValue) {
    reporter_.showInfo(message);
    readoutColor_ = colors::ErrorPink;
    operandX_ = shownValue;
    resultValue_ = operandX_;
    operandX_ = 0;
    entryActive_ = 0;
    focusRequested_ = true;
    selection_ = {static_cast<int>(FormatGeneral(resultValue_).size()), 1};
    reporter_.beep();
    keyFailed_ = true;
}

bool Calculator::ComputeOp() {
    dotEntered_ = false;
    const double x = operandX_;
    const double v = readoutValue_;
    double r = 0;
    switch (opCode_) {
    case key::Multiply: r = x * operandY_; break;
    case key::Divide:
        if (operandY_ == 0) {
            ShowCalcError(CalcError::DivideByZero);
            return false;
        }
        r = x / operandY_;
        break;
    case key::Plus: r = x + operandY_; break;
    case key::Minus: r = x - operandY_; break;
    case key::Sin:
    case key::Cos:
    case key::Tan:
        if (invActive_) {
            if (opCode_ != key::Tan && v > 1) {
                FunctionError(opCode_ == key::Sin
                                  ? "ArcSin function Error  Value must be 1 or less"
                                  : "ArcCos function Error  Value must be 1 or less ",
                              v);
                return false;
            }
            if (opCode_ != key::Tan && v < -1) {
                FunctionError(ValueIllegalText, v);
                return false;
            }
            r = opCode_ == key::Sin   ? std::asin(v) * kRadToDeg
                : opCode_ == key::Cos ? std::acos(v) * kRadToDeg
                                      : std::atan(v) * kRadToDeg;
        } else {
            const double a = v * kDegToRad;
            r = opCode_ == key::Sin   ? std::sin(a)
                : opCode_ == key::Cos ? std::cos(a)
                                      : std::sin(a) / std::cos(a);
        }
        break;
    case key::Sqrt: r = std::sqrt(x); break;
    case key::RootN:
        if (operandY_ == 0) {
            ShowCalcError(CalcError::DivideByZero);
            return false;
        }
        operandY_ = 1 / operandY_;
        r = std::pow(x, operandY_);
        if (x != 0 && std::isfinite(r) && std::fabs(r) < DBL_MIN) {
            ShowCalcError(CalcError::Underflow);
            return false;
        }
        break;
    case key::Square: r = x * x; break;
    case key::PowerN:
        r = std::pow(x, operandY_);
        if (std::isinf(r)) {
            ShowCalcError(CalcError::Overflow);
            return false;
        }
        break;
    case key::Log:
        if (v <= 0 || v == 1) {
            FunctionError(ValueIllegalText, resultValue_);
            return false;
        }
        r = std::log10(v);
        break;
    case key::Reciprocal:
        if (operandY_ == 0) {
            ShowCalcError(CalcError::DivideByZero);
            return false;
        }
        r = 1 / operandY_;
        break;
    case key::Ln:
        if (v < 0) {
            FunctionError(ValueIllegalText, resultValue_);
            return false;
        }
        r = std::log(v) / std::log(kEValue);
        break;
    case key::Percent: r = v / 100; break;
    default:
        // "=" with nothing pending carries the readout through unchanged.
        r = operandY_;
        break;
    }
    if (!std::isfinite(r)) {
        FunctionError(ValueIllegalText, x);
        return false;
    }
    resultValue_ = r;
    invActive_ = false;
    invFontColor_ = colors::Black;
    entryActive_ = 0;
    lastX_ = operandX_;
    operandX_ = 0;
    return true;
}

void Calculator::TapeStep() {
    if (readoutValue_ == 0) return;
    const std::string v = FormatGeneral(readoutValue_);
    const std::string r = FormatGeneral(resultValue_);
    std::string t;
    bool function = true;
    switch (opCode_) {
    case key::Multiply:
        t = "x";
        function = false;
        break;
    case key::Divide:
        t = "/";
        function = false;
        break;
    case key::Plus:
        t = "+";
        function = false;
        break;
    case key::Minus:
        t = "-";
        function = false;
        break;
    case key::Sin: t = "Sin(" + v + ")"; break;
    case key::Cos: t = "Cos(" + v + ")"; break;
    case key::Tan: t = "Tan(" + v + ")"; break;
    case key::Sqrt: t = "Sqrt(" + v + ")"; break;
    case key::RootN: t = "Sqrt(" + FormatGeneral(lastX_) + ")^" + v; break;
    case key::Square: t = "( " + v + "^2 )"; break;
    case key::PowerN:
        t = "( " + FormatGeneral(lastX_) + "^" + FormatGeneral(operandY_) + " )";
        break;
    case key::Log: t = "Log(" + v + ")"; break;
    case key::Reciprocal:
        t = "1/" + v;
        tapeMarker_ = 0;
        break;
    case key::Ln: t = "Ln(" + v + ")"; break;
    case key::Percent: t = "%( " + v + " )"; break;
    default: function = false; break;
    }

    if (function) {
        std::string prefix;
        const bool invertible = opCode_ == key::Sin || opCode_ == key::Cos || opCode_ == key::Tan ||
                                opCode_ == key::RootN || opCode_ == key::PowerN;
        if (invertible && tapeMarker_ == key::Inv) {
            tapeMarker_ = 0;
            prefix = "Inv-";
        }
        if (tapeMarker_ == key::RootN || tapeMarker_ == key::PowerN) {
            tapeMarker_ = 0;
            AppendTape(prefix);
            return;
        }
        AppendTape(prefix + t + " = " + r + "\r\n");
        opCode_ = 0;
        return;
    }

    if (!IsOperator(opCode_) && tapeMarker_ == key::Inv) return;
    if (equalsDone_ == key::Equals) return;
    std::string line = v + " ";
    if (tapeMarker_ != key::Equals) {
        AppendTape(line + t + " ");
    } else {
        tapeMarker_ = 0;
        equalsDone_ = key::Equals;
        AppendTape(line + "= " + r + "\r\n");
        opCode_ = 0;
    }
}

} // namespace pelcor
