#pragma once
// Runs or checks one macro file on the console and returns the exit status.
//
// A run: 0 after a normal end (EXIT included), 1 when the run raised (the
// message goes to standard error as "FILE:LINE: message").
// A check (--check): every statement compiled, none run; each error the run
// would raise and each warning goes to standard error as "FILE:LINE: ...";
// 1 when there is an error, 0 otherwise (warnings alone do not fail).
// Both: 2 when the macro file cannot be read, or holds characters that
// Shift-JIS cannot hold (each reported with its line).
#include "macro/runner/runner_options.h"

int runMacroFile(const RunnerOptions& options);
