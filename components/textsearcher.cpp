#include "components/textsearcher.h"

#include "components/fuzzyfold.h"
#include "components/sjiscolumns.h"
#include "components/syntaxscanner.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype kFirstWindow = qsizetype(1) << 20;

unsigned char lowerByte(unsigned char b) { return b >= 'A' && b <= 'Z' ? b + 0x20 : b; }

qsizetype lineStartBefore(QByteArrayView text, qsizetype pos) {
    pos = std::clamp<qsizetype>(pos, 0, text.size());
    const void* hit = pos == 0 ? nullptr : memrchr(text.data(), '\n', std::size_t(pos));
    return hit ? static_cast<const char*>(hit) - text.data() + 1 : 0;
}

qsizetype lineEndAfter(QByteArrayView text, qsizetype pos) {
    if (pos >= text.size()) return text.size();
    const void* hit = std::memchr(text.data() + pos, '\n', std::size_t(text.size() - pos));
    return hit ? static_cast<const char*>(hit) - text.data() + 1 : text.size();
}

// UTF-16 units that a piece of UTF-8 becomes.
qsizetype utf16Length(QByteArrayView utf8) {
    qsizetype n = 0;
    for (char ch : utf8) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b & 0xC0) != 0x80) n += b >= 0xF0 ? 2 : 1;
    }
    return n;
}

int utf8Bytes(QStringView s, qsizetype i) {
    const char16_t c = s[i].unicode();
    if (c < 0x80) return 1;
    if (c < 0x800) return 2;
    if (QChar::isSurrogate(c)) return 2;  // each half of a four-byte sequence
    return 3;
}

// Walks a UTF-16 text forwards, converting ascending indexes to UTF-8 offsets.
class Utf8Walker {
public:
    explicit Utf8Walker(QStringView text) : text_(text) {}
    qsizetype offsetOf(qsizetype index) {
        if (index < index_) index_ = offset_ = 0;
        while (index_ < index) offset_ += utf8Bytes(text_, index_++);
        return offset_;
    }

private:
    QStringView text_;
    qsizetype index_ = 0;
    qsizetype offset_ = 0;
};

char32_t codePointBefore(QByteArrayView text, qsizetype pos) {
    if (pos <= 0) return 0;
    qsizetype start = pos - 1;
    while (start > 0 && pos - start < 4 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + start;
    return sjiscolumns::decodeUtf8(p, sjiscolumns::utf8SequenceLength(*p));
}

char32_t codePointAt(QByteArrayView text, qsizetype pos) {
    if (pos >= text.size()) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + pos;
    const int len = sjiscolumns::utf8SequenceLength(*p);
    if (pos + len > text.size()) return *p;
    return sjiscolumns::decodeUtf8(p, len);
}

// The selector that marks a duplicate code (U+FE00, U+FE01) belongs to the
// character before it; a match ending at that character takes it along, so
// a hit never splits a character from its selector.
qsizetype pastSelector(QByteArrayView utf8, qsizetype end) {
    if (end + 3 > utf8.size()) return end;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data()) + end;
    return p[0] == 0xEF && p[1] == 0xB8 && (p[2] == 0x80 || p[2] == 0x81) ? end + 3 : end;
}

qsizetype pastSelector(QStringView text, qsizetype end) {
    if (end >= text.size()) return end;
    const char16_t c = text[end].unicode();
    return c == 0xFE00 || c == 0xFE01 ? end + 1 : end;
}

bool isWordCodePoint(char32_t c) { return c == U'_' || (c != 0 && QChar::isLetterOrNumber(c)); }

bool isWordAt(QStringView s, qsizetype i) {
    if (i < 0 || i >= s.size()) return false;
    if (s[i].isLowSurrogate() && i > 0 && s[i - 1].isHighSurrogate()) {
        return isWordCodePoint(QChar::surrogateToUcs4(s[i - 1], s[i]));
    }
    if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
        return isWordCodePoint(QChar::surrogateToUcs4(s[i], s[i + 1]));
    }
    return isWordChar(s[i]);
}

qsizetype nextCharIndex(QStringView s, qsizetype i) {
    if (i + 1 < s.size() && ((s[i] == u'\r' && s[i + 1] == u'\n') ||
                             (s[i].isHighSurrogate() && s[i + 1].isLowSurrogate()))) {
        return i + 2;
    }
    return i + 1;
}

}  // namespace

QString expandReplacement(const QString& replacement, const QRegularExpressionMatch& match) {
    QString out;
    out.reserve(replacement.size());
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement[i];
        const QChar next = i + 1 < replacement.size() ? replacement[i + 1] : QChar();
        if ((c == u'\\' || c == u'$') && next.isDigit() && next.unicode() < 0x80) {
            out += match.captured(next.digitValue());
            ++i;
        } else if ((c == u'\\' || c == u'$') && next == c) {
            out += c;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

struct TextSearcher::Window {
    qsizetype utf8Start = 0;
    qsizetype utf8End = 0;
    QString text;
    FoldedText folded;

    Window(QByteArrayView doc, qsizetype start, qsizetype end, bool fold)
        : utf8Start(start), utf8End(end), text(QString::fromUtf8(doc.sliced(start, end - start))) {
        if (fold) folded = fuzzyFold(text);
    }
    bool reachesEnd(QByteArrayView doc) const { return utf8End >= doc.size(); }
};

TextSearcher::TextSearcher(const QString& pattern, SearchOptions options) : options_(options) {
    if (pattern.isEmpty()) return;
    if (options_.regexp) {
        auto flags = QRegularExpression::MultilineOption | QRegularExpression::UseUnicodePropertiesOption;
        if (!options_.matchCase) flags |= QRegularExpression::CaseInsensitiveOption;
        // Line ends are CR LF: let "$" stop before CR and "." not eat it.
        regex_ = QRegularExpression(QStringLiteral("(*ANYCRLF)") + pattern, flags);
        valid_ = regex_.isValid();
        if (valid_) regex_.optimize();
        if (!valid_) failure_ = TSearchFailure::BadPattern;
        return;
    }
    if (options_.fuzzy) {
        foldedNeedle_ = fuzzyFold(pattern).text;
        valid_ = !foldedNeedle_.isEmpty();
        return;
    }
    needle_ = pattern.toUtf8();
    if (!options_.matchCase) {
        for (char& ch : needle_) ch = char(lowerByte(static_cast<unsigned char>(ch)));
    }
    valid_ = true;
}

bool TextSearcher::begin() const {
    failure_ = options_.regexp && !regex_.isValid() ? TSearchFailure::BadPattern : TSearchFailure::None;
    return valid_;
}

bool TextSearcher::stopRequested() const {
    if (!stop_ || !stop_()) return false;
    failure_ = TSearchFailure::Stopped;
    return true;
}

std::optional<TextMatch> TextSearcher::findForward(QByteArrayView text, qsizetype from) const {
    if (!begin() || from < 0 || from > text.size()) return std::nullopt;
    return bytewise() ? bytesForward(text, from) : windowForward(text, from);
}

std::optional<TextMatch> TextSearcher::findBackward(QByteArrayView text, qsizetype before) const {
    before = std::min(before, text.size());
    if (!begin() || before <= 0) return std::nullopt;
    return bytewise() ? bytesBackward(text, before) : windowBackward(text, before);
}

// ---- byte search -----------------------------------------------------------

qsizetype TextSearcher::rawFind(QByteArrayView text, qsizetype from) const {
    if (from + needle_.size() > text.size()) return -1;
    if (options_.matchCase) {
        const void* hit = memmem(text.data() + from, std::size_t(text.size() - from), needle_.data(),
                                 std::size_t(needle_.size()));
        return hit ? static_cast<const char*>(hit) - text.data() : -1;
    }
    // Lower a block at a time and let memmem do the scanning; blocks overlap
    // by the needle's length so no match is cut.
    constexpr qsizetype kBlock = 64 * 1024;
    const qsizetype overlap = needle_.size() - 1;
    thread_local QByteArray folded;
    for (qsizetype start = from; start + needle_.size() <= text.size(); start += kBlock) {
        if (stopRequested()) return -1;
        const qsizetype length = std::min(kBlock + overlap, text.size() - start);
        folded.resize(length);
        const char* in = text.data() + start;
        char* out = folded.data();
        for (qsizetype i = 0; i < length; ++i) out[i] = char(lowerByte(static_cast<unsigned char>(in[i])));
        const void* hit = memmem(out, std::size_t(length), needle_.data(), std::size_t(needle_.size()));
        if (hit) return start + (static_cast<const char*>(hit) - out);
    }
    return -1;
}

bool TextSearcher::wordBoundedBytes(QByteArrayView text, qsizetype start, qsizetype end) const {
    return !isWordCodePoint(codePointBefore(text, start)) && !isWordCodePoint(codePointAt(text, end));
}

std::optional<TextMatch> TextSearcher::bytesForward(QByteArrayView text, qsizetype from) const {
    for (qsizetype at = rawFind(text, from); at >= 0; at = rawFind(text, at + 1)) {
        const qsizetype end = pastSelector(text, at + needle_.size());
        if (!options_.wholeWord || wordBoundedBytes(text, at, end)) return TextMatch{at, end - at, {}};
        if (stopRequested()) break;
    }
    return std::nullopt;
}

std::optional<TextMatch> TextSearcher::bytesBackward(QByteArrayView text, qsizetype before) const {
    // Search ever larger stretches before `before`, taking the last hit.
    for (qsizetype span = kFirstWindow;; span *= 4) {
        const qsizetype from = std::max<qsizetype>(0, before - span);
        const QByteArrayView piece = text.first(std::min(text.size(), before - 1 + needle_.size()));
        std::optional<TextMatch> last;
        for (qsizetype at = rawFind(piece, from); at >= 0 && at < before; at = rawFind(piece, at + 1)) {
            const qsizetype end = pastSelector(text, at + needle_.size());
            if (!options_.wholeWord || wordBoundedBytes(text, at, end)) last = TextMatch{at, end - at, {}};
            if (stopRequested()) return std::nullopt;
        }
        if (failed()) return std::nullopt;
        if (last || from == 0) return last;
    }
}

// ---- window search -----------------------------------------------------------

std::optional<TextSearcher::WindowMatch> TextSearcher::matchInWindow(const Window& w, qsizetype from16) const {
    const QStringView text = w.text;
    qsizetype at = from16;
    while (at <= text.size()) {
        WindowMatch m;
        if (options_.regexp) {
            // The window came from UTF-8 and is valid UTF-16: checking it
            // again at every call would cost a pass over the rest of it.
            m.groups = regex_.match(w.text, at, QRegularExpression::NormalMatch,
                                    QRegularExpression::DontCheckSubjectStringMatchOption);
            // An invalid result from a valid expression: the engine's limit.
            if (!m.groups.isValid()) failure_ = TSearchFailure::TooComplex;
            if (!m.groups.hasMatch()) return std::nullopt;
            m.start = m.groups.capturedStart();
            m.end = pastSelector(text, m.groups.capturedEnd());
        } else {
            const auto& origin = w.folded.origin;
            const qsizetype f = std::lower_bound(origin.begin(), origin.end(), at) - origin.begin();
            const qsizetype hit = QStringView(w.folded.text).indexOf(foldedNeedle_, f);
            if (hit < 0) return std::nullopt;
            m.start = origin[std::size_t(hit)];
            m.end = origin[std::size_t(hit + foldedNeedle_.size())];
        }
        if (!options_.wholeWord || (!isWordAt(text, m.start - 1) && !isWordAt(text, m.end))) return m;
        if (stopRequested()) return std::nullopt;
        at = nextCharIndex(text, m.start);
    }
    return std::nullopt;
}

std::optional<TextMatch> TextSearcher::windowForward(QByteArrayView text, qsizetype from) const {
    const qsizetype start = lineStartBefore(text, from);
    const qsizetype from16 = utf16Length(text.sliced(start, from - start));
    for (qsizetype span = kFirstWindow;; span *= 4) {
        const qsizetype end = from + span >= text.size() ? text.size() : lineEndAfter(text, from + span);
        if (stopRequested()) return std::nullopt;
        const Window w(text, start, end, options_.fuzzy && !options_.regexp);
        const auto m = matchInWindow(w, from16);
        if (failed()) return std::nullopt;
        // A match that touches the window's end might continue past it.
        if (m && (m->end < w.text.size() || w.reachesEnd(text))) {
            Utf8Walker walk(w.text);
            const qsizetype s = start + walk.offsetOf(m->start);
            return TextMatch{s, start + walk.offsetOf(m->end) - s, {}};
        }
        if (!m && w.reachesEnd(text)) return std::nullopt;
    }
}

std::optional<TextMatch> TextSearcher::windowBackward(QByteArrayView text, qsizetype before) const {
    for (qsizetype span = kFirstWindow;; span *= 4) {
        const qsizetype start = lineStartBefore(text, before - span);
        // Room after `before` too: a match starting before it may end
        // lines later.
        const qsizetype end = lineEndAfter(text, std::min(text.size(), before + span));
        if (stopRequested()) return std::nullopt;
        const Window w(text, start, end, options_.fuzzy && !options_.regexp);
        const qsizetype before16 = utf16Length(text.sliced(start, before - start));
        std::optional<qsizetype> best;
        for (auto m = matchInWindow(w, 0); m && m->start < before16;
             m = matchInWindow(w, nextCharIndex(w.text, m->start))) {
            best = m->start;
            if (m->start >= w.text.size() || stopRequested()) break;
        }
        if (failed()) return std::nullopt;
        if (best) {
            // Measure the match again without the window's end in the way.
            Utf8Walker walk(w.text);
            return windowForward(text, start + walk.offsetOf(*best));
        }
        if (start == 0) return std::nullopt;
    }
}

std::vector<TextMatch> TextSearcher::findAll(QByteArrayView text, qsizetype from, qsizetype to,
                                             const QString* replacement) const {
    std::vector<TextMatch> all;
    if (!begin()) return all;
    from = std::clamp<qsizetype>(from, 0, text.size());
    to = std::clamp<qsizetype>(to, from, text.size());
    if (bytewise()) {
        for (auto m = bytesForward(text, from); m && m->start < to; m = bytesForward(text, m->start + m->length)) {
            if (replacement) m->replacement = *replacement;
            all.push_back(*m);
            if (stopRequested()) break;
        }
        if (failed()) all.clear();
        return all;
    }
    const qsizetype start = lineStartBefore(text, from);
    const Window w(text, start, text.size() == to ? to : lineEndAfter(text, to), options_.fuzzy && !options_.regexp);
    Utf8Walker walk(w.text);
    qsizetype at = utf16Length(text.sliced(start, from - start));
    while (at <= w.text.size()) {
        const auto m = matchInWindow(w, at);
        if (!m) break;
        const qsizetype s = start + walk.offsetOf(m->start);
        // An empty match at the very end of the text counts, as in Perl.
        if (s > to || (s == to && to < text.size())) break;
        TextMatch t{s, start + walk.offsetOf(m->end) - s, {}};
        if (replacement) t.replacement = options_.regexp ? expandReplacement(*replacement, m->groups) : *replacement;
        all.push_back(std::move(t));
        at = m->end > m->start ? m->end : nextCharIndex(w.text, m->end);
        if (stopRequested()) break;
    }
    // Half a list would pass for all of them.
    if (failed()) all.clear();
    return all;
}
