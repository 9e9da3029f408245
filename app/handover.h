#pragma once
// The hand-over file through which a second instance passes the file it was
// started with to the instance that already runs: "_quodex.ssf" in the
// program folder, Shift-JIS lines ended by CR LF.
#include <QString>

inline constexpr const char* kHandoverFileName = "_quodex.ssf";

// Replaces the file in `programFolder` (ending in "/") by the single line
// "FileName=" + `fileName`; writes nothing when `fileName` is empty. Throws
// FileError when the file cannot be saved; the save is atomic, so a reader
// never sees half a line.
void WriteHandoverFile(const QString& programFolder, const QString& fileName);
