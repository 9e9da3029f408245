#pragma once
// Runs the built quodex-macro on temporary macro files and captures what it
// writes and how it exits.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/macro/sjistext.h"

extern char** environ;

namespace macrotest {

namespace fs = std::filesystem;

inline std::string readAll(const fs::path& path) {
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
        return macroBytes(sjis(utf8Text), name);
    }
    // Writes the bytes as they are.
    fs::path macroBytes(const std::string& bytes, const std::string& name = "m.qmc") {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
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

}  // namespace macrotest
