// Where errors arise (the line an EPPAError carries) and what Check finds
// without running anything.
#include <gtest/gtest.h>

#include "macro_fixture.h"

namespace {

using macrotest::lines;
using macrotest::MacroHost;
using macrotest::sjis;
using macrotest::utf8;

// "line: message" of the error a run raises.
std::string errorOf(MacroHost& host, std::string_view program) {
    host.ppa.SetSource(lines(sjis(program)));
    try {
        host.ppa.Execute();
    } catch (const ppa::EPPAError& e) {
        return std::to_string(e.Line()) + ": " + utf8(e.what());
    }
    return "no error";
}

// "line:E:message" and "line:W:message" joined by "|".
std::string checked(MacroHost& host, std::string_view program) {
    host.ppa.SetSource(lines(sjis(program)));
    std::string out;
    for (const ppa::TPPADiagnostic& d : host.ppa.Check())
        out += (out.empty() ? "" : "|") + std::to_string(d.Line) + (d.Warning ? ":W:" : ":E:") + utf8(d.Message);
    return out;
}

struct Case {
    const char* program;
    const char* expected;
};

TEST(ErrorLines, TheLineOfTheTokenOrOfTheRunningStatement) {
    const Case cases[] = {
        // Blank and comment lines count; the token found at fault gives the line.
        {"Print('a');\n\n// note\nx := 1", "4: 文法エラーです[x]"},
        {"Print('a');\nPrint(Copy('x'))", "2: 文法エラーです[]"},
        {"var i: Integer;\nbegin\n  i := (1\n    + 2\nend", "4: 右括弧がありません"},
        // Errors of the running statement: the innermost statement's first line.
        {"if 1 = 1 then\n  Print(IntToStr(1 div 0))", "2: 0で除算しました[div]"},
        {"while True do\nbegin\n  Print('x');\n  Fail\nend", "4: 外部命令がエラーを返しました[FAIL]"},
        // Errors naming the statement's keyword: the keyword's line.
        {"var i: Integer;\nbegin\n  for i := 1 to 3\n    Print('x')\nend", "3: 文法エラーです[for]"},
        {"var x: Integer;\nbegin\n  case x of\n    1: x := 2\n  end\nend", "3: endがありません[case]"},
        // The head of the program.
        {"var i: Integer\nbegin end", "2: 文法エラーです[begin]"},
        {"var i: Integer;\n\nbegin i := 1;", "3: endがありません[Block]"},
    };
    for (const Case& c : cases) {
        MacroHost host;
        host.ppa.SetDeclarePrototype({"procedure Print(S:String);", "procedure Fail;"});
        EXPECT_EQ(errorOf(host, c.program), c.expected) << c.program;
    }
}

TEST(ErrorLines, TerminateFromTheHostIsPlacedAtTheCallingStatement) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);", "procedure Stop;"});
    host.ppa.ProcParam = [&](const std::string&, std::int32_t, const ppa::TPPAArguments&, std::int32_t&) {
        host.ppa.Terminate();
    };
    EXPECT_EQ(errorOf(host, "// first\n\nStop"), "3: 実行を中断しました");
}

TEST(ErrorLines, StatementsRunByTheHostCountTheirOwnLines) {
    MacroHost host;
    try {
        host.ppa.ExecuteStatements("ProcessMessages;\r\nSleep(Nope)");
        FAIL();
    } catch (const ppa::EPPAError& e) {
        EXPECT_EQ(e.Line(), 2u);
        EXPECT_EQ(utf8(e.what()), "変数または関数は定義されていません[Nope]");
    }
}

TEST(Check, ReportsWhatTheRunWouldRaiseAndRunsNothing) {
    const Case cases[] = {
        {"Print('a');\nPrint(Copy('x'));\nPrint('b')", "2:E:文法エラーです[]"},
        // Branches the run may never reach are checked too, nested ones included.
        {"if False then\n  Foo\nelse\n  while True do begin Bar end",
         "2:E:文法エラーです[Foo]|4:E:文法エラーです[Bar]"},
        // Only the first error of a statement: the run stops there.
        {"Print(Copy(Nope, Nada, 1))", "1:E:変数または関数は定義されていません[Nope]"},
        {"var i: Integer;\nbegin\n  for i := 1 to 3\n    Print('x')\nend", "3:E:文法エラーです[for]"},
        // An error in the VAR section ends the check, as it ends the run.
        {"var i: Integer\nbegin Foo end", "2:E:文法エラーです[begin]"},
        {"Print(IntToStr(1 div 0))", ""},  // arithmetic is not evaluated
    };
    for (const Case& c : cases) {
        MacroHost host;
        EXPECT_EQ(checked(host, c.program), c.expected) << c.program;
        EXPECT_TRUE(host.printed.empty()) << c.program;
    }
}

TEST(Check, WarnsWhereTextIsLeftUnread) {
    const Case cases[] = {
        {"var i: Integer;\nbegin\n  i := 1\n  Print('x');\n  i := 5 @ 2;\nend.",
         "4:W:前の文の続きとして読まれ、無視されます(「;」がありませんか)[Print]|"
         "5:W:文の残りは読まれず無視されます[@]"},
        {"Print('a') Print('b')", "1:W:文の残りは読まれず無視されます[Print]"},
        {"while True do begin break now end", "1:W:文の残りは読まれず無視されます[now]"},
        {"if 1 = 1 2 then Print('a')", "1:W:文の残りは読まれず無視されます[2]"},
        {"begin Print('a') end x", "1:W:文の残りは読まれず無視されます[x]"},
        {"var i: Integer;\nbegin i := 1; end;\nPrint('x')", "3:W:最後のendより後ろは実行されません[Print]"},
        // Read past on purpose: "()" after a routine without parameters, a closing "end.".
        {"ProcessMessages();\nbegin Print('a') end.", ""},
        {"var i: Integer;\nbegin i := 1 end.", ""},
    };
    for (const Case& c : cases) {
        MacroHost host;
        EXPECT_EQ(checked(host, c.program), c.expected) << c.program;
    }
}

TEST(Check, EveryStatementKindReadsCleanly) {
    const char* program =
        "var i, n: Integer; s: String;\n"
        "begin\n"
        "  for i := 1 to 3 do\n"
        "  begin\n"
        "    if i mod 2 = 0 then n := n + i else begin n := n - 1; end;\n"
        "  end;\n"
        "  while n < 10 do n := n + 1;\n"
        "  repeat n := n - 1 until n = 0;\n"
        "  case n of\n"
        "    0: s := 'zero';\n"
        "    1..2: begin s := 'few' end;\n"
        "  else\n"
        "    s := 'many';\n"
        "  end;\n"
        "  Print(s);\n"
        "end.";
    MacroHost host;
    EXPECT_EQ(checked(host, program), "");
    EXPECT_EQ(host.run(program), "zero");  // the check leaves nothing behind
}

TEST(Check, IsRefusedWhileARunGoes) {
    MacroHost host;
    std::string refusal;
    host.ppa.ProcParam = [&](const std::string&, std::int32_t, const ppa::TPPAArguments&, std::int32_t& err) {
        try {
            host.ppa.Check();
        } catch (const ppa::EPPAError& e) {
            refusal = utf8(e.what());
        }
        err = 0;
    };
    EXPECT_EQ(host.run("Print('x'); Print('y')"), "");
    EXPECT_EQ(refusal, "マクロは既に実行中です");
}

}  // namespace
