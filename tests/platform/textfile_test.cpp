#include "platform/textfile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

using textfile::Nul;
using Lines = QList<QByteArray>;

struct SplitCase {
    const char* name;
    QByteArray bytes;
    Lines lines;
};

TEST(TextFileSplit, LineEnds) {
    const SplitCase cases[] = {
        {"empty", "", {}},
        {"no line end", "abc", {"abc"}},
        {"trailing CR LF", "a\r\n", {"a"}},
        {"each kind", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"empty lines", "\r\n\r\n", {"", ""}},
        {"empty last line", "a\r\n\r\n", {"a", ""}},
        {"CR before CR LF", "a\r\r\nb", {"a", "", "b"}},
        {"LF then CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"lone LF at end", "a\nb\n", {"a", "b"}},
    };
    for (const auto& c : cases) EXPECT_EQ(textfile::splitLines(c.bytes), c.lines) << c.name;
}

TEST(TextFileSplit, NulIsKeptUnlessItEndsTheText) {
    const QByteArray bytes("ab\0cd\r\nef\r\n", 11);
    EXPECT_EQ(textfile::splitLines(bytes), (Lines{QByteArray("ab\0cd", 5), "ef"}));
    EXPECT_EQ(textfile::splitLines(bytes, Nul::EndsText), Lines{"ab"});
    EXPECT_EQ(textfile::splitLines(QByteArray("\0ab", 3), Nul::EndsText), Lines{});
}

TEST(TextFileSplit, SecondByteOfDoubleByteCharacterIsNotALineEnd) {
    // 表 (0x95 0x5C) and a lead byte cut off by the line end.
    const QByteArray bytes = QByteArray::fromHex("955c0d0a820d0a41");
    EXPECT_EQ(textfile::splitLines(bytes),
              (Lines{QByteArray::fromHex("955c"), QByteArray::fromHex("82"), "A"}));
}

TEST(TextFileJoin, EveryLineEndsWithCrLf) {
    EXPECT_EQ(textfile::joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(textfile::joinLines({}), "");
}

class TextFileOnDisk : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(TextFileOnDisk, DecodedLinesRoundTrip) {
    const QStringList lines{u"表示"_qs, u"ソース ｶﾀｶﾅ"_qs, QString(), u"≒\uFE00"_qs};
    textfile::saveLines(path("a.lum"), lines);
    EXPECT_EQ(filebytes::read(path("a.lum")).toHex(' '),
              QByteArray::fromHex("955c8ea6 0d0a 835c815b8358 20 b6c0b6c5 0d0a 0d0a 8790 0d0a").toHex(' '));
    EXPECT_EQ(textfile::readLines(path("a.lum")), lines);
}

TEST_F(TextFileOnDisk, ByteLinesKeepEveryByte) {
    const QByteArray bytes = QByteArray::fromHex("8540ff80") + QByteArray("x\0y", 3);
    textfile::saveByteLines(path("b.txt"), {bytes, "z"});
    EXPECT_EQ(textfile::readByteLines(path("b.txt")), (Lines{bytes, "z"}));
    EXPECT_EQ(textfile::readByteLines(path("b.txt"), Nul::EndsText),
              Lines{QByteArray::fromHex("8540ff80") + "x"});
}

TEST_F(TextFileOnDisk, ReadingAMissingFileNamesIt) {
    try {
        textfile::readLines(path("missing.lum"));
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.operation(), FileError::Operation::Read);
        EXPECT_EQ(e.message(), QString(u"ファイル \"%1\" を読み込めません: %2"_qs)
                                   .arg(path("missing.lum"), e.reason()));
        EXPECT_FALSE(e.reason().isEmpty());
    }
}

}  // namespace
