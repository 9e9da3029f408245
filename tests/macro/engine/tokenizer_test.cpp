#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "macro/engine/ppa_parser.h"

namespace {

using ppa::TPPAParser;
using Tokens = std::vector<std::pair<int, std::string>>;

Tokens scan(const std::string& text) {
    Tokens out;
    TPPAParser p(text);
    for (; p.TokenKind() != ppa::tkEnd; p.NextToken()) out.emplace_back(p.TokenKind(), p.TokenText());
    return out;
}

TEST(Tokenizer, AssignmentSplitsIntoIdentifierOperatorInteger) {
    EXPECT_EQ(scan("x:=1"), (Tokens{{8, "x"}, {100, ":="}, {3, "1"}}));
}

TEST(Tokenizer, NumberBeforeRangeIsRealAndKeepsTheDots) {
    EXPECT_EQ(scan("1..5"), (Tokens{{4, "1"}, {100, ".."}, {3, "5"}}));
}

TEST(Tokenizer, NumbersWithFractionOrExponent) {
    EXPECT_EQ(scan("1.5 2e3 3E+ 4.e 5.5e-2 6e"),
              (Tokens{{4, "1.5"}, {4, "2e3"}, {4, "3E+"}, {4, "4.e"}, {4, "5.5e-2"}, {4, "6e"}}));
    EXPECT_EQ(scan("1.x"), (Tokens{{4, "1"}, {1, "."}, {8, "x"}}));
}

TEST(Tokenizer, HexadecimalOnlyWithDollar) {
    EXPECT_EQ(scan("$1F $ 0x10"), (Tokens{{3, "$1F"}, {3, "$"}, {3, "0"}, {8, "x10"}}));
}

TEST(Tokenizer, StringsKeepQuotesAndDoubledQuotes) {
    EXPECT_EQ(scan("'it''s' 'a'"), (Tokens{{2, "'it''s'"}, {2, "'a'"}}));
    EXPECT_EQ(scan("'open to the end"), (Tokens{{2, "'open to the end"}}));
}

TEST(Tokenizer, CharacterCodesAreOneStringTokenEach) {
    EXPECT_EQ(scan("#13#10"), (Tokens{{2, "#13"}, {2, "#10"}}));
    EXPECT_EQ(scan("#$0D"), (Tokens{{2, "#$0D"}}));
    EXPECT_EQ(scan("#x"), (Tokens{{2, "#"}, {8, "x"}}));
}

TEST(Tokenizer, OperatorsAndLoneSymbols) {
    EXPECT_EQ(scan("<= <> >= := .. < > : . = ;"), (Tokens{{100, "<="},
                                                          {100, "<>"},
                                                          {100, ">="},
                                                          {100, ":="},
                                                          {100, ".."},
                                                          {1, "<"},
                                                          {1, ">"},
                                                          {1, ":"},
                                                          {1, "."},
                                                          {1, "="},
                                                          {1, ";"}}));
    EXPECT_EQ(scan("{(*"), (Tokens{{1, "{"}, {1, "("}, {1, "*"}}));
}

TEST(Tokenizer, CommentRunsToLineEnd) {
    EXPECT_EQ(scan("x := 1; // note\r\ny"),
              (Tokens{{8, "x"}, {100, ":="}, {3, "1"}, {1, ";"}, {7, "// note"}, {8, "y"}}));
}

TEST(Tokenizer, DoubleByteCharacterIsOneSymbolPerByte) {
    // "ア" is 83 41: its trail byte looks like the letter A but is no identifier.
    EXPECT_EQ(scan("\x83\x41"
                   "BC"),
              (Tokens{{1, "\x83"}, {1, "\x41"}, {8, "BC"}}));
    EXPECT_EQ(scan("_a1 b"), (Tokens{{8, "_a1"}, {8, "b"}}));
}

TEST(Tokenizer, ControlBytesAreBlanksAndNulEndsTheText) {
    EXPECT_EQ(scan("\x01\x1f"
                   "a\tb"),
              (Tokens{{8, "a"}, {8, "b"}}));
    EXPECT_EQ(scan(std::string("a\0b", 3)), (Tokens{{8, "a"}}));
}

TEST(Tokenizer, EndIsFinal) {
    TPPAParser p("a");
    EXPECT_EQ(p.NextToken(), ppa::tkEnd);
    EXPECT_EQ(p.NextToken(), ppa::tkEnd);
    EXPECT_EQ(p.TokenText(), "");
}

TEST(Tokenizer, AcceptIgnoresCaseAndMovesOnlyOnMatch) {
    TPPAParser p("begin End");
    EXPECT_FALSE(p.Accept("END"));
    EXPECT_TRUE(p.Accept("BEGIN"));
    EXPECT_EQ(p.TokenTextUpper(), "END");
    EXPECT_EQ(p.TokenOffset(), 6u);
    EXPECT_TRUE(p.Accept("end"));
    EXPECT_EQ(p.TokenKind(), ppa::tkEnd);
}

}  // namespace
