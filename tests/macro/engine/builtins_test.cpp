#include <gtest/gtest.h>

#include "macro/engine/ppa_builtins.h"
#include "macro/engine/ppa_numbers.h"
#include "macro/engine/ppa_prototype.h"
#include "macro_fixture.h"

namespace {

using macrotest::MacroHost;
using macrotest::run;
using macrotest::sjis;

std::string str(const std::string& expression) { return run("Print(" + expression + ")"); }
std::string num(const std::string& expression) { return run("Print(IntToStr(" + expression + "))"); }
std::string real(const std::string& expression) { return run("Print(FloatToStr(" + expression + "))"); }

class RecordingEnvironment : public ppa::TPPAEnvironment {
public:
    void ProcessMessages() override { ++messages; }
    void Sleep(std::uint32_t ms) override { slept.push_back(ms); }
    std::string InputBox(const std::string& c, const std::string& p, const std::string& d) override {
        return c + "/" + p + "/" + d;
    }
    std::int64_t MessageBox(const std::string& text, const std::string& caption,
                            std::int64_t flags) override {
        boxes.push_back(text + "/" + caption + "/" + std::to_string(flags));
        return 6;
    }
    std::int64_t Shell(const std::string& path, const std::string& params) override {
        shells.push_back(path + " " + params);
        return 42;
    }
    bool Exec(const std::string& commandLine, bool wait, std::int64_t& exitCode) override {
        processes.push_back(commandLine + (wait ? " [wait]" : ""));
        exitCode = 3;
        return commandLine.find("missing") == std::string::npos;
    }
    int messages = 0;
    std::vector<std::uint32_t> slept;
    std::vector<std::string> boxes, shells, processes;
};

TEST(Builtins, Copy) {
    EXPECT_EQ(str("Copy('abc', 2, 5)"), "bc");
    EXPECT_EQ(str("Copy('abc', 0, 2)"), "ab");
    EXPECT_EQ(str("Copy('abc', 4, 1)"), "");
    EXPECT_EQ(str("Copy('abc', 1, -1)"), "");
}

TEST(Builtins, DeleteAndInsert) {
    EXPECT_EQ(str("Delete('abcdef', 2, 3)"), "aef");
    EXPECT_EQ(str("Delete('abc', 3, 10)"), "ab");
    EXPECT_EQ(str("Delete('abc', 0, 1)"), "abc");
    EXPECT_EQ(str("Delete('abc', 4, 1)"), "abc");
    EXPECT_EQ(str("Insert('XY', 'abc', 2)"), "aXYbc");
    EXPECT_EQ(str("Insert('XY', 'abc', 0)"), "XYabc");
    EXPECT_EQ(str("Insert('XY', 'abc', 99)"), "abcXY");
}

TEST(Builtins, CaseAndTrim) {
    EXPECT_EQ(str("UpperCase('abcXyz1')"), "ABCXYZ1");
    EXPECT_EQ(str("LowerCase('ABCxYZ1')"), "abcxyz1");
    // The trail byte of ア (83 41) is not the letter A.
    EXPECT_EQ(str("LowerCase('アA')"), "アa");
    EXPECT_EQ(str("'[' + Trim(#9' a b '#13) + ']'"), "[a b]");
    EXPECT_EQ(str("'[' + TrimLeft('  a ') + ']'"), "[a ]");
    EXPECT_EQ(str("'[' + TrimRight('  a ') + ']'"), "[  a]");
}

TEST(Builtins, NumberTexts) {
    EXPECT_EQ(str("IntToStr(-9223372036854775807 - 1)"), "-9223372036854775808");
    EXPECT_EQ(str("FloatToStr(1.5)"), "1.5");
    EXPECT_EQ(str("FloatToStr(1 / 3)"), "0.333333333333333");
    EXPECT_EQ(str("FloatToStr(1e15)"), "1E15");
    EXPECT_EQ(str("FloatToStr(123456789012345)"), "123456789012345");
    EXPECT_EQ(str("FloatToStr(0.00001)"), "0.00001");
    EXPECT_EQ(str("FloatToStr(0.000001)"), "1E-6");
    EXPECT_EQ(str("FloatToStr(-2.5e-7)"), "-2.5E-7");
    EXPECT_EQ(num("StrToInt('42')"), "42");
    EXPECT_EQ(num("StrToInt('-$10')"), "-16");
    EXPECT_EQ(num("StrToInt('4x')"), "0");
    EXPECT_EQ(num("StrToInt('')"), "0");
    EXPECT_EQ(real("StrToFloat('2.5e1')"), "25");
    EXPECT_EQ(real("StrToFloat('abc')"), "0");
}

TEST(Builtins, LengthPosCompare) {
    EXPECT_EQ(num("Length('日本')"), "4");
    EXPECT_EQ(num("Pos('c', 'abcabc')"), "3");
    EXPECT_EQ(num("Pos('x', 'abc')"), "0");
    EXPECT_EQ(num("Pos('', 'abc')"), "0");
    // "ソ" is 83 5C and "表" 95 5C: a backslash search must not hit their trail bytes.
    EXPECT_EQ(num("Pos('\\', 'ソ表\\')"), "5");
    EXPECT_EQ(num("CompareStr('abc', 'abc')"), "0");
    EXPECT_EQ(num("CompareStr('a', 'B')"), "-1");
    EXPECT_EQ(num("CompareStr('b', 'A')"), "1");
    EXPECT_EQ(num("CompareStr('a', 'A')"), "-1");
    EXPECT_EQ(num("CompareStr('ab', 'a')"), "1");
}

TEST(Builtins, TruncRoundFracInt) {
    EXPECT_EQ(num("Trunc(-2.7)"), "-2");
    EXPECT_EQ(num("Round(2.5)"), "2");
    EXPECT_EQ(num("Round(3.5)"), "4");
    EXPECT_EQ(num("Round(-2.5)"), "-2");
    EXPECT_EQ(real("Frac(-2.75)"), "-0.75");
    EXPECT_EQ(real("Int(-2.75)"), "-2");
    EXPECT_EQ(num("Trunc(7)"), "7");
}

TEST(Builtins, IsDefineIgnoresCase) {
    MacroHost host;
    host.ppa.SetDefine({"DEBUG", "Trace"});
    EXPECT_EQ(
        host.run(
            "Print(IntToStr(IsDefine('debug')) + IntToStr(IsDefine('TRACE')) + IntToStr(IsDefine('x')))"),
        "-1-10");
}

TEST(Builtins, EnvironmentRoutines) {
    MacroHost host;
    RecordingEnvironment env;
    host.ppa.SetEnvironment(&env);
    EXPECT_EQ(host.run("Sleep(-1); ProcessMessages; Print(InputBox('c', 'p', 'd'));"
                       "Print(IntToStr(MessageBox('t', 'c', 4)));"
                       "Print(IntToStr(Shell('file', '-x')));"
                       "Print(IntToStr(Exec('/bin/tool', 'a b', True)));"
                       "Print(IntToStr(Exec('/bin/tool', '', 1)));"
                       "Print(IntToStr(Exec('missing', '', True)))"),
              "c/p/d|6|42|3|-1|0");
    EXPECT_EQ(env.slept, std::vector<std::uint32_t>{0xFFFFFFFFu});
    EXPECT_EQ(env.boxes, std::vector<std::string>{"t/c/4"});
    EXPECT_EQ(env.shells, std::vector<std::string>{"file -x"});
    EXPECT_EQ(env.processes, (std::vector<std::string>{"\"/bin/tool\" a b [wait]", "\"/bin/tool\" ",
                                                       "\"missing\"  [wait]"}));
    // One for the program's list and one for the ProcessMessages call.
    EXPECT_EQ(env.messages, 2);
}

TEST(Builtins, DefaultEnvironmentDoesNothing) {
    EXPECT_EQ(run("Sleep(100000000); Print(InputBox('c', 'p', 'default'));"
                  "Print(IntToStr(MessageBox('t', 'c', 0)) + IntToStr(Shell('x', '')) + IntToStr(Exec('x', "
                  "'', -1)))"),
              "default|000");
}

TEST(Calls, ArgumentsCutAtCommaAndParenthesis) {
    EXPECT_EQ(str("Copy('a,b)c', 1, 3)"), "a,b");
    EXPECT_EQ(str("Copy(Copy('abcdef', 2, 4), (1 + 1), 2)"), "cd");
    EXPECT_EQ(str("Copy('abc' 'def', 2, 3)"), "bcd");
    EXPECT_EQ(str("Copy('abc' x, 1, 2)"), "ab");  // the rest of an argument text is ignored
}

TEST(Calls, ArgumentCountErrors) {
    EXPECT_EQ(str("Copy('abc', 1, 2, 3)"), "ERROR: 文法エラーです[,]");
    EXPECT_EQ(str("Copy('abc', 2)"), "ERROR: 文法エラーです[]");
    EXPECT_EQ(str("Copy 'abc'"), "ERROR: 文法エラーです['abc']");
    EXPECT_EQ(run("ProcessMessages(1); Print('ran')"), "ran");
}

TEST(Calls, NestedCallsKeepTheirOwnArguments) {
    EXPECT_EQ(str("Insert(Insert('1', '23', 1), Insert('a', 'bc', 3), 2)"), "b123ca");
}

TEST(Calls, UnknownBuiltinIndex) {
    MacroHost host;
    host.ppa.DeclareRoutine("procedure Mystery(A: Integer);Index $0099;", true);
    host.ppa.DeclareRoutine("function Twisted(S: String): Integer;Index $1001;", true);
    EXPECT_EQ(host.run("Mystery(1)"), "ERROR: 未宣言の組み込み手続きです[)]");
    EXPECT_EQ(host.run("Print(IntToStr(Twisted('a')))"), "ERROR: 未宣言の組み込み関数です[)]");
}

TEST(Calls, BuiltinDeclaredWithFewerParametersReadsSafely) {
    MacroHost host;
    host.ppa.DeclareRoutine("function Short(S: String): String;Index $1001;", true);
    EXPECT_EQ(host.run("Print('[' + Short('abc') + ']')"), "[]");
}

}  // namespace

namespace {

// Every row registers the Index it is found by, and its function belongs to
// the group that Index names: a row edited in one place only is caught here.
TEST(Builtins, EachRowDeclaresItsIndexAndGroup) {
    ppa::NameTables none;
    for (const ppa::BuiltinRow& row : ppa::builtinTable()) {
        const ppa::RoutineEntry routine = ppa::parsePrototype(row.prototype, true, none);
        EXPECT_EQ(routine.Index, row.index) << row.prototype;
        EXPECT_EQ(static_cast<std::size_t>(row.index >> 12), row.function.index()) << row.prototype;
        EXPECT_EQ(routine.IsFunction, row.index >= 0x1000) << row.prototype;
    }
    EXPECT_EQ(ppa::builtinTable().size(), 26u);
}

}  // namespace
