#pragma once
// The notices, questions and error boxes of find and replace, each one row
// of a table with its caption, text, buttons and icon. "%1" in a text is the
// pattern, "%2" the reason.
#include <QString>

class QWidget;

enum class SearchMessage {
    SearchedToEnd,    // a search found nothing more
    ReplaceQuestion,  // each hit of the replace loop
    ReplacedToEnd,    // the replace loop found nothing more
    ReplacedAll,      // after replace-all
    ReplaceStopped,   // a replace-all cancelled from its progress window
    BadPattern,       // a regular expression that does not compile
    TooComplex,       // a regular expression the engine gave up on
};

QString SearchMessageText(SearchMessage message, const QString& pattern = {}, const QString& reason = {});

// The reason a regular expression does not compile, in Japanese for the
// usual mistakes; the engine's own words otherwise.
QString PatternErrorReason(const QString& engineReason);

// Shows `message` through the prompt service; the DialogResult of the button
// pressed (IdOk for a notice or an error).
int ShowSearchMessage(SearchMessage message, QWidget* owner, const QString& pattern = {},
                      const QString& reason = {});
