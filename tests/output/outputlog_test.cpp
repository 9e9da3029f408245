// The kept lines: pieces cut anywhere become whole lines, the oldest lines
// go first and are counted, and error rows are found from either end.
#include "output/linesplitter.h"
#include "output/outputlog.h"
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

TEST(LineSplitter, PiecesCutAnywhereMakeWholeDecodedLines) {
    TLineSplitter splitter;
    // "ア" is 0x83 0x41; the first piece ends on its lead byte.
    EXPECT_EQ(splitter.Add("one\r\ntwo \x83"), QStringList{"one"});
    EXPECT_EQ(splitter.Add("\x41\n\nlast"), (QStringList{"two ア", ""}));
    EXPECT_EQ(splitter.Finish(), QStringList{"last"});
    EXPECT_EQ(splitter.Finish(), QStringList());
}

TEST(OutputLog, KeepsTheNewestLinesAndCountsTheOthers) {
    const TErrorLineParser parser;
    TOutputLog log(parser, 3);
    log.Append({"a", "b"});
    log.DropFront(log.Overflow(2));
    log.Append({"c", "d"});
    EXPECT_EQ(log.Count(), 3);
    EXPECT_EQ(log.Line(0).text, "b");
    EXPECT_EQ(log.Dropped(), 1);

    log.DropFront(log.Overflow(5));
    log.Append({"1", "2", "3", "4", "5"});
    EXPECT_EQ(log.Line(0).text, "3");
    EXPECT_EQ(log.Dropped(), 6);
    log.AppendNote("end");
    EXPECT_EQ(log.Line(2).text, "end");
    EXPECT_EQ(log.Dropped(), 7);
}

TEST(OutputLog, ErrorRowsFromEitherEndAndNoneBeyondThem) {
    const TErrorLineParser parser;
    TOutputLog log(parser);
    log.Append({"start", "a.lum(1): x", "text", "b.lum:2: y", "end"});
    log.AppendNote("終了コード 1 (0.1秒)");
    EXPECT_TRUE(log.Line(1).place);
    EXPECT_FALSE(log.Line(5).place);

    EXPECT_EQ(log.NextError(-1), 1);
    EXPECT_EQ(log.NextError(1), 3);
    EXPECT_EQ(log.NextError(3), -1);
    EXPECT_EQ(log.PreviousError(-1), 3);
    EXPECT_EQ(log.PreviousError(3), 1);
    EXPECT_EQ(log.PreviousError(1), -1);
}

}  // namespace
