#pragma once
// The macro host's own texts: its notices, the status text of a run and the
// message of the errors it raises into a run, each one row of a table.
// A "%1" in a text is the value it is about.
#include <QString>

class QWidget;

enum class MacroMessage {
    NotPermitted,     // a command the settings do not permit
    AlreadyRunning,   // a macro started while another runs
    StartFailed,      // ShellExecuteB could not start its program
    IndexOutOfRange,  // a document index outside the list (raised)
    Running,          // status panel text while a macro runs from the menu
};

QString MacroMessageText(MacroMessage message, const QString& subject = {});

// Shows `message` as a notice captioned with the application's title.
void ShowMacroMessage(MacroMessage message, QWidget* owner);

// Raises `message` into the run as the engine's error, which ends it.
[[noreturn]] void RaiseMacroMessage(MacroMessage message, const QString& subject = {});
