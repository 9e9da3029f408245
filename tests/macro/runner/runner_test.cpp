// Runs the built quodex-macro on temporary macro files and checks what it
// writes and how it exits.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/macro/sjistext.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

using macrotest::sjis;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

class RunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("quodex-macro-test-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Writes the UTF-8 text as a Shift-JIS macro file.
    fs::path macro(const std::string& utf8Text, const std::string& name = "m.qmc") {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << sjis(utf8Text);
        return path;
    }

    pid_t start(const std::vector<std::string>& args) {
        std::vector<std::string> all{QUODEX_MACRO_RUNNER};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (dir_ / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, (dir_ / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    Result finish(pid_t pid) {
        int status = 0;
        waitpid(pid, &status, 0);
        Result r;
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = readAll(dir_ / "out");
        r.err = readAll(dir_ / "err");
        return r;
    }

    Result run(const std::vector<std::string>& args) { return finish(start(args)); }

    fs::path dir_;
};

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
    const Result r = run({macro("Print('before');\nPrint(Copy('x'))")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "before\n");
    EXPECT_EQ(r.err, "文法エラーです[]\n");
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
        run({macro("Print(IntToStr(Exec('/nonexistent/program', '', True)));"
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
        EXPECT_NE(r.err.find("usage: quodex-macro"), std::string::npos);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
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
    EXPECT_EQ(r.err, "実行を中断しました\n");
}

TEST_F(RunnerTest, CtrlCEndsALongSleep) {
    const pid_t pid = start({macro("Sleep(60000); Print('never')")});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(pid, SIGINT);
    const auto before = std::chrono::steady_clock::now();
    const Result r = finish(pid);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "実行を中断しました\n");
}

}  // namespace
