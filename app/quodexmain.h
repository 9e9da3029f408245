#pragma once
// The editor's program entry: the application object, the main window and
// the message loop. Kept in the library so that main.cpp stays one line.
int RunQuodex(int argc, char** argv);
