// Reading and resetting the hand-over file, apart from the window.
#include "app/handover.h"
#include "platform/cp932.h"
#include "platform/filebytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

constexpr char kReset[] = "FileName=<NULL\r\n";

class HandoverReaderTest : public ::testing::Test {
protected:
    QString folder() const { return dir.path() + "/"; }
    QString file() const { return folder() + kHandoverFileName; }
    void store(const QByteArray& bytes) const { filebytes::save(file(), bytes); }
    QString nameRead() const {
        const std::optional<HandoverSnapshot> seen = ReadHandover(folder());
        EXPECT_TRUE(seen.has_value());
        return seen ? seen->fileName : QString("(unreadable)");
    }

    QTemporaryDir dir;
};

TEST_F(HandoverReaderTest, GivesTheNamedPathAfterLettingTheWriterFinish) {
    const QString path = "/作業/ソース 表.lum";
    store(cp932::encode("FileName=" + path + "\r\n"));
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(nameRead(), path);
    EXPECT_GE(timer.elapsed(), 99);  // whole ticks against a finer clock
}

// Shift-JIS names go as they always did; others arrive whole all the same.
TEST_F(HandoverReaderTest, NamesShiftJisCannotHoldArriveWhole) {
    const QString names[] = {"/作業/ソース 表.lum", "/tmp/café.lum", "/tmp/한국어/파일.lum", "/tmp/😀 50%.lum"};
    for (const QString& name : names) {
        WriteHandoverFile(folder(), name);
        EXPECT_EQ(nameRead(), name);
    }
    WriteHandoverFile(folder(), names[0]);
    EXPECT_EQ(filebytes::read(file()), cp932::encode("FileName=" + names[0] + "\r\n"));
}

TEST_F(HandoverReaderTest, FindsTheNameInAnyLetterCaseAmongOtherLines) {
    store("# written by hand\r\nOther=1\r\nfilename=/a/b.lum\r\nFileName=/second.lum\r\n");
    EXPECT_EQ(nameRead(), "/a/b.lum");
}

TEST_F(HandoverReaderTest, TheResetLineGivesItsMarker) {
    store(kReset);
    EXPECT_EQ(nameRead(), QString(kHandoverNothing));
}

TEST_F(HandoverReaderTest, AFileWithoutTheLineOrNoFileGivesNothingToOpen) {
    store("Something=else\r\n");
    EXPECT_EQ(nameRead(), QString());
    QFile::remove(file());
    const std::optional<HandoverSnapshot> seen = ReadHandover(folder());
    ASSERT_TRUE(seen.has_value());
    EXPECT_FALSE(seen->exists);
    EXPECT_EQ(seen->fileName, QString());
}

TEST_F(HandoverReaderTest, AFileThatCannotBeReadIsLeftForTheNextChange) {
    ASSERT_TRUE(QDir().mkdir(file()));  // exists, but reads as no file
    EXPECT_EQ(ReadHandover(folder()), std::nullopt);
}

TEST_F(HandoverReaderTest, TheResetLeavesExactlyOneLine) {
    store("FileName=/a/b.lum\r\nmore\r\n");
    EXPECT_TRUE(ResetHandoverFile(folder(), *ReadHandover(folder())));
    EXPECT_EQ(filebytes::read(file()), kReset);

    QFile::remove(file());
    EXPECT_TRUE(ResetHandoverFile(folder(), *ReadHandover(folder())));
    EXPECT_EQ(filebytes::read(file()), kReset);

    store("FileName=<NULL");  // the line without its end is rewritten too
    EXPECT_TRUE(ResetHandoverFile(folder(), *ReadHandover(folder())));
    EXPECT_EQ(filebytes::read(file()), kReset);
}

// A second instance may replace the file between the read and the reset,
// or create it after the reader found none.
TEST_F(HandoverReaderTest, ANameWrittenAfterTheReadIsNotWipedOut) {
    store("FileName=/first.lum\r\n");
    const HandoverSnapshot seen = *ReadHandover(folder());
    store("FileName=/second.lum\r\n");
    EXPECT_FALSE(ResetHandoverFile(folder(), seen));
    EXPECT_EQ(filebytes::read(file()), "FileName=/second.lum\r\n");

    QFile::remove(file());
    const HandoverSnapshot none = *ReadHandover(folder());
    store("FileName=/third.lum\r\n");
    EXPECT_FALSE(ResetHandoverFile(folder(), none));
    EXPECT_EQ(filebytes::read(file()), "FileName=/third.lum\r\n");
}

// The file is saved by replacing it, so a write shows as a new inode.
TEST_F(HandoverReaderTest, AFileAlreadyResetIsNotWrittenAgain) {
    store(kReset);
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(file()).constData(), &before), 0);

    EXPECT_TRUE(ResetHandoverFile(folder(), *ReadHandover(folder())));

    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(file()).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

}  // namespace
