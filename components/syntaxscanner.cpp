#include "components/syntaxscanner.h"

#include "platform/cp932.h"

#include <algorithm>

bool isWordChar(QChar c) { return c == u'_' || c.isLetterOrNumber(); }

namespace {

bool isAsciiAlpha(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isHexDigit(QChar c) {
    return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
bool isIdentStart(QChar c) { return isAsciiAlpha(c) || c == u'_'; }
bool isIdentChar(QChar c) { return isIdentStart(c) || isAsciiDigit(c); }
bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == QChar(0x3000); }
bool isControl(QChar c) { return (c < u' ' && c != u'\t') || c == QChar(0x7F); }

bool isMailLocalChar(QChar c) {
    return isIdentChar(c) || c == u'.' || c == u'%' || c == u'+' || c == u'-';
}
bool isDomainChar(QChar c) { return isAsciiAlpha(c) || isAsciiDigit(c) || c == u'-'; }

bool isUrlChar(QChar c) {
    if (isAsciiAlpha(c) || isAsciiDigit(c)) return true;
    return c.unicode() < 0x80 && QStringView(u"-._~:/?#[]@!$&'()*+,;=%").contains(c);
}

// Characters that end a sentence rather than an address.
bool isUrlTrailer(QChar c) { return QStringView(u".,;:!?)'").contains(c); }

const QStringView kUrlStarts[] = {u"http://", u"https://", u"ftp://", u"file://", u"www."};

bool mergeable(TokenKind k) {
    return k == TokenKind::Ank || k == TokenKind::DBCS || k == TokenKind::Symbol ||
           k == TokenKind::Space || k == TokenKind::Control;
}

}  // namespace

struct SyntaxScanner::Cursor {
    QStringView line;
    qsizetype pos = 0;
    bool hasAtSign = false;  // no mail address without one
    ScannedLine out;

    bool atEnd() const { return pos >= line.size(); }
    QChar at(qsizetype i) const { return i >= 0 && i < line.size() ? line[i] : QChar(); }
    QChar prev() const { return at(pos - 1); }
    bool startsWith(QStringView s, Qt::CaseSensitivity cs = Qt::CaseSensitive) const {
        return !s.isEmpty() && line.mid(pos).startsWith(s, cs);
    }
    void add(TokenKind kind, qsizetype length, int bracket = -1) {
        if (length <= 0) return;
        auto& tokens = out.tokens;
        if (!tokens.empty() && mergeable(kind) && tokens.back().kind == kind) {
            tokens.back().length += length;
        } else {
            tokens.push_back({pos, length, kind, bracket});
        }
        pos += length;
    }
};

SyntaxScanner::SyntaxScanner(ScanRules rules) : rules_(std::move(rules)) {
    for (const QString& word : rules_.reservedWords) {
        if (word.isEmpty()) continue;
        reservedByFirst_[word[0]].append(word);
        reservedFirst_.set(word[0].unicode());
    }
    for (QStringList& words : reservedByFirst_) {
        std::sort(words.begin(), words.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
    }
}

ScannedLine SyntaxScanner::scan(QStringView line, int startState) const {
    Cursor c;
    c.line = line;
    c.hasAtSign = line.contains(u'@');
    if (startState > 0 && startState <= rules_.brackets.size()) {
        scanBracket(c, startState - 1);
    }
    while (!c.atEnd()) {
        if (scanFromBracket(c)) continue;
        if (scanComment(c)) break;
        if (scanString(c) || scanUrl(c) || scanMail(c) || scanNumber(c) || scanWord(c) ||
            scanReservedAt(c)) {
            continue;
        }
        scanOther(c);
    }
    return std::move(c.out);
}

// Colours up to and including the pair's closing bracket, or to the line
// end, where the pair then stays open.
void SyntaxScanner::scanBracket(Cursor& c, int pair) const {
    const BracketPair& b = rules_.brackets[pair];
    const qsizetype close = b.right.isEmpty() ? -1 : c.line.indexOf(b.right, c.pos);
    if (close < 0) {
        c.add(TokenKind::Bracket, c.line.size() - c.pos, pair);
        c.out.endState = pair + 1;
        return;
    }
    c.add(TokenKind::Bracket, close + b.right.size() - c.pos, pair);
    c.out.endState = 0;
}

bool SyntaxScanner::scanFromBracket(Cursor& c) const {
    const QChar first = c.at(c.pos);
    for (int i = 0; i < rules_.brackets.size(); ++i) {
        const BracketPair& b = rules_.brackets[i];
        if (b.left.isEmpty() || b.left[0] != first || !c.startsWith(b.left)) continue;
        const qsizetype open = c.pos;
        const qsizetype close = b.right.isEmpty() ? -1 : c.line.indexOf(b.right, open + b.left.size());
        if (close < 0) {
            c.add(TokenKind::Bracket, c.line.size() - open, i);
            c.out.endState = i + 1;
        } else {
            c.add(TokenKind::Bracket, close + b.right.size() - open, i);
        }
        return true;
    }
    return false;
}

bool SyntaxScanner::scanComment(Cursor& c) const {
    if (rules_.commenter.isEmpty() || c.at(c.pos) != rules_.commenter[0] || !c.startsWith(rules_.commenter)) {
        return false;
    }
    c.add(TokenKind::Comment, c.line.size() - c.pos);
    return true;
}

bool SyntaxScanner::scanString(Cursor& c) const {
    const QChar quote = c.at(c.pos);
    if (rules_.quotation.isEmpty() || !rules_.quotation.contains(quote)) return false;
    qsizetype i = c.pos + 1;
    while (i < c.line.size()) {
        if (c.line[i] == u'\\') {
            i += 2;
        } else if (c.line[i++] == quote) {
            break;
        }
    }
    c.add(TokenKind::Str, std::min(i, c.line.size()) - c.pos);
    return true;
}

bool SyntaxScanner::scanUrl(Cursor& c) const {
    const char16_t first = c.at(c.pos).unicode() | 0x20;  // ASCII lower case
    if (first != u'h' && first != u'f' && first != u'w') return false;
    if (!rules_.url || isWordChar(c.prev())) return false;
    const auto start = std::find_if(std::begin(kUrlStarts), std::end(kUrlStarts),
                                    [&](QStringView s) { return c.startsWith(s, Qt::CaseInsensitive); });
    if (start == std::end(kUrlStarts)) return false;
    qsizetype end = c.pos + start->size();
    while (end < c.line.size() && isUrlChar(c.line[end])) ++end;
    while (end > c.pos + start->size() && isUrlTrailer(c.line[end - 1])) --end;
    if (end == c.pos + start->size()) return false;
    c.add(TokenKind::Url, end - c.pos);
    return true;
}

bool SyntaxScanner::scanMail(Cursor& c) const {
    if (!rules_.mail || !c.hasAtSign || !isMailLocalChar(c.at(c.pos)) || isMailLocalChar(c.prev())) return false;
    qsizetype i = c.pos;
    while (i < c.line.size() && isMailLocalChar(c.line[i])) ++i;
    if (i == c.pos || c.at(i) != u'@') return false;
    ++i;
    int labels = 0;
    qsizetype end = i;
    while (true) {
        const qsizetype labelStart = i;
        while (i < c.line.size() && isDomainChar(c.line[i])) ++i;
        if (i == labelStart) break;
        ++labels;
        end = i;
        if (c.at(i) != u'.' || !isDomainChar(c.at(i + 1))) break;
        ++i;
    }
    if (labels < 2) return false;
    c.add(TokenKind::Mail, end - c.pos);
    return true;
}

bool SyntaxScanner::scanNumber(Cursor& c) const {
    if (isWordChar(c.prev())) return false;
    const QStringView prefix = rules_.hexPrefix;
    if (c.startsWith(prefix, Qt::CaseInsensitive) && isHexDigit(c.at(c.pos + prefix.size()))) {
        qsizetype i = c.pos + prefix.size();
        while (isHexDigit(c.at(i))) ++i;
        c.add(TokenKind::Int, i - c.pos);
        return true;
    }
    if (!isAsciiDigit(c.at(c.pos))) return false;
    qsizetype i = c.pos;
    while (isAsciiDigit(c.at(i))) ++i;
    if (c.at(i) == u'.' && isAsciiDigit(c.at(i + 1))) {
        ++i;
        while (isAsciiDigit(c.at(i))) ++i;
    }
    c.add(TokenKind::Int, i - c.pos);
    return true;
}

// ASCII identifiers: reserved words or plain single-byte text.
bool SyntaxScanner::scanWord(Cursor& c) const {
    if (!isIdentStart(c.at(c.pos))) return false;
    qsizetype i = c.pos;
    while (isIdentChar(c.at(i))) ++i;
    const QStringView word = c.line.mid(c.pos, i - c.pos);
    const auto it = reservedFirst_.test(word[0].unicode()) ? reservedByFirst_.constFind(word[0])
                                                           : reservedByFirst_.constEnd();
    const bool reserved = it != reservedByFirst_.constEnd() &&
                          std::any_of(it->begin(), it->end(), [&](const QString& w) { return w == word; });
    c.add(reserved ? TokenKind::Reserve : TokenKind::Ank, i - c.pos);
    return true;
}

// Reserved words that do not start like an identifier ("予約", "#if"),
// matched when no word character touches them.
bool SyntaxScanner::scanReservedAt(Cursor& c) const {
    if (!reservedFirst_.test(c.at(c.pos).unicode())) return false;
    const auto it = reservedByFirst_.constFind(c.at(c.pos));
    if (it == reservedByFirst_.constEnd()) return false;
    if (isWordChar(c.at(c.pos)) && isWordChar(c.prev())) return false;
    for (const QString& word : *it) {
        if (!c.startsWith(word)) continue;
        const QChar after = c.at(c.pos + word.size());
        if (isWordChar(word.back()) && isWordChar(after)) continue;
        c.add(TokenKind::Reserve, word.size());
        return true;
    }
    return false;
}

void SyntaxScanner::scanOther(Cursor& c) const {
    const QChar ch = c.at(c.pos);
    qsizetype len = 1;
    if (ch.isHighSurrogate() && c.at(c.pos + 1).isLowSurrogate()) len = 2;
    if (len == 1 && ch.unicode() >= 0x80 && cp932::encodedLength(ch.unicode()) == 0 &&
        !c.out.tokens.empty()) {
        // A variation selector belongs to the character before it.
        c.out.tokens.back().length += 1;
        c.pos += 1;
        return;
    }
    if (isBlank(ch)) return c.add(TokenKind::Space, 1);
    if (isControl(ch)) return c.add(rules_.controlCode ? TokenKind::Control : TokenKind::Ank, 1);
    if (ch.unicode() < 0x80) return c.add(ch.isLetterOrNumber() ? TokenKind::Ank : TokenKind::Symbol, 1);
    const bool wide = len == 1 && cp932::encodedLength(ch.unicode()) == 2;
    c.add(wide ? TokenKind::DBCS : TokenKind::Ank, len);
}
