#pragma once
// Runs one macro file on the console and returns the exit status: 0 after a
// normal end (EXIT included), 1 when the run raised (the message goes to
// standard error), 2 when the macro file cannot be read.
#include "macro/runner/runner_options.h"

int runMacroFile(const RunnerOptions& options);
