#pragma once
// What the compile's output needs of the main window: showing the place an
// error line names.
#include <QString>

class OutputWindow {
public:
    virtual ~OutputWindow() = default;

    // Brings `file` (a path here) to the front, opening it when it is not
    // open yet, with the caret on `line` and byte column `col` (both 1-based;
    // col 0: the line's start) and that row centred. Throws when the file
    // cannot be shown.
    virtual void ShowPlace(const QString& file, int line, int col) = 0;
};
