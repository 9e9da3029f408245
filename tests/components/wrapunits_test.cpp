// Where wrapped rows begin under the Japanese line-breaking rules.
#include "components/wrapunits.h"

#include <gtest/gtest.h>

namespace {

struct Switches {
    bool punctuation = true;
    bool leading = true;
    bool wordBreak = true;
};

std::vector<qsizetype> rows(const char* utf8, Switches sw = {}, int wrapByte = 10) {
    TEditorWrapOption option;
    option.WrapByte = wrapByte;
    option.FollowPunctuation = sw.punctuation;
    option.Leading = sw.leading;
    option.WordBreak = sw.wordBreak;
    return WrapUnits(option, 8).rowStarts(QString::fromUtf8(utf8));
}

}  // namespace

TEST(WrapUnits, RowsBeginWhereTheRulesAllow) {
    using V = std::vector<qsizetype>;
    const struct {
        const char* line;
        Switches sw;
        V starts;
    } cases[] = {
        {"abcdefghijklmnopqrstuvwxy", {true, true, false}, V{10, 20}},  // no word wrap: every 10 columns
        {"abc defghij klm", {}, V{4, 12}},                              // words stay whole
        {"abcdefghijklmno", {}, V{10}},                                 // a word longer than a row is cut
        {"あいうえおかきくけこさし", {}, V{5, 10}},                     // five double-byte characters a row
        {"あいうえお。かきく", {}, V{6}},                               // 。 hangs past the wrap column
        {"あいうえお。かきく", {false, true, true}, V{4}},              // ... or takes お down with it
        {"あいうえお。かきく", {false, false, true}, V{5}},             // ... or begins the row
        {"あいうえ「おか", {}, V{4}},                                   // 「 never ends a row
        {"あいうえ「おか", {true, false, true}, V{5}},
        {"abcdefgh(x)", {}, V{8}},                                      // ( never ends, ) never begins a row
        {"abcdefghij,k", {}, V{11}},                                    // a half-width comma hangs too
        {"abcdefghij   k", {}, V{13}},                                  // blanks hang
        {"\tabc", {}, V{1}},                                            // a TAB reaches the tab stop
        {"ｱｲｳｴｵｶｷｸｹｺｻ", {}, V{10}},                                     // half-width kana take one column
    };
    for (const auto& c : cases) EXPECT_EQ(rows(c.line, c.sw), c.starts) << c.line;
}

TEST(WrapUnits, ColumnsCountShiftJisBytes) {
    TEditorWrapOption option;
    const WrapUnits units(option, 4);
    EXPECT_EQ(units.columns(u"aあ\tｱ"), (std::vector<int>{0, 1, 3, 4, 5}));
}
