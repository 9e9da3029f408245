// The kept lines: pieces cut anywhere become whole lines, the oldest lines
// go first and are counted, and error rows are found from either end.
#include "output/linesplitter.h"
#include "output/outputlog.h"
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

std::vector<OutputLine> parsed(const TOutputLog& log, const QByteArrayList& lines) {
    std::vector<OutputLine> out;
    for (const QByteArray& line : lines) out.push_back(log.Parsed(line));
    return out;
}

TEST(LineSplitter, PiecesCutAnywhereMakeWholeLines) {
    TLineSplitter splitter;
    // "ア" is 0x83 0x41; the first piece ends on its lead byte.
    EXPECT_EQ(splitter.Add("one\r\ntwo \x83"), QByteArrayList{"one"});
    EXPECT_EQ(splitter.Add("\x41\n\nlast"), (QByteArrayList{"two \x83\x41", ""}));
    EXPECT_EQ(splitter.Finish(), QByteArrayList{"last"});
    EXPECT_EQ(splitter.Finish(), QByteArrayList());
}

TEST(OutputLog, KeepsTheNewestLinesAndCountsTheOthers) {
    const TErrorLineParser parser;
    TOutputLog log(parser, 3);
    log.Append(parsed(log, {"a", "b"}));
    log.DropFront(log.Overflow(2));
    log.Append(parsed(log, {"c", "d"}));
    EXPECT_EQ(log.Count(), 3);
    EXPECT_EQ(log.Line(0).Text(), "b");
    EXPECT_EQ(log.Dropped(), 1);

    log.DropFront(log.Overflow(5));
    log.Append(parsed(log, {"1", "2", "3", "4", "5"}));
    EXPECT_EQ(log.Line(0).Text(), "3");
    EXPECT_EQ(log.Dropped(), 6);
    log.AppendNote("end");
    EXPECT_EQ(log.Line(2).Text(), "end");
    EXPECT_EQ(log.Dropped(), 7);
}

TEST(OutputLog, ErrorRowsFromEitherEndAndNoneBeyondThem) {
    const TErrorLineParser parser;
    TOutputLog log(parser);
    log.Append(parsed(log, {"start", "a.lum(1): x", "text", "b.lum:2: y", "end"}));
    log.AppendNote("終了コード 1 (0.1秒)");
    EXPECT_TRUE(log.IsError(1));
    EXPECT_FALSE(log.IsError(5));

    EXPECT_EQ(log.NextError(-1), 1);
    EXPECT_EQ(log.NextError(1), 3);
    EXPECT_EQ(log.NextError(3), -1);
    EXPECT_EQ(log.PreviousError(-1), 3);
    EXPECT_EQ(log.PreviousError(3), 1);
    EXPECT_EQ(log.PreviousError(1), -1);
}

}  // namespace
