#pragma once
// The folding behind fuzzy search: text is reduced to a form in which ASCII
// letter case, full-width and half-width forms and hiragana/katakana no longer
// differ ("ＡＢＣ" = "abc", "ｶ" = "カ", "ｶﾞ" = "ガ", "か" = "カ"), so that a
// plain comparison of folded texts is the fuzzy match.
#include <QString>
#include <QStringView>

#include <vector>

struct FoldedText {
    QString text;
    // origin[i] is the index in the source of folded character i;
    // origin[text.size()] is the source length, so a folded range [a, b)
    // comes from the source range [origin[a], origin[b]).
    std::vector<qsizetype> origin;
};

FoldedText fuzzyFold(QStringView source);

// Only ASCII letters lowered: the match-case-off comparison of the editor.
QString asciiFold(QStringView source);
