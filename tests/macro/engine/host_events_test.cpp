#include <gtest/gtest.h>

#include "macro_fixture.h"

namespace {

using macrotest::MacroHost;
using macrotest::sjis;
using macrotest::utf8;

TEST(HostCalls, ArgumentsArriveByPositionWithTheirTypes) {
    MacroHost host;
    host.ppa.SetDeclarePrototype(
        {"procedure Print(S:String);", "procedure Show(N: Integer; R: Real; S: String);"});
    std::string seen;
    auto print = host.ppa.ProcParam;
    host.ppa.ProcParam = [&](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                             std::int32_t& err) {
        if (name != "SHOW") return print(name, index, args, err);
        seen = args[0].Name + "=" + std::to_string(args[0].IntValue) + " " + args[1].Name + "=" +
               std::to_string(args[1].RealValue).substr(0, 4) + " " + args[2].Name + "=" + args[2].StrValue;
        err = 0;
    };
    EXPECT_EQ(host.run("show(1 + 1, 2.5, 'x' + 'y')"), "");
    EXPECT_EQ(seen, "N=2 R=2.50 S=xy");
}

TEST(HostCalls, FunctionsOfEveryResultType) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);",
                                  "function Twice(N: Integer): Integer; Index 7;",
                                  "function Half(R: Real): Real;", "function Greet(S: String): String;"});
    host.ppa.IntFuncParam = [](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                               std::int32_t& err, std::int64_t& result) {
        EXPECT_EQ(name, "TWICE");
        EXPECT_EQ(index, 7);
        EXPECT_EQ(result, 0);
        result = args[0].IntValue * 2;
        err = 0;
    };
    host.ppa.RealFuncParam = [](const std::string&, std::int32_t, const ppa::TPPAArguments& args,
                                std::int32_t& err, double& result) {
        result = args[0].RealValue / 2;
        err = 0;
    };
    host.ppa.StrFuncParam = [](const std::string&, std::int32_t, const ppa::TPPAArguments& args,
                               std::int32_t& err, std::string& result) {
        EXPECT_EQ(result, "");
        result = "hello " + args[0].StrValue;
        err = 0;
    };
    EXPECT_EQ(host.run("Print(IntToStr(Twice(21)) + ' ' + FloatToStr(Half(3)) + ' ' + Greet('you'))"),
              "42 1.5 hello you");
    EXPECT_EQ(host.run("Twice(1); Half(1); Greet('x'); Print('discarded')"), "discarded");
}

TEST(HostCalls, NestedCallOfTheSameRoutineKeepsTheOuterArguments) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);", "function Wrap(A, B: String): String;"});
    host.ppa.StrFuncParam = [](const std::string&, std::int32_t, const ppa::TPPAArguments& args,
                               std::int32_t& err, std::string& result) {
        result = "(" + args[0].StrValue + "," + args[1].StrValue + ")";
        err = 0;
    };
    EXPECT_EQ(host.run("Print(Wrap('a', Wrap('b', 'c')))"), "(a,(b,c))");
}

TEST(HostCalls, NonZeroErrorCodeGoesThroughErrorProc) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);", "procedure Fail;"});
    host.ppa.ErrorProc = [](std::int32_t code, std::string& message) {
        message = sjis("エラー番号 ") + std::to_string(code);
    };
    auto print = host.ppa.ProcParam;
    host.ppa.ProcParam = [&](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                             std::int32_t& err) {
        if (name == "FAIL") {
            err = 5;
            return;
        }
        print(name, index, args, err);
    };
    EXPECT_EQ(host.run("Print('before'); Fail; Print('after')"), "before|ERROR: エラー番号 5");
}

TEST(HostCalls, UnassignedEventEndsTheRunWithCodeMinusOne) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);", "function Ask: Integer;"});
    std::int32_t seenCode = 0;
    host.ppa.ErrorProc = [&](std::int32_t code, std::string&) { seenCode = code; };
    EXPECT_EQ(host.run("Print(IntToStr(Ask))"), "ERROR: 外部命令がエラーを返しました[ASK]");
    EXPECT_EQ(seenCode, -1);
    host.ppa.ProcParam = nullptr;
    host.ppa.ErrorProc = nullptr;
    EXPECT_EQ(host.run("Print('x')"), "ERROR: 外部命令がエラーを返しました[PRINT]");
}

TEST(HostObjects, ReadsAskTheHostAndWritesTellIt) {
    MacroHost host;
    host.ppa.AddIntVariable("Counter", false, 3, true, 10);
    host.ppa.AddStrVariable("Title", "stored", 4, true, false);
    std::vector<std::string> log;
    std::int64_t hostCounter = 100;
    host.ppa.IntObjParam = [&](const std::string& name, std::int32_t index, std::uint8_t mode,
                               std::int32_t& err, std::int64_t& value) {
        log.push_back(name + ":" + std::to_string(index) + ":" + std::to_string(mode) + ":" +
                      std::to_string(value));
        if (mode == 0) value = hostCounter;
        if (mode == 1) hostCounter = value;
        err = 0;
    };
    host.ppa.StrObjParam = [&](const std::string& name, std::int32_t, std::uint8_t mode, std::int32_t& err,
                               std::string& value) {
        log.push_back(name + ":" + std::to_string(mode) + ":" + value);
        if (mode == 0) value = "from host";
        err = 0;
    };
    EXPECT_EQ(host.run("Counter := Counter + 1; Print(IntToStr(Counter)); Title := 'new'; Print(Title)"),
              "101|from host");
    EXPECT_EQ(log, (std::vector<std::string>{"Counter:3:0:10", "Counter:3:1:101", "Counter:3:0:101",
                                             "Title:1:new", "Title:0:new"}));
    EXPECT_EQ(host.ppa.FindVariable("counter")->IntValue, 101);
}

TEST(HostObjects, ReadWithoutHandlerFailsWriteWithoutHandlerStores) {
    MacroHost host;
    host.ppa.AddIntVariable("Obj", false, 0, true, 5);
    EXPECT_EQ(host.run("Obj := 6"), "");
    EXPECT_EQ(host.ppa.FindVariable("Obj")->IntValue, 6);
    EXPECT_EQ(host.run("Print(IntToStr(Obj))"), "ERROR: 外部命令がエラーを返しました[Obj]");
}

TEST(HostObjects, ForLoopTellsTheHostOnlyItsInitialAssignment) {
    MacroHost host;
    host.ppa.AddIntVariable("Obj", false, 0, true, 0);
    std::vector<std::int64_t> written;
    host.ppa.IntObjParam = [&](const std::string&, std::int32_t, std::uint8_t mode, std::int32_t& err,
                               std::int64_t& value) {
        if (mode == 1) written.push_back(value);
        err = 0;
    };
    EXPECT_EQ(host.run("for Obj := 1 to 3 do ;"), "");
    EXPECT_EQ(written, std::vector<std::int64_t>{1});
    EXPECT_EQ(host.ppa.FindVariable("Obj")->IntValue, 3);
}

TEST(HostObjects, ReadOnlyObjectRefusesAssignment) {
    MacroHost host;
    host.ppa.AddStrVariable("Fixed", "x", 0, true, true);
    EXPECT_EQ(host.run("Fixed := 'y'"), "ERROR: 読取専用オブジェクトには代入できません[Fixed]");
}

class StoppingEnvironment : public ppa::TPPAEnvironment {
public:
    explicit StoppingEnvironment(ppa::TPoorPascal& ppa) : ppa_(ppa) {}
    void ProcessMessages() override {
        if (++calls == stopAt) ppa_.Terminate();
    }
    int calls = 0;
    int stopAt = 0;

private:
    ppa::TPoorPascal& ppa_;
};

TEST(Terminate, StopsARunningProgramFromMessageProcessing) {
    MacroHost host;
    StoppingEnvironment env(host.ppa);
    env.stopAt = 50;
    host.ppa.SetEnvironment(&env);
    EXPECT_EQ(host.run("while True do ;"), "ERROR: 実行を中断しました");
    EXPECT_TRUE(host.ppa.StopRequested());
    EXPECT_FALSE(host.ppa.Running());
    env.stopAt = -1;
    EXPECT_EQ(host.run("Print('again')"), "again");
    EXPECT_FALSE(host.ppa.StopRequested());
}

TEST(Terminate, SwallowedStopStillEndsTheRunAtTheNextStatement) {
    MacroHost host;
    struct Env : ppa::TPPAEnvironment {
        ppa::TPoorPascal* ppa = nullptr;
        void ProcessMessages() override {
            try {
                ppa->Terminate();  // a stop command whose message the host showed itself
            } catch (const ppa::EPPAError&) {
            }
        }
    } env;
    env.ppa = &host.ppa;
    host.ppa.SetEnvironment(&env);
    EXPECT_EQ(host.run("Print('never')"), "");
}

TEST(Terminate, DoesNothingWhenIdle) {
    ppa::TPoorPascal ppa;
    EXPECT_NO_THROW(ppa.Terminate());
    EXPECT_FALSE(ppa.StopRequested());
}

TEST(ExecuteStatements, RunsATextWithTheCurrentNames) {
    MacroHost host;
    host.ppa.AddIntVariable("N", false, 0, false, 2);
    host.ppa.DeclareRoutine("procedure Print(S:String);", false);
    host.ppa.ProcParam = [&](const std::string&, std::int32_t, const ppa::TPPAArguments& args,
                             std::int32_t& err) {
        host.printed.push_back(utf8(args[0].StrValue));
        err = 0;
    };
    host.ppa.ExecuteStatements("N := N * 21; // comment\nPrint(IntToStr(N))");
    EXPECT_EQ(host.joined(), "42");
}

TEST(Execute, RefusedWhileRunning) {
    MacroHost host;
    host.ppa.SetDeclarePrototype({"procedure Print(S:String);", "procedure Again;"});
    auto print = host.ppa.ProcParam;
    host.ppa.ProcParam = [&](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                             std::int32_t& err) {
        if (name == "AGAIN") {
            host.ppa.Execute();
            err = 0;
            return;
        }
        print(name, index, args, err);
    };
    EXPECT_EQ(host.run("Again"), "ERROR: マクロは既に実行中です");
}

}  // namespace
