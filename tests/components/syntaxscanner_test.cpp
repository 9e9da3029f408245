#include "components/syntaxscanner.h"

#include "components/editorexprop.h"

#include <gtest/gtest.h>

namespace {

ScanRules defaultRules() {
    const TEditorExProp prop;
    ScanRules rules;
    rules.brackets = {{"/*", "*/"}};
    rules.commenter = prop.View.Commenter;
    rules.quotation = prop.View.Quotation;
    rules.hexPrefix = prop.View.HexPrefix;
    rules.reservedWords = prop.ReserveWordList;
    return rules;
}

// "kind:text" for each token, for readable expectations.
std::vector<std::string> kinds(const SyntaxScanner& s, const QString& line, int state = 0, int* end = nullptr) {
    const ScannedLine scanned = s.scan(line, state);
    std::vector<std::string> out;
    qsizetype covered = 0;
    for (const Token& t : scanned.tokens) {
        EXPECT_EQ(t.start, covered) << "tokens must cover the line";
        covered += t.length;
        out.push_back(std::to_string(int(t.kind)) + ":" + line.mid(t.start, t.length).toStdString());
    }
    EXPECT_EQ(covered, line.size());
    if (end) *end = scanned.endState;
    return out;
}

using V = std::vector<std::string>;

}  // namespace

TEST(SyntaxScanner, ClassifiesASampleLine) {
    const SyntaxScanner s(defaultRules());
    EXPECT_EQ(kinds(s, QString::fromUtf8("int x = 0x1F + 12; \"文字\" 表示ｶﾅ // note")),
              (V{"6:int", "9: ", "1:x", "9: ", "4:=", "9: ", "3:0x1F", "9: ", "4:+", "9: ", "3:12", "4:;",
                 "9: ", "5:\"文字\"", "9: ", "2:表示", "1:ｶﾅ", "9: ", "7:// note"}));
}

TEST(SyntaxScanner, ReservedWordsAreCaseSensitiveAndWhole) {
    const SyntaxScanner s(defaultRules());
    EXPECT_EQ(kinds(s, "Action action actions"), (V{"1:Action", "9: ", "6:action", "9: ", "1:actions"}));
}

TEST(SyntaxScanner, UrlsAndMailAddresses) {
    const SyntaxScanner s(defaultRules());
    EXPECT_EQ(kinds(s, "see http://ex.org/a?b=1. or me@mail.ex.jp!"),
              (V{"1:see", "9: ", "21:http://ex.org/a?b=1", "4:.", "9: ", "1:or", "9: ", "22:me@mail.ex.jp",
                 "4:!"}));
    ScanRules off = defaultRules();
    off.url = false;
    off.mail = false;
    EXPECT_EQ(kinds(SyntaxScanner(off), "a@b.c")[0], "1:a");
}

TEST(SyntaxScanner, BracketPairsSpanLines) {
    const SyntaxScanner s(defaultRules());
    int end = 0;
    EXPECT_EQ(kinds(s, "x /* open", 0, &end), (V{"1:x", "9: ", "8:/* open"}));
    EXPECT_EQ(end, 1);
    EXPECT_EQ(kinds(s, "still", end, &end), (V{"8:still"}));
    EXPECT_EQ(end, 1);
    EXPECT_EQ(kinds(s, "done */ 1", end, &end), (V{"8:done */", "9: ", "3:1"}));
    EXPECT_EQ(end, 0);
}

TEST(SyntaxScanner, StringsHonourEscapesAndOwnQuote) {
    ScanRules rules = defaultRules();
    rules.quotation = "\"'";
    const SyntaxScanner s(rules);
    EXPECT_EQ(kinds(s, R"("a\"b" 'c"d' "open)"), (V{R"(5:"a\"b")", "9: ", "5:'c\"d'", "9: ", "5:\"open"}));
}
