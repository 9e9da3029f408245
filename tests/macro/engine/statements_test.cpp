#include <gtest/gtest.h>

#include "macro_fixture.h"

namespace {

using macrotest::MacroHost;
using macrotest::run;

std::string body(const std::string& statements) {
    return run("var i, j, x, y: Integer; s: String;\nbegin\n" + statements + "\nend");
}

TEST(Statements, BareListRunsInOrder) { EXPECT_EQ(run("Print('1'); Print('2');; Print('3')"), "1|2|3"); }

TEST(Statements, CallsIgnoreWhatFollowsThem) {
    EXPECT_EQ(run("ProcessMessages(); Print('a') Print('b')"), "a");
    EXPECT_EQ(body("x := 1 y := 2; Print(IntToStr(x) + IntToStr(y))"), "10");
    EXPECT_EQ(run("Length('abc'); Print('after')"), "after");
}

TEST(Statements, StatementErrors) {
    EXPECT_EQ(run("1 := 2"), "ERROR: 文法エラーです[1]");
    EXPECT_EQ(run("foo"), "ERROR: 文法エラーです[foo]");
    EXPECT_EQ(body("x = 1"), "ERROR: 文法エラーです[=]");
    EXPECT_EQ(run("True := 0"), "ERROR: 読取専用オブジェクトには代入できません[True]");
    EXPECT_EQ(run("nil := 'x'"), "ERROR: 読取専用オブジェクトには代入できません[nil]");
    EXPECT_EQ(run("Print 'x'"), "ERROR: 文法エラーです['x']");
    EXPECT_EQ(run("Print('x'"), "x|ERROR: 文法エラーです[]");
}

TEST(Begin, BlocksNestAndMayBeEmpty) {
    EXPECT_EQ(body("begin end; begin Print('a'); begin Print('b') end end; Print('c')"), "a|b|c");
}

TEST(If, ThenElseAndDanglingElse) {
    EXPECT_EQ(body("x := 1; if x = 1 then Print('one') else Print('other')"), "one");
    EXPECT_EQ(body("x := 2; if x = 1 then Print('one') else Print('other')"), "other");
    EXPECT_EQ(body("if True then if False then x := 1 else x := 2; Print(IntToStr(x))"), "2");
    EXPECT_EQ(body("if False then if True then x := 1 else x := 2; Print(IntToStr(x))"), "0");
    EXPECT_EQ(body("if 1 then begin Print('a'); Print('b') end else begin Print('c') end"), "a|b");
    EXPECT_EQ(body("if 0 then begin Print('a') end else begin Print('c'); Print('d') end"), "c|d");
}

TEST(If, MissingThenOrEmptyThenPartIsAnError) {
    EXPECT_EQ(body("if x = 0 Print('a')"), "ERROR: 文法エラーです[if]");
    EXPECT_EQ(body("if x = 0 then"), "ERROR: 文法エラーです[if]");
}

TEST(If, ElseRightAfterThenTakesTheRestAsThenPart) {
    EXPECT_EQ(body("if 1 then else Print('taken')"), "taken");
}

TEST(While, LoopsWhileTheConditionHolds) {
    EXPECT_EQ(body("while i < 3 do begin i := i + 1; Print(IntToStr(i)) end"), "1|2|3");
    EXPECT_EQ(body("while i < 3 do i := i + 1; Print(IntToStr(i))"), "3");
    EXPECT_EQ(body("while i < 3 Print('x')"), "ERROR: 文法エラーです[while]");
}

TEST(While, ContinueAndBreak) {
    EXPECT_EQ(body("while True do begin i := i + 1; if i mod 2 = 0 then continue; if i > 6 then break;"
                   " Print(IntToStr(i)) end; Print('end')"),
              "1|3|5|end");
}

TEST(Repeat, RunsAtLeastOnce) {
    EXPECT_EQ(body("repeat i := i + 1 until True; Print(IntToStr(i))"), "1");
    EXPECT_EQ(body("repeat i := i + 1; Print(IntToStr(i)) until i >= 3"), "1|2|3");
    EXPECT_EQ(body("repeat i := i + 1; if i = 2 then continue; if i = 4 then break; Print(IntToStr(i)) "
                   "until False; Print('out')"),
              "1|3|out");
}

TEST(Repeat, ContinueStillTestsTheCondition) {
    MacroHost host;
    ppa::Limits limits = host.ppa.GetLimits();
    limits.maxSteps = 10000;  // a CONTINUE that skipped the test would loop for ever
    host.ppa.SetLimits(limits);
    EXPECT_EQ(host.run("var i: Integer; begin repeat i := i + 1; continue; Print('skipped') until i = 3;"
                       " Print(IntToStr(i)) end"),
              "3");
}

TEST(Repeat, AsNestedStatementItRunsAsALoop) {
    EXPECT_EQ(body("if True then repeat i := i + 1 until i = 3 else Print('no'); Print(IntToStr(i))"), "3");
    EXPECT_EQ(body("while i < 1 do repeat i := i + 1; j := j + 1 until j = 4; Print(IntToStr(j))"), "4");
}

TEST(For, CountsUpAndDown) {
    EXPECT_EQ(body("for i := 1 to 3 do Print(IntToStr(i))"), "1|2|3");
    EXPECT_EQ(body("for i := 3 downto 1 do Print(IntToStr(i)); Print(IntToStr(i))"), "3|2|1|1");
    EXPECT_EQ(body("for i := 1 to 0 do Print('never'); Print(IntToStr(i))"), "1");
    EXPECT_EQ(body("for i := 1 to 3 do begin Print(IntToStr(i)); i := 10 end; Print(IntToStr(i))"),
              "1|2|3|10");
}

TEST(For, CountFixedBeforeTheFirstIteration) {
    EXPECT_EQ(body("x := 2; for i := 1 to x do begin x := 5; Print(IntToStr(i)) end"), "1|2");
}

TEST(For, DowntoLimitIsReadOnce) {
    EXPECT_EQ(body("x := 1; for i := 3 downto x do begin x := 3; Print(IntToStr(i)) end; Print(IntToStr(i))"),
              "3|2|1|1");
}

TEST(For, BoundsAreThirtyTwoBit) {
    EXPECT_EQ(body("for i := $100000001 to 2 do Print(IntToStr(i))"), "1|2");
    EXPECT_EQ(body("for i := 5000000000 to 0 do Print('x'); Print(IntToStr(i))"), "5000000000");
}

TEST(For, BreakContinueAndErrors) {
    EXPECT_EQ(
        body("for i := 1 to 10 do begin if i = 2 then continue; if i = 4 then break; Print(IntToStr(i)) end"),
        "1|3");
    EXPECT_EQ(body("for s := 1 to 2 do Print('x')"), "ERROR: 文法エラーです[for]");
    EXPECT_EQ(body("for True := 1 to 2 do Print('x')"), "ERROR: 文法エラーです[for]");
    EXPECT_EQ(body("for i = 1 to 2 do Print('x')"), "ERROR: 文法エラーです[for]");
    EXPECT_EQ(body("for i := 1 until 2 do Print('x')"), "ERROR: 文法エラーです[for]");
    // The initial assignment runs before the missing DO is noticed.
    EXPECT_EQ(body("for i := 7 to 9 Print('x'); Print(IntToStr(i))"), "ERROR: 文法エラーです[for]");
}

TEST(Case, EveryMatchingBranchRuns) {
    EXPECT_EQ(body("x := 2; case x of 1..3: y := 1; 2: y := 2; end; Print(IntToStr(y))"), "2");
    EXPECT_EQ(body("x := 2; case x of 1..3: Print('a'); 2, 7: Print('b'); 4: Print('c'); end"), "a|b");
}

TEST(Case, LaterLabelsAreReadAfterEarlierBranchesRanAgainstTheFirstSelector) {
    // Branch 1 changes x and y: the selector stays 1, and the label y is read
    // only when its turn comes, so it now matches.
    EXPECT_EQ(body("x := 1; case x of 1: begin x := 2; y := 1 end; y: Print('y'); 2: Print('two'); end"), "y");
}

TEST(Case, ElseRunsWhenNoBranchRan) {
    EXPECT_EQ(body("x := 9; case x of 1: Print('a'); else Print('b'); Print('c') end; Print('d')"), "b|c|d");
    EXPECT_EQ(body("x := 1; case x of 1: Print('a'); else Print('b') end"), "a");
    EXPECT_EQ(body("x := 5; case x of 1: begin Print('a') end; 5: begin Print('e') end end"), "e");
}

TEST(Case, Errors) {
    EXPECT_EQ(body("case x 1: Print('a'); end"), "ERROR: ofがありません[case]");
    EXPECT_EQ(body("case x of 0: Print('a'); 1 Print('b'); end"), "a|ERROR: 式が不正です[case]");
    // A last branch written right before END swallows the END.
    EXPECT_EQ(body("x := 1; case x of 0: Print('a'); 1: Print('b') end"), "b|ERROR: endがありません[case]");
}

TEST(Case, LabelsAreExpressions) {
    EXPECT_EQ(body("x := 12; y := 10; case x of y + 1..y * 2: Print('in'); (1), 2: Print('low'); end"), "in");
    EXPECT_EQ(body("x := -3; case x of -5..-1: Print('neg'); end"), "neg");
}

TEST(Flow, BreakOrContinueOutsideALoopEndsTheRun) {
    EXPECT_EQ(body("Print('a'); break; Print('b')"), "a");
    EXPECT_EQ(body("Print('a'); begin continue end; Print('b')"), "a");
}

TEST(Flow, ExitEndsTheRunFromAnyDepth) {
    EXPECT_EQ(body("for i := 1 to 3 do begin while True do begin Print('in'); exit end end; Print('after')"),
              "in");
}

TEST(Flow, FlagsClearedByTheNextRun) {
    MacroHost host;
    EXPECT_EQ(host.run("Print('a'); exit; Print('b')"), "a");
    EXPECT_EQ(host.run("Print('c')"), "c");
}

}  // namespace
