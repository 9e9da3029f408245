// The palette files on their own: the field rule, reading and writing.
#include "palette/palettefile.h"

#include "platform/filebytes.h"
#include "tests/support/qtprinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace palettefile;

struct FieldCase {
    const char* line;
    int index;
    const char* field;
};

TEST(PaletteFieldTest, FieldsAreTakenFromTheLeftAndTheLastStandsForThoseBeyond) {
    const FieldCase cases[] = {
        {"", 0, ""},           {"", 3, ""},
        {"whole", 0, "whole"}, {"whole", 3, "whole"},
        {"a\tb", 0, "a"},      {"a\tb", 1, "b"},       {"a\tb", 2, "b"},
        {"a\tb\tc", 1, "b"},   {"a\tb\tc", 5, "c"},
        {"a\tb\t", 2, ""},     {"a\tb\t", 7, ""},      {"a\t\tc", 1, ""},
        {"\ta", 0, ""},        {" a \t b ", 1, " b "},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(Field(QString::fromUtf8(c.line), c.index), QString::fromUtf8(c.field))
            << '"' << c.line << "\" field " << c.index;
}

TEST(PaletteFieldTest, AButtonLineGivesTextDescriptionArgumentsAndBitmap) {
    const ButtonLine full = ReadButtonLine("A\tB\tC\tD");
    EXPECT_EQ(full.text, "A");
    EXPECT_EQ(full.description, "B");
    EXPECT_EQ(full.arguments, "C");
    EXPECT_EQ(full.bitmap, "D");
    EXPECT_EQ(HintOf(full), "A    C    B");
    // Three fields: the argument text stands for the bitmap too.
    EXPECT_EQ(ReadButtonLine("A\tB\tC").bitmap, "C");
    const ButtonLine bare = ReadButtonLine("print");
    EXPECT_EQ(QStringList({bare.text, bare.description, bare.arguments, bare.bitmap}), QStringList(4, "print"));
    const PackageLine tab = ReadPackageLine("構文\tbuttons\\syntax.qbt");
    EXPECT_EQ(tab.caption, "構文");
    EXPECT_EQ(tab.definitionFile, "buttons\\syntax.qbt");
}

TEST(PaletteFieldTest, OnlyTabsLineBreaksAndNulCannotStandInAField) {
    EXPECT_TRUE(IsStorableField(""));
    EXPECT_TRUE(IsStorableField("if (a) {  }　全角"));
    for (const QString& bad : {QString("a\tb"), QString("a\rb"), QString("a\nb"), QString(QChar(0)) + "x"})
        EXPECT_FALSE(IsStorableField(bad)) << bad.toStdString();
    EXPECT_EQ(JoinFields({"a", "", "c"}), "a\t\tc");
}

class PaletteFileTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath("x.qbt");
        filebytes::save(path, bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(PaletteFileTest, LinesEndAtCrLfLoneCrOrLoneLfAndTheTextAtNul) {
    EXPECT_EQ(ReadLines(write("a\r\nb\rc\nd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(ReadLines(write("a\r\n\r\nb\r\n")), QStringList({"a", "", "b"}));
    EXPECT_EQ(ReadLines(write(QByteArray("a\r\nb\0c\r\nd", 9))), QStringList({"a", "b"}));
    EXPECT_EQ(ReadLines(write("")), QStringList());
    // 構文 ends in the byte of a backslash, which is no separator here.
    EXPECT_EQ(ReadLines(write("\x8d\x5c\x95\xb6\tbuttons\\s.qbt\r\n")), QStringList({"構文\tbuttons\\s.qbt"}));
}

TEST_F(PaletteFileTest, WritingEndsEveryLineWithCrLfInShiftJisAndReadsBackByteForByte) {
    const QString path = dir.filePath("out.qbp");
    SaveLines(path, {"構文\tbuttons\\s.qbt", "", "x"});
    const QByteArray expected("\x8d\x5c\x95\xb6\tbuttons\\s.qbt\r\n\r\nx\r\n");
    EXPECT_EQ(filebytes::read(path), expected);

    const QByteArray original("if\x81\x40()\t\x90\xe0\x96\xbe\t\x88\xf8\x90\x94\tb\\if.bmp\r\n\xfd\x85\x40\r\n");
    SaveLines(path, ReadLines(write(original)));
    EXPECT_EQ(filebytes::read(path), original);
}

TEST_F(PaletteFileTest, AFileThatCannotBeReadIsAnErrorNamingIt) {
    const QString missing = dir.filePath("missing.qbp");
    try {
        ReadLines(missing);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), missing);
        EXPECT_TRUE(error.message().contains(missing));
    }
}

}  // namespace
