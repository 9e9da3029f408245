#pragma once
// The layout stored at exit and restored at start-up while SaveWindowState
// is set: the main window's bounds and each bar's place (docked in the bar
// area or floating in its own window) and visibility. One store serves the
// whole start or close, so it is read, or written to disk, once.
class TMF;
class TRegIniFile;

void SaveWindowLayout(const TMF& window, TRegIniFile& reg);
void LoadWindowLayout(TMF& window, const TRegIniFile& reg);
