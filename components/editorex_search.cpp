// TEditorEx: search, replace-all and the marks on visible hits.
#include "components/editordocstate.h"
#include "components/editorex.h"
#include "components/editorview.h"
#include "components/textsearcher.h"
#include "platform/cp932.h"

using B = QsciScintillaBase;

namespace {

// Indicators that draw a hit: its background, its text colour and, when
// the Hit style asks for it, an underline.
constexpr int kHitBack = 8;
constexpr int kHitFore = 9;
constexpr int kHitUnder = 10;
constexpr int kHitIndicators[] = {kHitBack, kHitFore, kHitUnder};

SearchOptions searchOptionsOf(TExSearchOptions set) {
    SearchOptions o;
    o.matchCase = set.Contains(TExSearchOption::MatchCase);
    o.regexp = set.Contains(TExSearchOption::Regexp);
    o.fuzzy = set.Contains(TExSearchOption::Fuzzy);
    o.wholeWord = set.Contains(TExSearchOption::WholeWord);
    return o;
}

// Follows one position of the text through a replace-all, hit by hit in
// text order: behind a hit it moves with the growth before it, inside a hit
// it goes to the start of the hit's replacement.
struct FollowedPosition {
    qsizetype before;
    qsizetype after = -1;

    void pass(const TextMatch& m, qsizetype growthBefore) {
        if (after >= 0) return;
        const bool behind = before > m.start && before >= m.start + m.length;
        if (!behind) after = std::min(before, m.start) + growthBefore;
    }
    qsizetype result(qsizetype totalGrowth) const { return after >= 0 ? after : before + totalGrowth; }
};

}  // namespace

void TEditorEx::SetFindString(QByteArrayView text) {
    findString_ = text.toByteArray();
    searcher_.reset();
    hitsValid_ = false;
    refreshHits();
}

void TEditorEx::SetExSearchOptions(TExSearchOptions options) {
    searchOptions_ = options;
    searcher_.reset();
    hitsValid_ = false;
    refreshHits();
}

const TextSearcher* TEditorEx::searcher() const {
    if (!searcher_) {
        // Patterns, like the text, use CR LF for a line end.
        const QString pattern = cp932::decode(findString_);
        searcher_ = std::make_unique<TextSearcher>(pattern, searchOptionsOf(searchOptions_));
        searcher_->setStopCheck(searchStop_);
    }
    return searcher_->isValid() ? searcher_.get() : nullptr;
}

bool TEditorEx::selectMatch(qsizetype start, qsizetype length) {
    const long line = sci(B::SCI_LINEFROMPOSITION, start);
    sci(B::SCI_ENSUREVISIBLEENFORCEPOLICY, line);
    selectRange(start, start + length);
    sci(B::SCI_SCROLLRANGE, start + length, long(start));
    return true;
}

bool TEditorEx::Find() {
    const TextSearcher* s = searcher();
    if (s == nullptr) return false;
    const qsizetype from = sci(B::SCI_GETSELECTIONSTART);
    const qsizetype lineStart = sci(B::SCI_POSITIONFROMLINE, sci(B::SCI_LINEFROMPOSITION, from));
    const auto m = s->findForward(range(lineStart, docLength()), from - lineStart);
    return m && selectMatch(lineStart + m->start, m->length);
}

bool TEditorEx::FindNext() {
    const TextSearcher* s = searcher();
    if (s == nullptr) return false;
    const qsizetype selStart = sci(B::SCI_GETSELECTIONSTART);
    const qsizetype selEnd = sci(B::SCI_GETSELECTIONEND);
    const qsizetype lineStart = sci(B::SCI_POSITIONFROMLINE, sci(B::SCI_LINEFROMPOSITION, selEnd));
    const QByteArrayView text = range(lineStart, docLength());
    auto m = s->findForward(text, selEnd - lineStart);
    // An empty hit where the caret already is would hold the search in place.
    if (m && m->length == 0 && lineStart + m->start == selStart && selStart == selEnd) {
        const long next = sci(B::SCI_POSITIONAFTER, selEnd);
        m = next > selEnd ? s->findForward(text, next - lineStart) : std::nullopt;
    }
    return m && selectMatch(lineStart + m->start, m->length);
}

bool TEditorEx::FindPrev() {
    const TextSearcher* s = searcher();
    if (s == nullptr) return false;
    // The whole text: a hit that starts before the selection may run on
    // past the end of its line.
    const auto m = s->findBackward(range(0, docLength()), sci(B::SCI_GETSELECTIONSTART));
    return m && selectMatch(m->start, m->length);
}

// One edit from the first hit to the end of the last, with the text between
// the hits copied once: an edit per hit would cost a pass over the line table
// and an undo record each.
int TEditorEx::ReplaceAll(QByteArrayView text, bool /*confirm*/) {
    const TextSearcher* s = searcher();
    if (s == nullptr) return 0;
    const QString replacement = QString::fromUtf8(utf8Of(text));
    const QByteArrayView doc = range(0, docLength());
    const std::vector<TextMatch> matches = s->findAll(doc, 0, doc.size(), &replacement);
    if (matches.empty()) return 0;

    const qsizetype from = matches.front().start;
    const qsizetype to = matches.back().start + matches.back().length;
    FollowedPosition anchor{sci(B::SCI_GETANCHOR)};
    FollowedPosition caret{sci(B::SCI_GETCURRENTPOS)};
    QByteArray joined;
    joined.reserve(to - from + qsizetype(matches.size()) * replacement.size());
    qsizetype at = from;
    for (const TextMatch& m : matches) {
        const qsizetype growth = from + joined.size() - at;
        anchor.pass(m, growth);
        caret.pass(m, growth);
        joined.append(doc.sliced(at, m.start - at));
        joined.append(m.replacement.toUtf8());
        at = m.start + m.length;
    }
    const qsizetype growth = from + joined.size() - to;

    sci(B::SCI_BEGINUNDOACTION);
    replaceRange(from, to, joined);
    sci(B::SCI_ENDUNDOACTION);
    selectRange(anchor.result(growth), caret.result(growth));
    return int(matches.size());
}

QByteArray TEditorEx::SelectionReplacement(QByteArrayView text) const {
    const TextSearcher* s = searcher();
    if (s == nullptr || !searchOptions_.Contains(TExSearchOption::Regexp)) return text.toByteArray();
    const qsizetype start = sci(B::SCI_GETSELECTIONSTART);
    const qsizetype end = sci(B::SCI_GETSELECTIONEND);
    const qsizetype lineStart = sci(B::SCI_POSITIONFROMLINE, sci(B::SCI_LINEFROMPOSITION, start));
    const QString replacement = QString::fromUtf8(utf8Of(text));
    const QByteArrayView tail = range(lineStart, docLength());
    const auto matches = s->findAll(tail, start - lineStart, std::max(end, start + 1) - lineStart, &replacement);
    if (matches.empty() || matches.front().start != start - lineStart || matches.front().length != end - start)
        return text.toByteArray();
    return cp932::encode(matches.front().replacement);
}

TSearchFailure TEditorEx::SearchFailure() const {
    return searcher_ ? searcher_->failure() : TSearchFailure::None;
}

QString TEditorEx::SearchPatternError() const {
    searcher();
    return searcher_->patternError();
}

void TEditorEx::SetSearchStopCheck(std::function<bool()> stop) {
    searchStop_ = std::move(stop);
    if (searcher_) searcher_->setStopCheck(searchStop_);
}

// ---- hit marks ---------------------------------------------------------------------

// Marks the matches of the find string in the rows on screen. Only that
// stretch is searched, and only again when it or the text has changed.
void TEditorEx::refreshHits() {
    const long lines = sci(B::SCI_GETLINECOUNT);
    const long firstVisible = sci(B::SCI_GETFIRSTVISIBLELINE);
    const long first = sci(B::SCI_DOCLINEFROMVISIBLE, firstVisible);
    const long last = sci(B::SCI_DOCLINEFROMVISIBLE, firstVisible + sci(B::SCI_LINESONSCREEN) + 1);
    const qsizetype start = sci(B::SCI_POSITIONFROMLINE, first);
    const qsizetype end = last + 1 < lines ? sci(B::SCI_POSITIONFROMLINE, last + 1) : docLength();
    if (hitsValid_ && start == hitStart_ && end == hitEnd_ && hitVersion_ == doc_->version) return;
    // Another view of the text may have marks of its own here.
    if (findString_.isEmpty() && hitStart_ == hitEnd_) return;

    // Marks move with the text they are on; clear where they were and where
    // they will be.
    const qsizetype clearFrom = std::min(start, hitStart_);
    const qsizetype clearTo = std::min(std::max(end, hitEnd_), docLength());
    for (int indicator : kHitIndicators) {
        sci(B::SCI_SETINDICATORCURRENT, indicator);
        sci(B::SCI_INDICATORCLEARRANGE, clearFrom, long(clearTo - clearFrom));
    }
    hitsValid_ = true;
    hitStart_ = start;
    hitEnd_ = end;
    hitVersion_ = doc_->version;
    const TextSearcher* s = findString_.isEmpty() ? nullptr : searcher();
    if (s == nullptr) {
        hitStart_ = hitEnd_ = 0;
        return;
    }
    const auto matches = s->findAll(range(start, end), 0, end - start);
    for (int indicator : kHitIndicators) {
        sci(B::SCI_SETINDICATORCURRENT, indicator);
        for (const TextMatch& m : matches) sci(B::SCI_INDICATORFILLRANGE, start + m.start, long(m.length));
    }
}
