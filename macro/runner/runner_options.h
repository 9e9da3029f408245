#pragma once
// The command line of quodex-macro:
//   quodex-macro [--check] [--define NAME]... [--permit] [--sjis] MACRO.qmc
//   quodex-macro --help
#include <optional>
#include <string>
#include <vector>

struct RunnerOptions {
    std::vector<std::string> defines;  // lines for Define, seen by IsDefine
    bool permit = false;               // Exec and Shell may start programs
    bool sjis = false;                 // print Shift-JIS bytes as they are
    bool check = false;                // compile every statement, run none
    bool help = false;                 // print the usage and nothing else
    std::string macroFile;
};

// Nothing, with `error` set to a one-line explanation (Japanese, UTF-8),
// when the arguments are not usable. --help anywhere asks for the usage
// whatever else is given.
std::optional<RunnerOptions> parseRunnerArguments(const std::vector<std::string>& args, std::string& error);
