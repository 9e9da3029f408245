#include "macro/runner/runner_options.h"

#include <algorithm>

#include "macro/runner/runner_messages.h"

namespace {

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

std::optional<RunnerOptions> parseRunnerArguments(const std::vector<std::string>& args, std::string& error) {
    RunnerOptions options;
    if (std::any_of(args.begin(), args.end(), isHelp)) {
        options.help = true;
        return options;
    }
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--define") {
            if (i + 1 >= args.size()) {
                error = runnertext::kDefineNeedsName;
                return std::nullopt;
            }
            options.defines.push_back(args[++i]);
        } else if (arg.rfind("--define=", 0) == 0) {
            options.defines.push_back(arg.substr(9));
        } else if (arg == "--permit") {
            options.permit = true;
        } else if (arg == "--sjis") {
            options.sjis = true;
        } else if (arg == "--check") {
            options.check = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = runnertext::fill(runnertext::kUnknownOption, arg);
            return std::nullopt;
        } else if (haveFile) {
            error = runnertext::kOneFileOnly;
            return std::nullopt;
        } else {
            options.macroFile = arg;
            haveFile = true;
        }
    }
    if (!haveFile) {
        error = runnertext::kNoFile;
        return std::nullopt;
    }
    return options;
}
