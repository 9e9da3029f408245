#pragma once
// What the code template picker shows and inserts, apart from its window:
// the completion list built from the palette's snippet lines, and the text a
// template body becomes at the caret.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// One item per snippet line, field 0 and field 2 (by the palette files' field
// rule) joined by four spaces, sorted ignoring letter case (items equal so
// keep their order).
QStringList CompletionItems(const QStringList& snippetLines);

// The first item whose start equals `word` ignoring letter case; -1 when
// none does or the word is empty.
int FirstItemStartingWith(const QStringList& items, const QString& word);

// What accepting a completion item inserts: the item up to its first run of
// four spaces (the snippet's field 0).
QString SnippetOfItem(const QString& item);

// The text that inserting `body` at column `caretCol` of `caretLine` puts at
// the caret. Every line of the body ends with CR LF, and every line after the
// first starts with the indentation: the caret line's leading spaces and
// TABs, or `caretCol` spaces when the line is empty. A caret beyond the end
// of its line (free caret) stands in space the line does not hold yet: that
// space comes first, so the text starts at the caret's column. An empty body
// gives nothing at all.
QByteArray TemplateInsertion(QByteArrayView caretLine, int caretCol, QByteArrayView body);
