#pragma once
// The words the interpreter recognises by their text: keywords, word
// operators, type names and the symbols it tests. Classifying a token once
// spares comparing its upper-cased text at every test.
#include <cstdint>
#include <optional>
#include <string_view>

#include "macro/engine/ppa_entries.h"

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

// The value type a type name (Integer, Real, String) stands for.
inline std::optional<ValueType> typeWord(Word w) {
    switch (w) {
        case Word::Integer:
            return ValueType::Integer;
        case Word::Real:
            return ValueType::Real;
        case Word::String:
            return ValueType::String;
        default:
            return std::nullopt;
    }
}

}  // namespace ppa
