#include <gtest/gtest.h>

#include "macro_fixture.h"

namespace {

using macrotest::run;

// Prints the integer the expression gives in an integer assignment.
std::string intOf(const std::string& expression, const std::string& decl = "") {
    return run("var x, a, b: Integer; r: Real; s: String;" + decl +
               "\nbegin a := 6; b := 3; r := 2.5; s := 'a';\n" + "x := " + expression +
               ";\nPrint(IntToStr(x)) end");
}

std::string realOf(const std::string& expression) {
    return run("var x: Integer; r, q: Real; s: String;\nbegin x := 4; q := 0.5; s := '2.5';\nr := " +
               expression + ";\nPrint(FloatToStr(r)) end");
}

std::string strOf(const std::string& expression) {
    return run("var x: Integer; s, t: String;\nbegin x := 1; t := 'T';\ns := " + expression +
               ";\nPrint(s) end");
}

TEST(IntegerContext, Arithmetic) {
    EXPECT_EQ(intOf("1 + 2 * 3"), "7");
    EXPECT_EQ(intOf("(1 + 2) * 3"), "9");
    EXPECT_EQ(intOf("-7 div 2"), "-3");
    EXPECT_EQ(intOf("-7 mod 2"), "-1");
    EXPECT_EQ(intOf("7 mod (-2)"), "1");
    EXPECT_EQ(intOf("$FF and 15 or 256 xor 1"), "270");
    EXPECT_EQ(intOf("1 shl 4 + 256 shr 2"), "80");
    EXPECT_EQ(intOf("(-1) shr 60"), "15");
    EXPECT_EQ(intOf("-1 shr 60"), "0");  // the minus applies to the whole term
    EXPECT_EQ(intOf("+a - b"), "3");
}

TEST(IntegerContext, SlashEndsTheExpression) { EXPECT_EQ(intOf("7 / 2"), "7"); }

TEST(IntegerContext, ComparisonsChain) {
    EXPECT_EQ(intOf("1 < 2 < 3"), "-1");
    EXPECT_EQ(intOf("3 > 2 > 1"), "0");  // (3 > 2) is -1, and -1 > 1 is false
    EXPECT_EQ(intOf("a = 6"), "-1");
    EXPECT_EQ(intOf("a <> 6"), "0");
    EXPECT_EQ(intOf("a >= 6"), "-1");
    EXPECT_EQ(intOf("a <= 5"), "0");
}

TEST(IntegerContext, NotAndMinusOnlyLeadATermOrSum) {
    EXPECT_EQ(intOf("not 0"), "-1");
    EXPECT_EQ(intOf("not 1"), "-2");
    EXPECT_EQ(intOf("not 1 * 2"), "-4");
    EXPECT_EQ(intOf("- 2 * 3 + 1"), "-5");
    EXPECT_EQ(intOf("a and not b"), "ERROR: 変数または関数は定義されていません[not]");
    EXPECT_EQ(intOf("a and (not b)"), "4");
    EXPECT_EQ(intOf("2 * -3"), "ERROR: 文法エラーです[-]");
    EXPECT_EQ(intOf("2 * (-3)"), "-6");
}

TEST(IntegerContext, TypeRuleByTheFirstToken) {
    EXPECT_EQ(intOf("r + 1"), "3");
    EXPECT_EQ(intOf("1 + r"), "ERROR: 変数の型が違います[r]");
    EXPECT_EQ(intOf("'12' + '3'"), "123");
    EXPECT_EQ(intOf("'abc'"), "-1");
    EXPECT_EQ(intOf("'$10'"), "16");
    EXPECT_EQ(intOf("s = 'a'"), "-1");
    EXPECT_EQ(intOf("2.9"), "2");
    EXPECT_EQ(intOf("-2.9"), "ERROR: 文法エラーです[2.9]");  // "-" gives no type
    EXPECT_EQ(intOf("Length('abc') * 2"), "6");
    EXPECT_EQ(intOf("Trim(' 5 ')"), "5");
}

TEST(IntegerContext, ParenthesesChooseTheirOwnContext) {
    EXPECT_EQ(intOf("(r * 2) + 1"), "6");
    EXPECT_EQ(intOf("('4' + '2') + 1"), "43");
    EXPECT_EQ(intOf("(1.5 + 2) * 2"), "6");
    EXPECT_EQ(intOf("(1 + 2"), "ERROR: 右括弧がありません");
    EXPECT_EQ(intOf("1 + )"), "ERROR: 文法エラーです[)]");
}

TEST(IntegerContext, PrimaryErrors) {
    EXPECT_EQ(intOf("s + 1"), "ERROR: 文法エラーです[1]");  // a string expression: "+" then 1
    EXPECT_EQ(intOf("1 + s"), "ERROR: 変数の型が違います[s]");
    EXPECT_EQ(intOf("1 + IntToStr(1)"), "ERROR: 関数の戻り値の型が違います[IntToStr]");
    EXPECT_EQ(intOf("1 + nothing"), "ERROR: 変数または関数は定義されていません[nothing]");
    EXPECT_EQ(intOf("1 + 2.5"), "ERROR: 文法エラーです[2.5]");
    EXPECT_EQ(intOf("1 + 'x'"), "ERROR: 文法エラーです['x']");
    EXPECT_EQ(intOf(""), "ERROR: 文法エラーです[]");
}

TEST(IntegerContext, Literals) {
    EXPECT_EQ(intOf("$7FFFFFFFFFFFFFFF"), "9223372036854775807");
    EXPECT_EQ(intOf("$FFFFFFFFFFFFFFFF"), "-1");
    EXPECT_EQ(intOf("$10000000000000000"), "0");
    EXPECT_EQ(intOf("9223372036854775808"), "0");
    EXPECT_EQ(intOf("$"), "0");
}

TEST(RealContext, Arithmetic) {
    EXPECT_EQ(realOf("1 / 4"), "0.25");
    EXPECT_EQ(realOf("x * q + 1"), "3");
    EXPECT_EQ(realOf("-q * 2"), "-1");
    EXPECT_EQ(realOf("1.5e3"), "1500");
    EXPECT_EQ(realOf("2 > 1"), "-1");
    EXPECT_EQ(realOf("q = 0.5"), "-1");
    EXPECT_EQ(realOf("$10"), "0");
    EXPECT_EQ(realOf("1e + 1"), "1");
}

TEST(RealContext, ParenthesesConvert) {
    EXPECT_EQ(realOf("('1.5')"), "1.5");
    EXPECT_EQ(realOf("('x')"), "-1");
    EXPECT_EQ(realOf("(7 div 2) + 0.5"), "3.5");
    EXPECT_EQ(realOf("(s) * 2"), "5");
    EXPECT_EQ(realOf("(1"), "ERROR: 右括弧がありません");
}

TEST(RealContext, Errors) {
    EXPECT_EQ(realOf("'1.5'"), "ERROR: 文法エラーです['1.5']");
    EXPECT_EQ(realOf("s"), "ERROR: 変数の型が違います[s]");
    EXPECT_EQ(realOf("IntToStr(1)"), "ERROR: 関数の戻り値の型が違います[IntToStr]");
    EXPECT_EQ(realOf("nothing"), "ERROR: 変数または関数は定義されていません[nothing]");
    EXPECT_EQ(realOf("x div 2"), "4");  // div is no real operator: the expression ends
}

TEST(StringContext, ConcatenationAndLiterals) {
    EXPECT_EQ(strOf("'a' + t + 'b'"), "aTb");
    EXPECT_EQ(strOf("'x' #65#$42"), "xAB");
    EXPECT_EQ(strOf("t 'y'"), "Ty");
    EXPECT_EQ(strOf("'it''s'"), "it's");
    EXPECT_EQ(strOf("#256"), "");
    EXPECT_EQ(strOf("#0065"), "\x06");
    EXPECT_EQ(strOf("''"), "");
    EXPECT_EQ(strOf("('a' + 'b') + 'c'"), "abc");
}

TEST(StringContext, LiteralWithLineBreakCodes) {
    EXPECT_EQ(run("var s: String; begin s := 'ab'#13#10; Print(IntToStr(Length(s)) + Copy(s, 3, 1)) end"),
              "4\r");
}

TEST(StringContext, ComparisonsYieldMinusOneOrZero) {
    EXPECT_EQ(strOf("'a' < 'b'"), "-1");
    EXPECT_EQ(strOf("'a' < 'B'"), "0");
    EXPECT_EQ(strOf("'ab' > 'a'"), "-1");
    EXPECT_EQ(strOf("'a' = 'a' = '-1'"), "-1");
    EXPECT_EQ(strOf("'b' >= 'b'"), "-1");
    EXPECT_EQ(strOf("'b' <> 'b'"), "0");
}

TEST(StringContext, Errors) {
    EXPECT_EQ(strOf("x"), "ERROR: 変数の型が違います[x]");
    EXPECT_EQ(strOf("Length('a')"), "ERROR: 関数の戻り値の型が違います[Length]");
    EXPECT_EQ(strOf("nothing"), "ERROR: 変数または関数は定義されていません[nothing]");
    EXPECT_EQ(strOf("1"), "ERROR: 文法エラーです[1]");
    EXPECT_EQ(strOf("('a'"), "ERROR: 右括弧がありません");
    EXPECT_EQ(strOf("#"), "ERROR: 数値に変換できません[#]");
}

TEST(Conditions, CompareStringsAndRealsByTheFirstOperand) {
    EXPECT_EQ(run("var s: String; begin s := 'a'; if s = 'a' then Print('yes'); s := 'A';"
                  " if s = 'a' then Print('no') end"),
              "yes");
    EXPECT_EQ(run("var r: Real; begin r := 0.5; if r < 1 then Print('small') end"), "small");
}

}  // namespace
