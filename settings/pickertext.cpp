#include "settings/pickertext.h"

#include "palette/palettefile.h"
#include "platform/textfile.h"

#include <algorithm>

namespace {

const QString kItemGap = QStringLiteral("    ");

QByteArray leadingBlanks(QByteArrayView line) {
    qsizetype n = 0;
    while (n < line.size() && (line[n] == ' ' || line[n] == '\t')) ++n;
    return line.first(n).toByteArray();
}

}  // namespace

QStringList CompletionItems(const QStringList& snippetLines) {
    QStringList items;
    items.reserve(snippetLines.size());
    for (const QString& line : snippetLines) items.append(palettefile::Field(line, 0) + kItemGap + palettefile::Field(line, 2));
    std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return items;
}

int FirstItemStartingWith(const QStringList& items, const QString& word) {
    if (word.isEmpty()) return -1;
    for (qsizetype i = 0; i < items.size(); ++i)
        if (items[i].startsWith(word, Qt::CaseInsensitive)) return int(i);
    return -1;
}

QString SnippetOfItem(const QString& item) {
    const qsizetype gap = item.indexOf(kItemGap);
    return gap < 0 ? item : item.first(gap);
}

QByteArray TemplateInsertion(QByteArrayView caretLine, int caretCol, QByteArrayView body) {
    const QList<QByteArray> lines = textfile::splitLines(body);
    if (lines.isEmpty()) return {};
    const QByteArray indent = caretLine.isEmpty() ? QByteArray(caretCol, ' ') : leadingBlanks(caretLine);
    QByteArray text(std::max<qsizetype>(caretCol - caretLine.size(), 0), ' ');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) text += indent;
        text += lines[i];
        text += "\r\n";
    }
    return text;
}
