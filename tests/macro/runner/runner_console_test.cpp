// What quodex-macro writes: the help, printed characters, UTF-8 macro files,
// where errors arise, --check, and the refusal of Exec and Shell without
// --permit.
#include <string>
#include <vector>

#include "tests/macro/runner/runner_fixture.h"

namespace {

using macrotest::Result;
using macrotest::RunnerTest;
namespace fs = std::filesystem;

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
const std::string kRefusal = "許可されていないマクロ命令が含まれているため強制終了されます\n";

// The text with every "%f" replaced by the macro file's path.
std::string withFile(std::string text, const fs::path& file) {
    for (std::size_t at = text.find("%f"); at != std::string::npos; at = text.find("%f", at))
        text.replace(at, 2, file.string());
    return text;
}

TEST_F(RunnerTest, HelpPrintsTheUsageAndExitsZero) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"--bogus", "--help"}, {"a.qmc", "--help", "b.qmc"}}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind("使い方: quodex-macro [--check] [--define 名前]... [--permit] [--sjis] マクロ.qmc\n", 0),
                  0u)
            << r.out;
        EXPECT_NE(r.out.find("--permit        外部プログラムを起動する Exec と Shell を許可します"), std::string::npos);
        EXPECT_EQ(r.err, "");
    }
}

// A macro file's bytes and the options before it; a normal end writing `out`
// and `err`.
struct OutputCase {
    std::string bytes;
    std::vector<std::string> options;
    std::string out;
    std::string err;
};

class ConsoleOutputTest : public RunnerTest {
protected:
    void expectOutput(const OutputCase& c) {
        std::vector<std::string> args = c.options;
        args.push_back(macroBytes(c.bytes).string());
        const Result r = run(args);
        EXPECT_EQ(r.status, 0) << c.bytes;
        EXPECT_EQ(r.out, c.out) << c.bytes;
        EXPECT_EQ(r.err, c.err) << c.bytes;
    }
};

TEST_F(ConsoleOutputTest, PrintedTextIsTheCharactersThemselves) {
    const OutputCase cases[] = {
        // 0xED40 is a second code of 纊 (0xFA5C): it prints as the character.
        {"Print(#$ED#$40 + #$FA#$5C)", {}, "纊纊\n", ""},
        {"Print('a' + #$81)", {}, "a" + kReplacement + "\n", ""},  // a lead byte with no trail byte
        {"Print(#$FF + 'b')", {}, kReplacement + "b\n", ""},       // a byte that is no character
        {"MessageBox(#$ED#$40 + #$FF, '', 0)", {}, "", "纊" + kReplacement + "\n"},
        {"Print(#$ED#$40 + #$81)", {"--sjis"}, "\xED\x40\x81\n", ""},
    };
    for (const OutputCase& c : cases) expectOutput(c);
}

TEST_F(ConsoleOutputTest, Utf8MacroFilesAreReadAsUtf8) {
    const OutputCase cases[] = {
        {"\xEF\xBB\xBFPrint('abc')", {}, "abc\n", ""},
        {"\xEF\xBB\xBFPrint('日本語')", {}, "日本語\n", ""},
        {"Print('日本語'); // コメント\r\nPrint('纊')", {}, "日本語\n纊\n", ""},
        {"Print('日本')", {"--sjis"}, macrotest::sjis("日本") + "\n", ""},
    };
    for (const OutputCase& c : cases) expectOutput(c);
}

TEST_F(RunnerTest, CharactersShiftJisCannotHoldAreReportedByLine) {
    const fs::path m = macroBytes("Print('a');\nPrint('😀 한 😀 ?');\nPrint('é')");
    for (const std::vector<std::string>& args : {std::vector<std::string>{m}, {"--check", m}}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, withFile("%f:2: Shift-JIS で表せない文字があります: 😀 한\n"
                                  "%f:3: Shift-JIS で表せない文字があります: é\n",
                                  m));
    }
}

TEST_F(RunnerTest, AnErrorSaysWhere) {
    struct Case {
        std::string bytes;  // Shift-JIS
        const char* where;
        std::string message;
    };
    const Case cases[] = {
        {"Print('a');\n\n// note\nFoo", ":4: ", "文法エラーです[Foo]"},
        {"var i: Integer;\nbegin\n  i := 1 div 0\nend", ":3: ", "0で除算しました[div]"},
        {"var i: Integer\nbegin end", ":2: ", "文法エラーです[begin]"},
        {"Print('a');\n\xFF", ":2: ", "文法エラーです[" + kReplacement + "]"},
    };
    for (const Case& c : cases) {
        const fs::path m = macroBytes(c.bytes);
        const Result r = run({m});
        EXPECT_EQ(r.status, 1) << c.bytes;
        EXPECT_EQ(r.err, m.string() + c.where + c.message + "\n") << c.bytes;
    }
}

TEST_F(RunnerTest, CheckReportsEveryErrorAndWarningWithoutRunning) {
    struct Case {
        const char* program;
        int status;
        const char* err;
    };
    const Case cases[] = {
        {"Print('a');\nFoo;\nif False then Bar", 1, "%f:2: 文法エラーです[Foo]\n%f:3: 文法エラーです[Bar]\n"},
        {"var i: Integer;\nbegin\n  i := 1\n  Print('x');\n  i := 5 @ 2;\nend.", 0,
         "%f:4: 警告: 前の文の続きとして読まれ、無視されます(「;」がありませんか)[Print]\n"
         "%f:5: 警告: 文の残りは読まれず無視されます[@]\n"},
        {"Print('clean');\nExec('/bin/sh', '-c \"exit 3\"', True)", 0, ""},
    };
    for (const Case& c : cases) {
        const fs::path m = macro(c.program);
        const Result r = run({"--check", m});
        EXPECT_EQ(r.status, c.status) << c.program;
        EXPECT_EQ(r.out, "") << c.program;
        EXPECT_EQ(r.err, withFile(c.err, m)) << c.program;
    }
}

TEST_F(RunnerTest, WithoutPermitExecAndShellAreRefused) {
    const fs::path made = dir_ / "made";
    const std::string touch = "'-c \"touch " + made.string() + "\"'";
    for (const std::string& call : {"Exec('/bin/sh', " + touch + ", True)", "Shell('/bin/sh', " + touch + ")"}) {
        const fs::path m = macro("Print('before');\nPrint(IntToStr(" + call + "));\nPrint('after')");
        const Result r = run({m});
        EXPECT_EQ(r.status, 1) << call;
        EXPECT_EQ(r.out, "before\n") << call;
        EXPECT_EQ(r.err, kRefusal + m.string() + ":2: 実行を中断しました\n") << call;
        EXPECT_FALSE(fs::exists(made)) << call;
    }
}

TEST_F(RunnerTest, WithPermitShellStartsTheProgram) {
    const Result r = run({"--permit", macro("Print(IntToStr(Shell('/bin/true', '')))")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "42\n");
    EXPECT_EQ(r.err, "");
}

}  // namespace
