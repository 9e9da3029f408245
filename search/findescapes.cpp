#include "search/findescapes.h"

#include "platform/cp932.h"

#include <vector>

namespace {

// Walks a text character by character, a doubled backslash as one step.
class EscapeWalker {
public:
    explicit EscapeWalker(QByteArrayView text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    // The letter after a backslash that starts an escape here, or 0.
    char escape() const {
        if (text_[at_] != '\\' || at_ + 1 >= text_.size() || text_[at_ + 1] == '\\') return 0;
        return text_[at_ + 1];
    }
    // The character here (a doubled backslash or a CR LF pair as one), and
    // steps past it.
    QByteArrayView take() {
        const qsizetype length = pairHere() ? 2 : cp932::charLength(text_, at_);
        const QByteArrayView piece = text_.sliced(at_, length);
        at_ += length;
        return piece;
    }
    void skipEscape() { at_ += 2; }
    qsizetype position() const { return at_; }

private:
    bool pairHere() const {
        if (at_ + 1 >= text_.size()) return false;
        return (text_[at_] == '\\' && text_[at_ + 1] == '\\') || (text_[at_] == '\r' && text_[at_ + 1] == '\n');
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
};

// Output that knows where its characters start, so that \b can take the
// last one away whole.
class CharacterOutput {
public:
    void append(QByteArrayView piece, bool oneCharacter) {
        if (oneCharacter) {
            starts_.push_back(text_.size());
        } else {
            for (qsizetype i = 0; i < piece.size(); ++i) starts_.push_back(text_.size() + i);
        }
        text_.append(piece);
    }
    void removeLast() {
        if (starts_.empty()) return;
        text_.truncate(starts_.back());
        starts_.pop_back();
    }
    QByteArray text() const { return text_; }

private:
    QByteArray text_;
    std::vector<qsizetype> starts_;
};

}  // namespace

bool HasLineBreakEscape(QByteArrayView pattern) {
    for (EscapeWalker walk(pattern); !walk.atEnd(); walk.take()) {
        if (walk.escape() == 'n') return true;
    }
    return false;
}

QByteArray ExpandFindEscapes(QByteArrayView pattern) {
    QByteArray out;
    out.reserve(pattern.size() + 8);
    for (EscapeWalker walk(pattern); !walk.atEnd();) {
        if (walk.escape() == 'n') {
            out += "\\r\\n";
            walk.skipEscape();
        } else {
            out += walk.take();
        }
    }
    return out;
}

QByteArray ExpandReplaceEscapes(QByteArrayView replacement) {
    CharacterOutput out;
    for (EscapeWalker walk(replacement); !walk.atEnd();) {
        const char escape = walk.escape();
        const bool atTextStart = walk.position() == 0;
        if (escape == 'n') {
            out.append("\r\n", true);
        } else if (escape == 't') {
            out.append("\t", true);
        } else if (escape == 'b' && !atTextStart) {
            out.removeLast();
        } else {
            const QByteArrayView piece = walk.take();
            // A doubled backslash is two characters of the result.
            out.append(piece, piece != QByteArrayView("\\\\"));
            continue;
        }
        walk.skipEscape();
    }
    return out.text();
}
