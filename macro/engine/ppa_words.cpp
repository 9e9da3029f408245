#include "macro/engine/ppa_words.h"

#include <utility>

#include "macro/engine/sjis.h"

namespace ppa {
namespace {

constexpr std::pair<std::string_view, Word> kWords[] = {
    {"BEGIN", Word::Begin},
    {"END", Word::End},
    {"IF", Word::If},
    {"THEN", Word::Then},
    {"ELSE", Word::Else},
    {"FOR", Word::For},
    {"TO", Word::To},
    {"DOWNTO", Word::Downto},
    {"DO", Word::Do},
    {"WHILE", Word::While},
    {"REPEAT", Word::Repeat},
    {"UNTIL", Word::Until},
    {"CASE", Word::Case},
    {"OF", Word::Of},
    {"BREAK", Word::Break},
    {"CONTINUE", Word::Continue},
    {"EXIT", Word::Exit},
    {"VAR", Word::Var},
    {"NOT", Word::Not},
    {"DIV", Word::Div},
    {"MOD", Word::Mod},
    {"AND", Word::And},
    {"OR", Word::Or},
    {"XOR", Word::Xor},
    {"SHL", Word::Shl},
    {"SHR", Word::Shr},
    {"INTEGER", Word::Integer},
    {"REAL", Word::Real},
    {"STRING", Word::String},
    {"INDEX", Word::Index},
    {"PROCEDURE", Word::Procedure},
    {"FUNCTION", Word::Function},
    {";", Word::Semicolon},
    {",", Word::Comma},
    {":", Word::Colon},
    {"(", Word::LeftParen},
    {")", Word::RightParen},
    {"+", Word::Plus},
    {"-", Word::Minus},
    {"*", Word::Star},
    {"/", Word::Slash},
    {"=", Word::Equal},
    {"<", Word::Less},
    {">", Word::Greater},
    {":=", Word::Assign},
    {"<=", Word::LessEqual},
    {"<>", Word::NotEqual},
    {">=", Word::GreaterEqual},
    {"..", Word::Range},
};

}  // namespace

Word classifyWord(std::string_view tokenText) {
    if (tokenText.empty() || tokenText.size() > 9) return Word::None;
    const std::string upper = sjis::upper(tokenText);
    for (const auto& [text, word] : kWords)
        if (text == upper) return word;
    return Word::None;
}

}  // namespace ppa
