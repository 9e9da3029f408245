#include "tools/palettor/gridlines.h"

#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

TEST(GridLinesTest, LinesBecomeRowsByTheFieldRule) {
    const TGridRows rows = RowsFromLines({"caption\tfile.qbt", "no tab", "a\tb\tc"}, 2);
    EXPECT_EQ(rows, TGridRows({{"caption", "file.qbt"}, {"no tab", "no tab"}, {"a", "b"}}));
}

TEST(GridLinesTest, RowsWithAnEmptyCellAreLeftOutAndNamedUnlessWhollyEmpty) {
    const TGridLines saved = LinesFromRows({{"a", "b", "c", "d"}, {"e", "", "g", "h"}, {"", "", "", ""},
                                            {"i", "j", "k", "l"}, {"", "", "", "p"}});
    EXPECT_EQ(saved.lines, QStringList({"a\tb\tc\td", "i\tj\tk\tl"}));
    EXPECT_EQ(saved.leftOut, QList<int>({2, 5}));
}

TEST(GridLinesTest, TheFirstCellWithATabOrLineBreakIsFoundRowByRow) {
    EXPECT_FALSE(FirstUnstorableCell({{"a", "b"}, {"", "c d"}}).has_value());
    const auto cell = FirstUnstorableCell({{"a", "b"}, {"c", "d\re"}, {"x\ty", "z"}});
    ASSERT_TRUE(cell.has_value());
    EXPECT_EQ(cell->row, 2);
    EXPECT_EQ(cell->column, 2);
}

}  // namespace
