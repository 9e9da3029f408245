#pragma once
// The command line of quodex-macro:
//   quodex-macro [--define NAME]... [--permit] [--sjis] MACRO.qmc
#include <optional>
#include <string>
#include <vector>

struct RunnerOptions {
    std::vector<std::string> defines;  // lines for Define, seen by IsDefine
    bool permit = false;               // reserved for the editor's permission rule
    bool sjis = false;                 // print Shift-JIS bytes as they are
    std::string macroFile;
};

// Nothing, with `error` set to a one-line explanation, when the arguments
// are not usable.
std::optional<RunnerOptions> parseRunnerArguments(const std::vector<std::string>& args, std::string& error);

extern const char* const kRunnerUsage;
