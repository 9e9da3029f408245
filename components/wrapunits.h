#pragma once
// Where the rows of a wrapped line begin, under the Japanese line-breaking
// rules of the property set: characters of FollowStr never begin a row and
// those of LeadStr never end one (the character before is moved down with
// them, when Leading is on), PunctuationStr may hang one character past
// the wrap column (FollowPunctuation), blanks hang past it, and English
// words are kept whole (WordBreak). Columns are Shift-JIS bytes: a
// double-byte character takes two, a TAB reaches the next tab stop.
//
// Plain C++ over one line, so the rules can be tested without a widget; the
// lexer turns the answer into the style changes that the widget's word wrap
// breaks at.
#include "components/editorexprop.h"

#include <QStringView>

#include <bitset>
#include <vector>

class WrapUnits {
public:
    WrapUnits(const TEditorWrapOption& option, int tabWidth);

    // Column of each character of `line` and the column after the last.
    std::vector<int> columns(QStringView line) const;
    // UTF-16 indices where rows after the first begin.
    std::vector<qsizetype> rowStarts(QStringView line) const;
    std::vector<qsizetype> rowStarts(QStringView line, const std::vector<int>& columns) const;

    int wrapByte() const { return wrapByte_; }

private:
    bool mayBreakBefore(QChar previous, QChar c) const;
    bool hangs(QChar c, int column, int rowStart) const;

    bool wordBreak_;
    bool leading_;
    bool hangPunctuation_;
    int wrapByte_;
    int tabWidth_;
    std::bitset<0x10000> follow_;       // may not begin a row
    std::bitset<0x10000> lead_;         // may not end a row
    std::bitset<0x10000> punctuation_;  // may hang past the wrap column
};
