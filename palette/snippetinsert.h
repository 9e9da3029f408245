#pragma once
// How a palette snippet goes into a document.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class TEditorEx;

// The leading run of spaces and TABs of a line, as it stands.
QByteArray LeadingBlanks(QByteArrayView line);

// Replaces the selection of `editor` with `text` exactly as stored (with no
// selection: inserts it at the caret). With `newLine`, a line break follows,
// then the blanks that lead the line the snippet went into, so the caret
// ends on a new line indented like it.
void InsertSnippet(TEditorEx& editor, const QString& text, bool newLine);
