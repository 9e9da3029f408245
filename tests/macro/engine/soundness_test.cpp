// Where running the text as written would crash or give garbage, the engine
// raises a clear error or wraps around instead.
#include <gtest/gtest.h>

#include "macro_fixture.h"

namespace {

using macrotest::MacroHost;
using macrotest::run;

std::string intOf(const std::string& expression) {
    return run("var x, z, m: Integer;\nbegin z := 0; m := -9223372036854775807 - 1;\nx := " + expression +
               ";\nPrint(IntToStr(x)) end");
}

std::string realOf(const std::string& expression) {
    return run("var r, z: Real;\nbegin z := 0;\nr := " + expression + ";\nPrint(FloatToStr(r)) end");
}

TEST(Soundness, IntegerDivisionByZeroRaises) {
    EXPECT_EQ(intOf("1 div z"), "ERROR: 0で除算しました[div]");
    EXPECT_EQ(intOf("1 MOD z"), "ERROR: 0で除算しました[MOD]");
}

TEST(Soundness, SmallestIntegerDividedByMinusOneWraps) {
    EXPECT_EQ(intOf("m div (-1)"), "-9223372036854775808");
    EXPECT_EQ(intOf("m mod (-1)"), "0");
}

TEST(Soundness, ArithmeticWrapsOnSixtyFourBits) {
    EXPECT_EQ(intOf("9223372036854775807 + 1"), "-9223372036854775808");
    EXPECT_EQ(intOf("m - 1"), "9223372036854775807");
    EXPECT_EQ(intOf("$100000000 * $100000000"), "0");
    EXPECT_EQ(intOf("-m"), "-9223372036854775808");
    EXPECT_EQ(intOf("0 - m"), "-9223372036854775808");
}

TEST(Soundness, ShiftCountIsTakenModuloSixtyFour) {
    EXPECT_EQ(intOf("1 shl 64"), "1");
    EXPECT_EQ(intOf("1 shl 65"), "2");
    EXPECT_EQ(intOf("256 shr 66"), "64");
    EXPECT_EQ(intOf("1 shl (-1)"), "-9223372036854775808");
}

TEST(Soundness, InvalidRealOperationsRaise) {
    EXPECT_EQ(realOf("1 / z"), "ERROR: 0で除算しました[/]");
    EXPECT_EQ(realOf("z / z"), "ERROR: 0で除算しました[/]");
    EXPECT_EQ(realOf("1e308 * 10"), "ERROR: 実数演算が不正です[*]");
    EXPECT_EQ(realOf("1e308 + 1e308"), "ERROR: 実数演算が不正です[+]");
    EXPECT_EQ(realOf("-1e308 - 1e308"), "ERROR: 実数演算が不正です[-]");
}

TEST(Soundness, ConversionOutsideTheIntegerRangeRaises) {
    EXPECT_EQ(intOf("Trunc(1e19)"), "ERROR: 整数の範囲を超えています[1E19]");
    EXPECT_EQ(intOf("Round(-1e19)"), "ERROR: 整数の範囲を超えています[-1E19]");
    EXPECT_EQ(intOf("Trunc(-9223372036854775808.0)"), "-9223372036854775808");
    EXPECT_EQ(intOf("1e300"), "ERROR: 整数の範囲を超えています[1E300]");
}

std::string repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(Soundness, DeepNestingRaisesInsteadOfOverflowingTheStack) {
    EXPECT_EQ(intOf(repeated("(", 100000) + "1"), "ERROR: 入れ子が深すぎます[(]");
    EXPECT_EQ(run(repeated("begin ", 100000) + "Print('x')"), "ERROR: 入れ子が深すぎます[begin]");
    EXPECT_EQ(run(repeated("if 1 then ", 100000) + "Print('x')"), "ERROR: 入れ子が深すぎます[if]");
    EXPECT_EQ(run("Print(" + repeated("Copy(", 100000) + "'x'"), "ERROR: 入れ子が深すぎます[Copy]");
    EXPECT_EQ(run("var s: String; begin s := " + repeated("'a' + ", 200000) +
                  "'a'; Print(IntToStr(Length(s))) end"),
              "200001");
}

TEST(Soundness, NestingWithinTheLimitsRuns) {
    EXPECT_EQ(intOf(repeated("(", 300) + "1" + repeated(")", 300)), "1");
    EXPECT_EQ(run(repeated("begin ", 300) + "Print('deep')" + repeated(" end", 300)), "deep");
}

TEST(Soundness, StepBudgetEndsEndlessLoops) {
    MacroHost host;
    ppa::Limits limits = host.ppa.GetLimits();
    limits.maxSteps = 1000;
    host.ppa.SetLimits(limits);
    EXPECT_EQ(host.run("while True do ;"), "ERROR: 実行できる文の数の上限を超えました");
    EXPECT_EQ(host.run("var i: Integer; begin for i := 1 to 10 do Print('x') end"), "x|x|x|x|x|x|x|x|x|x");
}

TEST(Soundness, StringLengthLimit) {
    MacroHost host;
    ppa::Limits limits = host.ppa.GetLimits();
    limits.maxStringLength = 1000;
    host.ppa.SetLimits(limits);
    EXPECT_EQ(host.run("var s: String; begin s := 'ab'; while True do s := s + s end"),
              "ERROR: 文字列が長すぎます");
}

TEST(Soundness, UnterminatedStringSwallowsTheRest) {
    // It keeps its opening quote and runs over the line end to the end of the text.
    EXPECT_EQ(run("Print('a');\nPrint('b)\nx"), "a|'b)\r\nx|ERROR: 文法エラーです[]");
}

}  // namespace
