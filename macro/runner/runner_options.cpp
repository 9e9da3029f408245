#include "macro/runner/runner_options.h"

const char* const kRunnerUsage = "usage: quodex-macro [--define NAME]... [--permit] [--sjis] MACRO.qmc";

std::optional<RunnerOptions> parseRunnerArguments(const std::vector<std::string>& args, std::string& error) {
    RunnerOptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--define") {
            if (i + 1 >= args.size()) {
                error = "--define needs a name";
                return std::nullopt;
            }
            options.defines.push_back(args[++i]);
        } else if (arg.rfind("--define=", 0) == 0) {
            options.defines.push_back(arg.substr(9));
        } else if (arg == "--permit") {
            options.permit = true;
        } else if (arg == "--sjis") {
            options.sjis = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (haveFile) {
            error = "only one macro file may be given";
            return std::nullopt;
        } else {
            options.macroFile = arg;
            haveFile = true;
        }
    }
    if (!haveFile) {
        error = "no macro file given";
        return std::nullopt;
    }
    return options;
}
