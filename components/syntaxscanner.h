#pragma once
// Splits one line of text into the token classes that the editor colours.
//
// Plain C++ over a QString line so that the colouring rules can be tested
// without a widget. A bracket pair such as "/*" ... "*/" may span lines: the
// scanner takes the state the previous line ended in and returns the state
// this line ends in.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <bitset>
#include <vector>

// Token kinds as TokenFromPos reports them. The program relies on 21 and 22.
enum class TokenKind : int {
    None = 0,
    Ank = 1,      // single-byte characters (letters, half-width kana)
    DBCS = 2,     // double-byte characters
    Int = 3,      // decimal or hexadecimal numbers
    Symbol = 4,   // ASCII punctuation
    Str = 5,      // quoted strings
    Reserve = 6,  // reserved words
    Comment = 7,  // from the comment marker to the line end
    Bracket = 8,  // inside a coloured bracket pair, the brackets included
    Space = 9,    // blanks
    Control = 10, // control codes (only when they are recognised)
    Url = 21,
    Mail = 22,
};

struct BracketPair {
    QString left;
    QString right;
};

// What the scanner recognises; built from the editor's property set.
struct ScanRules {
    QList<BracketPair> brackets;
    QString commenter;   // empty: no line comments
    QString quotation;   // each character opens and closes a string
    QString hexPrefix;   // empty: no hexadecimal numbers
    QStringList reservedWords;
    bool url = true;
    bool mail = true;
    bool controlCode = false;
};

struct Token {
    qsizetype start = 0;
    qsizetype length = 0;
    TokenKind kind = TokenKind::None;
    int bracket = -1;  // index into ScanRules::brackets for TokenKind::Bracket
};

struct ScannedLine {
    std::vector<Token> tokens;  // cover the line without gaps
    int endState = 0;
};

class SyntaxScanner {
public:
    explicit SyntaxScanner(ScanRules rules);

    const ScanRules& rules() const { return rules_; }

    // `startState` is 0 outside a bracket pair, else the pair's index + 1.
    ScannedLine scan(QStringView line, int startState) const;

private:
    struct Cursor;
    void scanBracket(Cursor& c, int pair) const;
    bool scanFromBracket(Cursor& c) const;
    bool scanComment(Cursor& c) const;
    bool scanString(Cursor& c) const;
    bool scanUrl(Cursor& c) const;
    bool scanMail(Cursor& c) const;
    bool scanNumber(Cursor& c) const;
    bool scanWord(Cursor& c) const;
    bool scanReservedAt(Cursor& c) const;
    void scanOther(Cursor& c) const;

    ScanRules rules_;
    // Reserved words by their first character, longest first, and a quick
    // test for those first characters.
    QHash<QChar, QStringList> reservedByFirst_;
    std::bitset<0x10000> reservedFirst_;
};

// True for the characters that make up words: letters and digits of any
// script and the underscore.
bool isWordChar(QChar c);
