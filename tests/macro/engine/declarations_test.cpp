#include <gtest/gtest.h>

#include "macro_fixture.h"

namespace {

using macrotest::MacroHost;
using macrotest::run;
using macrotest::utf8;

std::string declareError(ppa::TPoorPascal& ppa, const std::string& prototype) {
    try {
        ppa.DeclareRoutine(prototype, false);
    } catch (const ppa::EPPAError& e) {
        return utf8(e.what());
    }
    return "ok";
}

TEST(Program, WithoutVarTheWholeTextRuns) {
    EXPECT_EQ(run("Print('a'); Print('b')"), "a|b");
    EXPECT_EQ(run(""), "");
}

TEST(Program, VarSectionDeclaresZeroedVariables) {
    EXPECT_EQ(run("var i, j: Integer; r: Real; s: String;\n"
                  "begin Print(IntToStr(i + j) + FloatToStr(r) + '[' + s + ']') end."),
              "00[]");
}

TEST(Program, VarWithoutEndFails) {
    EXPECT_EQ(run("var i: Integer;\nbegin i := 1;"), "ERROR: endがありません[Block]");
}

TEST(Program, BodyEndsBeforeTheLastEnd) {
    EXPECT_EQ(run("var i: Integer;\nbegin Print('in') end. Print('after')"), "in");
    EXPECT_EQ(run("var i: Integer;\nbegin Print('a') end; Print('b') end"), "a|b");
}

TEST(Program, VarSectionErrors) {
    EXPECT_EQ(run("var True: Integer; begin end"), "ERROR: 変数/定数名の重複定義[True]");
    EXPECT_EQ(run("var a, A: Integer; begin end"), "ERROR: 変数/定数名の重複定義[A]");
    EXPECT_EQ(run("var 1: Integer; begin end"), "ERROR: 文法エラーです[1]");
    EXPECT_EQ(run("var a Integer; begin end"), "ERROR: 文法エラーです[Integer]");
    EXPECT_EQ(run("var a: Word; begin end"), "ERROR: 文法エラーです[Word]");
    EXPECT_EQ(run("var a: Integer begin end"), "ERROR: 文法エラーです[begin]");
}

TEST(Program, CommentsAreDroppedBeforeRunning) {
    EXPECT_EQ(run("// first\nPrint('a'); // second\n// third\nPrint('b')"), "a|b");
}

TEST(Program, NamesIgnoreLetterCase) {
    EXPECT_EQ(run("VAR Count: INTEGER; BEGIN count := 2; COUNT := Count + 1; print(inttostr(cOuNt)) END"),
              "3");
}

TEST(Program, SecondRunForgetsTheFirstRunsVariables) {
    MacroHost host;
    EXPECT_EQ(host.run("var x: Integer; begin x := 5; Print(IntToStr(x)) end"), "5");
    EXPECT_EQ(host.run("var x: String; begin x := 'again'; Print(x) end"), "again");
    EXPECT_EQ(host.run("Print(x)"), "ERROR: 変数または関数は定義されていません[x]");
}

TEST(Prototypes, BuiltInNameCannotBeRedeclared) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);", "function Copy(S:String):String;"});
    EXPECT_EQ(host.run("Print('x')"), "ERROR: 手続き/関数の重複宣言[COPY]");
    EXPECT_EQ(host.run("Print('x')"), "ERROR: 手続き/関数の重複宣言[COPY]");
}

TEST(Prototypes, BlankLinesAreSkipped) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"", "  ", "procedure Print(S:String);"});
    EXPECT_EQ(host.run("Print('ok')"), "ok");
}

TEST(Prototypes, DefinitionErrors) {
    ppa::TPoorPascal ppa;
    EXPECT_EQ(declareError(ppa, "proc Foo;"), "定義エラーです");
    EXPECT_EQ(declareError(ppa, "procedure\tFoo;"), "定義エラーです");
    EXPECT_EQ(declareError(ppa, "procedure Foo"), "定義エラーです");
    EXPECT_EQ(declareError(ppa, "procedure 1Foo;"), "定義エラーです");
    EXPECT_EQ(declareError(ppa, "procedure Foo(A:Integer;"), "定義エラーです");
    EXPECT_EQ(declareError(ppa, "function Foo;"), "定義エラーです");
    EXPECT_EQ(declareError(ppa, "function Foo: Word;"), "定義エラーです");
}

TEST(Prototypes, ParameterErrors) {
    ppa::TPoorPascal ppa;
    EXPECT_EQ(declareError(ppa, "procedure Foo(A, A: Integer);"), "仮引数名の重複定義[A]");
    EXPECT_EQ(declareError(ppa, "procedure Foo(A: Integer; a: String);"), "仮引数名の重複定義[A]");
    EXPECT_EQ(declareError(ppa, "procedure Foo();"), "文法エラーです[)]");
    EXPECT_EQ(declareError(ppa, "procedure Foo(A Integer);"), "文法エラーです[INTEGER]");
    EXPECT_EQ(declareError(ppa, "procedure Foo(A: Word);"), "文法エラーです[WORD]");
    EXPECT_EQ(declareError(ppa, "procedure Foo(A: Integer, B: Integer);"), "文法エラーです[,]");
    EXPECT_EQ(declareError(ppa, "procedure Copy;"), "手続き/関数の重複宣言[COPY]");
}

TEST(Prototypes, IndexClauseAndParameters) {
    MacroHost host;
    std::vector<std::string> seen;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);", "procedure A;", "procedure B;Index $1001;",
                                  "procedure C(X,Y: Integer; S: String); index 42;",
                                  "procedure D; Index x;"});
    host.ppa.ProcParam = [&](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                             std::int32_t& err) {
        std::string line = name + ":" + std::to_string(index);
        for (const auto& a : args) line += " " + a.Name + "=" + std::to_string(static_cast<int>(a.Type));
        seen.push_back(line);
        err = 0;
    };
    EXPECT_EQ(host.run("a; B; c(1, 2, 'x'); d"), "");
    EXPECT_EQ(seen, (std::vector<std::string>{"A:0", "B:4097", "C:42 X=0 Y=0 S=2", "D:0"}));
}

TEST(Variables, AddedVariablesArePermanentAndUnique) {
    MacroHost host;
    host.ppa.AddIntVariable("Limit", true, 0, false, 7);
    host.ppa.AddStrVariable("Greeting", "hi", 0, false, false);
    EXPECT_EQ(host.run("Print(IntToStr(limit) + greeting)"), "7hi");
    EXPECT_EQ(host.run("greeting := 'changed'; Print(Greeting)"), "changed");
    EXPECT_EQ(host.run("Print(Greeting)"), "changed");
    EXPECT_THROW(host.ppa.AddIntVariable("LIMIT", false, 0, false, 1), ppa::EPPAError);
    try {
        host.ppa.AddStrVariable("nil", "", 0, false, false);
    } catch (const ppa::EPPAError& e) {
        EXPECT_EQ(utf8(e.what()), "変数/定数名の重複定義[nil]");
    }
}

}  // namespace

namespace {

TEST(Prototypes, EditorCommandSetRegisters) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);",
                                  "function GetText:String;",
                                  "function GetSelText:String;",
                                  "function GetSelChar:String;",
                                  "procedure Close(Op:Integer);",
                                  "procedure NewFile(Op:Integer);",
                                  "procedure OpenFile(S:String;Op:Integer);",
                                  "procedure Save;",
                                  "procedure SaveAs(S:String);",
                                  "procedure ReOpen;",
                                  "procedure CursorUp;",
                                  "procedure CursorDown;",
                                  "procedure CursorRight;",
                                  "procedure CursorLeft;",
                                  "procedure MoveLineStart;",
                                  "procedure MoveLineEnd;",
                                  "procedure MoveFileStart;",
                                  "procedure MoveFileEnd;",
                                  "procedure MoveEditStart;",
                                  "procedure MoveEditEnd;",
                                  "procedure SelectAll;",
                                  "procedure SelStart(Pos:Integer);",
                                  "procedure SelLength(Pos:Integer);",
                                  "procedure SelectLine(Row:Integer);",
                                  "procedure SelectCurStart;",
                                  "procedure SelectCurEnd;",
                                  "procedure SelectWord;",
                                  "function GetSelectStart:Integer;",
                                  "function GetCol:Integer;",
                                  "function GetRow:Integer;",
                                  "procedure EditCopy;",
                                  "procedure EditPaste;",
                                  "procedure EditCut;",
                                  "procedure CopyFileName;",
                                  "procedure Undo;",
                                  "procedure Redo;",
                                  "procedure ChangeUpperCase;",
                                  "procedure ChangeLowerCase;",
                                  "function ReverseStr(S:String;Op:Integer):String;",
                                  "procedure Find(S:String;Op1,Op2,Op3,Op4,Op5:Integer);",
                                  "procedure ReplaceAll(S1,S2:String;Op1,Op2,Op3,Op4:Integer);",
                                  "procedure ShowFindDialog;",
                                  "procedure ShowReplaceDialog;",
                                  "function GetActivePage:Integer;",
                                  "procedure SetActivePage(Op:Integer);",
                                  "function GetPageCount:Integer;",
                                  "procedure MovePrevPage;",
                                  "procedure MoveNextPage;",
                                  "function GetPageCaption:String;",
                                  "function GetIndexPageCaption(Op:Integer):String;",
                                  "procedure ShellExecute(Op:String);",
                                  "procedure ShellExecuteB(Op:String);",
                                  "function ReadFile(Op:String):String;",
                                  "procedure WriteFile(Op1:String;Op2:String);",
                                  "procedure ClosePage;"});
    std::vector<std::string> calls;
    auto print = host.ppa.ProcParam;
    host.ppa.ProcParam = [&](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                             std::int32_t& err) {
        if (name == "PRINT") return print(name, index, args, err);
        calls.push_back(name + "/" + std::to_string(args.size()));
        err = 0;
    };
    EXPECT_EQ(host.run("Find('x', 0, 1, 0, 0, 0); CursorDown; ReplaceAll('a', 'b', 0, 0, 0, 0)"), "");
    EXPECT_EQ(calls, (std::vector<std::string>{"FIND/6", "CURSORDOWN/0", "REPLACEALL/6"}));
}

}  // namespace
