#include "tools/purgel/inifile.h"

#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

QStringList linesOf(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char('\n'));
}

TEST(IniFileTest, ReadsValuesAsTheProfileFunctionsDo)
{
    const QStringList lines = linesOf(
        "; a comment\n"
        "Name=outside any section\n"
        "  [ settings ]  \n"
        "  NAME  =  Quodex  \n"
        ";Key=commented\n"
        "Quoted=\"  spaced  \"\n"
        "Single='x'\n"
        "Half=\"x\n"
        "Equals=a=b\n"
        "Empty=\n"
        "no equals sign\n"
        "Name=second entry\n"
        "[Other]\n"
        "Key=other section\n");
    const QString s = QStringLiteral("Settings");
    EXPECT_EQ(readIniString(lines, s, QStringLiteral("name")), QStringLiteral("Quodex"));
    EXPECT_EQ(readIniString(lines, s, QStringLiteral("Quoted")), QStringLiteral("  spaced  "));
    EXPECT_EQ(readIniString(lines, s, QStringLiteral("Single")), QStringLiteral("x"));
    EXPECT_EQ(readIniString(lines, s, QStringLiteral("Half")), QStringLiteral("\"x"));
    EXPECT_EQ(readIniString(lines, s, QStringLiteral("Equals")), QStringLiteral("a=b"));
    EXPECT_EQ(readIniString(lines, s, QStringLiteral("Empty"), QStringLiteral("d")), QString());
    EXPECT_EQ(readIniString(lines, s, QStringLiteral("Key"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(readIniString(lines, QStringLiteral("OTHER"), QStringLiteral("key")),
              QStringLiteral("other section"));
    EXPECT_EQ(readIniString(lines, QStringLiteral("Missing"), QStringLiteral("Key"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(readIniString({}, s, QStringLiteral("Name")), QString());
}

TEST(IniFileTest, OnlyTheFirstSectionOfANameCounts)
{
    const QStringList lines = linesOf("[Settings]\nName=first\n[Settings]\nName=second\nKey=late\n");
    EXPECT_EQ(readIniString(lines, QStringLiteral("Settings"), QStringLiteral("Name")),
              QStringLiteral("first"));
    EXPECT_EQ(readIniString(lines, QStringLiteral("Settings"), QStringLiteral("Key")), QString());
}

}  // namespace
