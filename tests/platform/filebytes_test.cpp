#include "platform/filebytes.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileBytes : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    void put(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    mode_t modeOf(const QString& name) const {
        struct stat info {};
        ::stat(QFile::encodeName(path(name)).constData(), &info);
        return info.st_mode & 07777;
    }

    // Names in the folder, hidden ones (a left-over temporary file) included.
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    // Runs `save` and hands back the error it must throw.
    template <typename Save>
    FileError expectSaveError(Save save) {
        try {
            save();
        } catch (const FileError& e) {
            EXPECT_EQ(e.operation(), FileError::Operation::Save);
            return e;
        }
        ADD_FAILURE() << "no error";
        return FileError(FileError::Operation::Save, {}, {});
    }

    QTemporaryDir dir;
};

TEST_F(FileBytes, SaveReplacesContentAndLeavesNoTemporaryFile) {
    put("a.txt", "old content that is longer");
    filebytes::save(path("a.txt"), "new");
    EXPECT_EQ(filebytes::read(path("a.txt")), "new");
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(FileBytes, SaveKeepsPermissionsOfExistingFile) {
    put("a.sh", "#!/bin/sh\n");
    ::chmod(QFile::encodeName(path("a.sh")).constData(), 0750);
    filebytes::save(path("a.sh"), "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(modeOf("a.sh"), 0750u);
}

TEST_F(FileBytes, NewFileGetsPermissionsOfUmask) {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    filebytes::save(path("new.txt"), "x");
    EXPECT_EQ(modeOf("new.txt"), 0666u & ~mask);
}

TEST_F(FileBytes, SaveThroughSymbolicLinkKeepsTheLink) {
    put("real.txt", "old");
    ASSERT_TRUE(QFile::link(path("real.txt"), path("link.txt")));
    filebytes::save(path("link.txt"), "new");
    EXPECT_TRUE(QFileInfo(path("link.txt")).isSymLink());
    EXPECT_EQ(filebytes::read(path("real.txt")), "new");
}

TEST_F(FileBytes, SaveIntoMissingFolderOrBelowAFileFails) {
    put("file", "x");
    for (const QString& target : {path("no/such/a.txt"), path("file/a.txt")}) {
        const FileError e = expectSaveError([&] { filebytes::save(target, "x"); });
        EXPECT_EQ(e.path(), target);
        EXPECT_EQ(e.message(), QString(u"ファイル \"%1\" を保存できません: %2"_qs).arg(target, e.reason()));
    }
}

TEST_F(FileBytes, SaveOverAFolderFails) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    expectSaveError([&] { filebytes::save(path("sub"), "x"); });
    EXPECT_TRUE(QFileInfo(path("sub")).isDir());
}

// A write that fails half way (here: over the file size limit, which binds
// the superuser too) leaves the old file and no temporary file behind.
TEST_F(FileBytes, FailedWriteLeavesOldFileIntact) {
    put("a.txt", "old");
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const FileError e = expectSaveError([&] { filebytes::save(path("a.txt"), QByteArray(4096, 'n')); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(e.reason().isEmpty());
    EXPECT_EQ(filebytes::read(path("a.txt")), "old");
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(FileBytes, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write any file";
    put("a.txt", "old");
    ::chmod(QFile::encodeName(path("a.txt")).constData(), 0444);
    expectSaveError([&] { filebytes::save(path("a.txt"), "new"); });
    EXPECT_EQ(filebytes::read(path("a.txt")), "old");
}

TEST_F(FileBytes, ReadGivesEveryByte) {
    QByteArray bytes;
    for (int i = 0; i < 200000; ++i) bytes.append(char(i * 7));
    put("bin", bytes);
    EXPECT_EQ(filebytes::read(path("bin")), bytes);
    put("empty", "");
    EXPECT_EQ(filebytes::read(path("empty")), "");
}

TEST_F(FileBytes, ReadingAFolderFails) {
    EXPECT_THROW(filebytes::read(dir.path()), FileError);
    EXPECT_THROW(filebytes::readPieces(dir.path(), 16, [](QByteArrayView) {}), FileError);
    EXPECT_THROW(filebytes::readPieces(path("missing"), 16, [](QByteArrayView) {}), FileError);
}

TEST_F(FileBytes, ReadPiecesHandsOverFullPiecesInOrder) {
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i) bytes.append(char(i * 13));
    put("bin", bytes);
    struct Case {
        qsizetype piece;
        filebytes::ByteRange range;
        QByteArray expected;
    };
    const Case cases[] = {
        {7, {}, bytes},
        {1000, {}, bytes},
        {4096, {}, bytes},
        {64, {10, 500}, bytes.mid(10, 490)},
        {64, {990, -1}, bytes.mid(990)},
        {64, {500, 3000}, bytes.mid(500)},
        {64, {2000, -1}, QByteArray()},
    };
    for (const Case& c : cases) {
        QByteArray joined;
        QList<qsizetype> sizes;
        filebytes::readPieces(path("bin"), c.piece, [&](QByteArrayView piece) {
            joined += piece;
            sizes.append(piece.size());
        }, c.range);
        EXPECT_EQ(joined, c.expected) << c.piece << " from " << c.range.from;
        for (qsizetype i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], c.piece);
    }
}

TEST_F(FileBytes, SaveInPiecesWritesThemInOrder) {
    put("a.txt", "old");
    filebytes::save(path("a.txt"), [](const filebytes::ByteSink& write) {
        for (int i = 0; i < 100; ++i) write(QByteArray::number(i) + ",");
    });
    QByteArray expected;
    for (int i = 0; i < 100; ++i) expected += QByteArray::number(i) + ",";
    EXPECT_EQ(filebytes::read(path("a.txt")), expected);
}

// A save whose text fails to be made half way (here: an exception from the
// producer) leaves the old file, no temporary file, and the exception.
TEST_F(FileBytes, FailingProducerLeavesOldFileIntact) {
    put("a.txt", "old");
    EXPECT_THROW(filebytes::save(path("a.txt"),
                                 [](const filebytes::ByteSink& write) {
                                     write("new text");
                                     throw std::bad_alloc();
                                 }),
                 std::bad_alloc);
    EXPECT_EQ(filebytes::read(path("a.txt")), "old");
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(FileBytes, FailuresNameTheFileAndTheCommonReasonsInJapanese) {
    try {
        filebytes::read(path("missing.lum"));
        ADD_FAILURE() << "read a missing file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.message(), "ファイル \"" + path("missing.lum") + "\" を読み込めません: ファイルまたはフォルダが見つかりません");
    }
    const std::pair<int, const char*> reasons[] = {
        {ENOENT, "ファイルまたはフォルダが見つかりません"}, {EACCES, "アクセスが拒否されました"},
        {EPERM, "アクセスが拒否されました"}, {EISDIR, "フォルダです"},
        {ENOSPC, "ディスクの空き領域が足りません"}, {EROFS, "読み取り専用のファイルシステムです"},
        {EFBIG, "ファイルが大きすぎます"}};
    for (const auto& [error, reason] : reasons) EXPECT_EQ(fileErrorReason(error), QString::fromUtf8(reason)) << error;
    EXPECT_EQ(fileErrorReason(EBUSY), qt_error_string(EBUSY));  // the system's text for the rest
    EXPECT_EQ(FileError(FileError::Operation::Open, "/x/a.bat", "r").message(), "ファイル \"/x/a.bat\" を開けません: r");
}

TEST_F(FileBytes, OnlyAnExistingFileIsRequired) {
    put("here", "x");
    EXPECT_NO_THROW(requireExistingFile(path("here")));
    EXPECT_THROW(requireExistingFile(path("missing")), FileError);
    EXPECT_THROW(requireExistingFile(dir.path()), FileError);
}

}  // namespace
