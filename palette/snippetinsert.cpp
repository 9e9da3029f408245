#include "palette/snippetinsert.h"

#include "components/editorex.h"
#include "platform/cp932.h"

QByteArray LeadingBlanks(QByteArrayView line) {
    qsizetype end = 0;
    while (end < line.size() && (line[end] == ' ' || line[end] == '\t')) ++end;
    return line.first(end).toByteArray();
}

void InsertSnippet(TEditorEx& editor, const QString& text, bool newLine) {
    editor.SetSelText(cp932::encode(text));
    if (!newLine) return;
    const QByteArray line = editor.Lines().Strings(editor.Row());
    editor.SetSelText("\r\n" + LeadingBlanks(line));
}
