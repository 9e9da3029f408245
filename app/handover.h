#pragma once
// The hand-over file through which a second instance passes the file it was
// started with to the instance that already runs: "_quodex.ssf" in the
// program folder, Shift-JIS lines ended by CR LF. Its one line that matters
// is "FileName=" followed by a full path, or "FileName=<NULL" when there is
// nothing to open.
#include <QByteArray>
#include <QString>

#include <optional>

inline constexpr const char* kHandoverFileName = "_quodex.ssf";
// The value that stands for "nothing to open".
inline constexpr const char* kHandoverNothing = "<NULL";

// Replaces the file in `programFolder` (ending in "/") by the single line
// "FileName=" + `fileName`; writes nothing when `fileName` is empty. A name
// that Shift-JIS cannot hold (accents, Hangul, emoji) goes as UTF-8 behind a
// marker that ReadHandover undoes, so it arrives whole. Throws
// FileError when the file cannot be saved; the save is atomic, so a reader
// never sees half a line.
void WriteHandoverFile(const QString& programFolder, const QString& fileName);

// The reading side, apart from the window.
//
// Writers replace the file by renaming a finished temporary file over it, so
// the first change the monitor sees can come before the file exists; the
// reader therefore gives the writer its 100 ms whether or not the file is
// there yet. And the reset is written only over what was read: a name that
// arrived meanwhile is read in turn, not wiped out.

// One look at the file.
struct HandoverSnapshot {
    bool exists = false;
    QByteArray bytes;
    // The value of the first "FileName" line (the name compared ignoring
    // letter case); empty when there is no such line or no file.
    QString fileName;
};

// Waits 100 ms (measured with the tick count; no events are processed
// meanwhile), then reads the file in `programFolder`. Nothing when the file
// exists but cannot be read.
std::optional<HandoverSnapshot> ReadHandover(const QString& programFolder);

// Leaves the file holding exactly the line "FileName=<NULL", creating it if
// it is missing, unless it no longer holds what `seen` found: then nothing is
// written and the result is false (read it again). A file that already holds
// exactly the reset line is not written: the write would change the program
// folder, and the folder monitor would run the reader again for it. Throws
// FileError when the file cannot be saved.
bool ResetHandoverFile(const QString& programFolder, const HandoverSnapshot& seen);
