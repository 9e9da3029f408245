// quodex-macro: runs a macro file without the editor.
#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "macro/runner/interrupt.h"
#include "macro/runner/macro_runner.h"
#include "macro/runner/runner_options.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<RunnerOptions> options = parseRunnerArguments(args, error);
    if (!options) {
        std::fprintf(stderr, "quodex-macro: %s (%s)\n", error.c_str(), kRunnerUsage);
        return 2;
    }
    // Processes started by Exec and Shell need the application object.
    QCoreApplication application(argc, argv);
    installInterruptHandler();
    return runMacroFile(*options);
}
