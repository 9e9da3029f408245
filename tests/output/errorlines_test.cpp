// Which output lines are errors and where they point: each shape of the
// table, names in Shift-JIS, and lines that only look like one.
#include "output/errorlines.h"
#include "platform/cp932.h"
#include "tests/support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Case {
    const char* what;
    QByteArray bytes;  // the line as the compiler writes it, Shift-JIS
    const char* file;  // UTF-8; nullptr: no error line
    int line;
    int col;
};

// "表示\ソース.lum": both 表 (0x95 0x5C) and ソ (0x83 0x5C) end in the byte
// of a backslash.
const QByteArray kSjisName("\x95\x5C\x8E\xA6\\\x83\x5C\x81\x5B\x83\x58.lum");

const Case kCases[] = {
    {"parenthesised line", "a.lum(12): error", "a.lum", 12, 0},
    {"parenthesised line and column", "src\\b.lum(12,5): error", "src\\b.lum", 12, 5},
    {"colon line", "a.lum:7: syntax", "a.lum", 7, 0},
    {"colon line and column", "dir/a.c:7:3: error: x", "dir/a.c", 7, 3},
    {"line in 行", "a.lum(12\x8D\x73): x", "a.lum", 12, 0},
    {"line in 行 with a column", "a.lum(12\x8D\x73,4): x", "a.lum", 12, 4},
    {"colon line in 行", "a.lum:7\x8D\x73: x", "a.lum", 7, 0},
    {"Shift-JIS name with 0x5C trail bytes", kSjisName + "(3,2): x", "表示\\ソース.lum", 3, 2},
    {"indented", "   a.lum(1): x", "a.lum", 1, 0},
    {"absolute", "/work/src/a.lum:4:1: x", "/work/src/a.lum", 4, 1},
    {"absolute with blanks", "C:\\Program Files\\p\\a.lum(9): x", "C:\\Program Files\\p\\a.lum", 9, 0},
    {"time stamp", "12:30: build started", nullptr, 0, 0},
    {"time stamp with seconds", "12:30:15 start", nullptr, 0, 0},
    {"bracketed time stamp", "[12:30:15] start", nullptr, 0, 0},
    {"words before a name", "In file included from a.h:3:", nullptr, 0, 0},
    {"no number", "a.lum: cannot open", nullptr, 0, 0},
    {"name without extension", "make(3): leaving", nullptr, 0, 0},
    {"plain text", "compiling 12 files", nullptr, 0, 0},
};

TEST(ErrorLines, EachShapeOfTheTableAndLinesThatOnlyLookLikeOne) {
    const TErrorLineParser parser;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const std::optional<ErrorPlace> place = parser.Parse(cp932::decode(c.bytes));
        ASSERT_EQ(place.has_value(), c.file != nullptr);
        if (!place) continue;
        EXPECT_EQ(place->file, QString::fromUtf8(c.file));
        EXPECT_EQ(place->line, c.line);
        EXPECT_EQ(place->col, c.col);
    }
}

TEST(ErrorLines, AProjectAddsItsCompilersShape) {
    TErrorLineParser parser;
    const QString line = "Error in a.lum at line 5";
    EXPECT_FALSE(parser.Parse(line));
    parser.AddPattern({"Error in FILE at line LINE", R"(^Error in (?<file>\S+) at line (?<line>\d+))"});
    const std::optional<ErrorPlace> place = parser.Parse(line);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->file, "a.lum");
    EXPECT_EQ(place->line, 5);
}

TEST(ErrorLines, RelativeNamesAreFoundFromTheWorkingFolderInAnyCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Src/表示"));
    QFile(dir.filePath("Src/表示/ソース.lum")).open(QIODevice::WriteOnly);
    const QString work = dir.path() + "/";

    EXPECT_EQ(ResolveErrorFile("src\\表示\\ソース.lum", work), dir.filePath("Src/表示/ソース.lum"));
    EXPECT_EQ(ResolveErrorFile(".\\SRC\\表示\\..\\表示\\ソース.lum", work), dir.filePath("Src/表示/ソース.lum"));
    EXPECT_EQ(ResolveErrorFile(dir.filePath("src/表示/ソース.lum"), "/elsewhere/"),
              dir.filePath("Src/表示/ソース.lum"));
}

}  // namespace
