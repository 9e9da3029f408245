#pragma once
// Searching the editor's text, which is held as UTF-8.
//
// A plain search (no regular expression, no fuzzy matching) runs on the UTF-8
// bytes directly; ASCII case is folded byte by byte, which is exact because
// ASCII bytes never occur inside a UTF-8 sequence. Regular expressions and
// fuzzy matching run on UTF-16 windows of whole lines that grow until the
// answer cannot depend on text outside them.
//
// Regular expressions are Perl-style (QRegularExpression); "^" and "$" match
// at line starts and ends, "." matches no line end, and "\r\n" in a pattern
// matches a line end, so matches may span lines. A regular expression ignores
// the fuzzy option. Whole word: the match is neither preceded nor followed by
// a letter or digit of any script or an underscore.
//
// A long search can be stopped: it asks its stop check between pieces of
// work (blocks of text, windows, matches) and, when told to, ends finding
// nothing. A regular expression that exceeds the engine's backtracking limit
// also ends the search finding nothing. failure() tells such ends apart from
// an honest "no match".
#include "components/exsearchoptions.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QRegularExpression>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct SearchOptions {
    bool matchCase = false;
    bool regexp = false;
    bool fuzzy = false;
    bool wholeWord = false;
};

struct TextMatch {
    qsizetype start = 0;   // UTF-8 offsets into the searched text
    qsizetype length = 0;
    QString replacement;   // filled by findAll when a replacement is given
};

class TextSearcher {
public:
    TextSearcher(const QString& pattern, SearchOptions options);

    // False for an empty pattern or a regular expression that does not compile.
    bool isValid() const { return valid_; }
    // Why the regular expression does not compile; empty when it does.
    QString patternError() const { return regex_.isValid() ? QString() : regex_.errorString(); }

    // Asked now and then while a search runs; true ends it.
    void setStopCheck(std::function<bool()> stop) { stop_ = std::move(stop); }
    // Why the last search found nothing, if not for want of a match: None
    // after a search that ran to its end (whether it found anything or not).
    TSearchFailure failure() const { return failure_; }

    // The first match starting at or after `from`.
    std::optional<TextMatch> findForward(QByteArrayView text, qsizetype from) const;
    // The match with the greatest start before `before`.
    std::optional<TextMatch> findBackward(QByteArrayView text, qsizetype before) const;
    // Matches in order, none overlapping, starting in [from, to). With a
    // replacement, each match carries it with group references expanded
    // (regular expressions: \0..\9 and $0..$9; "\\" and "$$" for the
    // characters themselves).
    std::vector<TextMatch> findAll(QByteArrayView text, qsizetype from, qsizetype to,
                                   const QString* replacement = nullptr) const;

private:
    struct Window;
    struct WindowMatch {
        qsizetype start;  // UTF-16 indexes into the window
        qsizetype end;
        QRegularExpressionMatch groups;
    };

    bool bytewise() const { return !options_.regexp && !options_.fuzzy; }
    // Starts a search's bookkeeping; false when there is nothing to search with.
    bool begin() const;
    // Asks the stop check; true (and failure() Stopped) when the search must end.
    bool stopRequested() const;
    bool failed() const { return failure_ != TSearchFailure::None; }
    std::optional<TextMatch> bytesForward(QByteArrayView text, qsizetype from) const;
    std::optional<TextMatch> bytesBackward(QByteArrayView text, qsizetype before) const;
    qsizetype rawFind(QByteArrayView text, qsizetype from) const;
    bool wordBoundedBytes(QByteArrayView text, qsizetype start, qsizetype end) const;

    std::optional<TextMatch> windowForward(QByteArrayView text, qsizetype from) const;
    std::optional<TextMatch> windowBackward(QByteArrayView text, qsizetype before) const;
    std::optional<WindowMatch> matchInWindow(const Window& w, qsizetype from16) const;

    SearchOptions options_;
    bool valid_ = false;
    QByteArray needle_;       // UTF-8; ASCII lowered when case is ignored
    QString foldedNeedle_;    // fuzzy
    QRegularExpression regex_;
    std::function<bool()> stop_;
    mutable TSearchFailure failure_ = TSearchFailure::None;
};

// Expands \0..\9, $0..$9, "\\" and "$$" in a regular-expression replacement.
QString expandReplacement(const QString& replacement, const QRegularExpressionMatch& match);
