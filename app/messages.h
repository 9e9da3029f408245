#pragma once
// The main window's own notices and questions, each one row of a table with
// its caption, text, buttons and icon, so their wording stands in one place.
// A "%1" in a text is the file or tab it is about.
#include <QString>

class QWidget;

enum class AppMessage {
    AlreadyOpen,      // a file that is open already is opened again
    ReloadQuestion,   // before a document is read again from its file
    ChangedQuestion,  // closing a modified document or the window
    SaveQuestion,     // Save All reaching an untitled document
    NothingOpensIt,   // the reason when no program takes a file to show or run
    ReplaceQuestion,  // Save As chose a file that exists
    OpenInAnotherTab, // Save As chose the file of another tab
};

QString AppMessageText(AppMessage message, const QString& subject = {});

// Shows `message` through the prompt service; the DialogResult of the
// button pressed (IdOk for a notice).
int ShowAppMessage(AppMessage message, QWidget* owner, const QString& subject = {});
