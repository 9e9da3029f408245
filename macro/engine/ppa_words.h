#pragma once
// The words the interpreter recognises by their text: keywords, word
// operators, type names and the symbols it tests. Classifying a token once
// spares comparing its upper-cased text at every test.
#include <cstdint>
#include <string_view>

namespace ppa {

enum class Word : std::uint8_t {
    None,
    // statement keywords
    Begin,
    End,
    If,
    Then,
    Else,
    For,
    To,
    Downto,
    Do,
    While,
    Repeat,
    Until,
    Case,
    Of,
    Break,
    Continue,
    Exit,
    Var,
    // word operators
    Not,
    Div,
    Mod,
    And,
    Or,
    Xor,
    Shl,
    Shr,
    // prototype language
    Integer,
    Real,
    String,
    Index,
    Procedure,
    Function,
    // symbols and two-character operators
    Semicolon,
    Comma,
    Colon,
    LeftParen,
    RightParen,
    Plus,
    Minus,
    Star,
    Slash,
    Equal,
    Less,
    Greater,
    Assign,
    LessEqual,
    NotEqual,
    GreaterEqual,
    Range,
};

// The word a token text stands for, ignoring letter case; None for any other.
Word classifyWord(std::string_view tokenText);

// BEGIN, REPEAT and CASE open a nesting level; END and UNTIL close one.
inline int nestingStep(Word w) {
    switch (w) {
        case Word::Begin:
        case Word::Repeat:
        case Word::Case:
            return 1;
        case Word::End:
        case Word::Until:
            return -1;
        default:
            return 0;
    }
}

}  // namespace ppa
