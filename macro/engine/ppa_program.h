#pragma once
// A prepared macro text scanned once into tokens. The interpreter cuts
// statements, arguments and expressions out of its text as spans of these
// tokens: every token of a prepared text stands alone between blanks, so a
// span scanned afresh would give exactly the same tokens.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macro/engine/ppa_parser.h"
#include "macro/engine/ppa_words.h"

namespace ppa {

struct Token {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    std::uint32_t line = 0;  // of the source text, 1-based
    TTokenKind kind = tkEnd;
    Word word = Word::None;
};

// Half-open range of token indexes.
struct Span {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    bool empty() const { return begin >= end; }
};

// The program text of Execute: each line's tokens without comments, joined
// with single spaces and right-trimmed; empty lines dropped; lines joined
// with CR LF. The two bytes of a double-byte character stay together.
struct PreparedSource {
    std::string text;
    std::vector<std::uint32_t> lineNumbers;  // the source line of each line of text
};
PreparedSource prepareSource(const std::vector<std::string>& lines);

class Program {
public:
    explicit Program(PreparedSource source);

    Span all() const { return {0, static_cast<std::uint32_t>(tokens_.size())}; }
    const Token& token(std::uint32_t i) const { return tokens_[i]; }
    // The source line of token i; past the end, of the last token (0 when
    // there is none).
    std::uint32_t lineOf(std::uint32_t i) const {
        if (tokens_.empty()) return 0;
        return tokens_[i < tokens_.size() ? i : tokens_.size() - 1].line;
    }
    std::string_view text(std::uint32_t i) const {
        return std::string_view(text_).substr(tokens_[i].offset, tokens_[i].length);
    }
    // The token's text for a message: a lead byte brings its trail byte along,
    // so that a double-byte character is shown whole.
    std::string messageText(std::uint32_t i) const;

private:
    std::string text_;
    std::vector<Token> tokens_;
};

// Walks a span the way a fresh tokenizer would walk its text.
class Cursor {
public:
    Cursor(const Program& program, Span span) : program_(&program), pos_(span.begin), end_(span.end) {}

    bool atEnd() const { return pos_ >= end_; }
    TTokenKind kind() const { return atEnd() ? tkEnd : program_->token(pos_).kind; }
    Word word() const { return atEnd() ? Word::None : program_->token(pos_).word; }
    std::string_view text() const { return atEnd() ? std::string_view() : program_->text(pos_); }
    std::string messageText() const { return atEnd() ? std::string() : program_->messageText(pos_); }
    // The line of the current token; at the end, of the span's last token.
    std::uint32_t line() const { return program_->lineOf(atEnd() && pos_ > 0 ? pos_ - 1 : pos_); }
    void next() {
        if (pos_ < end_) ++pos_;
    }
    bool accept(Word w) {
        if (word() != w) return false;
        next();
        return true;
    }
    std::uint32_t pos() const { return pos_; }
    std::uint32_t end() const { return end_; }
    Span from(std::uint32_t start) const { return {start, pos_}; }
    Span rest() const { return {pos_, end_}; }
    void skipRest() { pos_ = end_; }
    const Program& program() const { return *program_; }

private:
    const Program* program_;
    std::uint32_t pos_;
    std::uint32_t end_;
};

}  // namespace ppa
