#pragma once
// The texts of the compile's output pane, one table.
#include <QString>

class QWidget;

enum class OutputMessage {
    PaneName,         // the bar and its list
    RestartQuestion,  // F9 while a compile runs
    ExitCode,         // %1 the exit code, %2 the seconds
    Stopped,          // %1 the seconds
    Crashed,          // %1 the seconds
    Dropped,          // %1 the count of lines let go
};

QString OutputMessageText(OutputMessage message);
QString OutputMessageText(OutputMessage message, qint64 count);
// The last line of a compile: its exit status and the time it took.
QString EndLineText(int exitCode, bool stopped, bool crashed, qint64 milliseconds);

// Asks `message` (a question) through the prompt service; the DialogResult.
int AskOutputQuestion(OutputMessage message, QWidget* owner);
