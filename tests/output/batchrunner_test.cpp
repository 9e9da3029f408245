// The batch runner on small /bin/sh scripts: both streams in the order
// written, Shift-JIS decoded, the exit status, a stop that reaches the
// programs the batch started, and batches that cannot start.
#include "output/batchrunner.h"
#include "platform/cp932.h"
#include "platform/fileerror.h"
#include "tests/support/qtprinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class BatchRunnerTest : public ::testing::Test {
protected:
    BatchRunnerTest() {
        QObject::connect(&runner, &TBatchRunner::linesArrived, [this](const QByteArrayList& l) {
            for (const QByteArray& line : l) lines << cp932::decode(line);
        });
        QObject::connect(&runner, &TBatchRunner::finished, [this](const BatchEnd& e) { end = e; });
    }

    // A script in the test's folder; `executable` false leaves it without
    // the permission to run.
    QString script(const QByteArray& body, bool executable = true) {
        const QString path = dir.filePath("make.sh");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
        file.close();
        if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
        return path;
    }

    bool waitForEnd() { return QTest::qWaitFor([this] { return end.has_value(); }, 10000); }

    QTemporaryDir dir;
    TBatchRunner runner;
    QStringList lines;
    std::optional<BatchEnd> end;
};

TEST_F(BatchRunnerTest, BothStreamsArriveInTheOrderWrittenWithTheExitStatus) {
    runner.Start(script("#!/bin/sh\n"
                        "echo out1\n"
                        "echo err1 >&2\n"
                        "echo out2\n"
                        "printf '\\203\\101\\r\\n' >&2\n"  // "ア" in Shift-JIS, CR LF
                        "pwd\n"
                        "printf 'no line end'\n"
                        "exit 3\n"),
                 dir.path());
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(lines, (QStringList{"out1", "err1", "out2", "ア", dir.path(), "no line end"}));
    EXPECT_EQ(end->exitCode, 3);
    EXPECT_FALSE(end->stopped);
    EXPECT_FALSE(end->crashed);
    EXPECT_FALSE(runner.IsRunning());
}

TEST_F(BatchRunnerTest, LinesArriveWhileTheBatchRunsAndAStopEndsWhatItStarted) {
    const QString pidFile = dir.filePath("child.pid");
    runner.Start(script("#!/bin/sh\n"
                        "sleep 60 &\n"
                        "echo $! > '" + pidFile.toUtf8() + "'\n"
                        "echo first\n"
                        "wait\n"),
                 dir.path());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !lines.isEmpty(); }, 10000));
    EXPECT_EQ(lines, QStringList{"first"});
    EXPECT_TRUE(runner.IsRunning());
    QFile file(pidFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const pid_t child = pid_t(file.readAll().trimmed().toInt());
    ASSERT_GT(child, 0);

    runner.Stop();

    ASSERT_TRUE(end.has_value());  // before Stop returned
    EXPECT_TRUE(end->stopped);
    EXPECT_FALSE(runner.IsRunning());
    // The child the batch left running ends with it (a zombie until its new
    // parent reaps it counts as ended).
    EXPECT_TRUE(QTest::qWaitFor(
        [child] {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
            return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
        },
        5000));
}

TEST_F(BatchRunnerTest, ABatchThatCannotStartSaysWhy) {
    const QString missing = dir.filePath("missing.bat");
    try {
        runner.Start(missing, dir.path());
        FAIL() << "started";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(), "ファイル \"" + missing + "\" を開けません: ファイルまたはフォルダが見つかりません");
    }
    const QString plain = script("echo hello\n", false);
    try {
        runner.Start(plain, dir.path());
        FAIL() << "started";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(), "ファイル \"" + plain + "\" を開けません: 実行できるファイルではありません");
    }
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_FALSE(end.has_value());
}

}  // namespace
