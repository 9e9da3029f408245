#pragma once
// Ctrl+C while a macro runs: the signal handler only raises a flag; the
// console environment sees it at the next message processing and stops the
// run through Terminate.

void installInterruptHandler();
bool interruptRequested();
