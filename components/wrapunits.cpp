#include "components/wrapunits.h"

namespace {

void fill(std::bitset<0x10000>& set, const QString& chars) {
    for (QChar c : chars) set.set(c.unicode());
}

// Letters, digits and the underscore of the single-byte range: the words an
// English word wrap keeps whole.
bool isLatinWordChar(QChar c) { return c == u'_' || (c.unicode() < 0x80 && c.isLetterOrNumber()); }

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Single-byte in Shift-JIS: ASCII and the half-width katakana.
bool isSingleByte(QChar c) { return c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F); }

}  // namespace

WrapUnits::WrapUnits(const TEditorWrapOption& option, int tabWidth)
    : wordBreak_(option.WordBreak),
      leading_(option.Leading),
      hangPunctuation_(option.FollowPunctuation),
      wrapByte_(std::max(1, option.WrapByte)),
      tabWidth_(std::max(1, tabWidth)) {
    fill(follow_, option.FollowStr);
    fill(lead_, option.LeadStr);
    fill(punctuation_, option.PunctuationStr);
}

std::vector<int> WrapUnits::columns(QStringView line) const {
    std::vector<int> cols(std::size_t(line.size()) + 1, 0);
    int col = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        cols[std::size_t(i)] = col;
        const QChar c = line[i];
        if (c == u'\t') {
            col += tabWidth_ - col % tabWidth_;
        } else if (!c.isLowSurrogate()) {
            col += isSingleByte(c) ? 1 : 2;
        }
    }
    cols[std::size_t(line.size())] = col;
    return cols;
}

// Blanks stay at the end of the row they follow.
bool WrapUnits::mayBreakBefore(QChar previous, QChar c) const {
    if (isBlank(c) || c.isLowSurrogate()) return false;
    if (wordBreak_ && isLatinWordChar(previous) && isLatinWordChar(c)) return false;
    if (leading_ && (follow_.test(c.unicode()) || lead_.test(previous.unicode()))) return false;
    if (hangPunctuation_ && punctuation_.test(c.unicode())) return false;
    return true;
}

// Characters that may stand past the wrap column: blanks, and punctuation
// that begins right at it.
bool WrapUnits::hangs(QChar c, int column, int rowStart) const {
    if (isBlank(c) || c.isLowSurrogate()) return true;
    return hangPunctuation_ && punctuation_.test(c.unicode()) && column - rowStart == wrapByte_;
}

std::vector<qsizetype> WrapUnits::rowStarts(QStringView line) const { return rowStarts(line, columns(line)); }

std::vector<qsizetype> WrapUnits::rowStarts(QStringView line, const std::vector<int>& cols) const {
    std::vector<qsizetype> starts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const int rowStart = cols[std::size_t(start)];
        if (cols[std::size_t(i) + 1] - rowStart <= wrapByte_ || hangs(line[i], cols[std::size_t(i)], rowStart)) continue;
        // Character i does not fit: the row ends at the last place before it
        // (or at it) where a row may begin, or at i when there is none.
        qsizetype at = i;
        while (at > start && !mayBreakBefore(line[at - 1], line[at])) --at;
        if (at == start) at = i > start ? i : i + 1;
        if (at >= line.size()) break;
        starts.push_back(at);
        start = at;
        i = at - 1;
    }
    return starts;
}
