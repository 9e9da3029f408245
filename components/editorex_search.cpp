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

int TEditorEx::ReplaceAll(QByteArrayView text, bool /*confirm*/) {
    const TextSearcher* s = searcher();
    if (s == nullptr) return 0;
    const QString replacement = QString::fromUtf8(utf8Of(text));
    const std::vector<TextMatch> matches = s->findAll(range(0, docLength()), 0, docLength(), &replacement);
    if (matches.empty()) return 0;
    sci(B::SCI_BEGINUNDOACTION);
    // From the last match back, so the earlier positions stay valid.
    for (auto it = matches.rbegin(); it != matches.rend(); ++it) {
        replaceRange(it->start, it->start + it->length, it->replacement.toUtf8());
    }
    sci(B::SCI_ENDUNDOACTION);
    return int(matches.size());
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
