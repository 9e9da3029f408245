#include "platform/paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using paths::resolvePath;

class PathsOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        root = dir.path() + u'/';
        ASSERT_TRUE(QDir(root).mkpath("Buttons/Glyphs"));
        touch("Buttons/buttons.qbp");
        touch("Buttons/NewLine.bmp");
    }

    void touch(const QString& name) {
        QFile file(root + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir;
    QString root;  // ends in "/"
};

TEST_F(PathsOnDisk, BackslashesAndLetterCaseFromWindows) {
    EXPECT_EQ(resolvePath(root + "buttons\\buttons.qbp"), root + "Buttons/buttons.qbp");
    EXPECT_EQ(resolvePath(root + "BUTTONS\\newline.BMP"), root + "Buttons/NewLine.bmp");
    EXPECT_EQ(resolvePath(root + "buttons\\glyphs\\"), root + "Buttons/Glyphs/");
    EXPECT_EQ(resolvePath(root + "Buttons/"), root + "Buttons/");
}

TEST_F(PathsOnDisk, ExactMatchWinsThenFirstInCodePointOrder) {
    ASSERT_TRUE(QDir(root).mkdir("data"));
    ASSERT_TRUE(QDir(root).mkdir("DATA"));
    ASSERT_TRUE(QDir(root).mkdir("Data"));
    EXPECT_EQ(resolvePath(root + "data/"), root + "data/");
    EXPECT_EQ(resolvePath(root + "Data"), root + "Data");
    EXPECT_EQ(resolvePath(root + "dAta"), root + "DATA");
}

TEST_F(PathsOnDisk, RestStaysAsWrittenFromFirstMissingComponent) {
    EXPECT_EQ(resolvePath(root + "buttons\\Missing\\buttons.qbp"), root + "Buttons/Missing/buttons.qbp");
    EXPECT_EQ(resolvePath(root + "buttons\\buttons.qbp\\x"), root + "Buttons/buttons.qbp/x");
}

TEST_F(PathsOnDisk, DotComponentsAndRelativePaths) {
    EXPECT_EQ(resolvePath(root + "buttons/../BUTTONS/./NEWLINE.bmp"), root + "Buttons/../Buttons/./NewLine.bmp");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root));
    const QString relative = resolvePath("buttons\\newline.bmp");
    QDir::setCurrent(previous);
    EXPECT_EQ(relative, "Buttons/NewLine.bmp");
}

TEST(Paths, EmptyPathStaysEmpty) {
    EXPECT_EQ(resolvePath(""), "");
}

TEST(Paths, Parts) {
    EXPECT_EQ(paths::fileNamePart("/app/buttons/a.qbt"), "a.qbt");
    EXPECT_EQ(paths::fileNamePart("buttons\\a.qbt"), "a.qbt");
    EXPECT_EQ(paths::fileNamePart("a.qbt"), "a.qbt");
    EXPECT_EQ(paths::fileNamePart("/app/"), "");
    EXPECT_EQ(paths::folderPart("/app/buttons/a.qbt"), "/app/buttons/");
    EXPECT_EQ(paths::folderPart("buttons\\a.qbt"), "buttons\\");
    EXPECT_EQ(paths::folderPart("a.qbt"), "");
}

TEST(Paths, FoldersAndJoin) {
    EXPECT_EQ(paths::withTrailingSeparator("/app"), "/app/");
    EXPECT_EQ(paths::withTrailingSeparator("/app/"), "/app/");
    EXPECT_EQ(paths::withTrailingSeparator("C:\\app\\"), "C:\\app\\");
    EXPECT_EQ(paths::withTrailingSeparator(""), "");
    EXPECT_EQ(paths::joinPath("/app/", "buttons\\buttons.qbp"), "/app/buttons\\buttons.qbp");
    EXPECT_EQ(paths::withSlashes("a\\b\\"), "a/b/");
}

}  // namespace
