#include "components/fuzzyfold.h"
#include "components/textsearcher.h"

#include <gtest/gtest.h>

namespace {

SearchOptions opts(bool matchCase, bool regexp = false, bool fuzzy = false, bool wholeWord = false) {
    return {matchCase, regexp, fuzzy, wholeWord};
}

// Every match of `pattern` in `text` as "start+length" over UTF-8 offsets.
std::vector<std::string> all(const char* pattern, const QByteArray& text, SearchOptions o) {
    const TextSearcher s(QString::fromUtf8(pattern), o);
    std::vector<std::string> out;
    for (const TextMatch& m : s.findAll(text, 0, text.size())) {
        out.push_back(text.mid(m.start, m.length).toStdString());
    }
    return out;
}

using V = std::vector<std::string>;

}  // namespace

TEST(TextSearcher, MatchCaseAndAsciiFolding) {
    const QByteArray text = "Abc abc ABC ａｂｃ";
    EXPECT_EQ(all("abc", text, opts(true)), (V{"abc"}));
    EXPECT_EQ(all("abc", text, opts(false)), (V{"Abc", "abc", "ABC"}));
}

TEST(TextSearcher, WholeWordLooksAtLettersOfAnyScript) {
    const QByteArray text = QString::fromUtf8("abc xabc abc_ (abc) 表abc").toUtf8();
    EXPECT_EQ(all("abc", text, opts(true, false, false, true)), (V{"abc", "abc"}));
    EXPECT_EQ(all("a.c", text, opts(true, true, false, true)), (V{"abc", "abc"}));
}

TEST(TextSearcher, FuzzyIgnoresWidthKanaAndCase) {
    const QByteArray text = QString::fromUtf8("ＡＢＣ abc ｶﾞｷ がき ガキ").toUtf8();
    EXPECT_EQ(all("abc", text, opts(true, false, true)), (V{"ＡＢＣ", "abc"}));
    EXPECT_EQ(all("ガキ", text, opts(true, false, true)), (V{"ｶﾞｷ", "がき", "ガキ"}));
    EXPECT_EQ(fuzzyFold(u"ｶﾞ").text, QString::fromUtf8("ガ"));
    EXPECT_EQ(fuzzyFold(u"ﾊﾟｳﾞ").text, QString::fromUtf8("パヴ"));
}

TEST(TextSearcher, RegexpSpansCrLfAndAnchorsAtLineEnds) {
    const QByteArray text = "ab\r\ncd\r\nab";
    EXPECT_EQ(all("b\\r\\nc", text, opts(true, true)), (V{"b\r\nc"}));
    EXPECT_EQ(all("b$", text, opts(true, true)), (V{"b", "b"}));
    EXPECT_EQ(all("^.*$", text, opts(true, true)), (V{"ab", "cd", "ab"}));
    EXPECT_FALSE(TextSearcher("(", opts(true, true)).isValid());
}

TEST(TextSearcher, ReplacementExpandsGroups) {
    const TextSearcher s("(\\w+)=(\\w+)", opts(true, true));
    const QByteArray text = "a=1 b=2";
    const QString repl = "\\2:$1 \\\\ $$";
    const auto m = s.findAll(text, 0, text.size(), &repl);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].replacement, "1:a \\ $");
    EXPECT_EQ(m[1].replacement, "2:b \\ $");
}

TEST(TextSearcher, EmptyRegexpMatchesAdvance) {
    EXPECT_EQ(all("x*", "axxb", opts(true, true)), (V{"", "xx", "", ""}));
}

TEST(TextSearcher, ForwardAndBackwardAroundAPosition) {
    const QByteArray text = "one two one two one";
    const TextSearcher s("one", opts(true));
    EXPECT_EQ(s.findForward(text, 1)->start, 8);
    EXPECT_EQ(s.findBackward(text, 16)->start, 8);
    EXPECT_EQ(s.findBackward(text, 8)->start, 0);
    EXPECT_FALSE(s.findBackward(text, 0));
    EXPECT_FALSE(s.findForward(text, 17));
    // A match that starts before the position may end lines after it.
    const TextSearcher lines("ab\\r\\ncd", opts(true, true));
    EXPECT_EQ(lines.findBackward("xx ab\r\ncd yy", 4)->start, 3);
    // Backward finds the last start even when matches overlap.
    EXPECT_EQ(TextSearcher("aa", opts(true, true)).findBackward("aaaa", 4)->start, 2);
}

TEST(TextSearcher, MatchesAcrossTheSearchWindowEdges) {
    // Longer than the first window, with the only hits straddling its end
    // and near the start.
    QByteArray text = "head\r\n";
    while (text.size() < (3 << 20)) text += "filler line of text\r\n";
    text += "tail\r\nend";
    const TextSearcher regex("tail\\r\\nend", opts(true, true));
    const auto forward = regex.findForward(text, 0);
    ASSERT_TRUE(forward);
    EXPECT_EQ(forward->start, text.size() - 9);
    EXPECT_EQ(forward->length, 9);
    const TextSearcher fuzzy("HEAD", opts(false, false, true));
    const auto backward = fuzzy.findBackward(text, text.size());
    ASSERT_TRUE(backward);
    EXPECT_EQ(backward->start, 0);
}
