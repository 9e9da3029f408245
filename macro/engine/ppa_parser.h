#pragma once
// TPPAParser cuts macro text into tokens. It only classifies; keywords are
// recognised by the interpreter through Accept or TokenTextUpper, so they are
// case-insensitive.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ppa {

// The numbers are part of the contract: the interpreter tests them.
enum TTokenKind : std::uint8_t {
    tkEnd = 0,         // end of text (NUL reached)
    tkSymbol = 1,      // any other single byte, each byte of a double-byte character too
    tkString = 2,      // 'quoted' string or one #code
    tkInteger = 3,     // digits, or $ and hexadecimal digits
    tkReal = 4,        // digits with a dot or an exponent
    tkComment = 7,     // // up to the end of the line
    tkIdentifier = 8,  // letter or _ then letters, digits and _
    tkOperator = 100,  // := <= <> >= ..
};

class TPPAParser {
public:
    // Copies the text (up to its first NUL) and scans the first token.
    explicit TPPAParser(std::string_view text);

    TTokenKind NextToken();
    TTokenKind TokenKind() const { return kind_; }

    std::string TokenText() const { return std::string(TokenView()); }
    std::string TokenTextUpper() const;
    std::string_view TokenView() const;

    // Moves on when the current token equals `text` ignoring letter case.
    bool Accept(std::string_view text);

    // Byte offset of the current token within the text.
    std::size_t TokenOffset() const { return start_; }

private:
    unsigned char at(std::size_t i) const {
        return i < text_.size() ? static_cast<unsigned char>(text_[i]) : 0;
    }
    void scanString();
    void scanNumber();
    void scanExponent();
    std::size_t skipDigits(std::size_t i, bool hex) const;

    std::string text_;
    std::size_t pos_ = 0;        // byte after the current token
    std::size_t start_ = 0;      // first byte of the current token
    bool trailPending_ = false;  // the next byte completes a double-byte character
    TTokenKind kind_ = tkEnd;
};

}  // namespace ppa
