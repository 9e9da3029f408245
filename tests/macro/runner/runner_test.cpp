// Runs the built quodex-macro on temporary macro files and checks what it
// writes and how it exits.
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "tests/macro/runner/runner_fixture.h"

namespace {

using macrotest::Result;
using macrotest::RunnerTest;
using macrotest::readAll;
using macrotest::sjis;
namespace fs = std::filesystem;

TEST_F(RunnerTest, PrintWritesUtf8Lines) {
    const Result r = run({macro("Print('日本語'); Print('')")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "日本語\n\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(RunnerTest, SjisWritesTheBytesAsTheyAre) {
    const Result r = run({"--sjis", macro("Print('日本')")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, sjis("日本") + "\n");
}

TEST_F(RunnerTest, EveryLineEndStyleSplitsLines) {
    const Result r = run({macro("Print('a'); // one\r\nPrint('b'); // two\rPrint('c'); // three\nPrint('d')")});
    EXPECT_EQ(r.out, "a\nb\nc\nd\n");
}

TEST_F(RunnerTest, DefinesAreSeenByIsDefine) {
    const fs::path m =
        macro("if IsDefine('debug') then Print('debug'); if IsDefine('Fast') then Print('fast')");
    EXPECT_EQ(run({"--define", "DEBUG", "--permit", m}).out, "debug\n");
    EXPECT_EQ(run({"--define", "DEBUG", "--define=fast", m}).out, "debug\nfast\n");
}

TEST_F(RunnerTest, ErrorKeepsEarlierOutputAndExitsOne) {
    const fs::path m = macro("Print('before');\nPrint(Copy('x'))");
    const Result r = run({m});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "before\n");
    EXPECT_EQ(r.err, m.string() + ":2: 文法エラーです[]\n");
}

TEST_F(RunnerTest, ExitEndsNormally) {
    const Result r = run({macro("Print('a'); exit; Print('b')")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "a\n");
}

TEST_F(RunnerTest, ConsoleDialogs) {
    const Result r =
        run({macro("Print(IntToStr(MessageBox('注意してください', 'title', 4)));"
                   "Print(InputBox('c', 'p', 'answer'))")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1\nanswer\n");
    EXPECT_EQ(r.err, "注意してください\n");
}

TEST_F(RunnerTest, ExecReportsStartFailureAndExitCode) {
    const Result r =
        run({"--permit", macro("Print(IntToStr(Exec('/nonexistent/program', '', True)));"
                               "Print(IntToStr(Exec('/bin/sh', '-c \"exit 7\"', True)))")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\n7\n");
}

TEST_F(RunnerTest, UsageErrorsExitTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"--bogus", "x.qmc"}, {"a.qmc", "b.qmc"}, {"--define"}}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("quodex-macro: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("\n使い方: quodex-macro [--check]"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2);
    }
}

TEST_F(RunnerTest, UnreadableFileExitsTwo) {
    const Result r = run({(dir_ / "missing.qmc").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("missing.qmc"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST_F(RunnerTest, CtrlCStopsARunningMacro) {
    const fs::path m = macro("Print('started'); while True do begin end");
    const pid_t pid = start({m});
    // Wait until the macro runs, then interrupt it.
    for (int i = 0; i < 200 && readAll(dir_ / "out").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kill(pid, SIGINT);
    const Result r = finish(pid);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, m.string() + ":1: 実行を中断しました\n");
}

TEST_F(RunnerTest, CtrlCEndsALongSleep) {
    const fs::path m = macro("Sleep(60000); Print('never')");
    const pid_t pid = start({m});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(pid, SIGINT);
    const auto before = std::chrono::steady_clock::now();
    const Result r = finish(pid);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, m.string() + ":1: 実行を中断しました\n");
}

}  // namespace
