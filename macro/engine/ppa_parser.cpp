#include "macro/engine/ppa_parser.h"

#include "macro/engine/sjis.h"

namespace ppa {
namespace {

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(unsigned char c) { return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool isLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isExponent(unsigned char c) { return c == 'E' || c == 'e'; }

}  // namespace

TPPAParser::TPPAParser(std::string_view text) : text_(text.substr(0, text.find('\0'))) { NextToken(); }

std::size_t TPPAParser::skipDigits(std::size_t i, bool hex) const {
    while (hex ? isHexDigit(at(i)) : isDigit(at(i))) ++i;
    return i;
}

TTokenKind TPPAParser::NextToken() {
    if (trailPending_) {
        // The second byte of a double-byte character is its own symbol; it never
        // starts an identifier even when it looks like a letter.
        trailPending_ = false;
        start_ = pos_;
        ++pos_;
        return kind_ = tkSymbol;
    }
    while (at(pos_) >= 1 && at(pos_) <= 32) ++pos_;
    start_ = pos_;
    const unsigned char c = at(pos_);
    const unsigned char d = at(pos_ + 1);
    if (c == 0) return kind_ = tkEnd;
    if (c == '/' && d == '/') {
        while (at(pos_) != 0 && at(pos_) != '\r' && at(pos_) != '\n') ++pos_;
        return kind_ = tkComment;
    }
    if (c == '\'') {
        scanString();
        return kind_ = tkString;
    }
    if (c == '$') {
        pos_ = skipDigits(pos_ + 1, true);
        return kind_ = tkInteger;
    }
    if (c == '#') {
        if (d == '$')
            pos_ = skipDigits(pos_ + 2, true);
        else if (isDigit(d))
            pos_ = skipDigits(pos_ + 1, false);
        else
            ++pos_;
        return kind_ = tkString;
    }
    if ((c == ':' && d == '=') || (c == '<' && d == '=') || (c == '<' && d == '>') ||
        (c == '>' && d == '=') || (c == '.' && d == '.')) {
        pos_ += 2;
        return kind_ = tkOperator;
    }
    if (isDigit(c)) {
        scanNumber();
        return kind_;
    }
    if (isLetter(c)) {
        ++pos_;
        while (isLetter(at(pos_)) || isDigit(at(pos_))) ++pos_;
        return kind_ = tkIdentifier;
    }
    if (sjis::isLeadByte(c) && sjis::isTrailByte(d)) trailPending_ = true;
    ++pos_;
    return kind_ = tkSymbol;
}

void TPPAParser::scanString() {
    ++pos_;
    while (at(pos_) != 0) {
        if (at(pos_) == '\'') {
            if (at(pos_ + 1) != '\'') {
                ++pos_;
                return;
            }
            pos_ += 2;
        } else {
            ++pos_;
        }
    }
}

void TPPAParser::scanExponent() {
    ++pos_;  // E or e
    if (at(pos_) == '+' || at(pos_) == '-') ++pos_;
    pos_ = skipDigits(pos_, false);
}

void TPPAParser::scanNumber() {
    pos_ = skipDigits(pos_, false);
    kind_ = tkInteger;
    if (at(pos_) == '.') {
        kind_ = tkReal;
        // In 1..5 the dot belongs to the range operator and stays unread.
        if (isDigit(at(pos_ + 1))) {
            pos_ = skipDigits(pos_ + 1, false);
            if (isExponent(at(pos_))) scanExponent();
        } else if (isExponent(at(pos_ + 1))) {
            ++pos_;
            scanExponent();
        }
    } else if (isExponent(at(pos_))) {
        kind_ = tkReal;
        scanExponent();
    }
}

std::string_view TPPAParser::TokenView() const {
    return std::string_view(text_).substr(start_, pos_ - start_);
}

std::string TPPAParser::TokenTextUpper() const { return sjis::upper(TokenView()); }

bool TPPAParser::Accept(std::string_view text) {
    if (TokenTextUpper() != sjis::upper(text)) return false;
    NextToken();
    return true;
}

}  // namespace ppa
