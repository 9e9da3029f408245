// quodex-macro: runs or checks a macro file without the editor.
#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "macro/runner/console_text.h"
#include "macro/runner/interrupt.h"
#include "macro/runner/macro_runner.h"
#include "macro/runner/runner_messages.h"
#include "macro/runner/runner_options.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<RunnerOptions> options = parseRunnerArguments(args, error);
    if (!options) {
        writeLine(stderr, "quodex-macro: " + error);
        writeLine(stderr, runnertext::kUsage);
        return 2;
    }
    if (options->help) {
        writeLine(stdout, std::string(runnertext::kUsage) + "\n" + runnertext::kHelp);
        return 0;
    }
    // Processes started by Exec and Shell need the application object.
    QCoreApplication application(argc, argv);
    installInterruptHandler();
    return runMacroFile(*options);
}
