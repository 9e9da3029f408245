// What the template picker lists and inserts: plain logic.
#include "settings/pickertext.h"

#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

TEST(CompletionItemsTest, FieldsZeroAndTwoJoinedByFourSpacesSortedIgnoringCase) {
    const QStringList lines{"print(\tpr.bmp\t文字列を表示\tx.bmp", "Abs(\ta.bmp\t絶対値", "alpha", "Beep\tb"};
    EXPECT_EQ(CompletionItems(lines),
              QStringList({"Abs(    絶対値", "alpha    alpha", "Beep    b", "print(    文字列を表示"}));
}

TEST(CompletionItemsTest, TheFirstItemStartingWithTheWordIgnoringCaseIsChosen) {
    const QStringList items{"Abs(    x", "abort(    y", "Print(    z"};
    EXPECT_EQ(FirstItemStartingWith(items, "ab"), 0);
    EXPECT_EQ(FirstItemStartingWith(items, "ABO"), 1);
    EXPECT_EQ(FirstItemStartingWith(items, "pr"), 2);
    EXPECT_EQ(FirstItemStartingWith(items, "q"), -1);
    EXPECT_EQ(FirstItemStartingWith(items, ""), -1);
}

TEST(CompletionItemsTest, AnAcceptedItemInsertsItsTextBeforeTheFirstFourSpaces) {
    EXPECT_EQ(SnippetOfItem("print(    文字列を表示"), "print(");
    EXPECT_EQ(SnippetOfItem("a b  c    d    e"), "a b  c");
    EXPECT_EQ(SnippetOfItem("plain"), "plain");
}

TEST(TemplateInsertionTest, LaterLinesTakeTheCaretLinesIndentation) {
    struct Case {
        const char* name;
        QByteArray line;
        int col;
        QByteArray body;
        QByteArray text;
    };
    const Case cases[] = {
        {"tab and two spaces, column 8", "\t  x = 1;", 8, "if {\r\n}", "if {\r\n\t  }\r\n"},
        {"empty line, column 4", "", 4, "if {\r\n\tx;\r\n}", "    if {\r\n    \tx;\r\n    }\r\n"},
        {"no indentation", "abc", 1, "a\r\nb", "a\r\nb\r\n"},
        {"one line", "  x", 2, "call();", "call();\r\n"},
        {"body ending in a line break", "\tx", 1, "a\r\n", "a\r\n"},
        {"empty lines inside the body", " x", 0, "a\r\n\r\nb", "a\r\n \r\n b\r\n"},
        {"lone LF and CR", " x", 0, "a\nb\rc", "a\r\n b\r\n c\r\n"},
        {"empty body", "\tx", 1, "", ""},
        {"caret beyond the line's end", "\tab", 6, "x\r\ny", "   x\r\n\ty\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(TemplateInsertion(c.line, c.col, c.body), c.text) << c.name;
}

}  // namespace
