#include "calc/Calculator.h"
#include "platform/Colors.h"

#include "RecordingReporter.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <vector>

using namespace pelcor;

namespace {

using Recorder = pelcor::testing::RecordingReporter;

// Presses keypad keys named as on their captions, separated by blanks; a run of digits
// and points is pressed one character at a time ("200" is 2, 0, 0).
class Keys {
public:
    Keys() : calc(rec) {}

    Keys& press(const std::string& sequence) {
        static const std::map<std::string, int> named = {
            {"=", key::Equals},       {"x", key::Multiply}, {"/", key::Divide},
            {"+", key::Plus},         {"-", key::Minus},    {"Inv", key::Inv},
            {"Sin", key::Sin},        {"Cos", key::Cos},    {"Tan", key::Tan},
            {"Sqrt", key::Sqrt},      {"Root", key::RootN}, {"Sq", key::Square},
            {"Pow", key::PowerN},     {"Log", key::Log},    {"Exp", key::Exp},
            {"1/x", key::Reciprocal}, {"+/-", key::Sign},   {"Ln", key::Ln},
            {"%", key::Percent},      {"Pi", key::Pi},      {"BS", key::Backspace}};
        std::istringstream in(sequence);
        std::string token;
        while (in >> token) {
            if (token == "CE") {
                calc.CEButtClick();
            } else if (token == "CLR") {
                calc.CLRButtClick();
            } else if (auto it = named.find(token); it != named.end()) {
                calc.CalcButt(it->second);
            } else {
                for (char c : token) {
                    EXPECT_TRUE((c >= '0' && c <= '9') || c == '.') << token;
                    calc.CalcButt(c == '.' ? key::Point : c - '0');
                }
            }
        }
        return *this;
    }

    std::string readout() const { return calc.readout(); }
    std::string tape() const { return calc.tape(); }

    Recorder rec;
    Calculator calc;
};

std::string ReadoutAfter(const std::string& sequence) {
    return Keys().press(sequence).readout();
}

} // namespace

TEST(CalculatorEntry, BuildsNumbersFromDigitsPointsAndExponents) {
    EXPECT_EQ(ReadoutAfter("3 . . 5"), "3.5");
    EXPECT_EQ(ReadoutAfter("."), "0.");
    EXPECT_EQ(ReadoutAfter("0 0 7"), "007");
    EXPECT_EQ(ReadoutAfter("12 Exp 5"), "12E-5");
    EXPECT_EQ(ReadoutAfter("12 Exp 5 +/-"), "12E+5");
    EXPECT_EQ(ReadoutAfter("12 Exp 5 +/- +/-"), "12E-5");
    EXPECT_EQ(ReadoutAfter("12 Exp 5 Exp"), "12E-5"); // a second exponent is refused
    EXPECT_EQ(ReadoutAfter("12 Exp BS"), "12");
    EXPECT_EQ(ReadoutAfter("12 BS"), "1");
    EXPECT_EQ(ReadoutAfter("7 BS"), "0");
    EXPECT_EQ(ReadoutAfter("7 BS 4"), "4");
    EXPECT_EQ(ReadoutAfter("3 . BS 5"), "35"); // removing the point allows another
    EXPECT_EQ(ReadoutAfter("3 . BS . 5"), "3.5");
    EXPECT_EQ(ReadoutAfter("5 +/-"), "-5");
    EXPECT_EQ(ReadoutAfter("5 +/- +/-"), "5");
    EXPECT_EQ(ReadoutAfter("Pi"), "3.14159265358979");
    // On a readout of "0", operations, functions, Exp and the sign key do nothing.
    for (const char* k : {"+", "Sin", "+/-", "Exp", "Log", "Sqrt", "="}) {
        Keys keys;
        keys.press(k);
        EXPECT_EQ(keys.readout(), "0") << k;
        EXPECT_EQ(keys.tape(), "") << k;
        EXPECT_EQ(keys.rec.beeps, 0) << k;
    }
}

TEST(CalculatorEntry, ExpKeyHighlightsUntilTheNextClosingKey) {
    Keys k;
    k.press("12 Exp");
    EXPECT_TRUE(k.calc.expActive());
    EXPECT_EQ(k.calc.expFontColor(), colors::Highlight);
    k.press("5");
    EXPECT_FALSE(k.calc.expActive());
    EXPECT_EQ(k.calc.expFontColor(), colors::Black);
    EXPECT_EQ(k.readout(), "12E-5");
}

TEST(CalculatorEntry, ReadoutCheckReportsAndSelectsTheFirstIllegalCharacter) {
    Keys k;
    k.calc.ReadOutChange("1-2");
    k.press("+");
    EXPECT_EQ(k.rec.info, "Illegal charactor \" - \" found in Readout");
    EXPECT_EQ(k.rec.beeps, 1);
    EXPECT_TRUE(k.calc.readoutError());
    EXPECT_EQ(k.calc.readoutColor(), colors::ErrorPink);
    Calculator::Selection sel;
    ASSERT_TRUE(k.calc.takeFocusRequest(sel));
    EXPECT_EQ(sel.start, 1);
    EXPECT_EQ(sel.length, 1);
    EXPECT_EQ(k.readout(), "1-2");
    EXPECT_EQ(k.calc.operandX(), 0); // the key was refused

    // While the check fails, typed keys are left to the edit box.
    EXPECT_FALSE(k.calc.ReadOutKeyPress('5'));
    k.calc.ReadOutChange("-1E-2");
    EXPECT_TRUE(k.calc.ReadOutKeyPress('+'));
    EXPECT_FALSE(k.calc.readoutError());
    EXPECT_EQ(k.calc.readoutColor(), colors::White);

    for (const char* bad :
         {"E5", "1.2.3", "1E2E3", "+5", "5+", "1E+2+", "--5", "1a", "1 2", "1e5"}) {
        Keys b;
        b.calc.ReadOutChange(bad);
        EXPECT_FALSE(b.calc.ReadoutCheck()) << bad;
    }
    for (const char* good : {"-1E-2", "12E+5", "0.5", "-.5", "5E-", "."}) {
        Keys g;
        g.calc.ReadOutChange(good);
        EXPECT_TRUE(g.calc.ReadoutCheck()) << good;
    }
}

TEST(CalculatorEntry, KeyboardMapsOntoTheKeypadAndSwallowsOtherKeys) {
    Keys k;
    for (char c : std::string("12.5*2\r"))
        EXPECT_TRUE(k.calc.ReadOutKeyPress(c));
    EXPECT_EQ(k.readout(), "25");
    EXPECT_TRUE(k.calc.ReadOutKeyPress('A'));
    EXPECT_TRUE(k.calc.ReadOutKeyPress('a'));
    EXPECT_EQ(k.readout(), "25");
    for (char c : std::string("-5\r"))
        k.calc.ReadOutKeyPress(c);
    EXPECT_EQ(k.readout(), "20");
    k.calc.ReadOutKeyPress('/');
    k.calc.ReadOutKeyPress('8');
    k.calc.ReadOutKeyPress('\b');
    k.calc.ReadOutKeyPress('4');
    k.calc.ReadOutKeyPress('+');
    EXPECT_EQ(k.readout(), "5");
    EXPECT_EQ(k.tape(), "12.5 x 2 = 25\r\n25 - 5 = 20\r\n20 / 4 = 5\r\n5 + ");
}

TEST(CalculatorClearing, CEKeepsThePendingOperationAndCLREmptiesEverything) {
    EXPECT_EQ(ReadoutAfter("5 + 7 CE 3 ="), "8");
    Keys k;
    k.press("5 + 7 = Inv");
    EXPECT_EQ(k.calc.invFontColor(), colors::Highlight);
    k.press("4 + CLR");
    EXPECT_EQ(k.readout(), "0");
    EXPECT_EQ(k.tape(), "");
    EXPECT_FALSE(k.calc.invActive());
    EXPECT_EQ(k.calc.invFontColor(), colors::Black);
    k.press("3 =");
    EXPECT_EQ(k.readout(), "3"); // nothing was left pending
}

TEST(CalculatorOperations, ChainsWithoutPrecedenceAndWritesTheTape) {
    Keys k;
    k.press("5 + 3 x 2 =");
    EXPECT_EQ(k.readout(), "16");
    EXPECT_EQ(k.tape(), "5 + 3 = 8\r\n8 x 2 = 16\r\n");

    EXPECT_EQ(ReadoutAfter("9 - 4 ="), "5");
    EXPECT_EQ(ReadoutAfter("9 / 4 ="), "2.25");
    EXPECT_EQ(ReadoutAfter("1 / 3 ="), "0.333333333333333");
    EXPECT_EQ(ReadoutAfter("5 + ="), "10"); // the readout serves as both operands
    EXPECT_EQ(ReadoutAfter("0.1 + 0.2 ="), "0.3");

    // A second "=" is ignored; an operator after "=" continues from the result.
    Keys r;
    r.press("2 + 3 = =");
    EXPECT_EQ(r.readout(), "5");
    EXPECT_EQ(r.tape(), "2 + 3 = 5\r\n");
    r.press("x 4 =");
    EXPECT_EQ(r.readout(), "20");
    EXPECT_EQ(r.tape(), "2 + 3 = 5\r\n5 * 4 = 20\r\n");

    // A result of 0 counts as nothing pending: - is ignored on the readout "0".
    EXPECT_EQ(ReadoutAfter("3 - 3 = - 3 ="), "3");
}

TEST(CalculatorOperations, AnOperatorRightAfterAnotherReplacesIt) {
    Keys empty;
    empty.press("5 + x 2 =");
    EXPECT_EQ(empty.readout(), "10");
    EXPECT_EQ(empty.tape(), "2 = 10\r\n"); // the unfinished line is dropped on an empty tape

    Keys full;
    full.press("1 + 1 = CE 5 + x 2 =");
    EXPECT_EQ(full.readout(), "10");
    EXPECT_EQ(full.tape(), "1 + 1 = 2\r\n5 * 2 = 10\r\n");

    Keys twice;
    twice.press("1 + 1 = CE 9 + - / 3 =");
    EXPECT_EQ(twice.readout(), "3");
    EXPECT_EQ(twice.tape(), "1 + 1 = 2\r\n9 / 3 = 3\r\n");
}

TEST(CalculatorOperations, AnOperatorAfterBackspaceOrInvStartsANewOperation) {
    Keys first;
    first.press("123 BS + 1 =");
    EXPECT_EQ(first.readout(), "13");
    EXPECT_EQ(first.tape(), "12 + 1 = 13\r\n");

    Keys chained;
    chained.press("5 + 123 BS + 1 =");
    EXPECT_EQ(chained.readout(), "18");
    EXPECT_EQ(chained.tape(), "5 + 12 = 17\r\n17 + 1 = 18\r\n");

    Keys inv;
    inv.press("5 Inv + 3 =");
    EXPECT_EQ(inv.readout(), "8");
    EXPECT_EQ(inv.tape(), "5 + 3 = 8\r\n");
    EXPECT_FALSE(inv.calc.invActive());
}

TEST(CalculatorFunctions, ComputeInDegreesAndWriteTheirTapeLines) {
    struct Case {
        const char* keys;
        const char* readout;
        const char* tape;
    };
    const Case cases[] = {
        {"30 Sin", "0.5", "Sin(30) = 0.5\r\n"},
        {"60 Cos", "0.5", "Cos(60) = 0.5\r\n"},
        {"45 Tan", "1", "Tan(45) = 1\r\n"},
        {"0.5 Inv Sin", "30", "Inv-Sin(0.5) = 30\r\n"},
        {"0.5 Inv Cos", "60", "Inv-Cos(0.5) = 60\r\n"},
        {"1 Inv Tan", "45", "Inv-Tan(1) = 45\r\n"},
        {"16 Sqrt", "4", "Sqrt(16) = 4\r\n"},
        {"27 Root 3 =", "3", "Sqrt(27)^3 = 3\r\n"},
        {"12 Sq", "144", "( 12^2 ) = 144\r\n"},
        {"2 Pow 10 =", "1024", "( 2^10 ) = 1024\r\n"},
        {"1000 Log", "3", "Log(1000) = 3\r\n"},
        {"4 1/x", "0.25", "1/4 = 0.25\r\n"},
        {"2.718282 Ln", "1", "Ln(2.718282) = 1\r\n"},
        {"50 %", "0.5", "%( 50 ) = 0.5\r\n"},
        {"200 + 10 %", "2.1", "200 + 10 = 210\r\n%( 210 ) = 2.1\r\n"},
    };
    for (const Case& c : cases) {
        Keys k;
        k.press(c.keys);
        EXPECT_EQ(k.readout(), c.readout) << c.keys;
        EXPECT_EQ(k.tape(), c.tape) << c.keys;
        EXPECT_EQ(k.rec.beeps, 0) << c.keys;
    }
    // Ln works to the base 2.718282, not the exact e.
    Keys ln;
    ln.press("10 Ln");
    EXPECT_NE(ln.readout(), "2.30258509299405");
    EXPECT_EQ(ln.readout().substr(0, 7), "2.30258");
}

TEST(CalculatorFunctions, PowerAndRootWaitForTheirSecondNumberInAqua) {
    Keys k;
    k.press("2 Pow");
    EXPECT_EQ(k.calc.readoutColor(), colors::Aqua);
    EXPECT_EQ(k.tape(), "");
    k.press("3");
    EXPECT_EQ(k.calc.readoutColor(), colors::White);
    k.press("=");
    EXPECT_EQ(k.readout(), "8");
}

TEST(CalculatorErrors, FunctionErrorsTurnTheReadoutPinkAndWriteNoLine) {
    struct Case {
        const char* keys;
        const char* info;
        const char* readout;
    };
    const Case cases[] = {
        {"1 Log", "Calculation function Error  Value illegal", "0"},
        {"2 Inv Sin", "ArcSin function Error  Value must be 1 or less", "2"},
        {"2 Inv Cos", "ArcCos function Error  Value must be 1 or less ", "2"},
        {"2 +/- Inv Sin", "Calculation function Error  Value illegal", "-2"},
        {"2 +/- Inv Cos", "Calculation function Error  Value illegal", "-2"},
        {"5 +/- Ln", "Calculation function Error  Value illegal", "0"},
        {"5 +/- Log", "Calculation function Error  Value illegal", "0"},
        {"4 +/- Sqrt", "**** Calculator Error ****", "-4"},
        {"8 +/- Root", "**** Calculator Error ****", "-8"},
    };
    for (const Case& c : cases) {
        Keys k;
        k.press(c.keys);
        EXPECT_EQ(k.rec.info, c.info) << c.keys;
        EXPECT_EQ(k.readout(), c.readout) << c.keys;
        EXPECT_EQ(k.calc.readoutColor(), colors::ErrorPink) << c.keys;
        EXPECT_EQ(k.rec.beeps, 1) << c.keys;
        EXPECT_EQ(k.tape(), "") << c.keys;
    }
    // A Log error shows the previous result; the next key turns the readout white.
    Keys log;
    log.press("3 + 4 = 1 Log");
    EXPECT_EQ(log.readout(), "7");
    EXPECT_EQ(log.tape(), "3 + 4 = 7\r\n");
    log.press("5");
    EXPECT_EQ(log.calc.readoutColor(), colors::White);
    // Inv stays on after an arc error, so a corrected value gets the inverse function.
    Keys arc;
    arc.press("2 Inv Sin");
    EXPECT_TRUE(arc.calc.invActive());
    arc.press("BS 0.5 Sin");
    EXPECT_EQ(arc.readout(), "30");
    EXPECT_EQ(arc.tape(), "Inv-Sin(0.5) = 30\r\n");
}

TEST(CalculatorErrors, DivisionByZeroOverflowAndUnderflowShowMessageBoxes) {
    Keys zero;
    zero.press("8 / 0 =");
    EXPECT_EQ(zero.readout(), "0"); // "=" does nothing on the readout "0"
    EXPECT_TRUE(zero.rec.messages.empty());
    zero.press("BS 0.0 =");
    ASSERT_EQ(zero.rec.messages.size(), 1u);
    EXPECT_EQ(zero.rec.messages[0], "An divide by zero error occurred during calculation");
    EXPECT_EQ(zero.readout(), "8");
    EXPECT_EQ(zero.rec.beeps, 1);
    EXPECT_EQ(zero.tape(), "8 / ");
    zero.press("2 =");
    EXPECT_EQ(zero.readout(), "4"); // the division stayed pending; 2 started a new number

    Keys over;
    over.press("10 Pow 400 =");
    ASSERT_EQ(over.rec.messages.size(), 1u);
    EXPECT_EQ(over.rec.messages[0],
              "An Overflow error occurred during calculation. Number 10^400 is too large");
    EXPECT_EQ(over.readout(), "10");
    EXPECT_EQ(over.tape(), "");

    Keys under;
    under.press("0.001 Root 0.001 =");
    ASSERT_EQ(under.rec.messages.size(), 1u);
    EXPECT_EQ(under.rec.messages[0],
              "An Underflow error occurred during calculation. Number is too small");
    EXPECT_EQ(under.readout(), "0.001");

    Keys recip;
    recip.press("0.0 1/x");
    ASSERT_EQ(recip.rec.messages.size(), 1u);
    EXPECT_EQ(recip.readout(), "0");
}

TEST(CalculatorErrors, OverflowAndNonNumbersNeverReachTheReadoutOrTape) {
    Keys big;
    big.press("1 Exp 300 +/- x 1 Exp 300 +/- ="); // 1E+300 x 1E+300
    EXPECT_EQ(big.rec.info, "Calculation function Error  Value illegal");
    EXPECT_EQ(big.readout(), "1E300");
    EXPECT_EQ(big.calc.readoutColor(), colors::ErrorPink);
    EXPECT_EQ(big.tape(), "1E300 x ");

    Keys sq;
    sq.press("1 Exp 200 +/- Sq");
    EXPECT_EQ(sq.rec.info, "Calculation function Error  Value illegal");
    EXPECT_EQ(sq.readout(), "1E200");

    // A readout that is no number stays as typed until it is corrected.
    Keys half;
    half.press("5 Exp +");
    EXPECT_EQ(half.rec.info, "Calculation function Error  Value illegal");
    EXPECT_EQ(half.readout(), "5E-");
    EXPECT_EQ(half.calc.readoutColor(), colors::ErrorPink);
    EXPECT_EQ(half.rec.beeps, 1);
    half.press("BS + 2 =");
    EXPECT_EQ(half.readout(), "7");
    EXPECT_EQ(half.tape(), "5 + 2 = 7\r\n");

    Keys negRoot;
    negRoot.press("8 +/- Pow 0.5 =");
    EXPECT_EQ(negRoot.rec.info, "Calculation function Error  Value illegal");
    EXPECT_EQ(negRoot.readout(), "-8");

    for (const Keys* k : {&big, &sq, &half, &negRoot}) {
        for (const std::string& s : {k->readout(), k->tape()}) {
            EXPECT_EQ(s.find("inf"), std::string::npos) << s;
            EXPECT_EQ(s.find("nan"), std::string::npos) << s;
        }
    }
}

TEST(CalculatorErrors, ANumberBeyondTheRangeOfRealsIsRefusedAsTyped) {
    const std::string over =
        "An Overflow error occurred during calculation. Number 5E+400 is too large";
    const std::string under = "An Underflow error occurred during calculation. Number is too small";
    const struct {
        const char* keys;
        const char* typed;
        std::string message;
        const char* fix; // Backspaces that correct it
        const char* line;
    } cases[] = {
        {"5 Exp 400 +/- =", "5E+400", over, "BS BS", "5E40 x 2 = 1E41\r\n"},
        {"5 Exp 400 =", "5E-400", under, "BS BS", "5E-40 x 2 = 1E-39\r\n"},
        {"2 Exp 9999 =", "2E-9999", under, "BS BS BS", "2E-99 x 2 = 4E-99\r\n"},
    };
    for (const auto& c : cases) {
        Keys k;
        k.press("3 + 4 = CE"); // a finished line before
        k.press(c.keys);
        EXPECT_EQ(k.readout(), c.typed) << c.keys;
        EXPECT_EQ(k.calc.readoutColor(), colors::ErrorPink) << c.keys;
        EXPECT_EQ(k.rec.beeps, 1) << c.keys;
        EXPECT_EQ(k.rec.info, "") << c.keys;
        ASSERT_EQ(k.rec.messages.size(), 1u) << c.keys;
        EXPECT_EQ(k.rec.messages[0], c.message);
        // It takes part in no operation: "x 2 =" neither computes nor writes.
        k.press("x 2 =");
        EXPECT_EQ(k.readout(), std::string(c.typed) + "2") << c.keys;
        EXPECT_EQ(k.rec.messages.size(), 3u) << c.keys;
        EXPECT_EQ(k.tape(), "3 + 4 = 7\r\n") << c.keys;
        // Corrected, it counts again.
        k.press(std::string(c.fix) + " x 2 =");
        EXPECT_EQ(k.tape(), std::string("3 + 4 = 7\r\n") + c.line) << c.keys;
        EXPECT_EQ(k.calc.readoutColor(), colors::White) << c.keys;
    }
    // "5E40" on the tape came from cutting "5E+400" short.
    Keys cut;
    cut.press("5 Exp 400 +/- = x 2 =");
    EXPECT_EQ(cut.tape().find("5E40"), std::string::npos) << cut.tape();
    EXPECT_EQ(cut.tape().find("1E41"), std::string::npos) << cut.tape();
}

TEST(CalculatorErrors, ArcFunctionsOfAZeroValueGiveTheTrueAngle) {
    EXPECT_EQ(ReadoutAfter("0.0 Inv Sin"), "0");
    EXPECT_EQ(ReadoutAfter("0.0 Inv Cos"), "90");
    EXPECT_EQ(ReadoutAfter("0.0 Inv Tan"), "0");
}

// --- the whole keypad by keyboard, and pasted text --------------------------------------------

TEST(CalculatorKeyboard, EveryKeypadCodeHasExactlyOneMeaningPerKey) {
    std::map<char, int> seen;
    std::set<int> codes;
    for (const KeyboardKey& k : DecimalKeyboard) {
        EXPECT_TRUE(seen.emplace(k.typed, k.code).second) << "key typed twice: " << k.keyName;
        codes.insert(k.code);
        EXPECT_EQ(DecimalKeyCode(k.typed), k.code) << k.keyName;
        if (k.typed >= 'A' && k.typed <= 'Z') {
            EXPECT_EQ(DecimalKeyCode(static_cast<char>(k.typed - 'A' + 'a')), k.code);
        }
    }
    for (int code = 0; code <= key::ClearEntry; ++code) {
        EXPECT_TRUE(codes.count(code)) << "no key for code " << code;
    }
    EXPECT_EQ(KeyboardKeysFor(key::Equals), "= or Enter");
    EXPECT_EQ(KeyboardKeysFor(key::Sqrt), "R");
    EXPECT_EQ(KeyboardKeysFor(key::ClearEntry), "Esc");
    // Letters that the keyboard leaves to the hexadecimal digits only.
    for (char unused : std::string("ABDFXZ"))
        EXPECT_EQ(DecimalKeyCode(unused), -1) << unused;
}

TEST(CalculatorKeyboard, TypedKeysActAsTheirButtons) {
    // Each key against the same key pressed on the keypad: same readout, same tape.
    const std::pair<const char*, const char*> cases[] = {
        {"12+3=", "12 + 3 ="},     {"30s", "30 Sin"},
        {"60c", "60 Cos"},         {"45t", "45 Tan"},
        {"i0.5s", "Inv 0.5 Sin"},  {"16r", "16 Sqrt"},
        {"27y3=", "27 Root 3 ="},  {"7q", "7 Sq"},
        {"2^10=", "2 Pow 10 ="},   {"1000l", "1000 Log"},
        {"12e5~", "12 Exp 5 +/-"}, {"4u", "4 1/x"},
        {"5~", "5 +/-"},           {"10n", "10 Ln"},
        {"50%", "50 %"},           {"p*2=", "Pi x 2 ="},
        {"12\b", "12 BS"},         {"3.5/7\r", "3.5 / 7 ="},
    };
    for (const auto& [typed, pressed] : cases) {
        Keys byKeyboard;
        for (char c : std::string(typed))
            EXPECT_TRUE(byKeyboard.calc.ReadOutKeyPress(c));
        Keys byKeypad;
        byKeypad.press(pressed);
        EXPECT_EQ(byKeyboard.readout(), byKeypad.readout()) << typed;
        EXPECT_EQ(byKeyboard.tape(), byKeypad.tape()) << typed;
        EXPECT_EQ(byKeyboard.calc.invActive(), byKeypad.calc.invActive()) << typed;
    }
    Keys k;
    for (char c : std::string("12+3="))
        k.calc.ReadOutKeyPress(c);
    EXPECT_EQ(k.readout(), "15");
    EXPECT_EQ(k.tape(), "12 + 3 = 15\r\n");
}

TEST(CalculatorKeyboard, EscapeIsCEAndKeepsThePendingOperation) {
    Keys k;
    for (char c : std::string("5+7\x1b"
                              "3="))
        k.calc.ReadOutKeyPress(c);
    EXPECT_EQ(k.readout(), "8");
    k.calc.ReadOutKeyPress('i');
    EXPECT_TRUE(k.calc.invActive());
    k.calc.ReadOutKeyPress('\x1b');
    EXPECT_FALSE(k.calc.invActive());
    EXPECT_EQ(k.readout(), "0");
}

TEST(CalculatorKeyboard, HexadecimalLettersKeepTheirMeaningAndEqualsCompletes) {
    Keys k;
    k.calc.Hexidecimal1Click();
    for (char c : std::string("ca+5="))
        k.calc.ReadOutKeyPress(c);
    EXPECT_EQ(k.readout(), "CF");
    k.calc.ReadOutKeyPress('=');
    EXPECT_EQ(k.readout(), "19E"); // "=" again repeats the operation on the result
    // The decimal letters of Sin, Tan and Pi are no hexadecimal keys.
    for (char c : std::string("stp"))
        k.calc.ReadOutKeyPress(c);
    EXPECT_EQ(k.readout(), "19E");
    k.calc.Binary1Click();
    for (char c : std::string("101="))
        k.calc.ReadOutKeyPress(c);
    EXPECT_EQ(k.readout(), "101");
}

TEST(CalculatorPaste, NumbersGoInAsAConstantAndOtherTextIsTyped) {
    for (const char* number : {"42", "-7.5", "1.5E-6", "1E20", " 3.25\r\n", "2e3"}) {
        Keys k;
        k.press("5 +");
        EXPECT_TRUE(k.calc.PasteText(number)) << number;
        std::string expected = number;
        expected.erase(0, expected.find_first_not_of(" "));
        expected.erase(expected.find_last_not_of(" \r\n") + 1);
        if (expected == "2e3") expected = "2E3";
        EXPECT_EQ(k.readout(), expected);
        EXPECT_EQ(k.tape(), "5 + ") << "a pasted number is no key";
        Calculator::Selection sel;
        ASSERT_TRUE(k.calc.takeFocusRequest(sel));
        EXPECT_EQ(sel.start, static_cast<int>(expected.size()));
    }

    Keys pasted;
    EXPECT_TRUE(pasted.calc.PasteText("7*6="));
    Keys typed;
    for (char c : std::string("7*6="))
        typed.calc.ReadOutKeyPress(c);
    EXPECT_EQ(pasted.readout(), "42");
    EXPECT_EQ(pasted.tape(), typed.tape());
    EXPECT_EQ(pasted.tape(), "7 x 6 = 42\r\n");

    // "+5" is no readout: the key + then the digit.
    Keys plus;
    plus.press("2");
    EXPECT_TRUE(plus.calc.PasteText("+5="));
    EXPECT_EQ(plus.readout(), "7");
    EXPECT_EQ(plus.rec.beeps, 0);
    EXPECT_EQ(plus.rec.info, "");
}

TEST(CalculatorPaste, ATextWithAForeignCharacterChangesNothingAndNamesIt) {
    Keys k;
    k.press("9 x");
    EXPECT_FALSE(k.calc.PasteText("7x6="));
    EXPECT_EQ(k.readout(), "9");
    EXPECT_EQ(k.tape(), "9 x ");
    EXPECT_EQ(k.rec.info, "Cannot paste: the character \" x \" is not a calculator key");
    EXPECT_EQ(k.rec.beeps, 1);
    k.press("2 =");
    EXPECT_EQ(k.readout(), "18") << "the pending operation survives";

    Keys hex;
    hex.calc.Hexidecimal1Click();
    EXPECT_FALSE(hex.calc.PasteText("1G"));
    EXPECT_EQ(hex.rec.info, "Cannot paste: the character \" G \" is not a calculator key");
    EXPECT_TRUE(hex.calc.PasteText("a+5="));
    EXPECT_EQ(hex.readout(), "F");
    EXPECT_FALSE(hex.calc.PasteText("-7.5")) << "a decimal number is no hexadecimal text";
    EXPECT_EQ(hex.readout(), "F");
}
