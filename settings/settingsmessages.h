#pragma once
// The notices and error boxes of the settings dialog, the template page,
// the version window and the editor appearance window, each one row of a
// table so their wording stands in one place. A "%1" in a text is the
// template, text or file it is about.
#include <QString>

class QWidget;

enum class SettingsMessage {
    DuplicateTemplate,   // a template added under a name the list holds
    UnwritableTemplate,  // exporting a template the file format cannot carry
    NotAnInteger,        // a wheel count that is no decimal integer
    CannotOpen,          // a link of the version window that nothing opens
    BothBracketsNeeded,  // a bracket pair added with a side left empty
};

QString SettingsMessageText(SettingsMessage message, const QString& subject = {});

// Shows `message` through the prompt service.
void ShowSettingsMessage(SettingsMessage message, QWidget* owner, const QString& subject = {});
