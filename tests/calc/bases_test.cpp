#include "calc/Calculator.h"
#include "calc/NumberBases.h"
#include "calc/TapeFile.h"
#include "platform/Cp1252.h"

#include "RecordingReporter.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

using namespace pelcor;

namespace {

using Recorder = pelcor::testing::RecordingReporter;

// A calculator whose readout is set as if typed, then switched to another base.
struct Calc {
    Recorder rec;
    Calculator calc{rec};
    std::string to(int base, const std::string& readout) {
        calc.ReadOutChange(readout);
        if (base == 0) calc.Decimal1Click();
        if (base == 1) calc.Hexidecimal1Click();
        if (base == 2) calc.Binary1Click();
        return calc.readout();
    }
    // Keys of the hexadecimal keypad: digits and letters as characters, operators as
    // "+", "-", "X", "/", and "=".
    void hex(const std::string& keys) {
        for (char c : keys) {
            if (c == '=')
                calc.CalcFunct();
            else if (c == '+')
                calc.OperatorButton("+", key::Plus);
            else if (c == '-')
                calc.OperatorButton("-", key::Minus);
            else if (c == 'X')
                calc.OperatorButton("X", key::Multiply);
            else if (c == '/')
                calc.OperatorButton("/", key::Divide);
            else if (c >= '0' && c <= '9')
                calc.CalcButt(c - '0');
            else
                calc.CalcButt(c - 'A' + 10);
        }
    }
};

} // namespace

TEST(NumberBases, ConversionsAtTheirWidthBoundaries) {
    EXPECT_EQ(DecToBin(255), "11111111");
    EXPECT_EQ(DecToBin(256), "0000000100000000");
    EXPECT_EQ(DecToBin(65535), "1111111111111111");
    EXPECT_EQ(DecToBin(65536), "00000000000000010000000000000000");
    EXPECT_EQ(DecToBin(-1), "11111111");
    EXPECT_EQ(DecToBin(2147483647), "01111111111111111111111111111111");

    EXPECT_EQ(DecToHex(255), "FF");
    EXPECT_EQ(DecToHex(256), "100");
    EXPECT_EQ(DecToHex(65536), "10000");
    EXPECT_EQ(DecToHex(2147483647), "7FFFFFFF");
    EXPECT_EQ(DecToHex(12.7), "C");
    EXPECT_EQ(DecToHex(-1), "FFFFFFFF");
    EXPECT_EQ(DecToHex(-12.7), "FFFFFFF4");
    EXPECT_FALSE(DecToHex(1e20).has_value());

    EXPECT_EQ(HexToDec("1F"), 31);
    EXPECT_EQ(HexToDec("1fh"), 31);
    EXPECT_EQ(HexToDec("7FFFFFFF"), 2147483647);
    EXPECT_EQ(HexToDec("FFFFFFFF"), -1);
    EXPECT_EQ(HexToDec("FFFFFFF4"), -12);
    EXPECT_EQ(HexToDec("1G"), 0);
    EXPECT_EQ(HexToDec(*DecToHex(-2147483648.0)), -2147483647 - 1);

    EXPECT_EQ(BinToDec("11111111"), 255);
    EXPECT_EQ(BinToDec("0000000100000000"), 256);
    EXPECT_EQ(BinToDec("1891"), 9); // 8 and 9 count as 0
    EXPECT_EQ(BinToDec(std::string(32, '1')), -1);
    EXPECT_EQ(BinToDec("1" + std::string(32, '0')), 0); // the 33rd bit wraps away

    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(12.7), 13);
}

TEST(NumberBases, ModeCommandsConvertTheReadout) {
    Calc c;
    EXPECT_EQ(c.to(2, "255"), "11111111");
    EXPECT_EQ(c.to(1, "11111111"), "FF");
    EXPECT_EQ(c.to(0, "1F"), "31");
    EXPECT_EQ(c.to(1, "12.7"), "C");
    EXPECT_EQ(c.to(0, "C"), "12");
    EXPECT_EQ(c.to(2, "12.7"), "00001101");
    EXPECT_EQ(c.to(1, "00001101"), "D");
    EXPECT_EQ(c.to(2, "D"), "00001101");
    EXPECT_EQ(c.to(0, "00001101"), "13");
    EXPECT_EQ(c.to(2, "-1"), "11111111");
    EXPECT_EQ(c.to(0, "0"), "0");
    EXPECT_EQ(c.to(1, "0"), "0");
    EXPECT_EQ(c.to(1, "0"), "0"); // the mode in force converts nothing
    EXPECT_EQ(c.to(0, "Z"), "0");
    // A readout that is no number stays, with the decimal mode.
    EXPECT_EQ(c.to(1, "5E-"), "5E-");
    EXPECT_EQ(c.calc.calcBase(), NumberBase::Decimal);
    EXPECT_EQ(c.rec.info, "Calculation function Error  Value illegal");
    EXPECT_EQ(c.to(1, "1E20"), "1E20");
    EXPECT_EQ(c.calc.calcBase(), NumberBase::Decimal);
    // Negative numbers survive a trip through hexadecimal.
    EXPECT_EQ(c.to(1, "-1"), "FFFFFFFF");
    EXPECT_EQ(c.to(0, "FFFFFFFF"), "-1");
}

TEST(NumberBases, HexadecimalArithmeticRepeatsWithEquals) {
    Calc c;
    c.to(1, "0");
    c.hex("A+5=");
    EXPECT_EQ(c.calc.readout(), "F");
    c.hex("=");
    EXPECT_EQ(c.calc.readout(), "1E");
    c.hex("=");
    EXPECT_EQ(c.calc.readout(), "3C");

    c.hex("FF-1=");
    EXPECT_EQ(c.calc.readout(), "FE");
    EXPECT_EQ(c.rec.info, "255"); // the first operand in decimal
    c.hex("3X4=");
    EXPECT_EQ(c.calc.readout(), "C");
    c.hex("64/7=");
    EXPECT_EQ(c.calc.readout(), "E"); // 100 / 7 truncates to 14
    c.hex("3-5=");
    EXPECT_EQ(c.calc.readout(), "FFFFFFFE");
    c.hex("+2=");
    EXPECT_EQ(c.calc.readout(), "0");
    c.hex("7FFFFFFF+1=");
    EXPECT_EQ(c.calc.readout(), "80000000"); // 32-bit arithmetic wraps

    c.hex("9/0=");
    ASSERT_EQ(c.rec.messages.size(), 1u);
    EXPECT_EQ(c.rec.messages[0], "An divide by zero error occurred during calculation");
    EXPECT_EQ(c.calc.readout(), "0");

    // The keyboard takes hexadecimal digits and the operators.
    Calc k;
    k.to(1, "0");
    for (char ch : std::string("a+B"))
        EXPECT_TRUE(k.calc.ReadOutKeyPress(ch));
    k.calc.CalcFunct();
    EXPECT_EQ(k.calc.readout(), "15");
    EXPECT_TRUE(k.calc.ReadOutKeyPress('\b'));
    EXPECT_EQ(k.calc.readout(), "1");
    EXPECT_TRUE(k.calc.ReadOutKeyPress('g'));
    EXPECT_EQ(k.calc.readout(), "1");
    // Keys that add nothing in hexadecimal leave the number as it is.
    k.calc.CalcButt(key::Log);
    EXPECT_EQ(k.calc.readout(), "1");
}

TEST(NumberBases, BitwiseKeysOnOperandsOfUnequalLength) {
    auto logic = [](const std::string& op, const std::string& a, const std::string& b) {
        Calc c;
        c.to(2, "0");
        c.calc.ReadOutChange(a);
        c.calc.LogicKey(op);
        c.calc.ReadOutChange(b);
        c.calc.CalcFunct();
        return c.calc.readout();
    };
    EXPECT_EQ(logic("AND", "1100", "1010"), "1000");
    EXPECT_EQ(logic("OR", "1100", "1010"), "1110");
    EXPECT_EQ(logic("XOR", "1100", "1010"), "1001"); // equal bits give 1
    EXPECT_EQ(logic("NOR", "1100", "1010"), "0111"); // 0 only where both are 1
    // The result has the first operand's length; missing second bits count as none.
    EXPECT_EQ(logic("AND", "1111", "11"), "1100");
    EXPECT_EQ(logic("OR", "0000", "1"), "1111");
    EXPECT_EQ(logic("XOR", "0101", "01"), "1100");
    EXPECT_EQ(logic("NOR", "11", "1111"), "00");
    EXPECT_EQ(logic("XOR", "1891", "1001"), "11"); // positions that are not bits are skipped
    EXPECT_EQ(logic("AND", "1100", "0"), "0");     // "=" does nothing on "0"

    // Binary mode types only 0 and 1.
    Calc c;
    c.to(2, "0");
    for (char ch : std::string("1201\b"))
        EXPECT_TRUE(c.calc.ReadOutKeyPress(ch));
    EXPECT_EQ(c.calc.readout(), "101");
}

TEST(Memories, StoreTheTextExactlyAndMarkTheButtons) {
    Calc c;
    c.calc.ReadOutChange("12E-5");
    c.calc.MemoryStore(1);
    EXPECT_EQ(c.calc.memory(1), "12E-5");
    EXPECT_TRUE(c.calc.memoryMarked(1));

    c.calc.ReadOutChange("-4");
    c.calc.MemoryStore(3);
    EXPECT_TRUE(c.calc.memoryMarked(3));

    c.calc.ReadOutChange("0");
    c.calc.MemoryStore(2);
    EXPECT_FALSE(c.calc.memoryMarked(2));
    c.calc.ReadOutChange("7");
    c.calc.MemoryRecall(2); // a memory of "0" leaves the readout alone
    EXPECT_EQ(c.calc.readout(), "7");

    c.calc.ReadOutChange("");
    c.calc.MemoryStore(4);
    EXPECT_EQ(c.calc.readout(), "0");
    EXPECT_EQ(c.calc.memory(4), "0");
    EXPECT_FALSE(c.calc.memoryMarked(4));

    // Recalling while typing, then typing, appends to the recalled text.
    Calc t;
    t.calc.SetMemory(1, "12.5", true);
    t.calc.CalcButt(3);
    t.calc.MemoryRecall(1);
    EXPECT_EQ(t.calc.readout(), "12.5");
    t.calc.CalcButt(7);
    EXPECT_EQ(t.calc.readout(), "12.57");
    c.calc.MemoryRecall(1);
    EXPECT_EQ(c.calc.readout(), "12E-5");
}

TEST(TapeFile, WritesTheTapeAsItIsAndReadsLinesBackFinished) {
    const std::string tape = "5 + 3 = 8\r\n8 x 2 = 16\r\n16 + ";
    EXPECT_EQ(TapeToFileBytes(tape), tape);
    EXPECT_EQ(TapeFromFileBytes(TapeToFileBytes(tape)), "5 + 3 = 8\r\n8 x 2 = 16\r\n16 + \r\n");
    EXPECT_EQ(TapeFromFileBytes(""), "");
    EXPECT_EQ(TapeFromFileBytes("a\nb\rc\r\n\r\nd"), "a\r\nb\r\nc\r\n\r\nd\r\n");
    // Windows-1252 letters come back as the same characters.
    EXPECT_EQ(TapeFromFileBytes("x\xB2\r\n"), "x\xC2\xB2\r\n");
    EXPECT_EQ(TapeToFileBytes("x\xC2\xB2"), "x\xB2");
}

TEST(TapeFile, ReadsAnyBytesAsTheirLinesEachEndedByCrLf) {
    // Line by line, as the tape file's lines are: each one up to its line end (CR LF, LF or
    // CR), converted from Windows-1252 and ended by CR LF.
    auto byLines = [](const std::string& bytes) {
        std::string tape;
        std::size_t start = 0;
        while (start < bytes.size()) {
            std::size_t end = bytes.find_first_of("\r\n", start);
            if (end == std::string::npos) end = bytes.size();
            tape += Cp1252ToUtf8(std::string_view(bytes).substr(start, end - start)) + "\r\n";
            if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++end;
            start = end + 1;
        }
        return tape;
    };
    std::mt19937 random(2026);
    const char pieces[] = {'\r', '\n', 'a', '7', ' ', '\x80', '\xB2', '\xFF', '\x81', '\0'};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 40, ' ');
        for (char& c : bytes)
            c = pieces[random() % sizeof pieces];
        ASSERT_EQ(TapeFromFileBytes(bytes), byLines(bytes)) << "round " << round;
    }
    // The largest tape a file gives: only line ends, each one two bytes.
    EXPECT_EQ(TapeFromFileBytes(std::string(100'000, '\n')).size(), 200'000u);
    EXPECT_EQ(TapeFromFileBytes("\r\r\n\r"), "\r\n\r\n\r\n");
}
